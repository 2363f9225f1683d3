#include "controls/styled_static.h"

#include <QPainter>

#include <algorithm>

CStyledStatic::CStyledStatic(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CStyledStatic::setText(const QString& text) {
    QLabel::setText(text);
    repaint();
}

QFont::Weight FontWeightFromScale(int weight) {
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

QFont CStyledStatic::PaintFont() const {
    // The font is made anew from the window's font each time; nothing is cached.
    QFont font = this->font();
    font.setWeight(FontWeightFromScale(weight));
    font.setUnderline(underline != 0);
    return font;
}

int CStyledStatic::PaintFlags() const {
    const Qt::Alignment align = alignment == 1   ? Qt::AlignHCenter
                                : alignment == 2 ? Qt::AlignRight
                                                 : Qt::AlignLeft;
    return static_cast<int>(align | verticalAlignment | Qt::TextWordWrap);
}

void CStyledStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setFont(PaintFont());
    painter.setPen(colour);
    painter.drawText(rect(), PaintFlags(), text());
}
