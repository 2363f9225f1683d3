#include "controls/link_static.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "controls/styled_static.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"

CLinkStatic::CLinkStatic(QWidget* parent)
    : QWidget(parent), textColour_(palette().color(QPalette::WindowText)),
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

void CLinkStatic::SetLinkStyle(LinkStyle style) {
    linkStyle_ = style;
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    isLink_ = true;
    setCursor(Qt::PointingHandCursor);
    SetLinkColor(QColor(0, 0, 255));
    SetUnderline(true);
}

void CLinkStatic::SetTarget(const std::string& target, const std::string& caption) {
    target_ = target;
    setText(QString::fromStdString(caption.empty() ? target : caption));
}

void CLinkStatic::SetLinkColor(const QColor& colour) {
    textColour_ = colour;
    hasColour_ = true;
    SetReadableTextColour(this, textColour_);
    RedrawNow();
}

void CLinkStatic::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && hasColour_) {
        SetReadableTextColour(this, textColour_);
    }
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
    painter.setFont(font_);
    // The palette's colour for the window's state: greyed when the window is disabled.
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), PaintFlags(), text_);
}

void CLinkStatic::mousePressEvent(QMouseEvent* event) {
    // Acts on the press, not the release.
    const bool pressed = event->button() == Qt::LeftButton && IsLink();
    const bool opened =
        pressed && (linkStyle_ == LinkStyle::Web ? ShellOpen("open", target_)
                                                 : ShellOpen("", "mailto:" + target_));
    QWidget::mousePressEvent(event);
    if (pressed && !opened) {
        // The address is shown as it stands, so that it can be copied into a program by hand.
        ShowMessageBox(window(),
                       (linkStyle_ == LinkStyle::Web
                            ? "No program is set up to open this web address:\n\n"
                            : "No program is set up to send mail to this address:\n\n") +
                           target_,
                       MessageIcon::Warning);
    }
}
