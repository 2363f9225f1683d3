#include "controls/styled_static.h"

#include <QEvent>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

// Relative luminance and contrast ratio as accessibility guidelines measure them.
double Luminance(const QColor& c) {
    auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background, const QColor& usualText) {
    constexpr double kLeast = 4.5;
    if (Luminance(background) >= Luminance(usualText) || Contrast(colour, background) >= kLeast) {
        return colour;
    }
    // Lighter in steps of the same hue and saturation until it reads; white at the very end.
    const QColor hsl = colour.toHsl();
    for (int step = 1; step <= 100; ++step) {
        const double lightness = hsl.lightnessF() + (1.0 - hsl.lightnessF()) * step / 100.0;
        const QColor lighter = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness);
        if (Contrast(lighter, background) >= kLeast) {
            return lighter.toRgb();
        }
    }
    return QColor(Qt::white);
}

} // namespace

void SetReadableTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    // Measured against the window's own palette: a colour set here before must not count.
    const QPalette window =
        widget->parentWidget() != nullptr ? widget->parentWidget()->palette() : QPalette();
    const QColor shown =
        ReadableOn(colour, window.color(QPalette::Window), window.color(QPalette::WindowText));
    if (palette.color(QPalette::Active, QPalette::WindowText) == shown &&
        palette.color(QPalette::Inactive, QPalette::WindowText) == shown &&
        palette.isBrushSet(QPalette::Active, QPalette::WindowText)) {
        return; // also ends the palette change this call itself sets off
    }
    // The disabled group keeps the palette's own greyed text.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, shown);
    }
    widget->setPalette(palette);
}

CStyledStatic::CStyledStatic(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    SetReadableTextColour(this, colour_);
}

void CStyledStatic::SetColour(const QColor& colour) {
    colour_ = colour;
    SetReadableTextColour(this, colour_);
}

void CStyledStatic::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A desktop that turns dark while the window is open.
    if (event->type() == QEvent::PaletteChange) {
        SetReadableTextColour(this, colour_);
    }
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
