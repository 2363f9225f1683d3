// CStyledStatic: a label that paints its text in its own colour, weight, underline and
// alignment, with word wrap, on the button-face colour.
#pragma once

#include <QColor>
#include <QLabel>

// A QLabel underneath so that assistive technology reads it as a label and it can caption a box
// (setBuddy). The settings live in the label's own font and alignment, so that whoever lays the
// window out measures the text as it is painted.
class CStyledStatic : public QLabel {
    Q_OBJECT

public:
    explicit CStyledStatic(QWidget* parent = nullptr);

    // The four settings; a window changes them before the label is first painted.
    void SetColour(const QColor& colour);
    void SetTextAlignment(Qt::Alignment horizontal);
    void SetWeight(QFont::Weight weight);
    void SetUnderline(bool underline);

    QColor Colour() const { return colour_; }
    Qt::Alignment TextAlignment() const { return alignment() & Qt::AlignHorizontal_Mask; }
    QFont::Weight Weight() const { return font().weight(); }
    bool Underline() const { return font().underline(); }

    // Stores the text and repaints at once.
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_{0, 0, 127};
};
