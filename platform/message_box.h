// Message boxes: one short sentence, an icon, an OK button, captioned with the application title.
#pragma once

#include <functional>
#include <string>

class QWidget;

enum class MessageIcon { Stop, Information };

struct MessageRecord {
    std::string caption;
    std::string text;
    MessageIcon icon;
};

using MessageSink = std::function<void(const MessageRecord&)>;

// Replaces the modal box with a sink (tests); an empty sink restores the real box.
void SetMessageSink(MessageSink sink);

// Shows the message modally over the owner and returns when it is dismissed.
void ShowMessageBox(QWidget* owner, const std::string& text, MessageIcon icon);

// The program file's name without its extension.
std::string ApplicationTitle();
