#include "platform/message_box.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

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
    const QPointer<QWidget> focusBefore =
        owner != nullptr ? owner->window()->focusWidget() : QApplication::focusWidget();
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromStdString(record.caption), QString::fromStdString(text),
                    QMessageBox::Ok, owner);
    box.exec();
    if (focusBefore != nullptr) {
        focusBefore->setFocus(Qt::OtherFocusReason);
    }
}
