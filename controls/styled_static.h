// CStyledStatic: a label that shows its text in its own colour, weight, underline and
// alignment, with word wrap.
#pragma once

#include <QColor>
#include <QLabel>

// Gives a control's text the colour asked for through its palette, so that a disabled control
// draws as Qt disables it. Where the window's background is dark and the colour would not stand
// out from it (4.5:1), the colour keeps its hue and is lightened until it does; on a light
// background it stays exactly as asked.
void SetReadableTextColour(QWidget* widget, const QColor& colour);

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
    void changeEvent(QEvent* event) override;

private:
    QColor colour_{0, 0, 127};
};
