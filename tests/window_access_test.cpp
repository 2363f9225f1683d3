// Every window as a screen reader, a keyboard user and the eye meet it. CTest runs this family
// again at scale factors 1.25 to 2 and at font resolutions of 120 and 144 dpi.
#include <QBitmap>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QRegion>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "controls/link_static.h"

namespace {

std::string Name(const QWidget* w) {
    return QString("%1 %2 '%3'")
        .arg(w->metaObject()->className(), w->objectName(), w->accessibleName())
        .toStdString();
}

constexpr auto IsPicture = [](auto* w) { return w->property("picture").toBool(); };
constexpr auto IsStaticText = [](auto* w) { return w->inherits("QLabel") && !IsPicture(w); };
constexpr auto IsBox = [](auto* w) { return w->inherits("QLineEdit") || w->inherits("QTextEdit"); };

// A label's or a link's text as painting lays it out; empty for any other control.
struct Drawn {
    QString text;
    QFont font;
    int flags = 0;
};

Drawn DrawnText(const QWidget* w) {
    if (const auto* link = qobject_cast<const CLinkStatic*>(w)) {
        return {link->text(), link->LinkFont(), link->PaintFlags()};
    }
    if (const auto* label = qobject_cast<const QLabel*>(w); IsStaticText(w)) {
        return {label->text(), label->font(),
                static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    }
    return {};
}

// A mark a user can see: a dotted line across a small button is some fifty pixels.
constexpr int kVisibleMark = 24;

// How many pixels of two pictures of a control clearly differ in lightness: a tint is not enough
// to tell a state by.
int ClearlyDifferent(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            count += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
        }
    }
    return count;
}

class EveryWindow : public ::testing::TestWithParam<Window> {
protected:
    void SetUp() override {
        dlg_ = Open();
        QApplication::setActiveWindow(dlg_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg_.get()));
    }
    void TearDown() override { dlg_->SystemMenu()->hide(); }

    // Alone, with no owner, as the main window and the About box always are.
    std::unique_ptr<CDialog> Open() const {
        std::unique_ptr<CDialog> dlg = RowOf(GetParam()).open(nullptr);
        dlg->Create();
        return dlg;
    }

    // The controls a user sees, or those of them the focus can move to.
    static QList<QWidget*> Controls(const CDialog& dlg, bool focusable = false) {
        QList<QWidget*> out;
        for (QWidget* w : dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isWindow() && w->isVisible() &&
                (!focusable || (w->focusPolicy() != Qt::NoFocus && w->isEnabled()))) {
                out << w;
            }
        }
        return out;
    }

    std::unique_ptr<CDialog> dlg_;
};

TEST_P(EveryWindow, StaticTextsAreLabelsAndEveryBoxHasItsCaption) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dlg_.get());
    ASSERT_NE(window, nullptr);
    int boxes = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        auto* w = qobject_cast<QWidget*>(child->object());
        ASSERT_NE(w, nullptr);
        // Qt's tools and test failures name a control by what it is, not by a number.
        EXPECT_TRUE(!w->objectName().isEmpty() && w->objectName().front().isLetter()) << Name(w);
        if (IsStaticText(w) || w->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(child->text(QAccessible::Name).trimmed().isEmpty()) << Name(w);
        }
        if (IsStaticText(w)) {
            EXPECT_EQ(child->role(), QAccessible::StaticText) << Name(w);
        }
        if (child->role() != QAccessible::EditableText) {
            continue;
        }
        ++boxes;
        const auto captions = child->relations(QAccessible::Label);
        if (captions.isEmpty()) {
            // Only a box that mirrors another may lack a caption of its own; a listener hears so.
            EXPECT_TRUE(
                child->text(QAccessible::Description).contains("mirrors", Qt::CaseInsensitive))
                << Name(w) << " has no caption label";
            continue;
        }
        ASSERT_EQ(captions.size(), 1) << Name(w);
        QAccessibleInterface* caption = captions.front().first;
        EXPECT_EQ(caption->role(), QAccessible::StaticText) << Name(w);
        // The caption says what the box holds: it shares a word with the box's own name.
        const QString said = caption->text(QAccessible::Name);
        EXPECT_TRUE(std::ranges::any_of(
            said.split(QRegularExpression("[^A-Za-z]+")),
            [&](auto& word) {
                return word.size() > 1 && w->accessibleName().contains(word, Qt::CaseInsensitive);
            }))
            << Name(w) << " captioned " << said.toStdString();
        // And the label names the box back.
        EXPECT_TRUE(std::ranges::any_of(caption->relations(QAccessible::Labelled),
                                        [&](const auto& r) { return r.first->object() == w; }))
            << Name(w);
    }
    EXPECT_GT(boxes + (GetParam() == Window::About), 0);
}

TEST_P(EveryWindow, WindowMenuOpensFromTheKeyboardAnywhereAndOnTheBackgroundOnly) {
    QMenu* menu = dlg_->SystemMenu();
    for (QWidget* w : Controls(*dlg_, true)) {
        w->setFocus(Qt::TabFocusReason);
        // In a box both keys open the box's own menu, which ends with the window menu's entries.
        for (const QKeyCombination key : {QKeyCombination(Qt::ShiftModifier, Qt::Key_F10),
                                          QKeyCombination(Qt::NoModifier, Qt::Key_Menu)}) {
            QTest::keyClick(w, key.key(), key.keyboardModifiers());
            auto* opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(opened, nullptr) << Name(w) << " " << key.toCombined();
            EXPECT_EQ(opened == menu, !IsBox(w)) << Name(w);
            const QList<QAction*> entries = opened->actions();
            EXPECT_TRUE(entries.size() >= menu->actions().size() &&
                        entries.mid(entries.size() - menu->actions().size()) == menu->actions())
                << Name(w);
            opened->close();
        }
    }
    // A right-click over a control that has no menu of its own (a button, the knife list, a link)
    // is not a click on the background.
    auto rightClick = [&](QWidget* target, QPoint pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
        QApplication::sendEvent(target, &event);
        const bool opened = menu->isVisible();
        menu->hide();
        return opened;
    };
    for (QWidget* w : Controls(*dlg_)) {
        if (IsBox(w) || qobject_cast<QGroupBox*>(w) != nullptr) {
            continue; // boxes open their own edit menu; a frame lets clicks through
        }
        auto* view = qobject_cast<QTableView*>(w);
        QWidget* target = view != nullptr ? view->viewport() : w;
        EXPECT_EQ(rightClick(target, target->rect().center()), IsStaticText(w) || IsPicture(w))
            << Name(w);
    }
    ASSERT_EQ(dlg_->childAt(1, 1), nullptr);
    EXPECT_TRUE(rightClick(dlg_.get(), QPoint(1, 1)));
}

TEST_P(EveryWindow, FocusShowsAndAFocusedButtonDiffersFromTheDefaultOne) {
    // As after a Tab press, which is when a style shows the focus.
    dlg_->setAttribute(Qt::WA_KeyboardFocusChange);
    for (QWidget* w : Controls(*dlg_, true)) {
        auto* button = qobject_cast<QPushButton*>(w);
        const bool wasDefault = button != nullptr && button->isDefault();
        if (button != nullptr) {
            button->setDefault(false);
        }
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QImage focused = w->grab().toImage();
        w->clearFocus();
        QApplication::processEvents();
        EXPECT_GT(ClearlyDifferent(focused, w->grab().toImage()), kVisibleMark)
            << Name(w) << " hides its focus";
        if (button != nullptr) {
            button->setDefault(true);
            EXPECT_GT(ClearlyDifferent(focused, w->grab().toImage()), kVisibleMark)
                << Name(w) << " focused looks default";
            button->setDefault(wasDefault);
        }
    }
}

// Contrast as accessibility guidelines measure it, worked out here on its own.
double Contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)}); // a pair of copies
    return (light + 0.05) / (dark + 0.05);
}

// Every text reads on a light and on a dark desktop, keeps its hue when lightened, and greys as
// Qt's own labels do when its window is disabled, whether the window opened dark or turned dark.
TEST_P(EveryWindow, TextsReadOnLightAndDarkPalettesAndGreyWhenDisabled) {
    std::vector<int> lightHues;
    auto check = [&](CDialog& dlg, bool light) {
        QList<QWidget*> texts = Controls(dlg);
        texts.removeIf([](const QWidget* w) { return DrawnText(w).text.isEmpty(); });
        for (std::size_t i = 0; QWidget * w : texts) {
            const QColor text = w->palette().color(QPalette::WindowText);
            EXPECT_GE(Contrast(text, dlg.palette().color(QPalette::Window)), 4.5) << Name(w);
            if (light) {
                lightHues.push_back(text.hslHue());
            } else if (lightHues.at(i) >= 0) {
                EXPECT_NEAR(text.hslHue(), lightHues.at(i), 2) << Name(w);
            }
            ++i;
        }
        // Drawn through the palette: no pixel of the enabled colour once greyed.
        dlg.setEnabled(false);
        for (QWidget* w : texts) {
            const QColor text = w->palette().color(QPalette::Active, QPalette::WindowText);
            EXPECT_EQ(w->palette().color(QPalette::Disabled, QPalette::WindowText),
                      dlg.palette().color(QPalette::Disabled, QPalette::WindowText))
                << Name(w);
            const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage same = image.createMaskFromColor(text.rgb(), Qt::MaskOutColor);
            EXPECT_TRUE(QRegion(QBitmap::fromImage(same)).isEmpty()) << Name(w);
        }
        dlg.setEnabled(true);
    };
    const QPalette light = QApplication::palette();
    check(*dlg_, true);
    QApplication::setPalette(QPalette(Qt::white, QColor(53, 53, 53))); // white texts, grey disabled
    check(*dlg_, false);
    check(*Open(), false);
    QApplication::setPalette(light);
}

// Where the ink of a text falls, relative to its rectangle, at the window's device pixel ratio:
// drawn well inside a larger canvas, at a whole device pixel, so that nothing is cut.
QRect InkRect(const QWidget* w, const Drawn& drawn) {
    const qreal ratio = w->devicePixelRatioF();
    const QSize size = w->size();
    QImage canvas(size * 6 * ratio, QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::white);
    const QPoint origin(size.width() * 4, size.height() * 4);
    {
        QPainter painter(&canvas);
        painter.setFont(drawn.font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(origin, size), drawn.flags, drawn.text);
    }
    // The pixels that are not white, back in the widget's own device pixels.
    const QRegion ink(QBitmap::fromImage(canvas.createMaskFromColor(qRgb(255, 255, 255))));
    return ink.boundingRect().translated(-qRound(origin.x() * ratio), -qRound(origin.y() * ratio));
}

TEST_P(EveryWindow, NoControlOverlapsAnotherAndNoTextIsClipped) {
    const QList<QWidget*> controls = Controls(*dlg_);
    for (QWidget* a : controls) {
        EXPECT_TRUE(dlg_->rect().contains(a->geometry())) << Name(a) << " leaves the window";
        for (QWidget* b : controls) {
            if (a >= b || !a->geometry().intersects(b->geometry())) {
                continue;
            }
            // A group box frames the controls inside it: inside its frame and below its caption is
            // fine, across its edge is not.
            QWidget* group = qobject_cast<QGroupBox*>(a) != nullptr ? a : b;
            QWidget* other = group == a ? b : a;
            const QRect inside =
                group->geometry().adjusted(2, QFontMetrics(group->font()).height(), -2, -2);
            EXPECT_TRUE(qobject_cast<QGroupBox*>(group) != nullptr &&
                        qobject_cast<QGroupBox*>(other) == nullptr &&
                        inside.contains(other->geometry()))
                << Name(a) << " overlaps " << Name(b);
        }
    }
    // A box shows at every scale as many digits as it does at its template size.
    for (const ControlTemplate& c : dlg_->Template().controls) {
        if (auto* box = dlg_->Item<QLineEdit>(c.id)) {
            EXPECT_GE(box->width(), dlg_->MapDialogRect(c.x, c.y, c.cx, c.cy).width()) << Name(box);
        }
    }
    for (QWidget* w : controls) {
        if (auto* box = qobject_cast<QCheckBox*>(w)) {
            EXPECT_TRUE(box->size().expandedTo(box->sizeHint()) == box->size()) << Name(w);
        } else if (auto* edit = qobject_cast<QTextEdit*>(w)) {
            const bool fits = edit->document()->size().height() <= edit->viewport()->height();
            EXPECT_TRUE(fits || edit->verticalScrollBar()->isVisible())
                << Name(w) << " hides text with no way to scroll to it";
        }
        const Drawn drawn = DrawnText(w);
        if (drawn.text.isEmpty()) {
            continue;
        }
        // Laid out in fractional pixels, as painting lays it out: a caption that only just fits in
        // whole pixels wraps onto a line it has no room for. Less than a pixel of line spacing
        // below the last line cuts no ink.
        const QRectF area(QPointF(0, 0), w->size());
        const QRectF laid =
            QFontMetricsF(drawn.font, w).boundingRect(area, drawn.flags, drawn.text);
        EXPECT_TRUE(laid.width() <= area.width() && laid.height() < area.height() + 1)
            << Name(w) << " needs " << laid.width() << "x" << laid.height();
        const QRect ink = InkRect(w, drawn);
        const QRect own(QPoint(0, 0), w->size() * w->devicePixelRatioF());
        EXPECT_TRUE(ink.isNull() || own.contains(ink)) << Name(w) << " inks outside itself";
    }
}

INSTANTIATE_TEST_SUITE_P(, EveryWindow, ::testing::ValuesIn(AllWindows()));

} // namespace
