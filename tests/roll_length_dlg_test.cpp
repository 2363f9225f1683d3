#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include <gtest/gtest.h>

#include "app/about_dlg.h"
#include "app/roll_calc_dlg.h"
#include "controls/link_static.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "platform/message_box.h"
#include "platform/shell_open.h"
#include "roll_length/roll_length_dlg.h"

namespace {

using Texts8 = std::vector<std::string>;
const Texts8 kStartTexts = {"0.000",  "0.000",  "0.0000", "0.0000",
                            "0.0000", "0.0000", "0.0000", "0.0000"};

class RollLengthWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r); });
        dlg = std::make_unique<CRollLengthDlg>();
        dlg->Create();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    void TearDown() override { SetMessageSink({}); }

    CNumEdit* Box(int id) const { return dlg->Item<CNumEdit>(id); }
    QPushButton* Button(int id) const { return dlg->Item<QPushButton>(id); }
    std::string Text(int id) const { return Box(id)->text().toStdString(); }
    Texts8 Texts() const {
        Texts8 texts;
        for (int id = 1001; id <= 1008; ++id) {
            texts.push_back(Text(id));
        }
        return texts;
    }
    // Enters the box as Tab would (its text selected), types, and optionally tabs out.
    void Type(int id, const QString& keys, bool tabOut = true) {
        Box(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(Box(id), keys);
        if (tabOut) {
            QTest::keyClick(Box(id), Qt::Key_Tab);
        }
    }
    void Click(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }

    std::unique_ptr<CRollLengthDlg> dlg;
    std::vector<MessageRecord> messages;
};

TEST_F(RollLengthWindow, OpensFresh) {
    EXPECT_EQ(dlg->windowTitle(), "Velmarch Roll Diameter - Length Calculator");
    EXPECT_EQ(dlg->size(), dlg->MapDialogRect(0, 0, 350, 250).size());
    EXPECT_FALSE(dlg->windowIcon().isNull());
    EXPECT_EQ(Texts(), kStartTexts);
    EXPECT_EQ(QApplication::focusWidget(), Box(1001));
    EXPECT_EQ(Box(1001)->selectedText(), "0.000");
    EXPECT_FALSE(Button(1000)->isEnabled());
    EXPECT_TRUE(Button(1)->isDefault());
    // Red bold notes; the instruction lines keep the label defaults.
    EXPECT_EQ(dlg->Item<CStyledStatic>(1009)->Colour(), QColor(128, 0, 0));
    EXPECT_EQ(dlg->Item<CStyledStatic>(1010)->TextAlignment(), Qt::AlignRight);
    EXPECT_EQ(dlg->Item<CStyledStatic>(1010)->Weight(), QFont::Bold);
    EXPECT_EQ(dlg->Item<CStyledStatic>(1054)->Colour(), QColor(0, 0, 127));
    // Top to bottom: Visit, Sales, Customer Service, Engineering.
    const char* captions[] = {"Visit Velmarch Online", "Contact The Velmarch Sales Team",
                              "Contact The Velmarch Customer Service Team",
                              "Contact The Velmarch Engineering Team"};
    int y = -1;
    for (int i = 0; i < 4; ++i) {
        auto* link = dlg->Item<CLinkStatic>(1011 + (i == 2 ? 3 : i == 3 ? 2 : i));
        EXPECT_EQ(link->text(), captions[i]);
        EXPECT_LE(QFontMetrics(link->LinkFont()).height(), link->height()) << captions[i];
        EXPECT_GT(link->y(), y);
        y = link->y();
    }
}

TEST_F(RollLengthWindow, TabVisitsTheBoxesThenTheButtons) {
    QList<int> order = {1002, 1003, 1004, 1005, 1006, 1007, 1008, 1, 1052, 2, 1001};
    for (int id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(id)) << id;
    }
}

TEST_F(RollLengthWindow, SolvesLengthAndPrintStaysEnabled) {
    Type(1005, "10");
    Type(1003, "3");
    Type(1007, "0.01");
    Click(1);
    // Tab lands in each partner; passing through it leaves the typed inch text alone.
    EXPECT_EQ(Texts(),
              Texts8({"595.594", "181.537", "3", "76.2000", "10", "254.0000", "0.01", "0.2540"}));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Button(1000)->isEnabled());
    EXPECT_TRUE(dlg->isVisible()); // Calculate never closes the window
    EXPECT_DOUBLE_EQ(Box(1002)->GetValue(), 595.5936073208331 * 0.3048);

    Click(1052);
    EXPECT_EQ(Texts(), kStartTexts);
    EXPECT_TRUE(Button(1000)->isEnabled());
    Click(1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Button(1000)->isEnabled());
}

TEST_F(RollLengthWindow, ClickTakesTheFocusFirstEnterDoesNot) {
    Type(1003, "3");
    Type(1007, "0.01");
    Type(1006, "254", false);
    QTest::keyClick(Box(1006), Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Only one field can be zero!");
    EXPECT_EQ(Text(1005), "0.0000");
    Click(1);
    EXPECT_EQ(Text(1005), "10.0000");
    EXPECT_EQ(Text(1001), "595.594");
    EXPECT_EQ(Text(1002), "181.537");
}

TEST_F(RollLengthWindow, ValuesBehindRoundedTextsStayExact) {
    Type(1001, "1000");
    Type(1003, "3");
    Type(1005, "10");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Text(1007), "0.0060");
    EXPECT_EQ(Text(1008), "0.1513"); // from 0.0059559..., not from the shown 0.0060
    Type(1005, "0");
    Type(1007, "0.01");
    Click(1);
    EXPECT_EQ(Text(1005), "12.7196");
    EXPECT_EQ(Text(1006), "323.0784");

    // A 12 micron film entered in millimetres: its inch box shows 0.0005, and the length comes
    // from the exact conversion behind it.
    Click(1052);
    Type(1004, "76.2");
    Type(1006, "254");
    Type(1008, "0.012");
    Click(1);
    EXPECT_EQ(Text(1007), "0.0005");
    EXPECT_EQ(Text(1002), "3842.532");
}

TEST_F(RollLengthWindow, NegativeResultsAreShown) {
    Type(1003, "3");
    Type(1005, "2");
    Type(1007, "0.01");
    Click(1);
    EXPECT_EQ(Text(1001), "-32.725");
    EXPECT_EQ(Text(1002), "-9.975");
    Type(1001, "1000");
    Type(1003, "10");
    Type(1005, "3");
    Type(1007, "0");
    Click(1);
    EXPECT_EQ(Text(1007), "-0.0060");
    EXPECT_EQ(Text(1008), "0.0000"); // a thickness that is not positive clears its mm
}

TEST_F(RollLengthWindow, RefusalsChangeNoBox) {
    Click(1);
    Type(1001, "1000");
    Type(1003, "3");
    Type(1005, "10");
    Type(1007, "0.01");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Button(1));
    const Texts8 before = Texts();
    Click(1);
    EXPECT_EQ(Texts(), before);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Only one field can be zero!");
    EXPECT_EQ(messages[1].text, "One field must remain zero!");
    for (const MessageRecord& m : messages) {
        EXPECT_EQ(m.icon, MessageIcon::Stop);
        EXPECT_EQ(m.caption, "gui_tests");
    }
    EXPECT_FALSE(Button(1000)->isEnabled());
}

TEST_F(RollLengthWindow, TwelveTypedCharactersButLongResultsWhole) {
    Type(1001, "1234567890123456");
    EXPECT_EQ(Text(1001), "123456789012");
    Type(1001, "0");
    Type(1003, "3");
    Type(1005, "10");
    Type(1007, "1e-10", false); // its mm partner shows 0.0000, so it must not be left via Tab
    Click(1);
    EXPECT_EQ(Text(1001), "59559360732.083");
    EXPECT_EQ(Text(1002), "18153693151.139");
}

TEST_F(RollLengthWindow, LeavingABoxBringsItsPartnerIntoStep) {
    Type(1004, "2");
    EXPECT_EQ(Text(1003), "0.0787");
    EXPECT_EQ(Text(1004), "2");
    Type(1003, "0");
    EXPECT_EQ(Text(1004), "0.0000");
    Type(1002, "100");
    EXPECT_EQ(Text(1001), "328.084");
    Type(1001, "-5");
    EXPECT_EQ(Text(1002), "-1.524");
    Type(1001, "0");
    EXPECT_EQ(Text(1002), "0.000");
}

TEST_F(RollLengthWindow, ControlsHaveTheirAccessibleNames) {
    const char* names[] = {"Roll Length, feet",          "Roll Length, meters",
                           "Core Diameter, inches",      "Core Diameter, mm",
                           "Roll Diameter, inches",      "Roll Diameter, mm",
                           "Material Thickness, inches", "Material Thickness, mm"};
    auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    for (int id = 1001; id <= 1008; ++id) {
        EXPECT_EQ(name(Box(id)), names[id - 1001]);
    }
    EXPECT_EQ(name(Button(1)), "Calculate");
    EXPECT_EQ(name(Button(1052)), "Clear All");
    EXPECT_EQ(name(Button(2)), "Close");
    EXPECT_EQ(name(dlg->GetDlgItem(1011)), "Visit Velmarch Online");
}

TEST_F(RollLengthWindow, LinksOpenTheMakersAddresses) {
    std::vector<std::pair<std::string, std::string>> opened;
    SetShellSink([&](const std::string& verb, const std::string& target) {
        opened.emplace_back(verb, target);
        return true;
    });
    for (int id : {1011, 1012, 1014, 1013, 1013}) {
        QWidget* link = dlg->GetDlgItem(id);
        QTest::mouseClick(dlg->windowHandle(), Qt::LeftButton, {},
                          link->mapTo(dlg.get(), link->rect().center()));
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
    EXPECT_EQ(dlg->Item<CLinkStatic>(1013)->LinkColor(), QColor(0, 0, 255));
    EXPECT_EQ(QApplication::focusWidget(), Box(1001)); // a link never takes the focus
}

// Exposes the system-command handler so that a command with low bits set can be sent.
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
    EXPECT_EQ(dlg.Item<CNumEdit>(1001)->text(), "0.000");
    closeAboutWhenOpen();
    dlg.OnSysCommand(0x0013);
    EXPECT_EQ(aboutsSeen, 2);
    EXPECT_TRUE(dlg.isEnabled());
    EXPECT_TRUE(dlg.isVisible());

    // Other Alt keys belong to the window too: they neither clear a box nor press a button.
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    auto* box = dlg.Item<CNumEdit>(1003);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, "3");
    QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(box->text(), "3");
    dlg.GetDlgItem(1052)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dlg.GetDlgItem(1052), Qt::Key_Space, Qt::AltModifier);
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
            for (int id = 1001; id <= 1008; ++id) {
                EXPECT_EQ(dlg.Item<CNumEdit>(id)->text().toStdString(), kStartTexts[id - 1001]);
            }
            QTest::keyClicks(dlg.Item<CNumEdit>(1001), "42");
            checked = true;
            QTest::keyClick(dlg.Item<CNumEdit>(1001), Qt::Key_Escape);
        });
        EXPECT_EQ(dlg.DoModal(), DialogCommand::Cancel);
        EXPECT_TRUE(checked);
        EXPECT_TRUE(main.isEnabled());
    }
    CDialog::SetMainWindow(nullptr);
}

} // namespace
