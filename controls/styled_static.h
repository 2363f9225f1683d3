// CStyledStatic: a label that paints its text in its own colour, weight, underline and
// alignment, with word wrap, on the button-face colour.
#pragma once

#include <QColor>
#include <QLabel>

// A QLabel underneath so that assistive technology reads it as a label and it can caption a box
// (setBuddy); the painting is its own.
class CStyledStatic : public QLabel {
    Q_OBJECT

public:
    explicit CStyledStatic(QWidget* parent = nullptr);

    // Settings, changed by a window before the label is first painted. The alignment setting
    // alone decides the horizontal alignment (it hides QLabel's own, which is not used).
    QColor colour{0, 0, 127};
    int alignment = 0; // 0 left, 1 centred, 2 right
    int weight = 400;  // 0 to 1000; 700 is bold
    int underline = 0;
    // Vertical placement in the control; a one-line caption is centred on the box beside it.
    Qt::Alignment verticalAlignment = Qt::AlignTop;

    // Stores the text and repaints at once.
    void setText(const QString& text);

    // The font and drawing flags the label paints with, made from the settings.
    QFont PaintFont() const;
    int PaintFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Maps a weight on the 0-1000 scale to Qt's font weight.
QFont::Weight FontWeightFromScale(int weight);
