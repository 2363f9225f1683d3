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
#include "platform/message_box.h"
#include "platform/printer.h"
#include "recording_print_surface.h"

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

class Keyboard : public ::testing::TestWithParam<Calculator> {
protected:
    void SetUp() override {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r.text); });
        SetPrinterSource(printer.Source());
    }
    void TearDown() override {
        SetPrinterSource({});
        SetMessageSink({});
    }

    // Alt+key pressed while typing in a box.
    static void Mnemonic(CalculatorWindow& w, int box, Qt::Key key) {
        QTest::keyClick(w.Box(box), key, Qt::AltModifier);
    }

    bool Printed(const std::string& text) const {
        const auto& calls = printer.log->calls;
        return std::any_of(calls.begin(), calls.end(), [&](const PrintCall& c) {
            return c.kind == PrintCall::Text && c.text == text;
        });
    }

    Watchdog watchdog{std::chrono::seconds(60)};
    RecordingPrinter printer;
    std::vector<std::string> messages;
};

// Typed in a metric box and acted on with the mnemonic at once: the box is left first, so its
// inch partner is in step before the button acts, and the focus ends on the button.
TEST_P(Keyboard, MnemonicLeavesTheBoxThenActs) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    int button = 0;
    switch (GetParam()) {
    case Calculator::RollLength:
        w.Type(1005, "10");
        w.Type(1007, "0.01");
        w.Type(1004, "76.2");
        Mnemonic(w, 1004, Qt::Key_C);
        EXPECT_EQ(QApplication::focusWidget(), w.Dialog().GetDlgItem(kCalculateButton));
        EXPECT_EQ(w.Text(1003), "3.0000");
        EXPECT_EQ(w.Text(1001), "595.594");
        // Print by its mnemonic prints the box being typed in as it now reads.
        w.Type(1006, "508");
        Mnemonic(w, 1006, Qt::Key_P);
        button = kPrintButton;
        EXPECT_TRUE(Printed("20.0000 inches / 508.0000 millimeters"));
        break;
    case Calculator::RollWeight:
        w.Type(1013, "40");
        w.Type(1017, "60");
        w.Type(1021, "0.92");
        w.Type(1016, "76.2");
        Mnemonic(w, 1016, Qt::Key_C);
        button = kCalculateButton;
        EXPECT_EQ(w.Text(1015), "3.000");
        EXPECT_EQ(w.Text(1019), "2487.88");
        break;
    case Calculator::Slitter: {
        // The check box too is ticked as by a click, once its box is left.
        w.Type(1046, "12.7");
        Mnemonic(w, 1046, Qt::Key_I);
        EXPECT_EQ(w.Text(1045), "0.5000");
        auto* increment = w.Dialog().Item<QCheckBox>(1056);
        EXPECT_TRUE(increment->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), increment);
        w.Type(1045, "2");
        Mnemonic(w, 1045, Qt::Key_S);
        button = kAddSlitButton;
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
    SetPrinterSource([&] {
        enabledWhenAsked = w.Dialog().isEnabled();
        return printer.Source()();
    });
    w.Click(kPrintButton);
    EXPECT_EQ(printer.log->Count(PrintCall::Destroyed), 1u);
    EXPECT_EQ(enabledWhenAsked, GetParam() != Calculator::Slitter);
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w.Dialog().GetDlgItem(kPrintButton));
    if (GetParam() == Calculator::RollLength) {
        static_cast<CRollLengthDlg&>(w.Dialog()).SetAboutAction([](QWidget* owner) {
            CAboutDlg about(owner);
            about.DoModal();
        });
        w.Type(1003, "3");
        CloseWhenModal();
        w.Dialog().SystemMenu()->actions().last()->trigger();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w.Dialog()));
        EXPECT_EQ(QApplication::focusWidget(), w.Box(1003));
        EXPECT_EQ(w.Text(1003), "3");
    }
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
    for (int id : {1036, 1028, 1037}) {
        QWidget* button = main.GetDlgItem(id);
        button->setFocus(Qt::TabFocusReason);
        CloseWhenModal();
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        EXPECT_EQ(QApplication::focusWidget(), button) << id;
    }
    CDialog::SetMainWindow(nullptr);
}

} // namespace
