#include "controls/focus_frame.h"

#include <QPainter>

#include "platform/dialog.h"

void DrawFocusRect(QPainter& painter, const QPalette& palette, const QRect& rect) {
    QPen pen(palette.color(QPalette::WindowText), 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void DrawFocusRect(QWidget* on, const QRect& rect) {
    QPainter painter(on);
    DrawFocusRect(painter, on->palette(), rect);
}

void AppendWindowMenuEntries(QMenu& menu, const QWidget& box) {
    const auto* dialog = qobject_cast<const CDialog*>(box.window());
    if (dialog != nullptr && dialog->SystemMenu() != nullptr) {
        menu.addSeparator();
        menu.addActions(dialog->SystemMenu()->actions());
    }
}
