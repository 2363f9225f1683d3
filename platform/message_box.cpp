#include "platform/message_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

} // namespace

void SetMessageSink(MessageSink sink) {
    Sink() = std::move(sink);
}

std::string ApplicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

void ShowMessageBox(QWidget* owner, const std::string& text, MessageIcon icon) {
    MessageRecord record{ApplicationTitle(), text, icon};
    if (Sink()) {
        Sink()(record);
        return;
    }
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromStdString(record.caption), QString::fromStdString(text),
                    QMessageBox::Ok, owner);
    box.exec();
}
