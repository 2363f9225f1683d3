// The focus as a dotted rectangle, for the controls whose style draws none or draws one that
// could be taken for the default button's outline; and a box's own menu, which ends with the
// window menu's entries.
#pragma once

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

class QPainter;

// Just inside rect, in the palette's text colour.
void DrawFocusRect(QPainter& painter, const QPalette& palette, const QRect& rect);
void DrawFocusRect(QWidget* on, const QRect& rect);

// Appends a separator and the entries of the menu of the window that box stands in, if it has
// one: a box's own menu holds everything that Shift+F10 or the Menu key would otherwise open.
void AppendWindowMenuEntries(QMenu& menu, const QWidget& box);

// A push button that shows the focus with a dotted rectangle inside it, so that a focused button
// never looks like the default one (which the style marks with its outline).
class FocusButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (hasFocus()) {
            DrawFocusRect(this, rect().adjusted(4, 4, -4, -4));
        }
    }
};

// The style draws no focus on a scrolling control (the disclaimer, the knife list): it gets a
// dotted rectangle round its visible area.
template <class View> class FocusFramed : public View {
public:
    using View::View;

protected:
    void paintEvent(QPaintEvent* event) override {
        View::paintEvent(event);
        if (this->hasFocus()) {
            DrawFocusRect(this->viewport(), this->viewport()->rect());
        }
    }
    void focusInEvent(QFocusEvent* event) override {
        View::focusInEvent(event);
        this->viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        View::focusOutEvent(event);
        this->viewport()->update();
    }
    // Scrolling moves the drawn pixels, the rectangle with them; draw the whole area anew.
    void scrollContentsBy(int dx, int dy) override {
        View::scrollContentsBy(dx, dy);
        this->viewport()->update();
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        if constexpr (requires { this->createStandardContextMenu(event->pos()); }) {
            QMenu* menu = this->createStandardContextMenu(event->pos());
            menu->setAttribute(Qt::WA_DeleteOnClose);
            AppendWindowMenuEntries(*menu, *this);
            menu->popup(event->globalPos());
        } else {
            View::contextMenuEvent(event);
        }
    }
};
