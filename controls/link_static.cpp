#include "controls/link_static.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "platform/dialog.h"
#include "platform/shell_open.h"
#include "res/resources.h"

CLinkStatic::CLinkStatic(QWidget* parent)
    : QWidget(parent), textColour_(palette().color(QPalette::WindowText)),
      background_(palette().color(QPalette::Button)),
      // The classic desktop's stock GUI font is the 8-point dialog sans, not this desktop's larger
      // general font, which would not fit the 8-unit high labels.
      font_(CDialog::DialogFont(DialogTemplate{})) {
    font_.setUnderline(false);
    // A plain label lets clicks through to the window beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void CLinkStatic::setText(const QString& text) {
    text_ = text;
    setAccessibleName(text);
    update();
}

void CLinkStatic::SetLinkStyle(int kind) {
    linkKind_ = kind;
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    cursor_ = LoadAppCursor(IDC_LINK_HAND);
    setCursor(*cursor_);
    SetLinkColor(QColor(0, 0, 255));
    SetUnderline(true);
}

void CLinkStatic::SetTarget(const std::string& target, const std::string& caption) {
    target_ = target;
    setText(QString::fromStdString(caption.empty() ? target : caption));
}

void CLinkStatic::SetLinkColor(const QColor& colour) {
    textColour_ = colour;
    RedrawNow();
}

void CLinkStatic::SetUnderline(bool underline) {
    font_.setUnderline(underline);
    RedrawNow();
}

void CLinkStatic::RedrawNow() {
    if (isVisible()) {
        repaint();
    } else {
        update();
    }
}

void CLinkStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.setFont(font_);
    painter.setPen(textColour_);
    painter.drawText(rect(), PaintFlags(), text_);
}

void CLinkStatic::mousePressEvent(QMouseEvent* event) {
    // Acts on the press, not the release; what the desktop makes of it is not looked at.
    if (event->button() == Qt::LeftButton && IsLink()) {
        if (linkKind_ != 0) {
            ShellOpen("open", target_);
        } else {
            ShellOpen("", "mailto:" + target_);
        }
    }
    QWidget::mousePressEvent(event);
}
