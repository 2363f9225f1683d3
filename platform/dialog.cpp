#include "platform/dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <vector>

#include "numbers/scale_rounded.h"
#include "platform/focus_frame.h"
#include "platform/resources.h"

namespace {

// A group box drawn as the classic etched frame with its caption on the top edge, leaving the
// inside to the controls it frames (a style's own group box fills and insets it).
class EtchedGroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int top = metrics.height() / 2;
        const QRect frame = rect().adjusted(0, top, -1, -1);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(frame.adjusted(1, 1, 0, 0));
        const QString text = title().remove('&');
        if (!text.isEmpty()) {
            const QRect caption(metrics.averageCharWidth() + 2, 0,
                                metrics.horizontalAdvance(text) + 4, metrics.height());
            painter.fillRect(caption, palette().color(QPalette::Window));
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(caption, Qt::AlignCenter, text);
        }
    }
};

// Static texts, frames and pictures are the window's background: a right-click there is a click
// on the window.
bool IsBackground(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) != nullptr ||
           qobject_cast<const QGroupBox*>(w) != nullptr;
}

bool IsOneLine(const QLabel* label) {
    return label->pixmap().isNull() && !label->text().contains('\n') &&
           label->height() < 2 * QFontMetrics(label->font()).height();
}

bool OnRowOf(const QWidget* w, const QWidget* box) {
    const int centre = w->geometry().center().y();
    return centre >= box->y() && centre <= box->geometry().bottom();
}

QPointer<QWidget>& MainWindowRef() {
    static QPointer<QWidget> window;
    return window;
}

QString StripMnemonic(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        out += text[i];
    }
    return out;
}

// A button worked from the keyboard acts as a click: the focus moves to it first, so that the box
// left behind brings its partner into step before the button acts.
void PressAsClick(QAbstractButton* button, Qt::FocusReason reason) {
    button->setFocus(reason);
    if (button->isEnabled() && button->isVisible()) {
        button->click();
    }
}

Qt::Alignment HorizontalAlignment(ControlStyles style) {
    if (style & kAlignCenter) {
        return Qt::AlignHCenter;
    }
    if (style & kAlignRight) {
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

} // namespace

CDialog::CDialog(const DialogTemplate& tmpl, QWidget* owner)
    : QDialog(nullptr), template_(tmpl), owner_(owner) {}

CDialog::~CDialog() = default;

void CDialog::SetMainWindow(QWidget* window) {
    MainWindowRef() = window;
}

QWidget* CDialog::MainWindow() {
    return MainWindowRef().data();
}

QFont CDialog::DialogFont(const DialogTemplate& tmpl) {
    QFont font(QString::fromStdString(tmpl.fontFace));
    font.setPointSize(tmpl.pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

Qt::Alignment CDialog::TemplateAlignment(ControlStyles style) {
    return HorizontalAlignment(style);
}

QRect CDialog::MapDialogRect(int x, int y, int cx, int cy) const {
    return QRect(ScaleRounded(x, baseX_, 4), ScaleRounded(y, baseY_, 8),
                 ScaleRounded(cx, baseX_, 4), ScaleRounded(cy, baseY_, 8));
}

void CDialog::Build() {
    if (built_) {
        return;
    }
    built_ = true;
    const QFont font = DialogFont(template_);
    setFont(font);
    // Dialog base units as the classic platform takes them: the average width of the 52 letters
    // (rounded) and the font's cell height.
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();

    setWindowTitle(QString::fromStdString(template_.title));
    // A window with its own task-bar button is a window of its own to the desktop, not a dialog
    // kept with its owner.
    Qt::WindowFlags flags = ((template_.style & kAppWindow) ? Qt::Window : Qt::Dialog) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (template_.style & kSysMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    const QSize size = MapDialogRect(0, 0, template_.cx, template_.cy).size();
    if (template_.style & kModalFrame) {
        setFixedSize(size);
    } else {
        resize(size);
    }
    setWindowFlags(flags);

    systemMenu_ = new QMenu(this);
    systemMenu_->setObjectName("systemMenu");
    AppendSystemMenuItem(SC_CLOSE, tr("&Close"));
    // A shortcut, so that a focused button or box never takes Alt+Space as its own key.
    auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { OpenSystemMenu(mapToGlobal(QPoint(0, 0))); });
    // Under a window manager Alt+Space opens the manager's own menu: the context-menu keys
    // reach this one from anywhere in the window, and from a box through the box's own menu.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &CDialog::OpenMenuForFocus);
    }

    QWidget* previousTabStop = nullptr;
    std::vector<QWidget*> created;
    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = CreateControl(control);
        created.push_back(widget);
        if (widget == nullptr) {
            continue;
        }
        if (control.id != kNoId) {
            widget->setObjectName(QString::number(control.id.value));
        }
        if (control.style & kDisabled) {
            widget->setEnabled(false);
        }
        if (control.style & kTabStop) {
            if (previousTabStop != nullptr) {
                setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
    }
    ArrangeRows();
    SnapToDevicePixels();
    // Captions are fitted once all their neighbours stand, in their final places.
    for (std::size_t i = 0; i < created.size(); ++i) {
        const ControlTemplate& control = template_.controls[i];
        if (control.kind == ControlKind::Label || control.kind == ControlKind::CheckBox) {
            FitCaption(created[i], HorizontalAlignment(control.style));
        }
    }
    // Frames and pictures sit beneath the controls they surround.
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QGroupBox*>(w) != nullptr || w->property("picture").toBool()) {
            w->lower();
        }
    }
}

QWidget* CDialog::CreateControl(const ControlTemplate& c) {
    const QRect rect = MapDialogRect(c.x, c.y, c.cx, c.cy);
    const QString caption = QString::fromStdString(c.caption);
    const bool tabStop = (c.style & kTabStop) != 0;
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new FocusButton(caption, this);
        button->setAutoDefault(false);
        button->setDefault(c.kind == ControlKind::DefPushButton);
        button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        const ControlId id = c.id;
        connect(button, &QPushButton::clicked, this, [this, id] {
            if (id == DialogCommand::Ok) {
                OnOK();
            } else if (id == DialogCommand::Cancel) {
                OnCancel();
            }
        });
        button->setAccessibleName(StripMnemonic(c.caption));
        button->installEventFilter(this);
        widget = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(caption, this);
        box->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        box->setAccessibleName(StripMnemonic(c.caption));
        box->installEventFilter(this);
        widget = box;
        break;
    }
    case ControlKind::GroupBox: {
        auto* group = new EtchedGroupBox(caption, this);
        group->setFocusPolicy(Qt::NoFocus);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->setAccessibleName(StripMnemonic(c.caption));
        widget = group;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText((c.style & kNoPrefix) ? caption : StripMnemonic(c.caption));
        label->setAlignment(HorizontalAlignment(c.style) | Qt::AlignTop);
        label->setWordWrap(true);
        label->setAccessibleName(label->text());
        widget = label;
        break;
    }
    case ControlKind::StyledLabel:
    case ControlKind::LinkLabel:
    case ControlKind::NumEdit:
        if (c.make == nullptr) {
            qFatal("control %d: its template names no maker", c.id.value);
        }
        widget = c.make(c, this);
        // Added to what the maker chose: a link reached by Tab is still not focused by a click.
        if (tabStop) {
            widget->setFocusPolicy(widget->focusPolicy() == Qt::NoFocus ? Qt::TabFocus
                                                                        : Qt::StrongFocus);
        }
        break;
    case ControlKind::Edit:
        if (c.style & kMultiline) {
            auto* edit = new FocusFramed<QTextEdit>(this);
            edit->setReadOnly((c.style & kReadOnly) != 0);
            edit->setAcceptRichText(false);
            // A classic multi-line edit box keeps only a hair of space around its text.
            edit->document()->setDocumentMargin(2);
            edit->setTabChangesFocus(true);
            edit->setFrameShape((c.style & kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            // A scroll bar when the text does not fit, so that all of it can be reached.
            edit->setVerticalScrollBarPolicy((c.style & kAutoVScroll) ? Qt::ScrollBarAsNeeded
                                                                      : Qt::ScrollBarAlwaysOff);
            edit->setProperty("alignment", static_cast<int>(HorizontalAlignment(c.style)));
            edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            edit->setAutoFillBackground(false);
            edit->viewport()->setAutoFillBackground(false);
            widget = edit;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly((c.style & kReadOnly) != 0);
            edit->setFrame((c.style & kBorder) != 0);
            edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            widget = edit;
        }
        break;
    case ControlKind::Picture: {
        auto* picture = new QLabel(this);
        picture->setProperty("picture", true);
        picture->setFocusPolicy(Qt::NoFocus);
        if (c.style & kIcon) {
            picture->setPixmap(LoadAppIconImage(c.resource, 32, devicePixelRatioF()));
            picture->setGeometry(QRect(rect.topLeft(), QSize(32, 32)));
            picture->setAccessibleName("Icon");
            return picture;
        }
        picture->setPixmap(LoadAppBitmap(c.resource, devicePixelRatioF()));
        picture->setAlignment((c.style & kCenterImage) ? Qt::AlignCenter
                                                       : Qt::AlignLeft | Qt::AlignTop);
        if (c.style & (kSunken | kClientEdge)) {
            picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        } else if (c.style & kBorder) {
            picture->setFrameStyle(QFrame::Box | QFrame::Plain);
        }
        picture->setAccessibleName("Velmarch banner");
        widget = picture;
        break;
    }
    case ControlKind::ListView: {
        // A table rather than a tree: a tree view lays every row out again whenever rows are
        // inserted, a table with one fixed row height takes on just the new ones, so a long list
        // stays quick to grow.
        auto* view = new FocusFramed<QTableView>(this);
        view->setShowGrid(false);
        view->setWordWrap(false);
        view->setCornerButtonEnabled(false);
        view->setTabKeyNavigation(false);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        QHeaderView* rows = view->verticalHeader();
        rows->hide();
        rows->setSectionResizeMode(QHeaderView::Fixed);
        rows->setDefaultSectionSize(QFontMetrics(font()).height() + 4);
        QHeaderView* columns = view->horizontalHeader();
        columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        columns->setHighlightSections(false);
        columns->setSectionsClickable((c.style & kNoSortHeader) == 0);
        columns->setSectionsMovable(false);
        view->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        widget = view;
        break;
    }
    }
    if (widget != nullptr) {
        widget->setGeometry(rect);
    }
    return widget;
}

void CDialog::ArrangeRows() {
    // As a classic dialog sets them: each one-line text on a box's row is centred on the box.
    const QList<QLabel*> labels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QList<QLineEdit*> boxes = findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : labels) {
        for (QLineEdit* box : boxes) {
            if (!IsOneLine(label) || !OnRowOf(label, box)) {
                continue;
            }
            label->setGeometry(label->x(), box->y(), label->width(), box->height());
            label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
            break;
        }
    }
    // A box's caption, for assistive technology, is the nearest text ending in a colon to its
    // left; a label captions one box only, so the second box of a row takes its unit word.
    std::sort(boxes.begin(), boxes.end(),
              [](QLineEdit* a, QLineEdit* b) { return a->x() < b->x(); });
    QSet<QLabel*> taken;
    for (QLineEdit* box : boxes) {
        QLabel* caption = nullptr;
        for (QLabel* label : labels) {
            if (!taken.contains(label) && OnRowOf(label, box) && label->text().endsWith(':') &&
                label->geometry().right() < box->x() && (!caption || label->x() > caption->x())) {
                caption = label;
            }
        }
        QLabel* unit = nullptr;
        for (QLabel* label : labels) {
            if (!taken.contains(label) && IsOneLine(label) && OnRowOf(label, box) &&
                label->x() > box->geometry().right() && (!unit || label->x() < unit->x())) {
                unit = label;
            }
        }
        caption = caption != nullptr ? caption : unit;
        if (caption != nullptr) {
            caption->setBuddy(box);
            taken.insert(caption);
        }
    }
}

void CDialog::SnapToDevicePixels() {
    // At a fractional scale factor a control's last row or column of pixels can fall between two
    // device pixels, where the inside of a list or box paints over its border. Each control's
    // first and last pixel go to whole device pixels, inwards, so none grows into another.
    const qreal ratio = devicePixelRatioF();
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
    // a caption's last letters or push a frame across the captions fitted to it.
    auto framed = [](const QWidget* w) {
        const auto* frame = qobject_cast<const QFrame*>(w);
        return qobject_cast<const QLineEdit*>(w) != nullptr ||
               qobject_cast<const QPushButton*>(w) != nullptr ||
               (frame != nullptr && frame->frameShape() != QFrame::NoFrame);
    };
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = w->geometry();
        if (!w->isWindow() && framed(w) && g.left() >= 0 && g.top() >= 0) {
            // A box keeps its template place: rounding it inwards hides the start of its number,
            // rounding it outwards runs it into its caption or unit.
            if (qobject_cast<const QLineEdit*>(w) == nullptr) {
                w->setGeometry(QRect(QPoint(up(g.left()), up(g.top())),
                                     QPoint(down(g.right()), down(g.bottom()))));
            }
        }
    }
}

void CDialog::FitCaption(QWidget* widget, Qt::Alignment alignment) {
    // The stand-in font sets some captions a little wider than the layout was drawn for; a
    // one-line caption that would wrap out of sight grows sideways instead, away from its anchor
    // as far as its neighbours and its group frame leave room, then towards it. What still does
    // not fit is set a little condensed.
    QRect rect = widget->geometry();
    int needed = 0;
    QFont font = widget->font();
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->pixmap().isNull()) {
        text = label->text();
    } else if (auto* box = qobject_cast<QCheckBox*>(widget); box != nullptr) {
        // A check box as big as its box and focus frame need, about the same middle, with a
        // pixel to spare for the rounding to whole device pixels.
        needed = box->sizeHint().width() + 2;
        const int grow = box->sizeHint().height() + 2 - rect.height();
        if (grow > 0) {
            rect.adjust(0, -grow / 2, 0, grow - grow / 2);
        }
    } else {
        return;
    }
    const QFontMetrics metrics(font);
    if (text.contains('\n') || rect.height() >= 2 * metrics.height()) {
        return;
    }
    if (!text.isEmpty()) {
        needed = metrics.horizontalAdvance(text) + 2;
    }
    constexpr int kFrame = 2; // the etched frame's two lines
    int leftLimit = 0;
    int rightLimit = width();
    for (QWidget* other : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = other->geometry();
        if (other == widget || other->isWindow() || g.top() > rect.bottom() ||
            g.bottom() < rect.top()) {
            continue;
        }
        if (qobject_cast<QGroupBox*>(other) != nullptr && g.contains(rect)) {
            leftLimit = std::max(leftLimit, g.left() + kFrame);
            rightLimit = std::min(rightLimit, g.right() + 1 - kFrame);
        } else if (g.right() < rect.left()) {
            leftLimit = std::max(leftLimit, g.right() + 2);
        } else if (g.left() > rect.right()) {
            rightLimit = std::min(rightLimit, g.left() - 1);
        }
    }
    const int extra = needed - rect.width();
    const int roomLeft = std::max(0, rect.left() - leftLimit);
    const int roomRight = std::max(0, rightLimit - rect.right() - 1);
    int left = 0;
    int right = 0;
    if (extra > 0) {
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
    }
    rect.adjust(-left, 0, right, 0);
    widget->setGeometry(rect);
    if (extra > left + right) {
        QFont condensed = widget->font();
        condensed.setStretch(100 * (rect.width() - 1) / needed);
        widget->setFont(condensed);
    }
}

QWidget* CDialog::GetDlgItem(ControlId id) const {
    if (id == kNoId) {
        return nullptr;
    }
    return findChild<QWidget*>(QString::number(id.value), Qt::FindDirectChildrenOnly);
}

void CDialog::AppendSystemMenuSeparator() {
    systemMenu_->addSeparator();
}

void CDialog::AppendSystemMenuItem(unsigned command, const QString& text) {
    QAction* action = systemMenu_->addAction(text);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { OnSysCommand(command); });
}

void CDialog::OpenSystemMenu(const QPoint& globalPos) {
    systemMenu_->popup(globalPos);
}

void CDialog::Announce(const QString& sentence) {
    if (announcer_ == nullptr) {
        auto* bar = new QStatusBar(this);
        bar->setObjectName(QStringLiteral("announcer"));
        bar->setSizeGripEnabled(false);
        bar->setGeometry(0, 0, 0, 0);
        bar->show();
        announcer_ = bar;
    }
    // The same sentence again is news again, but a name set to what it was sends nothing.
    if (announcer_->accessibleName() == sentence) {
        announcer_->setAccessibleName(QString());
    }
    announcer_->setAccessibleName(sentence);
}

void CDialog::OpenMenuForFocus() {
    QWidget* focused = focusWidget();
    QPoint at;
    if (auto* line = qobject_cast<QLineEdit*>(focused)) {
        at = line->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    } else if (auto* text = qobject_cast<QTextEdit*>(focused)) {
        at = text->viewport()->mapTo(text, text->cursorRect().center());
    } else {
        OpenSystemMenu(mapToGlobal(QPoint(0, 0)));
        return;
    }
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at));
    QCoreApplication::sendEvent(focused, &event);
}

bool CDialog::OnInitDialog() {
    return true;
}

void CDialog::OnOK() {
    EndDialog(DialogCommand::Ok);
}

void CDialog::OnCancel() {
    EndDialog(DialogCommand::Cancel);
}

void CDialog::OnSysCommand(unsigned command) {
    if (command == SC_CLOSE) {
        OnCancel();
    }
}

void CDialog::EndDialog(DialogCommand result) {
    ending_ = true;
    done(static_cast<int>(result));
    ending_ = false;
}

void CDialog::Initialise() {
    Build();
    if (initialised_) {
        return;
    }
    initialised_ = true;
    const bool focusFirst = OnInitDialog();
    // Styled labels are measured once the window has given them their weight and alignment.
    for (const ControlTemplate& control : template_.controls) {
        if (control.kind != ControlKind::StyledLabel) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(GetDlgItem(control.id)); label != nullptr) {
            FitCaption(label, label->alignment() & Qt::AlignHorizontal_Mask);
        }
    }
    if (focusFirst) {
        // The first tab stop that can take the focus gets it.
        for (const ControlTemplate& control : template_.controls) {
            if (!(control.style & kTabStop)) {
                continue;
            }
            QWidget* widget = nullptr;
            for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (control.id != kNoId && w->objectName() == QString::number(control.id.value)) {
                    widget = w;
                    break;
                }
            }
            if (widget != nullptr && widget->isEnabled()) {
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}

void CDialog::PlaceWindow() {
    QWidget* owner = owner_ != nullptr ? owner_ : MainWindow();
    if (owner == this) {
        owner = nullptr;
    }
    if (template_.style & kAtOwnerOrigin) {
        if (owner != nullptr) {
            move(owner->mapToGlobal(QPoint(0, 0)));
        }
        return;
    }
    if (template_.style & kCentered) {
        QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
        if (screen != nullptr) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
}

void CDialog::Create() {
    Initialise();
    PlaceWindow();
    show();
    if (template_.style & kSetForeground) {
        raise();
        activateWindow();
    }
}

DialogCommand CDialog::DoModal() {
    Initialise();
    PlaceWindow();
    QPointer<QWidget> owner = owner_ != nullptr ? owner_ : MainWindow();
    if (owner == this) {
        owner = nullptr;
    }
    QPointer<QWidget> focusBefore =
        owner != nullptr ? owner->window()->focusWidget() : QApplication::focusWidget();
    if (owner != nullptr) {
        // Stays above its owner without being its child, so disabling the owner leaves it usable.
        // A window with a task-bar button of its own is not tied to its owner: desktops leave
        // such transient windows out of the task bar.
        winId();
        if (QWindow* handle = windowHandle(); handle != nullptr &&
                                              owner->window()->windowHandle() &&
                                              !(template_.style & kAppWindow)) {
            handle->setTransientParent(owner->window()->windowHandle());
        }
        owner->setEnabled(false);
    }
    setWindowModality(Qt::ApplicationModal);
    if (template_.style & kSetForeground) {
        raise();
        activateWindow();
    }
    const auto result = static_cast<DialogCommand>(exec());
    if (owner != nullptr) {
        owner->setEnabled(true);
        owner->activateWindow();
    }
    // Back where the user was, not on whatever the re-enabled owner would pick (its Close button).
    if (focusBefore != nullptr && focusBefore->isEnabled()) {
        focusBefore->setFocus(Qt::OtherFocusReason);
    }
    return result;
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        // An ambiguous mnemonic keeps its usual meaning: it moves between its buttons.
        if (button != nullptr && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            PressAsClick(button, Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0) {
        // Enter presses the focused push button, else the default button as a click would, else
        // it is plain OK.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget());
            focused != nullptr && focused->isEnabled()) {
            focused->click();
            return;
        }
        for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
            if (button->isDefault() && button->isEnabled()) {
                PressAsClick(button, Qt::OtherFocusReason);
                return;
            }
        }
        OnOK();
        return;
    }
    if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        OnCancel();
        return;
    }
    if (key == Qt::Key_Space && (event->modifiers() & Qt::AltModifier)) {
        OpenSystemMenu(mapToGlobal(QPoint(0, 0)));
        return;
    }
    QWidget::keyPressEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event) {
    if (ending_ || !isVisible()) {
        QDialog::closeEvent(event);
        return;
    }
    // The close box is the system menu's Close command.
    event->ignore();
    OnSysCommand(SC_CLOSE);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    // A click that a list or a button left unhandled is not a click on the window.
    QWidget* under = childAt(event->pos());
    while (under != nullptr && under->parentWidget() != this) {
        under = under->parentWidget();
    }
    if (event->reason() == QContextMenuEvent::Mouse && under != nullptr && !IsBackground(under)) {
        event->ignore();
        return;
    }
    OpenSystemMenu(event->globalPos());
}
