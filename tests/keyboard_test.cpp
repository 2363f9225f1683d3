// Keyboard paths through the windows: a mnemonic acts exactly as a click, and the focus comes back
// to where it was after a modal child or a print run.
#include <QCheckBox>
#include <QMenu>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "calculator_window.h"

namespace {

// Esc in the modal window once its loop has started.
void CloseWhenModal() {
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : modal,
                        Qt::Key_Escape);
    });
}

template <class Param> struct Seamed : ::testing::TestWithParam<Param>, protected CapturedSeams {};

// Typed in a box and acted on with the mnemonic at once: the box is left first, so that its
// partner is in step before the control acts, and the focus ends on the control.
struct MnemonicCase {
    const char* name;
    Window window;
    Steps steps;                       // the last one typed, without leaving the box
    std::pair<Qt::Key, ControlId> alt; // with Alt, and the control it acts on
    Shown shown;
    const char* printed = nullptr;
    bool ticked = false; // the setup increment, in the slitter
    KnifeRows knives = {};
};

using L = RollLengthId;
using W = RollWeightId;
using S = SlitterId;

const MnemonicCase kMnemonicCases[] = {
    {"CalculateRollLength",
     Window::RollLength,
     {{L::RollInches, "10"}, {L::ThicknessInches, "0.01"}, {L::CoreMm, "76.2"}},
     {Qt::Key_C, L::Calculate},
     {{L::CoreInches, "3.0000"}, {L::LengthFeet, "595.594"}}},
    // Print prints the box being typed in as it now reads.
    {"PrintRollLength",
     Window::RollLength,
     {{L::RollInches, "10"},
      {L::ThicknessInches, "0.01"},
      {L::CoreMm, "76.2"},
      {L::Calculate},
      {L::RollMm, "508"}},
     {Qt::Key_P, L::Print},
     {{L::RollInches, "20.0000"}},
     "20.0000 inches / 508.0000 millimeters"},
    {"CalculateRollWeight",
     Window::RollWeight,
     {{W::RollInches, "40"},
      {W::WebInches, "60"},
      {W::SpecificGravity, "0.92"},
      {W::CoreMm, "76.2"}},
     {Qt::Key_C, W::Calculate},
     {{W::CoreInches, "3.000"}, {W::Pounds, "2487.88"}}},
    {"TickSetupIncrement",
     Window::Slitter,
     {{S::NextMm, "12.7"}},
     {Qt::Key_I, S::SetupIncrement},
     {{S::NextInches, "0.5000"}},
     nullptr,
     true},
    // Typed over an inch width converted from millimetres: the typed width is the one added.
    {"AddSlit",
     Window::Slitter,
     {{S::NextMm, "12.7"}, {S::SetupIncrement}, {S::NextInches, "2"}},
     {Qt::Key_S, S::AddSlit},
     {{S::NextMm, "50.8000"}},
     nullptr,
     false,
     {{"0", "0.0000", "0.0000", "0.0000", "0.0000"},
      {"1", "2.0000", "50.8000", "2.0000", "50.8000"}}},
};

using Mnemonic = Seamed<MnemonicCase>;

TEST_P(Mnemonic, LeavesTheBoxThenActs) {
    const MnemonicCase& c = GetParam();
    const Step typed = c.steps.back();
    CalculatorWindow w(c.window);
    ASSERT_TRUE(w.Ready());
    w.Do(Steps(c.steps.begin(), c.steps.end() - 1));
    w.Type(typed.id, typed.keys);
    w.Key(typed.id, c.alt.first, Qt::AltModifier);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w.HasFocus(c.alt.second));
    EXPECT_EQ(w.Unlike(c.shown), "");
    EXPECT_EQ(w.Text(typed.id), typed.keys);
    EXPECT_TRUE(c.printed == nullptr || printer.Printed(c.printed));
    EXPECT_EQ(w.Knives(), c.knives);
    if (c.window == Window::Slitter) {
        EXPECT_EQ(w.Item<QCheckBox>(S::SetupIncrement)->isChecked(), c.ticked);
    }
}

INSTANTIATE_TEST_SUITE_P(, Mnemonic, ::testing::ValuesIn(kMnemonicCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Tab visits every stop in the window's order and comes back to the first focus; each box and
// button has the name a screen reader reads.
class EachWindow : public ::testing::TestWithParam<Window> {};

TEST_P(EachWindow, TabVisitsEveryStopInOrderAndEachControlIsNamed) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    const std::vector<ControlId>& order = w.Row().tabOrder;
    EXPECT_TRUE(w.HasFocus(order.back()));
    for (ControlId id : order) {
        QTest::keyClick(w.Focused(), Qt::Key_Tab);
        EXPECT_TRUE(w.HasFocus(id)) << id.value;
    }
    for (const auto& [id, name] : w.Row().names) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w.Dialog().GetDlgItem(id));
        ASSERT_NE(a, nullptr) << id.value;
        EXPECT_EQ(a->text(QAccessible::Name), name) << id.value;
    }
}

// A calculator opens with its title, size and icon, every box at its placeholder, the focus on
// the first box with its text selected, Print disabled and only its default button default.
class EachCalculator : public EachWindow {};

TEST_P(EachCalculator, OpensFresh) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    const WindowRow& row = w.Row();
    EXPECT_EQ(w.Dialog().windowTitle(), row.title);
    EXPECT_EQ(w.Dialog().size(),
              w.Dialog().MapDialogRect(0, 0, row.units.width(), row.units.height()).size());
    EXPECT_FALSE(w.Dialog().windowIcon().isNull());
    EXPECT_EQ(w.Unlike(row.start), "");
    const ControlId first = row.tabOrder.back(); // focused, as EachWindow checks
    EXPECT_EQ(w.Box(first)->selectedText(), w.Box(first)->text());
    EXPECT_FALSE(w.Enabled(row.print));
    for (QPushButton* b : w.Dialog().findChildren<QPushButton*>()) {
        EXPECT_EQ(b->isDefault(), b == w.Dialog().GetDlgItem(row.defaultButton))
            << b->text().toStdString();
    }
}

std::vector<Window> WithTabOrder() {
    std::vector<Window> kinds = AllWindows();
    std::erase_if(kinds, [](Window kind) { return RowOf(kind).tabOrder.empty(); });
    return kinds;
}

INSTANTIATE_TEST_SUITE_P(, EachWindow, ::testing::ValuesIn(WithTabOrder()), kWindowName);
INSTANTIATE_TEST_SUITE_P(, EachCalculator, ::testing::ValuesIn(Calculators()), kWindowName);

using Keyboard = Seamed<Window>;

TEST_P(Keyboard, FocusComesBackAfterAPrintRunAndTheAboutBox) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    w.MakePrintable();
    w.Click(w.PrintButton());
    EXPECT_EQ(printer.documents->size(), 1u);
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w.Dialog().GetDlgItem(w.PrintButton()));
    if (GetParam() == Window::RollLength) {
        static_cast<CRollLengthDlg&>(w.Dialog()).SetAboutAction([](QWidget* owner) {
            CAboutDlg about(owner);
            about.DoModal();
        });
        w.Type(RollLengthId::CoreInches, "3");
        CloseWhenModal();
        w.Dialog().SystemMenu()->actions().last()->trigger();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w.Dialog()));
        EXPECT_EQ(QApplication::focusWidget(), w.Box(RollLengthId::CoreInches));
        EXPECT_EQ(w.Text(RollLengthId::CoreInches), "3");
    }
}

// In a box, Ctrl+A selects the whole number and the menu keys open a menu; none of them changes a
// figure or moves the focus.
TEST_P(Keyboard, BoxKeysSelectAllAndOpenTheBoxMenu) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    const ControlId first = w.BoxIds().front();
    w.Type(first, "12.5");
    const WindowValues before = w.Values();
    CNumEdit* box = w.Box(first);
    box->setCursorPosition(1);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->selectedText(), box->text());
    EXPECT_FALSE(box->text().isEmpty());
    for (const QKeyCombination key :
         {Qt::ShiftModifier | Qt::Key_F10, QKeyCombination(Qt::Key_Menu)}) {
        QTest::keyClick(box, key.key(), key.keyboardModifiers());
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, Keyboard, ::testing::ValuesIn(Calculators()), kWindowName);

// Closing a calculator puts the focus back on the main window's button that opened it, so the
// next Enter or Space does not end the program.
TEST(MainWindowFocus, ComesBackToTheButtonThatOpenedACalculator) {
    Watchdog watchdog{std::chrono::seconds(60)};
    CalculatorWindow w(Window::Main);
    ASSERT_TRUE(w.Ready());
    CDialog& main = w.Dialog();
    CDialog::SetMainWindow(&main);
    for (const MainWindowId id :
         {MainWindowId::RollDiameter, MainWindowId::RollWeight, MainWindowId::KnifePositions}) {
        QWidget* button = main.GetDlgItem(id);
        button->setFocus(Qt::TabFocusReason);
        CloseWhenModal();
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        EXPECT_EQ(QApplication::focusWidget(), button) << static_cast<int>(id);
    }
    CDialog::SetMainWindow(nullptr);
}

} // namespace
