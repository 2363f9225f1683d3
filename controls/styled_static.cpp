#include "controls/styled_static.h"

#include <QPainter>

#include <algorithm>

CStyledStatic::CStyledStatic(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CStyledStatic::setText(const QString& text) {
    text_ = text;
    setAccessibleName(text);
    repaint();
}

QFont::Weight FontWeightFromScale(int weight) {
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

void CStyledStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The font is made anew from the window's font at each paint; nothing is cached.
    QFont font = this->font();
    font.setWeight(FontWeightFromScale(weight));
    font.setUnderline(underline != 0);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setFont(font);
    painter.setPen(colour);
    Qt::Alignment align = alignment == 1   ? Qt::AlignHCenter
                          : alignment == 2 ? Qt::AlignRight
                                           : Qt::AlignLeft;
    painter.drawText(rect(), static_cast<int>(align | Qt::AlignTop | Qt::TextWordWrap), text_);
}
