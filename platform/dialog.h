// CDialog: a stock QDialog built from a dialog template. OK (the default button or Enter) reaches
// OnOK through accept(); Cancel (the Cancel button, Esc, the close box) reaches OnCancel through
// reject().
#pragma once

#include <QDialog>
#include <QFont>
#include <array>
#include <unordered_map>

#include "res/dialog_template.h"

class CDialog;
class QMenu;

// Makes the widget of one control kind as a child of the dialog; the builder then places and
// names it, and gives it its state and its place in the tab order.
using ControlMaker = QWidget* (*)(const ControlTemplate& control, CDialog& dialog);
// One maker for each control kind, in the order of ControlKind.
using ControlMakers = std::array<ControlMaker, kControlKindCount>;

// A name for Qt's tools and for test failures, made from a control's caption or accessible name:
// "Roll Diameter, inches" gives rollDiameterInches, "Clear &All" gives clearAll.
QString ObjectNameFrom(const QString& text);

// The two commands every dialog knows, and the ids of the buttons that give them.
enum class DialogCommand : int { Ok = 1, Cancel = 2 };
inline constexpr unsigned SC_CLOSE = 0xF060;

class CDialog : public QDialog {
    Q_OBJECT

public:
    // owner nullptr: the application's main window owns it (if there is one).
    CDialog(const DialogTemplate& tmpl, const ControlMakers& makers, QWidget* owner = nullptr);
    ~CDialog() override;

    void accept() override;
    void reject() override;

    // Builds, initialises and runs the window modally; the owner is disabled meanwhile.
    DialogCommand DoModal();
    // Builds, initialises and shows the window without a modal loop (tests, embedding).
    void Create();
    void EndDialog(DialogCommand result);

    QWidget* GetDlgItem(ControlId id) const;
    template <class T> T* Item(ControlId id) const { return qobject_cast<T*>(GetDlgItem(id)); }

    const DialogTemplate& Template() const { return template_; }
    QRect MapDialogRect(int x, int y, int cx, int cy) const;

    // The stand-in for the window's system menu: right-click on the background, Alt+Space,
    // Shift+F10 or the Menu key.
    QMenu* SystemMenu() const { return systemMenu_; }
    void AppendSystemMenuSeparator();
    void AppendSystemMenuItem(unsigned command, const QString& text);
    void OpenSystemMenu(const QPoint& globalPos);
    // Shift+F10 and the Menu key: the focused box's own menu, else the window menu.
    void OpenMenuForFocus();

    // Tells a screen reader what a command changed, in one short sentence: the name of a status
    // bar that the eye does not see.
    void Announce(const QString& sentence);

    // The window that owns dialogs created without an owner.
    static void SetMainWindow(QWidget* window);
    static QWidget* MainWindow();
    // The font a template's controls are drawn in.
    static QFont DialogFont(const DialogTemplate& tmpl);
    // The horizontal alignment a control's template style asks for.
    static Qt::Alignment TemplateAlignment(ControlStyles style);

protected:
    // Return true to let the dialog focus its first tab stop.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnSysCommand(unsigned command);

    // Enter clicks as a click would: the box being left first.
    void keyPressEvent(QKeyEvent* event) override;
    // A button's mnemonic acts as a click: the focus moves to the button first.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Build();
    void SetUpWindow();
    void MakeSystemMenu();
    QWidget* MakeControl(const ControlTemplate& control);
    void Initialise();
    void FocusFirstTabStop();
    void PlaceWindow();
    QWidget* Owner() const;

    DialogTemplate template_;
    ControlMakers makers_;
    QWidget* owner_;
    std::unordered_map<int, QWidget*> controls_; // by id
    QMenu* systemMenu_ = nullptr;
    QWidget* announcer_ = nullptr;
    int baseX_ = 0;
    int baseY_ = 0;
    bool built_ = false;
    bool initialised_ = false;
};
