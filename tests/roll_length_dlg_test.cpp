#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <iterator>
#include <map>
#include <memory>

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

// The eight boxes, in the order of their texts below.
const Id kBoxes[] = {Id::LengthFeet, Id::LengthMeters, Id::CoreInches,      Id::CoreMm,
                     Id::RollInches, Id::RollMm,       Id::ThicknessInches, Id::ThicknessMm};

class RollLengthWindow : public ::testing::Test, protected CapturedSeams {
protected:
    RollLengthWindow() : CapturedSeams(std::chrono::seconds(60)) {}
    void SetUp() override { ASSERT_TRUE(w.Ready()); }

    std::string Text(ControlId id) const { return w.Text(id); }
    // The eight texts, in the order of the boxes above.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (Id id : kBoxes) {
            texts.push_back(Text(id));
        }
        return texts;
    }

    CalculatorWindow w{Window::RollLength};
    CDialog* dlg = &w.Dialog();
};

// The notes and the links; the rest of how it opens is in its window row.
TEST_F(RollLengthWindow, OpensWithItsNotesAndLinks) {
    // Red bold notes; the instruction lines keep the label defaults.
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::RequiredNote)->Colour(), QColor(128, 0, 0));
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::CoreLabel)->TextAlignment(), Qt::AlignRight);
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::CoreLabel)->Weight(), QFont::Bold);
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::EnterStep)->Colour(), QColor(0, 0, 127));
    // Top to bottom: Visit, Sales, Customer Service, Engineering.
    const char* captions[] = {"Visit Velmarch Online", "Contact The Velmarch Sales Team",
                              "Contact The Velmarch Customer Service Team",
                              "Contact The Velmarch Engineering Team"};
    const Id links[] = {Id::WebLink, Id::SalesLink, Id::ServiceLink, Id::EngineeringLink};
    int y = -1;
    for (int i = 0; i < 4; ++i) {
        auto* link = dlg->Item<CLinkStatic>(links[i]);
        EXPECT_EQ(link->text(), captions[i]);
        EXPECT_LE(QFontMetrics(link->LinkFont()).height(), link->height()) << captions[i];
        EXPECT_GT(link->y(), y);
        y = link->y();
    }
}

TEST_F(RollLengthWindow, SolvesLengthAndPrintStaysEnabled) {
    w.Do({{Id::RollInches, "10"}, {Id::CoreInches, "3"}, {Id::ThicknessInches, "0.01"}});
    w.Click(Id::Calculate);
    // Tab lands in each partner; passing through it leaves the typed inch text alone.
    EXPECT_EQ(Texts(), std::vector<std::string>({"595.594", "181.537", "3", "76.2000", "10",
                                                 "254.0000", "0.01", "0.2540"}));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w.Enabled(Id::Print));
    EXPECT_TRUE(dlg->isVisible()); // Calculate never closes the window
    EXPECT_DOUBLE_EQ(w.Box(Id::LengthMeters)->GetValue(), 595.5936073208331 * 0.3048);

    w.Click(Id::ClearAll);
    EXPECT_EQ(w.Unlike(w.Row().start), "");
    EXPECT_TRUE(w.Enabled(Id::Print));
    w.Click(Id::Calculate);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(w.Enabled(Id::Print));

    // A thickness too thin to show leaves nothing behind its cleared box.
    w.Do({{Id::LengthFeet, "15000000"}, {Id::CoreInches, "3"}, {Id::RollInches, "10"}});
    w.Click(Id::Calculate);
    ASSERT_EQ(Text(Id::ThicknessInches), "0.0000");
    w.Click(Id::ClearAll);
    w.Do({{Id::LengthFeet, "1000"}, {Id::CoreInches, "3"}, {Id::RollInches, "10"}});
    w.Click(Id::Calculate);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Text(Id::ThicknessInches), "0.0060");
}

TEST_F(RollLengthWindow, EnterInAMetricBoxLeavesItThenCalculates) {
    w.Do({{Id::CoreInches, "3"}, {Id::RollInches, "10"}});
    w.Type(Id::ThicknessMm, "0.254");
    QTest::keyClick(w.Box(Id::ThicknessMm), Qt::Key_Return);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(Id::Calculate));
    EXPECT_EQ(Text(Id::ThicknessMm), "0.254");
    EXPECT_EQ(Text(Id::ThicknessInches), "0.0100");
    EXPECT_EQ(Text(Id::LengthFeet), "595.594");
    EXPECT_EQ(Text(Id::LengthMeters), "181.537");
}

TEST_F(RollLengthWindow, RefusalsChangeNoBox) {
    w.Click(Id::Calculate);
    w.Do({{Id::LengthFeet, "1000"},
          {Id::CoreInches, "3"},
          {Id::RollInches, "10"},
          {Id::ThicknessInches, "0.01"}});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(Id::Calculate));
    const std::vector<std::string> before = Texts();
    w.Click(Id::Calculate);
    EXPECT_EQ(Texts(), before);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Only one field can be zero!");
    EXPECT_EQ(messages[1].text, "One field must remain zero!");
    for (const MessageRecord& m : messages) {
        EXPECT_EQ(m.icon, MessageIcon::Stop);
        EXPECT_EQ(m.caption, "gui_tests");
    }
    EXPECT_FALSE(w.Enabled(Id::Print));
}

TEST_F(RollLengthWindow, TakesTwelveTypedCharacters) {
    w.Enter(Id::LengthFeet, "1234567890123456");
    EXPECT_EQ(Text(Id::LengthFeet), "123456789012");
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
    const WindowValues before =
        w.PressFromKeyboard(length ? ControlId(Id::Calculate) : ControlId(RollWeightId::Calculate));
    const std::string heard = Heard(&w.Dialog());
    ExpectWorkedTexts(
        example, [&](const std::string& box) { return w.Text(w.Column(box)); }, messages,
        w.Values() == before, &heard);
}

INSTANTIATE_TEST_SUITE_P(Worked, WorkedExampleInWindow, ::testing::ValuesIn(kWorkedExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollLengthWindow, LinksOpenTheMakersAddresses) {
    std::vector<std::pair<std::string, std::string>> opened;
    SetShellSink([&](const std::string& verb, const std::string& target) {
        opened.emplace_back(verb, target);
        return true;
    });
    for (Id id :
         {Id::WebLink, Id::SalesLink, Id::ServiceLink, Id::EngineeringLink, Id::EngineeringLink}) {
        QWidget* link = dlg->GetDlgItem(id);
        QTest::mouseClick(dlg->windowHandle(), Qt::LeftButton, {},
                          link->mapTo(dlg, link->rect().center()));
    }
    SetShellSink({});
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"open", "www.velmarch.example"},
        {"", "mailto:sales@velmarch.example"},
        {"", "mailto:service@velmarch.example"},
        {"", "mailto:engineering@velmarch.example"},
        {"", "mailto:engineering@velmarch.example"},
    };
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(dlg->Item<CLinkStatic>(Id::EngineeringLink)->LinkColor(), QColor(0, 0, 255));
    EXPECT_EQ(QApplication::focusWidget(), w.Box(Id::LengthFeet)); // a link never takes the focus
}

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

    CRollCalcDlg main;
    main.Create();
    for (QAction* action : main.SystemMenu()->actions()) {
        EXPECT_NE(action->data().toUInt(), 0x0010u);
    }
}

TEST(RollLengthModal, DisablesTheMainWindowAndStartsFreshEachTime) {
    CRollCalcDlg main;
    main.Create();
    CDialog::SetMainWindow(&main);
    for (int opening = 0; opening < 2; ++opening) {
        CRollLengthDlg dlg;
        bool checked = false;
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(QApplication::activeModalWidget(), &dlg);
            EXPECT_FALSE(main.isEnabled());
            for (const auto& [id, text] : RowOf(Window::RollLength).start) {
                EXPECT_EQ(dlg.Item<CNumEdit>(id)->text().toStdString(), text);
            }
            QTest::keyClicks(dlg.Item<CNumEdit>(Id::LengthFeet), "42");
            checked = true;
            QTest::keyClick(dlg.Item<CNumEdit>(Id::LengthFeet), Qt::Key_Escape);
        });
        EXPECT_EQ(dlg.DoModal(), DialogCommand::Cancel);
        EXPECT_TRUE(checked);
        EXPECT_TRUE(main.isEnabled());
    }
    CDialog::SetMainWindow(nullptr);
}

} // namespace
