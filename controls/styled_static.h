// CStyledStatic: a label that paints its text in its own colour, weight, underline and
// alignment, with word wrap, on the button-face colour.
#pragma once

#include <QColor>
#include <QWidget>

class CStyledStatic : public QWidget {
    Q_OBJECT

public:
    explicit CStyledStatic(QWidget* parent = nullptr);

    // Settings, changed by a window before the label is first painted.
    QColor colour{0, 0, 127};
    int alignment = 0; // 0 left, 1 centred, 2 right
    int weight = 400;  // 0 to 1000; 700 is bold
    int underline = 0;

    QString text() const { return text_; }
    // Stores the text and repaints at once.
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

// Maps a weight on the 0-1000 scale to Qt's font weight.
QFont::Weight FontWeightFromScale(int weight);
