// Message boxes: one short text, an icon, an OK button (or Yes and No for a question), captioned
// with the application title.
#pragma once

#include <functional>
#include <string>

class QWidget;

enum class MessageIcon { Stop, Information, Warning };

enum class MessageButtons { Ok, YesNo };

enum class MessageAnswer { Ok, Yes, No };

struct MessageRecord {
    std::string caption;
    std::string text;
    MessageIcon icon;
    MessageButtons buttons = MessageButtons::Ok;
};

using MessageSink = std::function<void(const MessageRecord&)>;
// A sink that answers a question as the user would.
using AnsweringMessageSink = std::function<MessageAnswer(const MessageRecord&)>;

// Replaces the modal box with a sink (tests); an empty sink restores the real box. A plain sink
// answers a question as Esc does, with No.
void SetMessageSink(MessageSink sink);
void SetAnsweringMessageSink(AnsweringMessageSink sink);

// Shows the message modally over the owner and returns the button that dismissed it. Its text can
// be selected and copied.
MessageAnswer ShowMessageBox(QWidget* owner, const std::string& text, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok);

// The program file's name without its extension.
std::string ApplicationTitle();
