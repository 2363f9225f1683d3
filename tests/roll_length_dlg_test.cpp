#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "app/roll_calc_dlg.h"
#include "calculator_window.h"
#include "controls/link_static.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"
#include "roll_length/roll_length_dlg.h"
#include "worked_examples.h"

namespace {

using Id = RollLengthId;
using W = RollWeightId;
using S = SlitterId;

class RollLengthWindow : public ::testing::Test, protected CapturedSeams {
protected:
    RollLengthWindow() : CapturedSeams(std::chrono::seconds(60)) {}
    void SetUp() override { ASSERT_TRUE(w.Ready()); }

    CalculatorWindow w{Window::RollLength};
    CDialog* dlg = &w.Dialog();
};

TEST_F(RollLengthWindow, RedBoldNotesAndBlueInstructions) {
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::RequiredNote)->Colour(), QColor(128, 0, 0));
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::CoreLabel)->TextAlignment(), Qt::AlignRight);
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::CoreLabel)->Weight(), QFont::Bold);
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::EnterStep)->Colour(), QColor(0, 0, 127));
}

// Top to bottom, each link's caption and what a click on it opens, every time.
struct MakersLink {
    Id id;
    const char* caption;
    std::pair<std::string, std::string> opens; // verb and target
};

const MakersLink kLinks[] = {
    {Id::WebLink, "Visit Velmarch Online", {"open", "www.velmarch.example"}},
    {Id::SalesLink, "Contact The Velmarch Sales Team", {"", "mailto:sales@velmarch.example"}},
    {Id::ServiceLink,
     "Contact The Velmarch Customer Service Team",
     {"", "mailto:service@velmarch.example"}},
    {Id::EngineeringLink,
     "Contact The Velmarch Engineering Team",
     {"", "mailto:engineering@velmarch.example"}},
};

TEST_F(RollLengthWindow, LinksOpenTheMakersAddresses) {
    std::vector<std::pair<std::string, std::string>> opened;
    SetShellSink([&](const std::string& verb, const std::string& target) {
        opened.emplace_back(verb, target);
        return true;
    });
    int y = -1;
    for (const MakersLink& l : kLinks) {
        auto* link = dlg->Item<CLinkStatic>(l.id);
        EXPECT_EQ(link->text(), l.caption);
        EXPECT_LE(QFontMetrics(link->LinkFont()).height(), link->height()) << l.caption;
        EXPECT_GT(link->y(), y);
        y = link->y();
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(dlg->windowHandle(), Qt::LeftButton, {},
                              link->mapTo(dlg, link->rect().center()));
            EXPECT_EQ(opened, std::vector(opened.size(), l.opens)) << l.caption;
        }
        opened.clear();
    }
    SetShellSink({});
    EXPECT_EQ(dlg->Item<CLinkStatic>(Id::EngineeringLink)->LinkColor(), QColor(0, 0, 255));
    EXPECT_TRUE(w.HasFocus(Id::LengthFeet)); // a link never takes the focus
}

// The worked examples of both roll calculators, typed box by box (each left by focusing the next)
// and then calculated from the keyboard.
class WorkedExampleInWindow : public ::testing::TestWithParam<WorkedExample>,
                              protected CapturedSeams {
protected:
    WorkedExampleInWindow() : CapturedSeams(std::chrono::seconds(60)) {}
};

TEST_P(WorkedExampleInWindow, ShowsTheWorkedTexts) {
    const WorkedExample& example = GetParam();
    const bool length = example.calculator == std::string("length");
    CalculatorWindow w(length ? Window::RollLength : Window::RollWeight);
    ASSERT_TRUE(w.Ready());
    for (const BoxText& typed : example.typed) {
        w.Type(w.Column(typed.box), QString::fromUtf8(typed.text));
    }
    const WindowValues before = w.PressFromKeyboard(w.Row().defaultButton);
    const std::string heard = Heard(&w.Dialog());
    ExpectWorkedTexts(
        example, [&](const std::string& box) { return w.Text(w.Column(box)); }, messages,
        w.Values() == before, &heard);
}

INSTANTIATE_TEST_SUITE_P(Worked, WorkedExampleInWindow, ::testing::ValuesIn(kWorkedExamples),
                         [](const auto& info) { return std::string(info.param.name); });

// Enter in a box leaves it first, so that its partner is in step, then presses the default
// button as a click would. The knife list has none: there Enter changes nothing.
struct EnterCase {
    const char* name;
    Window window;
    Steps before;
    Step typed; // with no keys, the control is only focused
    Qt::KeyboardModifiers modifiers;
    Shown shown;
};

void PrintTo(const EnterCase& c, std::ostream* os) {
    *os << c.name;
}

const Steps kThreeSlits = {{S::SlitCount, "3"}, {S::SlitInches, "1"}, {S::AddSlits}};

const EnterCase kEnterCases[] = {
    {"RollLengthMetricThickness",
     Window::RollLength,
     {{Id::CoreInches, "3"}, {Id::RollInches, "10"}},
     {Id::ThicknessMm, "0.254"},
     {},
     {{Id::ThicknessInches, "0.0100"}, {Id::LengthFeet, "595.594"}, {Id::LengthMeters, "181.537"}}},
    {"RollWeightMetricWidth",
     Window::RollWeight,
     {{W::RollInches, "40"}, {W::CoreInches, "3"}, {W::SpecificGravity, "0.92"}},
     {W::WebMm, "1524"},
     {},
     {{W::WebInches, "60.000"}, {W::Pounds, "2487.88"}}},
    // Over an earlier value in the inch box, the millimetres typed are what counts.
    {"RollWeightMetricDiameterOverInches",
     Window::RollWeight,
     {{W::RollInches, "40"},
      {W::CoreInches, "3"},
      {W::WebMm, "1524"},
      {W::SpecificGravity, "0.92"},
      {W::Calculate},
      {W::Pounds, ""}},
     {W::RollMm, "2032"},
     Qt::KeypadModifier,
     {{W::RollInches, "80.000"}, {W::Pounds, "9993.74"}}},
    {"SlitterCount", Window::Slitter, kThreeSlits, {S::SlitCount}, {}, {}},
    {"SlitterInches", Window::Slitter, kThreeSlits, {S::SlitInches}, Qt::KeypadModifier, {}},
    {"SlitterMm", Window::Slitter, kThreeSlits, {S::SlitMm}, {}, {}},
    {"SlitterNextInches", Window::Slitter, kThreeSlits, {S::NextInches}, Qt::KeypadModifier, {}},
    {"SlitterNextMm", Window::Slitter, kThreeSlits, {S::NextMm}, {}, {}},
    // Ticked only while the list is empty.
    {"SlitterSetupIncrement",
     Window::Slitter,
     {{S::SlitCount, "3"}, {S::SlitInches, "1"}},
     {S::SetupIncrement},
     {},
     {}},
};

class EnterInABox : public ::testing::TestWithParam<EnterCase>, protected CapturedSeams {
protected:
    EnterInABox() : CapturedSeams(std::chrono::seconds(60)) {}
};

TEST_P(EnterInABox, LeavesItThenPressesTheDefaultButton) {
    const EnterCase& c = GetParam();
    CalculatorWindow w(c.window);
    ASSERT_TRUE(w.Ready());
    w.Do(c.before);
    const KnifeRows knives = w.Knives();
    if (c.typed.keys != nullptr) {
        w.Type(c.typed.id, c.typed.keys);
    } else {
        w.Focus(c.typed.id);
    }
    w.Key(c.typed.id, c.modifiers == Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return,
          c.modifiers);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w.Dialog().isVisible());
    const ControlId button = w.Row().defaultButton;
    EXPECT_TRUE(w.HasFocus(button != kNoId ? button : c.typed.id));
    EXPECT_EQ(w.Unlike(c.shown), "");
    if (c.typed.keys != nullptr) {
        EXPECT_EQ(w.Text(c.typed.id), c.typed.keys);
    }
    EXPECT_EQ(w.Knives(), knives);
}

INSTANTIATE_TEST_SUITE_P(, EnterInABox, ::testing::ValuesIn(kEnterCases),
                         [](const auto& info) { return std::string(info.param.name); });

class EachCalculatorWindow : public ::testing::TestWithParam<Window>, protected CapturedSeams {
protected:
    EachCalculatorWindow() : CapturedSeams(std::chrono::seconds(60)) {}
};

// After a success, Clear All shows the opening texts and an empty list, and Print stays enabled.
TEST_P(EachCalculatorWindow, ClearAllAfterASuccessKeepsPrint) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    w.MakePrintable();
    EXPECT_EQ(w.Unlike(w.Row().start), "");
    EXPECT_EQ(w.Knives(), KnifeRows{});
    EXPECT_TRUE(w.Enabled(w.PrintButton()));
}

INSTANTIATE_TEST_SUITE_P(, EachCalculatorWindow, ::testing::ValuesIn(Calculators()), kWindowName);

enum class Ending { Escape, CloseButton, CloseBox };

class ModalRun : public ::testing::TestWithParam<std::tuple<Window, Ending>>,
                 protected CapturedSeams {
protected:
    ModalRun() : CapturedSeams(std::chrono::seconds(60)) {}
};

// Run twice as the main window runs it: the main window is disabled meanwhile, each run starts
// from the opening texts, Enter in a box leaves it running, and each way of closing ends it.
TEST_P(ModalRun, DisablesTheMainWindowAndStartsFreshEachTime) {
    const auto [kind, ending] = GetParam();
    const WindowRow& row = RowOf(kind);
    CRollCalcDlg main;
    main.Create();
    CDialog::SetMainWindow(&main);
    for (int opening = 0; opening < 2; ++opening) {
        const std::unique_ptr<CDialog> dlg = row.open(nullptr);
        bool runningAfterEnter = false;
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), dlg.get());
            EXPECT_FALSE(main.isEnabled());
            for (const auto& [id, text] : row.start) {
                EXPECT_EQ(dlg->Item<CNumEdit>(id)->text().toStdString(), text);
            }
            QWidget* box = dlg->GetDlgItem(row.start.front().first);
            QTest::keyClicks(box, "42");
            QTest::keyClick(box, Qt::Key_Return);
            runningAfterEnter = QApplication::activeModalWidget() == dlg.get();
            if (ending == Ending::Escape) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (ending == Ending::CloseButton) {
                for (const auto& [id, name] : row.names) {
                    if (name == std::string("Close")) {
                        QTest::mouseClick(dlg->GetDlgItem(id), Qt::LeftButton);
                    }
                }
            } else {
                dlg->close(); // the title bar's close box
            }
        });
        EXPECT_EQ(dlg->DoModal(), DialogCommand::Cancel);
        EXPECT_TRUE(runningAfterEnter);
        EXPECT_TRUE(main.isEnabled());
    }
    CDialog::SetMainWindow(nullptr);
    // Enter pressed the default button, whose refusal each run heard.
    EXPECT_EQ(messages.size(), row.defaultButton != kNoId ? 2u : 0u);
}

std::string ModalRunName(const ::testing::TestParamInfo<std::tuple<Window, Ending>>& info) {
    const char* endings[] = {"Escape", "CloseButton", "CloseBox"};
    return std::string(NameOf(std::get<0>(info.param))) +
           endings[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(, ModalRun,
                         ::testing::Combine(::testing::ValuesIn(Calculators()),
                                            ::testing::Values(Ending::Escape, Ending::CloseButton,
                                                              Ending::CloseBox)),
                         ModalRunName);

// Exposes the system-command handler so that a command can be sent as the menu sends it.
class SysCommandProbe : public CRollLengthDlg {
public:
    using CRollLengthDlg::OnSysCommand;
};

TEST(RollLengthSystemMenu, AboutEntryOpensTheAboutBoxModally) {
    SysCommandProbe dlg;
    dlg.SetAboutAction([](QWidget* owner) {
        CAboutDlg about(owner);
        about.DoModal();
    });
    dlg.Create();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    const QList<QAction*> actions = dlg.SystemMenu()->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.back()->text(), "&About velmarch...");
    EXPECT_EQ(actions.back()->data().toUInt(), 0x0010u);

    int aboutsSeen = 0;
    auto closeAboutWhenOpen = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (qobject_cast<CAboutDlg*>(modal) != nullptr) {
                EXPECT_EQ(modal->windowTitle(), "About velmarch");
                EXPECT_FALSE(dlg.isEnabled());
                ++aboutsSeen;
            }
            if (modal != nullptr && modal != &dlg) {
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
    };
    // Alt+Space opens the system menu from a box; its mnemonic chooses About.
    closeAboutWhenOpen();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
    EXPECT_EQ(aboutsSeen, 1);
    EXPECT_EQ(dlg.Item<CNumEdit>(Id::LengthFeet)->text(), "0.000");
    closeAboutWhenOpen();
    dlg.OnSysCommand(IDM_ABOUTBOX);
    EXPECT_EQ(aboutsSeen, 2);
    EXPECT_TRUE(dlg.isEnabled());
    EXPECT_TRUE(dlg.isVisible());

    // Other Alt keys belong to the window too: they neither clear a box nor press a button.
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    auto* box = dlg.Item<CNumEdit>(Id::CoreInches);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, "3");
    QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(box->text(), "3");
    dlg.GetDlgItem(Id::ClearAll)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dlg.GetDlgItem(Id::ClearAll), Qt::Key_Space, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), dlg.SystemMenu());
    QTest::keyClick(dlg.SystemMenu(), Qt::Key_Escape);
    EXPECT_EQ(box->text(), "3");
    dlg.OnSysCommand(SC_CLOSE);
    EXPECT_FALSE(dlg.isVisible());
}

} // namespace
