// CNumEdit: the edit box of every number a user types. Lets only the characters of a decimal
// number through, selects its whole text when it gains the focus, and reads and shows numbers
// through its format. Its value is always its text.
#pragma once

#include <QLineEdit>
#include <string>

class CNumEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumEdit(QWidget* parent = nullptr);

    void SetFormat(const std::string& format) { format_ = format; }
    const std::string& Format() const { return format_; }
    void SetValue(double value);
    double GetValue() const;

    // Limits what the user puts in, typed or pasted; text the program writes is never cut short.
    void SetTypingLimit(int characters);
    int TypingLimit() const { return typingLimit_; }

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

private:
    void TypeCharacter(char16_t ch);

    std::string format_ = "%4.4f";
    int typingLimit_ = 0; // 0: no limit
    bool selectOnMouse_ = false;
};
