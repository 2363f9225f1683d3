#include "platform/dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcutEvent>
#include <QStatusBar>
#include <vector>

#include "numbers/scale_rounded.h"
#include "platform/caption_fit.h"

namespace {

QPointer<QWidget>& MainWindowRef() {
    static QPointer<QWidget> window;
    return window;
}

// A button worked from the keyboard acts as a click: the focus moves to it first, so that the box
// left behind brings its partner into step before the button acts.
void PressAsClick(QAbstractButton* button, Qt::FocusReason reason) {
    button->setFocus(reason);
    if (button->isEnabled() && button->isVisible()) {
        button->click();
    }
}

} // namespace

QString ObjectNameFrom(const QString& text) {
    QString name;
    bool wordStart = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '&' && i + 1 < text.size()) {
            continue; // a mnemonic mark
        }
        if (!c.isLetterOrNumber()) {
            wordStart = true;
            continue;
        }
        name += name.isEmpty() ? c.toLower() : (wordStart ? c.toUpper() : c);
        wordStart = false;
    }
    return name;
}

CDialog::CDialog(const DialogTemplate& tmpl, const ControlMakers& makers, QWidget* owner)
    : QDialog(nullptr), template_(tmpl), makers_(makers), owner_(owner) {}

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
    if (style & kAlignCenter) {
        return Qt::AlignHCenter;
    }
    return (style & kAlignRight) ? Qt::AlignRight : Qt::AlignLeft;
}

QRect CDialog::MapDialogRect(int x, int y, int cx, int cy) const {
    return QRect(ScaleRounded(x, baseX_, 4), ScaleRounded(y, baseY_, 8),
                 ScaleRounded(cx, baseX_, 4), ScaleRounded(cy, baseY_, 8));
}

// The font, the dialog units, the title, the frame and the size.
void CDialog::SetUpWindow() {
    const QFont font = DialogFont(template_);
    setFont(font);
    // A dialog unit is a quarter of the font's average letter width (of the 52 letters, rounded)
    // across and an eighth of its height down, so that a template keeps its proportions in any
    // font.
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
    setWindowFlags(flags);
    const QSize size = MapDialogRect(0, 0, template_.cx, template_.cy).size();
    if (template_.style & kModalFrame) {
        setFixedSize(size);
    } else {
        resize(size);
    }
}

QWidget* CDialog::MakeControl(const ControlTemplate& c) {
    QWidget* widget = makers_[static_cast<std::size_t>(c.kind)](c, *this);
    const QRect rect = MapDialogRect(c.x, c.y, c.cx, c.cy);
    // A control of fixed size (an icon) keeps it at its place.
    const bool fixed = widget->minimumSize() == widget->maximumSize();
    widget->setGeometry(QRect(rect.topLeft(), fixed ? widget->minimumSize() : rect.size()));
    // A tab stop is reached by Tab, and by a click if the kind takes one; any other control that
    // takes the focus takes it only by a click.
    const Qt::FocusPolicy made = widget->focusPolicy();
    if (c.style & kTabStop) {
        widget->setFocusPolicy(made == Qt::NoFocus ? Qt::TabFocus : Qt::StrongFocus);
    } else if (made != Qt::NoFocus) {
        widget->setFocusPolicy(Qt::ClickFocus);
    }
    widget->setEnabled(!(c.style & kDisabled));
    if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
        widget->installEventFilter(this);
    }
    const QString name = ObjectNameFrom(widget->accessibleName());
    widget->setObjectName(name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                         : name);
    if (c.id != kNoId) {
        controls_[c.id.value] = widget;
    }
    return widget;
}

void CDialog::Build() {
    if (built_) {
        return;
    }
    built_ = true;
    SetUpWindow();
    MakeSystemMenu();
    QWidget* previousTabStop = nullptr;
    std::vector<std::pair<const ControlTemplate*, QWidget*>> made;
    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = MakeControl(control);
        made.emplace_back(&control, widget);
        if (control.style & kTabStop) {
            if (previousTabStop != nullptr) {
                setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
    }
    CentreTextsOnBoxRows(*this);
    SnapToDevicePixels(*this);
    // Captions are fitted once all their neighbours stand, in their final places.
    for (const auto& [control, widget] : made) {
        if (control->kind == ControlKind::Label || control->kind == ControlKind::CheckBox) {
            FitCaption(*this, *widget, TemplateAlignment(control->style));
        }
        // Frames and pictures sit beneath the controls they surround.
        if (control->kind == ControlKind::GroupBox || control->kind == ControlKind::Picture) {
            widget->lower();
        }
    }
}

QWidget* CDialog::GetDlgItem(ControlId id) const {
    const auto found = controls_.find(id.value);
    return found != controls_.end() ? found->second : nullptr;
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

bool CDialog::OnInitDialog() {
    return true;
}

void CDialog::OnOK() {
    EndDialog(DialogCommand::Ok);
}

void CDialog::OnCancel() {
    EndDialog(DialogCommand::Cancel);
}

void CDialog::accept() {
    OnOK();
}

void CDialog::reject() {
    OnCancel();
}

void CDialog::EndDialog(DialogCommand result) {
    done(static_cast<int>(result));
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
        auto* label = qobject_cast<QLabel*>(GetDlgItem(control.id));
        if (control.kind == ControlKind::StyledLabel && label != nullptr) {
            FitCaption(*this, *label, label->alignment() & Qt::AlignHorizontal_Mask);
        }
    }
    if (focusFirst) {
        FocusFirstTabStop();
    }
}

void CDialog::FocusFirstTabStop() {
    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = GetDlgItem(control.id);
        if ((control.style & kTabStop) && widget != nullptr && widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
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
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) ||
        (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) != 0) {
        QDialog::keyPressEvent(event); // Esc rejects
        return;
    }
    // Enter presses the focused push button, else the default button as a click would, else it
    // is plain OK.
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
}
