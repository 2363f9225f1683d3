#include "controls/styled_static.h"

#include <QPainter>

CStyledStatic::CStyledStatic(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CStyledStatic::SetColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void CStyledStatic::SetTextAlignment(Qt::Alignment horizontal) {
    setAlignment((alignment() & ~Qt::AlignHorizontal_Mask) |
                 (horizontal & Qt::AlignHorizontal_Mask));
}

void CStyledStatic::SetWeight(QFont::Weight weight) {
    QFont f = font();
    f.setWeight(weight);
    setFont(f);
}

void CStyledStatic::SetUnderline(bool underline) {
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void CStyledStatic::setText(const QString& text) {
    QLabel::setText(text);
    repaint();
}

void CStyledStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setFont(font());
    painter.setPen(colour_);
    painter.drawText(rect(), static_cast<int>(alignment() | Qt::TextWordWrap), text());
}
