#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "platform/message_box.h"
#include "roll_weight/roll_weight_dlg.h"
#include "worked_examples.h"

namespace {

using Id = RollWeightId;

const Id kBoxIds[] = {Id::RollInches,      Id::RollMm,
                      Id::CoreInches,      Id::CoreMm,
                      Id::WebInches,       Id::WebMm,
                      Id::Pounds,          Id::Kilograms,
                      Id::SpecificGravity, Id::SpecificGravityCopy,
                      Id::LbsPerCubicFoot, Id::KgPerCubicMeter,
                      Id::LbsPerCubicInch, Id::GPerCubicCm};

class RollWeightWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r); });
        dlg = std::make_unique<CRollWeightDlg>();
        dlg->Create();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    void TearDown() override { SetMessageSink({}); }

    CNumEdit* Box(ControlId id) const { return dlg->Item<CNumEdit>(id); }
    std::string Text(ControlId id) const { return Box(id)->text().toStdString(); }
    QPushButton* Button(ControlId id) const { return dlg->Item<QPushButton>(id); }

    // Clicks into the box, selects its text and types over it; the box keeps the focus. (A click
    // selects everything only when it brings the focus, so the selection is made with the keys.)
    void Type(ControlId id, const QString& keys) {
        QTest::mouseClick(Box(id), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), Box(id));
        QTest::keyClick(Box(id), Qt::Key_Home);
        QTest::keyClick(Box(id), Qt::Key_End, Qt::ShiftModifier);
        if (keys.isEmpty()) {
            QTest::keyClick(Box(id), Qt::Key_Backspace);
        } else {
            QTest::keyClicks(Box(id), keys);
        }
    }

    // Types and tabs away, so the box's pair runs.
    void Enter(ControlId id, const QString& keys) {
        Type(id, keys);
        QTest::keyClick(Box(id), Qt::Key_Tab);
    }

    void ClickCalculate() { QTest::mouseClick(Button(Id::Calculate), Qt::LeftButton); }

    // Moves the focus to Calculate first (so no pair runs during the press) and presses it with
    // the space bar: what the boxes hold just before is exactly what the refusal must leave.
    std::vector<std::string> CalculateFromKeyboard() {
        Button(Id::Calculate)->setFocus(Qt::TabFocusReason);
        const std::vector<std::string> before = Texts();
        QTest::keyClick(Button(Id::Calculate), Qt::Key_Space);
        return before;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (Id id : kBoxIds) {
            texts.push_back(Text(id));
        }
        return texts;
    }

    void ExpectPlaceholders() const {
        for (ControlId id : {Id::RollInches, Id::RollMm, Id::CoreInches, Id::CoreMm, Id::WebInches,
                             Id::WebMm, Id::SpecificGravity, Id::SpecificGravityCopy}) {
            EXPECT_EQ(Text(id), "0.000") << id.value;
        }
        for (ControlId id : {Id::Pounds, Id::Kilograms}) {
            EXPECT_EQ(Text(id), "0.00") << id.value;
        }
        for (ControlId id :
             {Id::LbsPerCubicFoot, Id::KgPerCubicMeter, Id::LbsPerCubicInch, Id::GPerCubicCm}) {
            EXPECT_EQ(Text(id), "0.0000") << id.value;
        }
    }

    void ExpectDensityFamilyOfTheWorkedExample() const {
        EXPECT_EQ(Text(Id::LbsPerCubicInch), "0.0332");
        EXPECT_EQ(Text(Id::LbsPerCubicFoot), "57.3696");
        EXPECT_EQ(Text(Id::KgPerCubicMeter), "918.9726");
        EXPECT_EQ(Text(Id::GPerCubicCm), "0.9190");
    }

    std::unique_ptr<CRollWeightDlg> dlg;
    std::vector<MessageRecord> messages;
};

TEST_F(RollWeightWindow, OpensEmptyWithPrintDisabledAndFocusOnRollDiameter) {
    EXPECT_EQ(dlg->windowTitle(), "Velmarch Roll Weight Calculator");
    EXPECT_FALSE(dlg->windowIcon().isNull());
    ExpectPlaceholders();
    EXPECT_FALSE(Button(Id::Print)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Box(Id::RollInches));
    EXPECT_EQ(Button(Id::Calculate)->text(), "&Calculate");
    EXPECT_TRUE(Button(Id::Calculate)->isDefault());
    EXPECT_EQ(Button(Id::Print)->text(), "&Print");
    EXPECT_EQ(Button(Id::ClearAll)->text(), "Clear &All");
    EXPECT_EQ(Button(Id::Close)->text(), "C&lose");
    EXPECT_EQ(dlg->size(), dlg->MapDialogRect(0, 0, 350, 250).size());
}

TEST_F(RollWeightWindow, RedNotesAreSemiBoldAndTheDensityNoteIsLeftAligned) {
    auto* core = dlg->Item<CStyledStatic>(Id::CoreLabel);
    auto* required = dlg->Item<CStyledStatic>(Id::RequiredNote);
    EXPECT_EQ(core->text(), "* - Core Diameter:");
    EXPECT_EQ(required->text(), "* - Required Fields");
    for (CStyledStatic* label : {core, required}) {
        EXPECT_EQ(label->Colour(), QColor(128, 0, 0));
        EXPECT_EQ(label->Weight(), QFont::DemiBold);
        EXPECT_FALSE(label->Underline());
    }
    EXPECT_EQ(core->TextAlignment(), Qt::AlignRight);
    EXPECT_EQ(required->TextAlignment(), Qt::AlignLeft);
    for (ControlId id : {Id::EnterStep, Id::PrintStep, Id::DensityNote}) {
        auto* label = dlg->Item<CStyledStatic>(id);
        EXPECT_EQ(label->Colour(), QColor(0, 0, 127)) << id.value;
        EXPECT_EQ(label->TextAlignment(), Qt::AlignLeft) << id.value;
        EXPECT_EQ(label->Weight(), QFont::Normal) << id.value;
    }
    EXPECT_EQ(dlg->Item<CStyledStatic>(Id::DensityNote)->text(),
              "Only one 'Basic Weight Value' is required to calculate the remaining values.  ");
}

TEST_F(RollWeightWindow, TabVisitsTheBoxesThenTheButtons) {
    // Print is still disabled, so Tab passes over it.
    const Id order[] = {Id::RollMm,          Id::CoreInches,      Id::CoreMm,
                        Id::WebInches,       Id::WebMm,           Id::Pounds,
                        Id::Kilograms,       Id::SpecificGravity, Id::SpecificGravityCopy,
                        Id::LbsPerCubicFoot, Id::KgPerCubicMeter, Id::LbsPerCubicInch,
                        Id::GPerCubicCm,     Id::Calculate,       Id::ClearAll,
                        Id::Close,           Id::RollInches};
    for (ControlId id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(id)) << id.value;
    }
}

TEST_F(RollWeightWindow, BoxesAndButtonsHaveAccessibleNames) {
    const std::pair<ControlId, const char*> names[] = {
        {Id::RollInches, "Roll Diameter, inches"},
        {Id::RollMm, "Roll Diameter, mm"},
        {Id::CoreInches, "Core Diameter, inches"},
        {Id::CoreMm, "Core Diameter, mm"},
        {Id::WebInches, "Web Width, inches"},
        {Id::WebMm, "Web Width, mm"},
        {Id::Pounds, "Roll Weight, pounds"},
        {Id::Kilograms, "Roll Weight, kg"},
        {Id::SpecificGravity, "Specific Gravity"},
        {Id::SpecificGravityCopy, "Specific Gravity, second box"},
        {Id::LbsPerCubicFoot, "Lbs / Cubic Foot"},
        {Id::KgPerCubicMeter, "kg / Cubic Meter"},
        {Id::LbsPerCubicInch, "Lbs / Cubic Inch"},
        {Id::GPerCubicCm, "g / Cubic cm"},
        {Id::Calculate, "Calculate"},
        {Id::Print, "Print"},
        {Id::ClearAll, "Clear All"},
        {Id::Close, "Close"},
    };
    for (const auto& [id, name] : names) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dlg->GetDlgItem(id));
        ASSERT_NE(a, nullptr) << id.value;
        EXPECT_EQ(a->text(QAccessible::Name), name) << id.value;
    }
}

TEST_F(RollWeightWindow, InchAndMillimetreRowsFollowEachOther) {
    Enter(Id::RollInches, "2");
    EXPECT_EQ(Text(Id::RollMm), "50.800");
    EXPECT_EQ(Text(Id::RollInches), "2");
    Enter(Id::RollMm, "20");
    EXPECT_EQ(Text(Id::RollInches), "0.787");
    EXPECT_EQ(Text(Id::RollMm), "20");
    // Leaving a box empty clears its partner.
    Enter(Id::RollMm, "");
    EXPECT_EQ(Text(Id::RollInches), "0.000");

    Enter(Id::CoreInches, "3");
    EXPECT_EQ(Text(Id::CoreMm), "76.200");
    Enter(Id::WebMm, "1524");
    EXPECT_EQ(Text(Id::WebInches), "60.000");
    Enter(Id::WebInches, "-5");
    EXPECT_EQ(Text(Id::WebMm), "0.000");
}

TEST_F(RollWeightWindow, PoundsAndKilogramsDriftAsTheyAlwaysHave) {
    Enter(Id::Pounds, "1000");
    EXPECT_EQ(Text(Id::Kilograms), "453.60");
    // Through the kilogram box without editing it: nothing changes.
    QTest::mouseClick(Box(Id::Kilograms), Qt::LeftButton);
    QTest::keyClick(Box(Id::Kilograms), Qt::Key_Tab);
    EXPECT_EQ(Text(Id::Pounds), "1000");
    // Edited, it converts back with its own factor, and the pounds drift.
    Enter(Id::Kilograms, "453.6");
    EXPECT_EQ(Text(Id::Pounds), "1000.01");
    Enter(Id::Pounds, "");
    EXPECT_EQ(Text(Id::Kilograms), "0.00");
}

TEST_F(RollWeightWindow, DensityBoxesConvertOnlyWithinTheirPairs) {
    Enter(Id::SpecificGravity, "0.92");
    EXPECT_EQ(Text(Id::SpecificGravity), "0.92");
    EXPECT_EQ(Text(Id::SpecificGravityCopy), "0.9200");
    EXPECT_EQ(Text(Id::LbsPerCubicFoot), "0.0000");
    EXPECT_EQ(Text(Id::LbsPerCubicInch), "0.0000");
    EXPECT_DOUBLE_EQ(Box(Id::SpecificGravityCopy)->GetValue(), 0.92);
    Enter(Id::SpecificGravityCopy, "1.5");
    EXPECT_EQ(Text(Id::SpecificGravity), "1.5000");

    Enter(Id::LbsPerCubicFoot, "57.3696");
    EXPECT_EQ(Text(Id::KgPerCubicMeter), "918.9726");
    Enter(Id::KgPerCubicMeter, "1000");
    EXPECT_EQ(Text(Id::LbsPerCubicFoot), "62.4280");
    Enter(Id::LbsPerCubicInch, "0.0361");
    EXPECT_EQ(Text(Id::GPerCubicCm), "0.9992");
    // Grams per cubic centimetre are not the specific gravity's 0.0361 per unit.
    Enter(Id::GPerCubicCm, "2");
    EXPECT_EQ(Text(Id::LbsPerCubicInch), "0.0723");
    EXPECT_EQ(Text(Id::SpecificGravity), "1.5000");
}

TEST_F(RollWeightWindow, CalculatesTheWeightFromInchEntries) {
    Enter(Id::RollInches, "40");
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Type(Id::SpecificGravity, "0.92");
    ClickCalculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Text(Id::Pounds), "2487.88");
    EXPECT_EQ(Text(Id::Kilograms), "1128.50");
    ExpectDensityFamilyOfTheWorkedExample();
    EXPECT_EQ(Text(Id::SpecificGravity), "0.92");
    EXPECT_EQ(Text(Id::SpecificGravityCopy), "0.9200");
    // Tabbing on through the millimetre box left the typed inches alone.
    EXPECT_EQ(Text(Id::RollInches), "40");
    EXPECT_EQ(Text(Id::RollMm), "1016.000");
    EXPECT_TRUE(Button(Id::Print)->isEnabled());

    // The kilograms follow the shown pounds when the box is passed through.
    Enter(Id::Pounds, "2487.88");
    EXPECT_EQ(Text(Id::Kilograms), "1128.50");
}

TEST_F(RollWeightWindow, EnterInAMetricBoxLeavesItThenCalculates) {
    Enter(Id::RollInches, "40");
    Enter(Id::CoreInches, "3");
    Enter(Id::SpecificGravity, "0.92");
    Type(Id::WebMm, "1524");
    QTest::keyClick(Box(Id::WebMm), Qt::Key_Return);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Button(Id::Calculate));
    EXPECT_EQ(Text(Id::WebMm), "1524");
    EXPECT_EQ(Text(Id::WebInches), "60.000");
    EXPECT_EQ(Text(Id::Pounds), "2487.88");
    // Over an earlier value in the inch box, the millimetres typed are what counts.
    Enter(Id::Pounds, "");
    Type(Id::RollMm, "2032");
    QTest::keyClick(Box(Id::RollMm), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Text(Id::RollInches), "80.000");
    EXPECT_EQ(Text(Id::Pounds), "9993.74");
}

// The worked examples, typed box by box (each left by clicking the next) and then calculated.
class RollWeightExample : public RollWeightWindow,
                          public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(RollWeightExample, ShowsTheWorkedTexts) {
    const std::map<std::string, Id> boxes = {{"diameter_in", Id::RollInches},
                                             {"diameter_mm", Id::RollMm},
                                             {"core_in", Id::CoreInches},
                                             {"core_mm", Id::CoreMm},
                                             {"width_in", Id::WebInches},
                                             {"width_mm", Id::WebMm},
                                             {"weight_lb", Id::Pounds},
                                             {"weight_kg", Id::Kilograms},
                                             {"sg", Id::SpecificGravity},
                                             {"density_lb_ft3", Id::LbsPerCubicFoot},
                                             {"density_kg_m3", Id::KgPerCubicMeter},
                                             {"density_lb_in3", Id::LbsPerCubicInch},
                                             {"density_g_cm3", Id::GPerCubicCm}};
    const WorkedExample& example = GetParam();
    for (const BoxText& typed : example.typed) {
        Type(boxes.at(typed.box), QString::fromUtf8(typed.text));
    }
    const std::vector<std::string> before = CalculateFromKeyboard();
    const std::string heard = Heard(dlg.get());
    ExpectWorkedTexts(
        example, [&](const std::string& box) { return Text(boxes.at(box)); }, messages,
        Texts() == before, &heard);
}

INSTANTIATE_TEST_SUITE_P(Worked, RollWeightExample, ::testing::ValuesIn(WorkedExamplesOf("weight")),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollWeightWindow, AMissingCoreDiameterIsReportedWhateverElseIsFilled) {
    Enter(Id::RollInches, "40");
    Enter(Id::WebInches, "60");
    Enter(Id::Pounds, "2487.879");
    Enter(Id::SpecificGravity, "0.92");
    Enter(Id::LbsPerCubicFoot, "57");
    Enter(Id::LbsPerCubicInch, "0.0332");
    // The placeholder reads as 0.
    std::vector<std::string> before = CalculateFromKeyboard();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Core Diameter is a required field");
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages[0].caption, ApplicationTitle());
    EXPECT_EQ(Texts(), before);
    EXPECT_FALSE(Button(Id::Print)->isEnabled());

    // An emptied box is missing too.
    Type(Id::CoreInches, "");
    before = CalculateFromKeyboard();
    EXPECT_EQ(Text(Id::CoreInches), "");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(Texts(), before);
}

TEST_F(RollWeightWindow, TooFewFieldsAreRefusedAndNothingChanges) {
    Enter(Id::CoreInches, "3");
    Enter(Id::RollInches, "40");
    Enter(Id::SpecificGravity, "0.92");
    const std::vector<std::string> before = CalculateFromKeyboard();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "All required fields are not entered!");
    EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Texts(), before);
    EXPECT_FALSE(Button(Id::Print)->isEnabled());
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(RollWeightWindow, ARefusalAfterASolveLeavesPrintEnabled) {
    Enter(Id::RollInches, "40");
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Type(Id::SpecificGravity, "0.92");
    ClickCalculate();
    ASSERT_TRUE(Button(Id::Print)->isEnabled());

    Enter(Id::WebInches, "");
    Enter(Id::Pounds, "");
    std::vector<std::string> before = CalculateFromKeyboard();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Texts(), before);
    EXPECT_TRUE(Button(Id::Print)->isEnabled());

    Enter(Id::CoreInches, "");
    before = CalculateFromKeyboard();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(Texts(), before);
    EXPECT_TRUE(Button(Id::Print)->isEnabled());
}

TEST_F(RollWeightWindow, ClearAllRestoresPlaceholdersAndKeepsPrintAndFocus) {
    Enter(Id::RollInches, "40");
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Type(Id::SpecificGravity, "0.92");
    ClickCalculate();
    ASSERT_TRUE(Button(Id::Print)->isEnabled());
    QTest::mouseClick(Button(Id::ClearAll), Qt::LeftButton);
    ExpectPlaceholders();
    EXPECT_TRUE(Button(Id::Print)->isEnabled());

    // A density too small to show (1.3e-05 lb/in³ behind 0.0000) is gone with the cleared box.
    Enter(Id::RollInches, "40");
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Type(Id::Pounds, "1");
    ClickCalculate();
    ASSERT_EQ(Text(Id::LbsPerCubicInch), "0.0000");
    QTest::mouseClick(Button(Id::ClearAll), Qt::LeftButton);
    Enter(Id::RollInches, "40");
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Type(Id::SpecificGravity, "0.92");
    ClickCalculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Text(Id::Pounds), "2487.88");
    QTest::mouseClick(Button(Id::ClearAll), Qt::LeftButton);

    // Through its mnemonic the button takes the focus and is pressed, as a click would.
    Type(Id::RollInches, "12");
    QTest::keyClick(Box(Id::RollInches), Qt::Key_A, Qt::AltModifier);
    ExpectPlaceholders();
    EXPECT_EQ(QApplication::focusWidget(), Button(Id::ClearAll));
}

TEST_F(RollWeightWindow, ZeroAreaShowsInfinityAndTheWindowCarriesOn) {
    // Roll and core of one size: no wound material, so the density divides by zero.
    Enter(Id::RollInches, "3");
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Type(Id::Pounds, "100");
    ClickCalculate();
    EXPECT_TRUE(messages.empty());
    for (ControlId id : {Id::SpecificGravity, Id::SpecificGravityCopy, Id::LbsPerCubicFoot,
                         Id::KgPerCubicMeter, Id::LbsPerCubicInch, Id::GPerCubicCm}) {
        EXPECT_EQ(Text(id), "inf") << id.value;
    }
    EXPECT_TRUE(Button(Id::Print)->isEnabled());

    // Passing through a shown infinity keeps it, and the box still counts it as one.
    QTest::mouseClick(Box(Id::LbsPerCubicFoot), Qt::LeftButton);
    QTest::keyClick(Box(Id::LbsPerCubicFoot), Qt::Key_Tab);
    EXPECT_EQ(Text(Id::LbsPerCubicFoot), "inf");
    EXPECT_EQ(Text(Id::KgPerCubicMeter), "inf");
    EXPECT_EQ(Box(Id::LbsPerCubicFoot)->GetValue(), std::numeric_limits<double>::infinity());

    QTest::mouseClick(Button(Id::ClearAll), Qt::LeftButton);
    Enter(Id::RollInches, "40");
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Type(Id::SpecificGravity, "0.92");
    ClickCalculate();
    EXPECT_EQ(Text(Id::Pounds), "2487.88");
}

TEST_F(RollWeightWindow, OtherNonFiniteResultsShowAsText) {
    // A core a hair wider than the roll: the area rounds to minus zero. The core is typed last,
    // since leaving its millimetre box would round it to three decimals.
    Enter(Id::RollInches, "3");
    Enter(Id::Pounds, "100");
    Enter(Id::SpecificGravity, "0.92");
    Type(Id::CoreInches, "3.0001");
    ClickCalculate();
    EXPECT_EQ(Text(Id::WebInches), "-inf");
    EXPECT_EQ(Text(Id::WebMm), "-inf");

    // A negative inch density makes the wound area negative: no real diameter.
    QTest::mouseClick(Button(Id::ClearAll), Qt::LeftButton);
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Enter(Id::Pounds, "2487.879");
    Enter(Id::SpecificGravity, "0.92");
    Type(Id::LbsPerCubicInch, "-1");
    ClickCalculate();
    EXPECT_EQ(Text(Id::RollInches), "nan");
    EXPECT_EQ(Text(Id::RollMm), "nan");

    // A density too small to survive rounding leaves nothing to divide by.
    QTest::mouseClick(Button(Id::ClearAll), Qt::LeftButton);
    Enter(Id::CoreInches, "3");
    Enter(Id::WebInches, "60");
    Enter(Id::Pounds, "100");
    Type(Id::SpecificGravity, "0.001");
    ClickCalculate();
    EXPECT_EQ(Text(Id::RollInches), "inf");
    EXPECT_EQ(Text(Id::RollMm), "inf");

    // A typed number beyond the double range.
    Enter(Id::Pounds, "1e999");
    EXPECT_EQ(Text(Id::Kilograms), "inf");
    EXPECT_TRUE(messages.empty());
}

// Runs the window modally, as the main window does, and drives it from inside the loop.
TEST(RollWeightModal, EnterCalculatesWithoutClosingAndEscapeCloses) {
    std::vector<MessageRecord> messages;
    SetMessageSink([&](const MessageRecord& r) { messages.push_back(r); });
    CRollWeightDlg dlg;
    bool stillOpenAfterEnter = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QWidget* focused = QApplication::focusWidget();
        ASSERT_EQ(focused, dlg.GetDlgItem(Id::RollInches));
        QTest::keyClick(focused, Qt::Key_Return);
        stillOpenAfterEnter = dlg.isVisible();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), DialogCommand::Cancel);
    SetMessageSink({});
    EXPECT_TRUE(stillOpenAfterEnter);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Core Diameter is a required field");
}

TEST(RollWeightModal, CloseButtonCloses) {
    CRollWeightDlg dlg;
    QTimer::singleShot(
        0, [&] { QTest::mouseClick(dlg.Item<QPushButton>(Id::Close), Qt::LeftButton); });
    EXPECT_EQ(dlg.DoModal(), DialogCommand::Cancel);
}

} // namespace
