// The stand-in for the window's system menu: Qt leaves that menu to the window manager, which
// neither lists the program's own entries (About) nor opens it from the keys a user expects.
#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTextEdit>

#include "platform/dialog.h"

namespace {

// Static texts, frames and pictures are the window's background: a right-click there is a click
// on the window.
bool IsBackground(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) != nullptr ||
           qobject_cast<const QGroupBox*>(w) != nullptr;
}

} // namespace

void CDialog::MakeSystemMenu() {
    systemMenu_ = new QMenu(this);
    systemMenu_->setObjectName("systemMenu");
    AppendSystemMenuItem(SC_CLOSE, tr("&Close"));
    // A shortcut, so that a focused button or box never takes Alt+Space as its own key.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this), &QShortcut::activated, this,
            [this] { OpenSystemMenu(mapToGlobal(QPoint(0, 0))); });
    // Under a window manager Alt+Space opens the manager's own menu: the context-menu keys
    // reach this one from anywhere in the window, and from a box through the box's own menu.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &CDialog::OpenMenuForFocus);
    }
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

void CDialog::OnSysCommand(unsigned command) {
    if (command == SC_CLOSE) {
        OnCancel();
    }
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
