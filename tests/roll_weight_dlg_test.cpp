#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <limits>
#include <map>
#include <memory>
#include <ostream>
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

// The worked example's four values, each left with Tab.
const Steps kWorked = {{Id::RollInches, "40"},
                       {Id::CoreInches, "3"},
                       {Id::WebInches, "60"},
                       {Id::SpecificGravity, "0.92"}};

class RollWeightWindow : public ::testing::Test, protected CapturedSeams {
protected:
    RollWeightWindow() : CapturedSeams(std::chrono::seconds(60)) {}
    void SetUp() override { ASSERT_TRUE(w.Ready()); }

    std::string Text(ControlId id) const { return w.Text(id); }
    // Fills in the boxes and calculates.
    void Calculate(const Steps& steps) {
        w.Do(steps);
        w.Click(Id::Calculate);
    }

    CalculatorWindow w{Window::RollWeight};
    CDialog* dlg = &w.Dialog();
};

TEST_F(RollWeightWindow, ButtonCaptionsCarryTheirMnemonics) {
    EXPECT_EQ(w.Item<QPushButton>(Id::Calculate)->text(), "&Calculate");
    EXPECT_EQ(w.Item<QPushButton>(Id::Print)->text(), "&Print");
    EXPECT_EQ(w.Item<QPushButton>(Id::ClearAll)->text(), "Clear &All");
    EXPECT_EQ(w.Item<QPushButton>(Id::Close)->text(), "C&lose");
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

// A box left after an edit brings its partner into step; one passed through unedited changes
// nothing. Each step is followed by what the window then shows.
struct PairCase {
    const char* name;
    Window window;
    std::vector<std::pair<Step, Shown>> steps;
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.name;
}

using L = RollLengthId;
using S = SlitterId;

const PairCase kPairCases[] = {
    {"RollLength",
     Window::RollLength,
     {{{L::CoreMm, "2"}, {{L::CoreInches, "0.0787"}, {L::CoreMm, "2"}}},
      {{L::CoreInches, "0"}, {{L::CoreMm, "0.0000"}}},
      {{L::LengthMeters, "100"}, {{L::LengthFeet, "328.084"}}},
      {{L::LengthFeet, "-5"}, {{L::LengthMeters, "-1.524"}}},
      {{L::LengthFeet, "0"}, {{L::LengthMeters, "0.000"}}}}},
    // Leaving a box empty clears its partner; a width that is not positive clears it too.
    {"RollWeightDiameterCoreAndWidth",
     Window::RollWeight,
     {{{Id::RollInches, "2"}, {{Id::RollMm, "50.800"}, {Id::RollInches, "2"}}},
      {{Id::RollMm, "20"}, {{Id::RollInches, "0.787"}, {Id::RollMm, "20"}}},
      {{Id::RollMm, ""}, {{Id::RollInches, "0.000"}}},
      {{Id::CoreInches, "3"}, {{Id::CoreMm, "76.200"}}},
      {{Id::WebMm, "1524"}, {{Id::WebInches, "60.000"}}},
      {{Id::WebInches, "-5"}, {{Id::WebMm, "0.000"}}}}},
    // Edited, the kilograms convert back with their own factor, and the pounds drift.
    {"RollWeightPoundsAndKilogramsDrift",
     Window::RollWeight,
     {{{Id::Pounds, "1000"}, {{Id::Kilograms, "453.60"}}},
      {{Id::Kilograms, kPassThrough}, {{Id::Pounds, "1000"}}},
      {{Id::Kilograms, "453.6"}, {{Id::Pounds, "1000.01"}}},
      {{Id::Pounds, ""}, {{Id::Kilograms, "0.00"}}}}},
    // The densities convert only within their pairs; grams per cubic centimetre are not the
    // specific gravity's 0.0361 per unit.
    {"RollWeightDensities",
     Window::RollWeight,
     {{{Id::SpecificGravity, "0.92"},
       {{Id::SpecificGravity, "0.92"},
        {Id::SpecificGravityCopy, "0.9200"},
        {Id::LbsPerCubicFoot, "0.0000"},
        {Id::LbsPerCubicInch, "0.0000"}}},
      {{Id::SpecificGravityCopy, "1.5"}, {{Id::SpecificGravity, "1.5000"}}},
      {{Id::LbsPerCubicFoot, "57.3696"}, {{Id::KgPerCubicMeter, "918.9726"}}},
      {{Id::KgPerCubicMeter, "1000"}, {{Id::LbsPerCubicFoot, "62.4280"}}},
      {{Id::LbsPerCubicInch, "0.0361"}, {{Id::GPerCubicCm, "0.9992"}}},
      {{Id::GPerCubicCm, "2"},
       {{Id::LbsPerCubicInch, "0.0723"}, {Id::SpecificGravity, "1.5000"}}}}},
    // No zeroing and no test in the knife widths: negative converts to negative, empty to 0.
    {"SlitterWidths",
     Window::Slitter,
     {{{S::SlitMm, "10"}, {{S::SlitInches, "0.3937"}, {S::SlitMm, "10"}}},
      {{S::SlitInches, kPassThrough}, {{S::SlitMm, "10"}}},
      {{S::NextMm, "-5"}, {{S::NextInches, "-0.1969"}}},
      {{S::NextInches, "2"}, {{S::NextMm, "50.8000"}}},
      {{S::NextInches, ""}, {{S::NextMm, "0.0000"}}}}},
};

class PairFollows : public ::testing::TestWithParam<PairCase>, protected CapturedSeams {
protected:
    PairFollows() : CapturedSeams(std::chrono::seconds(60)) {}
};

TEST_P(PairFollows, WhenABoxIsLeft) {
    CalculatorWindow w(GetParam().window);
    ASSERT_TRUE(w.Ready());
    for (const auto& [step, shown] : GetParam().steps) {
        w.Do({step});
        EXPECT_EQ(w.Unlike(shown), "") << "after " << step.id.value << " " << step.keys;
    }
    EXPECT_EQ(w.Knives(), KnifeRows{});
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(, PairFollows, ::testing::ValuesIn(kPairCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollWeightWindow, CalculatesTheWeightFromInchEntries) {
    Calculate(kWorked);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Text(Id::Pounds), "2487.88");
    EXPECT_EQ(Text(Id::Kilograms), "1128.50");
    EXPECT_EQ(Text(Id::SpecificGravity), "0.92");
    EXPECT_EQ(Text(Id::SpecificGravityCopy), "0.9200");
    EXPECT_DOUBLE_EQ(w.Box(Id::SpecificGravityCopy)->GetValue(), 0.92);
    // Tabbing on through the millimetre box left the typed inches alone.
    EXPECT_EQ(Text(Id::RollInches), "40");
    EXPECT_EQ(Text(Id::RollMm), "1016.000");
    EXPECT_TRUE(w.Enabled(Id::Print));

    // The kilograms follow the shown pounds when the box is passed through.
    w.Enter(Id::Pounds, "2487.88");
    EXPECT_EQ(Text(Id::Kilograms), "1128.50");
}

TEST_F(RollWeightWindow, EnterInAMetricBoxLeavesItThenCalculates) {
    w.Do({{Id::RollInches, "40"}, {Id::CoreInches, "3"}, {Id::SpecificGravity, "0.92"}});
    w.Type(Id::WebMm, "1524");
    QTest::keyClick(w.Box(Id::WebMm), Qt::Key_Return);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(Id::Calculate));
    EXPECT_EQ(Text(Id::WebMm), "1524");
    EXPECT_EQ(Text(Id::WebInches), "60.000");
    EXPECT_EQ(Text(Id::Pounds), "2487.88");
    // Over an earlier value in the inch box, the millimetres typed are what counts.
    w.Do({{Id::Pounds, ""}});
    w.Type(Id::RollMm, "2032");
    QTest::keyClick(w.Box(Id::RollMm), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Text(Id::RollInches), "80.000");
    EXPECT_EQ(Text(Id::Pounds), "9993.74");
}

TEST_F(RollWeightWindow, AMissingCoreDiameterIsReportedWhateverElseIsFilled) {
    w.Do({{Id::RollInches, "40"},
          {Id::WebInches, "60"},
          {Id::Pounds, "2487.879"},
          {Id::SpecificGravity, "0.92"},
          {Id::LbsPerCubicFoot, "57"},
          {Id::LbsPerCubicInch, "0.0332"}});
    // The placeholder reads as 0.
    WindowValues before = w.PressFromKeyboard(Id::Calculate);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Core Diameter is a required field");
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages[0].caption, ApplicationTitle());
    EXPECT_EQ(w.Values(), before);
    EXPECT_FALSE(w.Enabled(Id::Print));

    // An emptied box is missing too.
    w.Type(Id::CoreInches, "");
    before = w.PressFromKeyboard(Id::Calculate);
    EXPECT_EQ(Text(Id::CoreInches), "");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(w.Values(), before);
}

TEST_F(RollWeightWindow, TooFewFieldsAreRefusedAndNothingChanges) {
    w.Do({{Id::CoreInches, "3"}, {Id::RollInches, "40"}, {Id::SpecificGravity, "0.92"}});
    const WindowValues before = w.PressFromKeyboard(Id::Calculate);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "All required fields are not entered!");
    EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(w.Values(), before);
    EXPECT_FALSE(w.Enabled(Id::Print));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(RollWeightWindow, ARefusalAfterASolveLeavesPrintEnabled) {
    Calculate(kWorked);
    ASSERT_TRUE(w.Enabled(Id::Print));

    w.Do({{Id::WebInches, ""}, {Id::Pounds, ""}});
    WindowValues before = w.PressFromKeyboard(Id::Calculate);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(w.Values(), before);
    EXPECT_TRUE(w.Enabled(Id::Print));

    w.Enter(Id::CoreInches, "");
    before = w.PressFromKeyboard(Id::Calculate);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(w.Values(), before);
    EXPECT_TRUE(w.Enabled(Id::Print));
}

TEST_F(RollWeightWindow, ClearAllRestoresPlaceholdersAndKeepsPrintAndFocus) {
    Calculate(kWorked);
    ASSERT_TRUE(w.Enabled(Id::Print));
    w.Click(Id::ClearAll);
    EXPECT_EQ(w.Unlike(w.Row().start), "");
    EXPECT_TRUE(w.Enabled(Id::Print));

    // A density too small to show (1.3e-05 lb/in³ behind 0.0000) is gone with the cleared box.
    Calculate(
        {{Id::RollInches, "40"}, {Id::CoreInches, "3"}, {Id::WebInches, "60"}, {Id::Pounds, "1"}});
    ASSERT_EQ(Text(Id::LbsPerCubicInch), "0.0000");
    w.Click(Id::ClearAll);
    Calculate(kWorked);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Text(Id::Pounds), "2487.88");
    w.Click(Id::ClearAll);

    // Through its mnemonic the button takes the focus and is pressed, as a click would.
    w.Type(Id::RollInches, "12");
    QTest::keyClick(w.Box(Id::RollInches), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(w.Unlike(w.Row().start), "");
    EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(Id::ClearAll));
}

TEST_F(RollWeightWindow, ZeroAreaShowsInfinityAndTheWindowCarriesOn) {
    // Roll and core of one size: no wound material, so the density divides by zero.
    Calculate(
        {{Id::RollInches, "3"}, {Id::CoreInches, "3"}, {Id::WebInches, "60"}, {Id::Pounds, "100"}});
    EXPECT_TRUE(messages.empty());
    for (ControlId id : {Id::SpecificGravity, Id::SpecificGravityCopy, Id::LbsPerCubicFoot,
                         Id::KgPerCubicMeter, Id::LbsPerCubicInch, Id::GPerCubicCm}) {
        EXPECT_EQ(Text(id), "inf") << id.value;
    }
    EXPECT_TRUE(w.Enabled(Id::Print));

    // Passing through a shown infinity keeps it, and the box still counts it as one.
    QTest::mouseClick(w.Box(Id::LbsPerCubicFoot), Qt::LeftButton);
    QTest::keyClick(w.Box(Id::LbsPerCubicFoot), Qt::Key_Tab);
    EXPECT_EQ(Text(Id::LbsPerCubicFoot), "inf");
    EXPECT_EQ(Text(Id::KgPerCubicMeter), "inf");
    EXPECT_EQ(w.Box(Id::LbsPerCubicFoot)->GetValue(), std::numeric_limits<double>::infinity());

    w.Click(Id::ClearAll);
    Calculate(kWorked);
    EXPECT_EQ(Text(Id::Pounds), "2487.88");
}

TEST_F(RollWeightWindow, OtherNonFiniteResultsShowAsText) {
    // A core a hair wider than the roll: the area rounds to minus zero. The core is typed last,
    // since leaving its millimetre box would round it to three decimals.
    w.Do({{Id::RollInches, "3"}, {Id::Pounds, "100"}, {Id::SpecificGravity, "0.92"}});
    w.Type(Id::CoreInches, "3.0001");
    w.Click(Id::Calculate);
    EXPECT_EQ(Text(Id::WebInches), "-inf");
    EXPECT_EQ(Text(Id::WebMm), "-inf");

    // A negative inch density makes the wound area negative: no real diameter.
    w.Click(Id::ClearAll);
    Calculate({{Id::CoreInches, "3"},
               {Id::WebInches, "60"},
               {Id::Pounds, "2487.879"},
               {Id::SpecificGravity, "0.92"},
               {Id::LbsPerCubicInch, "-1"}});
    EXPECT_EQ(Text(Id::RollInches), "nan");
    EXPECT_EQ(Text(Id::RollMm), "nan");

    // A density too small to survive rounding leaves nothing to divide by.
    w.Click(Id::ClearAll);
    Calculate({{Id::CoreInches, "3"},
               {Id::WebInches, "60"},
               {Id::Pounds, "100"},
               {Id::SpecificGravity, "0.001"}});
    EXPECT_EQ(Text(Id::RollInches), "inf");
    EXPECT_EQ(Text(Id::RollMm), "inf");

    // A typed number beyond the double range.
    w.Enter(Id::Pounds, "1e999");
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
