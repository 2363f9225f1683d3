#include "controls/link_static.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "controls/focus_frame.h"
#include "controls/styled_static.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"

namespace {

// What a screen reader is told: a link with a press action once the label is one, else a text.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(CLinkStatic* link) : QAccessibleWidget(link) {}

    QAccessible::Role role() const override {
        return Link()->IsLink() ? QAccessible::Link : QAccessible::StaticText;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (Link()->IsLink()) {
            names.prepend(pressAction());
        }
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && Link()->IsLink()) {
            Link()->OpenTarget();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    CLinkStatic* Link() const { return static_cast<CLinkStatic*>(widget()); }
};

QAccessibleInterface* MakeLinkAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("CLinkStatic") && object != nullptr && object->isWidgetType()) {
        return new LinkAccessible(static_cast<CLinkStatic*>(object));
    }
    return nullptr;
}

} // namespace

CLinkStatic::CLinkStatic(QWidget* parent)
    : QWidget(parent), textColour_(palette().color(QPalette::WindowText)),
      // The windows' 8-point dialog font, not this desktop's larger general font, which would not
      // fit the 8-unit high labels.
      font_(CDialog::DialogFont(DialogTemplate{})) {
    static const bool describedToScreenReaders = [] {
        QAccessible::installFactory(MakeLinkAccessible);
        return true;
    }();
    (void)describedToScreenReaders;
    font_.setUnderline(false);
    // A plain label lets clicks through to the window beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void CLinkStatic::setText(const QString& text) {
    text_ = text;
    setAccessibleName(text);
    update();
}

void CLinkStatic::SetLinkStyle(LinkStyle style) {
    linkStyle_ = style;
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    isLink_ = true;
    setCursor(Qt::PointingHandCursor);
    SetLinkColor(QColor(0, 0, 255));
    SetUnderline(true);
}

void CLinkStatic::SetTarget(const std::string& target, const std::string& caption) {
    target_ = target;
    setText(QString::fromStdString(caption.empty() ? target : caption));
    setObjectName(ObjectNameFrom(text()) + QStringLiteral("Link"));
}

void CLinkStatic::SetLinkColor(const QColor& colour) {
    textColour_ = colour;
    hasColour_ = true;
    SetReadableTextColour(this, textColour_);
    RedrawNow();
}

void CLinkStatic::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && hasColour_) {
        SetReadableTextColour(this, textColour_);
    }
}

void CLinkStatic::SetUnderline(bool underline) {
    font_.setUnderline(underline);
    RedrawNow();
}

void CLinkStatic::RedrawNow() {
    if (isVisible()) {
        repaint();
    } else {
        update();
    }
}

void CLinkStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font_);
    // The palette's colour for the window's state: greyed when the window is disabled.
    painter.setPen(palette().color(QPalette::WindowText));
    QRect drawn;
    painter.drawText(rect(), PaintFlags(), text_, &drawn);
    if (hasFocus()) {
        DrawFocusRect(painter, palette(), drawn.adjusted(-1, 0, 1, 0) & rect());
    }
}

void CLinkStatic::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    // Acts on the press, not the release.
    if (event->button() == Qt::LeftButton && IsLink()) {
        OpenTarget();
    }
}

void CLinkStatic::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (IsLink() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        // Taken here, so that Enter on a link is not the window's default button.
        event->accept();
        OpenTarget();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CLinkStatic::OpenTarget() {
    // The desktop's opener may fail after it has started; the label may be gone by then.
    const QPointer<CLinkStatic> self(this);
    const auto failedLater = [self] {
        if (self != nullptr) {
            self->SayNoProgram();
        }
    };
    const bool opened = linkStyle_ == LinkStyle::Web
                            ? ShellOpen("open", target_, failedLater)
                            : ShellOpen("", "mailto:" + target_, failedLater);
    if (!opened) {
        SayNoProgram();
    }
}

void CLinkStatic::SayNoProgram() {
    // The address is shown as it stands, so that it can be copied into a program by hand.
    ShowMessageBox(window(),
                   (linkStyle_ == LinkStyle::Web
                        ? "No program is set up to open this web address:\n\n"
                        : "No program is set up to send mail to this address:\n\n") +
                       target_,
                   MessageIcon::Warning);
}
