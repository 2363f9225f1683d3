#include "platform/message_box.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

#include "platform/dialog.h"

namespace {

AnsweringMessageSink& Sink() {
    static AnsweringMessageSink sink;
    return sink;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void SetMessageSink(MessageSink sink) {
    if (!sink) {
        Sink() = {};
        return;
    }
    Sink() = [sink = std::move(sink)](const MessageRecord& record) {
        sink(record);
        return record.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    };
}

void SetAnsweringMessageSink(AnsweringMessageSink sink) {
    Sink() = std::move(sink);
}

std::string ApplicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

MessageAnswer ShowMessageBox(QWidget* owner, const std::string& text, MessageIcon icon,
                             MessageButtons buttons) {
    MessageRecord record{ApplicationTitle(), text, icon, buttons};
    if (Sink()) {
        return Sink()(record);
    }
    const QPointer<QWidget> focusBefore =
        owner != nullptr ? owner->window()->focusWidget() : QApplication::focusWidget();
    const bool question = buttons == MessageButtons::YesNo;
    QMessageBox box(IconOf(icon), QString::fromStdString(record.caption),
                    QString::fromStdString(text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    // A message box is a window of its own and would not inherit its owner's dialog font.
    box.setFont(owner != nullptr ? owner->window()->font() : CDialog::DialogFont(DialogTemplate{}));
    // An address or a reason in the text can be copied from the box.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (question) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    const int pressed = box.exec();
    // Back where the user was, not on whatever the window would pick.
    if (focusBefore != nullptr) {
        focusBefore->setFocus(Qt::OtherFocusReason);
    }
    if (!question) {
        return MessageAnswer::Ok;
    }
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}
