#include "controls/num_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>

#include "numbers/number_filter.h"
#include "numbers/number_text.h"

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
    // Any edit by the user, however small, makes the text the value.
    connect(this, &QLineEdit::textEdited, this, [this] { hasExact_ = false; });
}

void CNumEdit::SetValue(double value) {
    const QString shown = QString::fromStdString(FormatNumber(format_, value));
    setText(shown);
    // A text longer than the box shows its leading digits, not its tail.
    setCursorPosition(0);
    exact_ = value;
    exactText_ = shown;
    hasExact_ = true;
}

double CNumEdit::GetValue() const {
    // The shown text is rounded for the eye; the number behind it is what calculations use.
    if (hasExact_ && text() == exactText_) {
        return exact_;
    }
    return ReadNumber(text().toStdString());
}

void CNumEdit::PasteText(const QString& pasted) {
    if (isReadOnly()) {
        return;
    }
    QString clean = pasted.trimmed();
    clean.replace(QChar(','), QChar('.'));
    QString result = text();
    if (hasSelectedText()) {
        result.replace(selectionStart(), selectedText().size(), clean);
    } else {
        result.insert(cursorPosition(), clean);
    }
    // Non-ASCII text comes out as bytes that are no number, and is refused with the rest.
    if (!IsNumberText(result.toStdString())) {
        return;
    }
    insert(clean);
}

void CNumEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's own Paste would put in any text at all.
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this] { PasteText(QGuiApplication::clipboard()->text()); });
        }
    }
    menu->popup(event->globalPos());
}

void CNumEdit::dropEvent(QDropEvent* event) {
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    PasteText(event->mimeData()->text());
    event->acceptProposedAction();
}

void CNumEdit::keyPressEvent(QKeyEvent* event) {
    // The clipboard and undo shortcuts work as in any edit box; a paste is checked whole.
    if (event->matches(QKeySequence::Paste)) {
        PasteText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
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
    ch = static_cast<char16_t>(NumberCharFor(static_cast<char>(ch)));
    const bool withinLimit = typingLimit_ <= 0 || current.size() < typingLimit_;
    if (withinLimit && AcceptsNumberChar(ascii, static_cast<std::size_t>(cursorPosition()),
                                         static_cast<char>(ch))) {
        insert(QString(QChar(ch)));
    }
}

void CNumEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Leaving the box converts it only if the user changes it from here on; the box's own context
    // menu closing is no new visit.
    if (event->reason() != Qt::PopupFocusReason) {
        setModified(false);
    }
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
    // The middle button pastes the selection, and is checked like any other paste.
    if (event->button() == Qt::MiddleButton) {
        if (QGuiApplication::clipboard()->supportsSelection()) {
            PasteText(QGuiApplication::clipboard()->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
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
