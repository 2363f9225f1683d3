#include "controls/num_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolTip>
#include <QValidator>

#include "controls/focus_frame.h"
#include "numbers/number_filter.h"
#include "numbers/number_text.h"

namespace {

// Refuses a user's edit (a paste, a drop) that would take the text past the limit, so a box never
// holds more than it was made for. The program's own text is never refused, so a long result
// stays whole, and shortening such a result is always allowed.
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

// A paste is read as the user's locale writes numbers, which is how its spreadsheets copy them;
// a text that is no number there keeps the typing rule, where a comma is the point.
QString PastedNumberText(const QString& pasted) {
    QString text = pasted.trimmed();
    const QLocale locale = QLocale::system();
    bool isLocaleNumber = false;
    locale.toDouble(text, &isLocaleNumber);
    if (!isLocaleNumber) {
        return text.replace(QChar(','), QChar('.'));
    }
    if (!locale.groupSeparator().isEmpty()) {
        text.remove(locale.groupSeparator());
    }
    text.replace(locale.decimalPoint(), QStringLiteral("."));
    text.replace(locale.negativeSign(), QStringLiteral("-"));
    for (QChar& c : text) {
        if (c.isDigit()) {
            c = QChar(u'0' + c.digitValue());
        }
    }
    return text;
}

// What a refusal note quotes of the pasted text: one line, and not a megabyte of it.
QString Quoted(const QString& pasted) {
    constexpr int kMostShown = 40;
    const QString line = pasted.simplified();
    return line.size() > kMostShown ? line.left(kMostShown) + QChar(0x2026) : line;
}

} // namespace

void CNumEdit::SetTypingLimit(int characters) {
    typingLimit_ = characters;
    delete validator();
    setValidator(characters > 0 ? new LengthLimit(characters, this) : nullptr);
}

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent) {
    // Numbers are never split across a selection drag; the context menu stays (paste is allowed).
    setDragEnabled(false);
    // Whatever changes the text, but SetValue, makes the text the value again.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!writingValue_) {
            hasExact_ = false;
        }
    });
}

void CNumEdit::SetValue(double value) {
    writingValue_ = true;
    QLineEdit::setText(QString::fromStdString(FormatNumber(format_, value)));
    writingValue_ = false;
    // A text longer than the box shows its leading digits, not its tail.
    setCursorPosition(0);
    exact_ = value;
    hasExact_ = true;
}

void CNumEdit::ShowText(const QString& text) {
    // Ended here too: a cleared text can be the very text a tiny result was shown as.
    hasExact_ = false;
    QLineEdit::setText(text);
}

double CNumEdit::GetValue() const {
    // The shown text is rounded for the eye; the number behind it is what calculations use.
    return hasExact_ ? exact_ : ReadNumber(text().toStdString());
}

void CNumEdit::PasteText(const QString& pasted) {
    if (isReadOnly()) {
        return;
    }
    const QString clean = PastedNumberText(pasted);
    QString result = text();
    if (hasSelectedText()) {
        result.replace(selectionStart(), selectedText().size(), clean);
    } else {
        result.insert(cursorPosition(), clean);
    }
    // Non-ASCII text comes out as bytes that are no number, and is refused with the rest.
    if (!IsNumberText(result.toStdString())) {
        RefusePaste(tr("Not a number: %1").arg(Quoted(pasted)));
        return;
    }
    // The limit's own check would refuse it too, but without a word.
    if (typingLimit_ > 0 && result.size() > typingLimit_ && result.size() > text().size()) {
        RefusePaste(tr("Too long for this box (at most %1 characters): %2")
                        .arg(typingLimit_)
                        .arg(Quoted(pasted)));
        return;
    }
    insert(clean);
}

void CNumEdit::RefusePaste(const QString& why) {
    constexpr int kShownMs = 4000;
    QToolTip::showText(mapToGlobal(QPoint(0, height())), why, this, QRect(), kShownMs);
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
    AppendWindowMenuEntries(*menu, *this);
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

bool CNumEdit::TakeShortcut(QKeyEvent* event) {
    // The clipboard and undo shortcuts work as in any edit box; a paste is checked whole.
    if (event->matches(QKeySequence::Paste)) {
        PasteText(QGuiApplication::clipboard()->text());
        event->accept();
        return true;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        event->accept();
        return true;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        QLineEdit::keyPressEvent(event);
        return true;
    }
    return false;
}

void CNumEdit::keyPressEvent(QKeyEvent* event) {
    if (TakeShortcut(event)) {
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
    // Keys that arrive as characters go through the filter; navigation, Delete, Backspace, Tab,
    // Enter and Escape keep their usual meaning.
    if (typed.isEmpty() || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
        key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete ||
        key == Qt::Key_Backspace || typed.at(0) == QChar(0x7f)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A Ctrl+letter that is no shortcut of the box arrives as a control character: it types
    // nothing, so it must not delete the selection either.
    if ((event->modifiers() & Qt::ControlModifier) ||
        typed.at(0).category() == QChar::Other_Control) {
        event->ignore();
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
