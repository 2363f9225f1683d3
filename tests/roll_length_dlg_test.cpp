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

    CNumEdit* Box(ControlId id) const { return dlg->Item<CNumEdit>(id); }
    QPushButton* Button(ControlId id) const { return dlg->Item<QPushButton>(id); }
    std::string Text(ControlId id) const { return Box(id)->text().toStdString(); }
    Texts8 Texts() const {
        Texts8 texts;
        for (Id id : kBoxes) {
            texts.push_back(Text(id));
        }
        return texts;
    }
    // Enters the box as Tab would (its text selected), types, and optionally tabs out.
    void Type(ControlId id, const QString& keys, bool tabOut = true) {
        Box(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(Box(id), keys);
        if (tabOut) {
            QTest::keyClick(Box(id), Qt::Key_Tab);
        }
    }
    void Click(ControlId id) { QTest::mouseClick(Button(id), Qt::LeftButton); }

    std::unique_ptr<CRollLengthDlg> dlg;
    std::vector<MessageRecord> messages;
};

TEST_F(RollLengthWindow, OpensFresh) {
    EXPECT_EQ(dlg->windowTitle(), "Velmarch Roll Diameter - Length Calculator");
    EXPECT_EQ(dlg->size(), dlg->MapDialogRect(0, 0, 350, 250).size());
    EXPECT_FALSE(dlg->windowIcon().isNull());
    EXPECT_EQ(Texts(), kStartTexts);
    EXPECT_EQ(QApplication::focusWidget(), Box(Id::LengthFeet));
    EXPECT_EQ(Box(Id::LengthFeet)->selectedText(), "0.000");
    EXPECT_FALSE(Button(Id::Print)->isEnabled());
    EXPECT_TRUE(Button(Id::Calculate)->isDefault());
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

TEST_F(RollLengthWindow, TabVisitsTheBoxesThenTheButtons) {
    const Id order[] = {Id::LengthMeters, Id::CoreInches,      Id::CoreMm,      Id::RollInches,
                        Id::RollMm,       Id::ThicknessInches, Id::ThicknessMm, Id::Calculate,
                        Id::ClearAll,     Id::Close,           Id::WebLink,     Id::SalesLink,
                        Id::ServiceLink,  Id::EngineeringLink, Id::LengthFeet};
    for (ControlId id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(id)) << id.value;
    }
}

TEST_F(RollLengthWindow, SolvesLengthAndPrintStaysEnabled) {
    Type(Id::RollInches, "10");
    Type(Id::CoreInches, "3");
    Type(Id::ThicknessInches, "0.01");
    Click(Id::Calculate);
    // Tab lands in each partner; passing through it leaves the typed inch text alone.
    EXPECT_EQ(Texts(),
              Texts8({"595.594", "181.537", "3", "76.2000", "10", "254.0000", "0.01", "0.2540"}));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Button(Id::Print)->isEnabled());
    EXPECT_TRUE(dlg->isVisible()); // Calculate never closes the window
    EXPECT_DOUBLE_EQ(Box(Id::LengthMeters)->GetValue(), 595.5936073208331 * 0.3048);

    Click(Id::ClearAll);
    EXPECT_EQ(Texts(), kStartTexts);
    EXPECT_TRUE(Button(Id::Print)->isEnabled());
    Click(Id::Calculate);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Button(Id::Print)->isEnabled());

    // A thickness too thin to show leaves nothing behind its cleared box.
    Type(Id::LengthFeet, "15000000");
    Type(Id::CoreInches, "3");
    Type(Id::RollInches, "10");
    Click(Id::Calculate);
    ASSERT_EQ(Text(Id::ThicknessInches), "0.0000");
    Click(Id::ClearAll);
    Type(Id::LengthFeet, "1000");
    Type(Id::CoreInches, "3");
    Type(Id::RollInches, "10");
    Click(Id::Calculate);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Text(Id::ThicknessInches), "0.0060");
}

TEST_F(RollLengthWindow, EnterInAMetricBoxLeavesItThenCalculates) {
    Type(Id::CoreInches, "3");
    Type(Id::RollInches, "10");
    Type(Id::ThicknessMm, "0.254", false);
    QTest::keyClick(Box(Id::ThicknessMm), Qt::Key_Return);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QApplication::focusWidget(), Button(Id::Calculate));
    EXPECT_EQ(Text(Id::ThicknessMm), "0.254");
    EXPECT_EQ(Text(Id::ThicknessInches), "0.0100");
    EXPECT_EQ(Text(Id::LengthFeet), "595.594");
    EXPECT_EQ(Text(Id::LengthMeters), "181.537");
}

TEST_F(RollLengthWindow, RefusalsChangeNoBox) {
    Click(Id::Calculate);
    Type(Id::LengthFeet, "1000");
    Type(Id::CoreInches, "3");
    Type(Id::RollInches, "10");
    Type(Id::ThicknessInches, "0.01");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Button(Id::Calculate));
    const Texts8 before = Texts();
    Click(Id::Calculate);
    EXPECT_EQ(Texts(), before);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Only one field can be zero!");
    EXPECT_EQ(messages[1].text, "One field must remain zero!");
    for (const MessageRecord& m : messages) {
        EXPECT_EQ(m.icon, MessageIcon::Stop);
        EXPECT_EQ(m.caption, "gui_tests");
    }
    EXPECT_FALSE(Button(Id::Print)->isEnabled());
}

TEST_F(RollLengthWindow, TakesTwelveTypedCharacters) {
    Type(Id::LengthFeet, "1234567890123456");
    EXPECT_EQ(Text(Id::LengthFeet), "123456789012");
}

// The worked examples, typed box by box (each left by focusing the next) and then calculated.
class RollLengthExample : public RollLengthWindow,
                          public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(RollLengthExample, ShowsTheWorkedTexts) {
    const std::map<std::string, Id> boxes = {
        {"length_ft", Id::LengthFeet},         {"length_m", Id::LengthMeters},
        {"core_in", Id::CoreInches},           {"core_mm", Id::CoreMm},
        {"diameter_in", Id::RollInches},       {"diameter_mm", Id::RollMm},
        {"thickness_in", Id::ThicknessInches}, {"thickness_mm", Id::ThicknessMm}};
    const WorkedExample& example = GetParam();
    for (const BoxText& typed : example.typed) {
        Type(boxes.at(typed.box), QString::fromUtf8(typed.text), false);
    }
    Button(Id::Calculate)->setFocus(Qt::TabFocusReason); // leaves the last box
    const Texts8 before = Texts();
    Click(Id::Calculate);
    const std::string heard = Heard(dlg.get());
    ExpectWorkedTexts(
        example, [&](const std::string& box) { return Text(boxes.at(box)); }, messages,
        Texts() == before, &heard);
}

INSTANTIATE_TEST_SUITE_P(Worked, RollLengthExample, ::testing::ValuesIn(WorkedExamplesOf("length")),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollLengthWindow, LeavingABoxBringsItsPartnerIntoStep) {
    Type(Id::CoreMm, "2");
    EXPECT_EQ(Text(Id::CoreInches), "0.0787");
    EXPECT_EQ(Text(Id::CoreMm), "2");
    Type(Id::CoreInches, "0");
    EXPECT_EQ(Text(Id::CoreMm), "0.0000");
    Type(Id::LengthMeters, "100");
    EXPECT_EQ(Text(Id::LengthFeet), "328.084");
    Type(Id::LengthFeet, "-5");
    EXPECT_EQ(Text(Id::LengthMeters), "-1.524");
    Type(Id::LengthFeet, "0");
    EXPECT_EQ(Text(Id::LengthMeters), "0.000");
}

TEST_F(RollLengthWindow, ControlsHaveTheirAccessibleNames) {
    const char* names[] = {"Roll Length, feet",          "Roll Length, meters",
                           "Core Diameter, inches",      "Core Diameter, mm",
                           "Roll Diameter, inches",      "Roll Diameter, mm",
                           "Material Thickness, inches", "Material Thickness, mm"};
    auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
        EXPECT_EQ(name(Box(kBoxes[i])), names[i]);
    }
    EXPECT_EQ(name(Button(Id::Calculate)), "Calculate");
    EXPECT_EQ(name(Button(Id::ClearAll)), "Clear All");
    EXPECT_EQ(name(Button(Id::Close)), "Close");
    EXPECT_EQ(name(dlg->GetDlgItem(Id::WebLink)), "Visit Velmarch Online");
}

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
    EXPECT_EQ(dlg->Item<CLinkStatic>(Id::EngineeringLink)->LinkColor(), QColor(0, 0, 255));
    EXPECT_EQ(QApplication::focusWidget(), Box(Id::LengthFeet)); // a link never takes the focus
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
            for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
                EXPECT_EQ(dlg.Item<CNumEdit>(kBoxes[i])->text().toStdString(), kStartTexts[i]);
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
