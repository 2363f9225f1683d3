#include "controls/num_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QValidator>

#include "controls/number_filter.h"
#include "controls/number_text.h"

namespace {

// Refuses a user's edit (a paste, a drop) that would take the text past the limit, as a classic
// edit box does. The program's own setText is never refused, so a long result stays whole, and
// shortening such a result is always allowed.
class LengthLimit : public QValidator {
public:
    LengthLimit(int limit, QLineEdit* box)
        : QValidator(box), limit_(limit), length_(box->text().size()) {
        // The box already holds the new text when it asks, so the length before is kept here.
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString& text) { length_ = text.size(); });
    }
    State validate(QString& input, int&) const override {
        return input.size() <= limit_ || input.size() <= length_ ? Acceptable : Invalid;
    }

private:
    int limit_;
    qsizetype length_;
};

} // namespace

void CNumEdit::SetTypingLimit(int characters) {
    typingLimit_ = characters;
    delete validator();
    setValidator(characters > 0 ? new LengthLimit(characters, this) : nullptr);
}

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent) {
    // Numbers are never split across a selection drag; the context menu stays (paste is allowed).
    setDragEnabled(false);
}

void CNumEdit::SetValue(double value) {
    setText(QString::fromStdString(FormatNumber(format_, value)));
}

double CNumEdit::GetValue() const {
    return ReadNumber(text().toStdString());
}

void CNumEdit::keyPressEvent(QKeyEvent* event) {
    // The clipboard and undo shortcuts work as in any edit box; pasted text is not filtered.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Undo) ||
        event->matches(QKeySequence::Redo)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    const int key = event->key();
    // Alt combinations belong to the window (menu, mnemonics); typed here they would delete the
    // selection.
    if ((event->modifiers() & Qt::AltModifier) && !typed.isEmpty() && typed.at(0).isPrint()) {
        event->ignore();
        return;
    }
    // Keys that arrive as characters go through the filter; navigation, Delete, Tab, Enter and
    // Escape keep their usual meaning.
    if (typed.isEmpty() || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
        key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete ||
        typed.at(0) == QChar(0x7f)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    for (QChar ch : typed) {
        TypeCharacter(ch.unicode());
    }
    event->accept();
}

void CNumEdit::TypeCharacter(char16_t ch) {
    // The selection goes whether or not the character is then accepted.
    if (hasSelectedText()) {
        del();
    }
    const QString current = text();
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(current.size()));
    for (QChar c : current) {
        ascii.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?');
    }
    if (ch >= 0x80) {
        return;
    }
    const bool withinLimit = typingLimit_ <= 0 || current.size() < typingLimit_;
    if (withinLimit && AcceptsNumberChar(ascii, static_cast<std::size_t>(cursorPosition()),
                                         static_cast<char>(ch))) {
        insert(QString(QChar(ch)));
    }
}

void CNumEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Typing then replaces the old value, however the focus came.
    selectAll();
    selectOnMouse_ = event->reason() == Qt::MouseFocusReason;
    emit gotFocus();
}

void CNumEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnMouse_) {
        selectAll();
    }
}

void CNumEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnMouse_) {
        selectOnMouse_ = false;
        selectAll();
    }
}

void CNumEdit::focusOutEvent(QFocusEvent* event) {
    selectOnMouse_ = false;
    QLineEdit::focusOutEvent(event);
    // A popup (the box's own context menu) does not take the focus away from the window.
    if (event->reason() != Qt::PopupFocusReason) {
        emit lostFocus();
    }
}
