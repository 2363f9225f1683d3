// Opening a window: where it stands, and the modal run with its owner disabled, which Qt's own
// modality does not do.
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include "platform/dialog.h"

QWidget* CDialog::Owner() const {
    QWidget* owner = owner_ != nullptr ? owner_ : MainWindow();
    return owner == this ? nullptr : owner;
}

// Qt places a dialog over its parent; these windows have none, and open where their template
// says: at the top-left of the owner's client area, or in the middle of the screen.
void CDialog::PlaceWindow() {
    QWidget* owner = Owner();
    if (template_.style & kAtOwnerOrigin) {
        if (owner != nullptr) {
            move(owner->mapToGlobal(QPoint(0, 0)));
        }
        return;
    }
    QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
    if ((template_.style & kCentered) && screen != nullptr) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
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
    const QPointer<QWidget> owner = Owner();
    const QPointer<QWidget> focusBefore =
        owner != nullptr ? owner->window()->focusWidget() : QApplication::focusWidget();
    if (owner != nullptr) {
        // Stays above its owner without being its child, so that disabling the owner leaves it
        // usable. A window with a task-bar button of its own is not tied to its owner: desktops
        // leave such transient windows out of the task bar.
        winId();
        QWindow* ownerHandle = owner->window()->windowHandle();
        if (windowHandle() != nullptr && ownerHandle != nullptr &&
            !(template_.style & kAppWindow)) {
            windowHandle()->setTransientParent(ownerHandle);
        }
        // Disabled, not only blocked, so that it looks unavailable while the window is open.
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
