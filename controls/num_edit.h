// CNumEdit: the edit box of every number a user types. Lets only the characters of a decimal
// number through, selects its whole text when it gains the focus, and reads and shows numbers
// through its format. A number the program wrote is kept exactly behind its shown text for as
// long as that text stands; any other change of the text (typing, a paste, undo, a cleared box)
// ends it, and then the text is the value.
#pragma once

#include <QLineEdit>
#include <string>

class CNumEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumEdit(QWidget* parent = nullptr);

    void SetFormat(const std::string& format) { format_ = format; }
    const std::string& Format() const { return format_; }
    // Shows the value through the format, from its first character, and keeps it exactly.
    void SetValue(double value);
    // Writes a text that stands for no worked-out number (a cleared box, an opening text).
    void ShowText(const QString& text);
    // Only SetValue and ShowText write the text, so that no number outlives the text shown for it.
    void setText(const QString&) = delete;
    // The number SetValue wrote while its text still stands, else the text read as a number.
    double GetValue() const;

    // Limits what the user puts in, typed or pasted; text the program writes is never cut short.
    void SetTypingLimit(int characters);

    // Whether the user changed the text since the box last took the focus.
    bool EditedSinceFocus() const { return isModified(); }

    // Puts text in as a paste does: read as the user's locale writes numbers ("1,234.5" in the
    // US, "1.234,5" in Germany), else with a point or a comma as the decimal mark, and written
    // with a point. A paste that would leave the box holding something other than a number (or
    // nothing) is refused whole, with a note beside the box saying why.
    void PasteText(const QString& text);

signals:
    // The box lost the keyboard focus; emitted after the field's own handling.
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void TypeCharacter(char16_t ch);
    void RefusePaste(const QString& why);
    // Paste, select all, copy, cut, undo and redo; false for any other key.
    bool TakeShortcut(QKeyEvent* event);

    std::string format_ = "%4.4f";
    int typingLimit_ = 0; // 0: no limit
    bool selectOnMouse_ = false;
    // The number behind the text SetValue wrote; any other change of the text ends it.
    double exact_ = 0.0;
    bool hasExact_ = false;
    bool writingValue_ = false;
};
