#include "platform/caption_fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

bool IsOneLine(const QLabel* label) {
    return label->pixmap().isNull() && !label->text().contains('\n') &&
           label->height() < 2 * QFontMetrics(label->font()).height();
}

bool OnRowOf(const QWidget* w, const QWidget* box) {
    const int centre = w->geometry().center().y();
    return centre >= box->y() && centre <= box->geometry().bottom();
}

// The width a caption needs on one line, and the rectangle it starts from; none for a caption
// that is not one line.
bool NeededWidth(QWidget& widget, QRect& rect, int& needed) {
    if (auto* label = qobject_cast<QLabel*>(&widget);
        label != nullptr && label->pixmap().isNull()) {
        const QFontMetrics metrics(widget.font());
        if (label->text().contains('\n') || rect.height() >= 2 * metrics.height()) {
            return false;
        }
        needed = metrics.horizontalAdvance(label->text()) + 2;
        return true;
    }
    if (auto* box = qobject_cast<QCheckBox*>(&widget)) {
        // As big as its box and focus frame need, about the same middle, with a pixel to spare
        // for the rounding to whole device pixels.
        needed = box->sizeHint().width() + 2;
        const int grow = box->sizeHint().height() + 2 - rect.height();
        if (grow > 0) {
            rect.adjust(0, -grow / 2, 0, grow - grow / 2);
        }
        return rect.height() < 2 * QFontMetrics(widget.font()).height();
    }
    return false;
}

// How far the caption may reach: its neighbours on the same lines and its group frame.
std::pair<int, int> Limits(const QWidget& dialog, const QWidget& widget, const QRect& rect) {
    constexpr int kFrame = 2; // the etched frame's two lines
    int left = 0;
    int right = dialog.width();
    for (QWidget* other : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = other->geometry();
        if (other == &widget || other->isWindow() || g.top() > rect.bottom() ||
            g.bottom() < rect.top()) {
            continue;
        }
        if (qobject_cast<QGroupBox*>(other) != nullptr && g.contains(rect)) {
            left = std::max(left, g.left() + kFrame);
            right = std::min(right, g.right() + 1 - kFrame);
        } else if (g.right() < rect.left()) {
            left = std::max(left, g.right() + 2);
        } else if (g.left() > rect.right()) {
            right = std::min(right, g.left() - 1);
        }
    }
    return {left, right};
}

// How much of the extra width goes left and how much right, away from the anchor first.
std::pair<int, int> Growth(int extra, int roomLeft, int roomRight, Qt::Alignment alignment) {
    int left = 0;
    int right = 0;
    if (alignment & Qt::AlignRight) {
        left = std::min(extra, roomLeft);
        right = std::min(extra - left, roomRight);
    } else if (alignment & Qt::AlignHCenter) {
        left = std::min(extra / 2, roomLeft);
        right = std::min(extra - left, roomRight);
        left = std::min(extra - right, roomLeft);
    } else {
        right = std::min(extra, roomRight);
        left = std::min(extra - right, roomLeft);
    }
    return {left, right};
}

} // namespace

void CentreTextsOnBoxRows(QWidget& dialog) {
    const QList<QLineEdit*> boxes = dialog.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        for (QLineEdit* box : boxes) {
            if (IsOneLine(label) && OnRowOf(label, box)) {
                label->setGeometry(label->x(), box->y(), label->width(), box->height());
                label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) |
                                    Qt::AlignVCenter);
                break;
            }
        }
    }
}

void FitCaption(const QWidget& dialog, QWidget& caption, Qt::Alignment alignment) {
    QRect rect = caption.geometry();
    int needed = 0;
    if (!NeededWidth(caption, rect, needed)) {
        return;
    }
    const auto [leftLimit, rightLimit] = Limits(dialog, caption, rect);
    const int extra = needed - rect.width();
    const auto [left, right] = extra > 0
                                   ? Growth(extra, std::max(0, rect.left() - leftLimit),
                                            std::max(0, rightLimit - rect.right() - 1), alignment)
                                   : std::pair<int, int>{0, 0};
    rect.adjust(-left, 0, right, 0);
    caption.setGeometry(rect);
    if (extra > left + right) {
        QFont condensed = caption.font();
        condensed.setStretch(100 * (rect.width() - 1) / needed);
        caption.setFont(condensed);
    }
}

void SnapToDevicePixels(QWidget& dialog) {
    // At a fractional scale factor a control's last row or column of pixels can fall between two
    // device pixels, where the inside of a list or box paints over its border.
    const qreal ratio = dialog.devicePixelRatioF();
    int step = 1;
    while (step < 8 && std::abs(step * ratio - std::round(step * ratio)) > 1e-6) {
        ++step;
    }
    if (step == 1 || step == 8) {
        return;
    }
    auto up = [step](int v) { return (v + step - 1) / step * step; };
    auto down = [step](int v) { return v / step * step; };
    // Text and the etched frame have no inside that paints over a border; shrinking them would cut
    // a caption's last letters or push a frame across the captions fitted to it. A box keeps its
    // template place: rounding it inwards hides the start of its number, rounding it outwards runs
    // it into its caption or unit.
    auto snapped = [](const QWidget* w) {
        const auto* frame = qobject_cast<const QFrame*>(w);
        return qobject_cast<const QPushButton*>(w) != nullptr ||
               (frame != nullptr && frame->frameShape() != QFrame::NoFrame &&
                qobject_cast<const QLineEdit*>(w) == nullptr);
    };
    for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = w->geometry();
        if (!w->isWindow() && snapped(w) && g.left() >= 0 && g.top() >= 0) {
            w->setGeometry(QRect(QPoint(up(g.left()), up(g.top())),
                                 QPoint(down(g.right()), down(g.bottom()))));
        }
    }
}
