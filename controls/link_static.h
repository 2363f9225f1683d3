// CLinkStatic: a label that acts as a hyperlink once SetLinkStyle has been called: blue,
// underlined, a pointing hand over it, a link to assistive technology, and a press (or Enter or
// Space once it has the focus) hands its target to the desktop, or says that no program is set up
// to take it.
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>
#include <string>

// What a link's target is, and so how the desktop is asked to open it.
enum class LinkStyle { Mail = 0, Web = 1 };

class CLinkStatic : public QWidget {
    Q_OBJECT

public:
    explicit CLinkStatic(QWidget* parent = nullptr);

    void SetLinkStyle(LinkStyle style);
    void SetTarget(const std::string& target, const std::string& caption);
    void SetLinkColor(const QColor& colour);
    void SetUnderline(bool underline);

    QString text() const { return text_; }
    void setText(const QString& text);
    void SetTextAlignment(Qt::Alignment alignment) { alignment_ = alignment; }

    // Hands the target to the desktop, or says that no program takes it; a click, Enter, Space
    // and a screen reader's press all come here.
    void OpenTarget();

    QColor LinkColor() const { return textColour_; }
    const QFont& LinkFont() const { return font_; }
    bool IsLink() const { return isLink_; }
    int PaintFlags() const {
        return static_cast<int>(alignment_ | Qt::AlignTop | Qt::TextWordWrap);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RedrawNow();
    void SayNoProgram();

    // As asked; shown through the palette, lightened on a dark background.
    QColor textColour_;
    bool hasColour_ = false;
    QFont font_;
    LinkStyle linkStyle_ = LinkStyle::Web;
    std::string target_;
    bool isLink_ = false;
    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};
