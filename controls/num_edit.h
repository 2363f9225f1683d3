// CNumEdit: the edit box of every number a user types. Lets only the characters of a decimal
// number through, selects its whole text when it gains the focus, and reads and shows numbers
// through its format. A number the program wrote is kept exactly behind its shown text until the
// user edits the box; after that the text is the value.
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
    // The value last written while the text still shows it, else the text read as a number.
    double GetValue() const;

    // Limits what the user puts in, typed or pasted; text the program writes is never cut short.
    void SetTypingLimit(int characters);

    // Whether the user changed the text since the box last took the focus.
    bool EditedSinceFocus() const { return isModified(); }

    // Puts text in as a paste does: a comma is the point, and a paste that would leave the box
    // holding something other than a number (or nothing) is refused whole.
    void PasteText(const QString& text);

signals:
    // The box lost the keyboard focus; emitted after the field's own handling.
    void lostFocus();
    void gotFocus();

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

    std::string format_ = "%4.4f";
    int typingLimit_ = 0; // 0: no limit
    bool selectOnMouse_ = false;
    // The number behind the text the program wrote; valid while the text is still that text.
    double exact_ = 0.0;
    QString exactText_;
    bool hasExact_ = false;
};
