#include "platform/message_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/dialog.h"

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
    // A message box is a window of its own and would not inherit its owner's dialog font.
    box.setFont(owner != nullptr ? owner->window()->font() : CDialog::DialogFont(DialogTemplate{}));
    box.exec();
}
