#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "calculator_window.h"
#include "controls/link_static.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "platform/shell_open.h"
#include "roll_length/roll_length_dlg.h"
#include "worked_examples.h"

namespace {

using Id = RollLengthId;

class RollLengthWindow : public ::testing::Test, protected CapturedSeams {
protected:
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
        EXPECT_GT(link->y(), y);
        y = link->y();
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(dlg->windowHandle(), Qt::LeftButton, {},
                              link->mapTo(dlg, link->rect().center()));
        }
        EXPECT_EQ(opened, std::vector(2, l.opens)) << l.caption;
        opened.clear();
    }
    SetShellSink({});
    EXPECT_EQ(dlg->Item<CLinkStatic>(Id::EngineeringLink)->LinkColor(), QColor(0, 0, 255));
    EXPECT_TRUE(w.HasFocus(Id::LengthFeet)); // a link never takes the focus
}

// The worked examples of both roll calculators, typed box by box (each left by focusing the next)
// and then calculated from the keyboard.
class WorkedExampleInWindow : public ::testing::TestWithParam<WorkedExample>,
                              protected CapturedSeams {};

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

    // Alt+Space opens the system menu from a box; its mnemonic chooses About.
    bool aboutSeen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        aboutSeen = qobject_cast<CAboutDlg*>(modal) != nullptr && !dlg.isEnabled();
        EXPECT_EQ(modal->windowTitle(), "About velmarch");
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
    EXPECT_TRUE(aboutSeen);
    EXPECT_EQ(dlg.Item<CNumEdit>(Id::LengthFeet)->text(), "0.000");
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
