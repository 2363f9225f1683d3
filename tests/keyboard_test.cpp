// Keyboard paths through the windows: a mnemonic acts exactly as a click, and the focus comes back
// to where it was after a modal child or a print run.
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>

#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "app/roll_calc_dlg.h"
#include "calculator_window.h"
#include "res/templates.h"

namespace {

// Presses Esc in whatever modal window is active once its loop has started.
void CloseWhenModal() {
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : modal,
                        Qt::Key_Escape);
    });
}

class Keyboard : public ::testing::TestWithParam<Calculator>, protected CapturedSeams {
protected:
    Keyboard() : CapturedSeams(std::chrono::seconds(60)) {}

    // Alt+key pressed while typing in a box.
    static void Mnemonic(CalculatorWindow& w, ControlId box, Qt::Key key) {
        QTest::keyClick(w.Box(box), key, Qt::AltModifier);
    }

    bool Printed(const std::string& text) const { return printer.Printed(text); }
};

// Typed in a metric box and acted on with the mnemonic at once: the box is left first, so its
// inch partner is in step before the button acts, and the focus ends on the button.
TEST_P(Keyboard, MnemonicLeavesTheBoxThenActs) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    ControlId button;
    switch (GetParam()) {
    case Calculator::RollLength:
        w.Type(RollLengthId::RollInches, "10");
        w.Type(RollLengthId::ThicknessInches, "0.01");
        w.Type(RollLengthId::CoreMm, "76.2");
        Mnemonic(w, RollLengthId::CoreMm, Qt::Key_C);
        EXPECT_EQ(QApplication::focusWidget(), w.Dialog().GetDlgItem(RollLengthId::Calculate));
        EXPECT_EQ(w.Text(RollLengthId::CoreInches), "3.0000");
        EXPECT_EQ(w.Text(RollLengthId::LengthFeet), "595.594");
        // Print by its mnemonic prints the box being typed in as it now reads.
        w.Type(RollLengthId::RollMm, "508");
        Mnemonic(w, RollLengthId::RollMm, Qt::Key_P);
        button = RollLengthId::Print;
        EXPECT_TRUE(Printed("20.0000 inches / 508.0000 millimeters"));
        break;
    case Calculator::RollWeight:
        w.Type(RollWeightId::RollInches, "40");
        w.Type(RollWeightId::WebInches, "60");
        w.Type(RollWeightId::SpecificGravity, "0.92");
        w.Type(RollWeightId::CoreMm, "76.2");
        Mnemonic(w, RollWeightId::CoreMm, Qt::Key_C);
        button = RollWeightId::Calculate;
        EXPECT_EQ(w.Text(RollWeightId::CoreInches), "3.000");
        EXPECT_EQ(w.Text(RollWeightId::Pounds), "2487.88");
        break;
    case Calculator::Slitter: {
        // The check box too is ticked as by a click, once its box is left.
        w.Type(SlitterId::NextMm, "12.7");
        Mnemonic(w, SlitterId::NextMm, Qt::Key_I);
        EXPECT_EQ(w.Text(SlitterId::NextInches), "0.5000");
        auto* increment = w.Dialog().Item<QCheckBox>(SlitterId::SetupIncrement);
        EXPECT_TRUE(increment->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), increment);
        w.Type(SlitterId::NextInches, "2");
        Mnemonic(w, SlitterId::NextInches, Qt::Key_S);
        button = SlitterId::AddSlit;
        EXPECT_EQ(w.Values().knives, (KnifeRows{{"0", "0.0000", "0.0000", "0.0000", "0.0000"},
                                                {"1", "2.0000", "50.8000", "2.0000", "50.8000"}}));
        break;
    }
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::focusWidget(), w.Dialog().GetDlgItem(button));
}

// A print run, and for the Roll Diameter - Length window its About box, give the focus back. The
// slitter window alone takes no input while its report runs.
TEST_P(Keyboard, FocusComesBackAfterAPrintRunAndTheAboutBox) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    w.MakePrintable();
    bool enabledWhenAsked = true;
    SetReportPrinter([&](const PageBuilder& build) {
        enabledWhenAsked = w.Dialog().isEnabled();
        return printer.Printer()(build);
    });
    w.Click(w.PrintButton());
    EXPECT_EQ(printer.documents->size(), 1u);
    EXPECT_EQ(enabledWhenAsked, GetParam() != Calculator::Slitter);
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w.Dialog().GetDlgItem(w.PrintButton()));
    if (GetParam() == Calculator::RollLength) {
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

// In a box, Ctrl+A selects the whole number and the menu keys open the box's own menu, ending
// with the window menu's entries; none of them changes a figure.
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
    for (const QKeyCombination key : {QKeyCombination(Qt::ShiftModifier, Qt::Key_F10),
                                      QKeyCombination(Qt::NoModifier, Qt::Key_Menu)}) {
        QTest::keyClick(box, key.key(), key.keyboardModifiers());
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_NE(menu, w.Dialog().SystemMenu());
        EXPECT_EQ(menu->actions().last(), w.Dialog().SystemMenu()->actions().last());
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, Keyboard,
                         ::testing::Values(Calculator::RollLength, Calculator::RollWeight,
                                           Calculator::Slitter),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

// Closing a calculator puts the focus back on the main window's button that opened it, so the
// next Enter or Space does not end the program.
TEST(MainWindowFocus, ComesBackToTheButtonThatOpenedACalculator) {
    Watchdog watchdog{std::chrono::seconds(60)};
    CRollCalcDlg main;
    CDialog::SetMainWindow(&main);
    main.Create();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
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
