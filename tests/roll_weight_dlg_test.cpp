#include <QCheckBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "controls/styled_static.h"
#include "platform/message_box.h"

namespace {

using Id = RollWeightId;
using L = RollLengthId;
using S = SlitterId;

// The worked example's four values, each left with Tab.
const Steps kWorked = {{Id::RollInches, "40"},
                       {Id::CoreInches, "3"},
                       {Id::WebInches, "60"},
                       {Id::SpecificGravity, "0.92"}};

// The worked example calculated, then more steps.
Steps AfterTheWorkedSolve(const Steps& more) {
    Steps steps = kWorked;
    steps.push_back({Id::Calculate});
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

class RollWeightWindow : public ::testing::Test, protected CapturedSeams {
protected:
    RollWeightWindow() : CapturedSeams(std::chrono::seconds(60)) {}
    void SetUp() override { ASSERT_TRUE(w.Ready()); }

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

// Through its mnemonic Clear All takes the focus and is pressed, as a click would, and what it
// cleared is gone from behind the boxes too.
TEST_F(RollWeightWindow, ClearAllByItsMnemonicTakesTheFocusAndForgets) {
    w.Do(AfterTheWorkedSolve({}));
    w.Type(Id::RollInches, "12");
    QTest::keyClick(w.Box(Id::RollInches), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(w.Unlike(w.Row().start), "");
    EXPECT_TRUE(w.HasFocus(Id::ClearAll));
    w.Do(AfterTheWorkedSolve({}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.Text(Id::Pounds), "2487.88");
}

// Each step is followed by what the window then shows: a box left after an edit brings its
// partner into step, one passed through unedited changes nothing, and a calculation shows its
// results. No step shows a message.
struct StepsCase {
    const char* name;
    Window window;
    std::vector<std::pair<Step, Shown>> steps;
    bool printable = false;                               // Print enabled at the end
    std::vector<std::pair<ControlId, double>> exact = {}; // numbers behind boxes at the end
};

void PrintTo(const StepsCase& c, std::ostream* os) {
    *os << c.name;
}

const double kInfinity = std::numeric_limits<double>::infinity();

const StepsCase kStepsCases[] = {
    {"RollLength",
     Window::RollLength,
     {{{L::CoreMm, "2"}, {{L::CoreInches, "0.0787"}, {L::CoreMm, "2"}}},
      {{L::CoreInches, "0"}, {{L::CoreMm, "0.0000"}}},
      {{L::LengthMeters, "100"}, {{L::LengthFeet, "328.084"}}},
      {{L::LengthFeet, "-5"}, {{L::LengthMeters, "-1.524"}}},
      {{L::LengthFeet, "0"}, {{L::LengthMeters, "0.000"}}}}},
    {"RollLengthTakesTwelveTypedCharacters",
     Window::RollLength,
     {{{L::LengthFeet, "1234567890123456"}, {{L::LengthFeet, "123456789012"}}}}},
    // Tab lands in each partner; passing through it leaves the typed inch text alone.
    {"RollLengthSolvedFromBoxesLeftByTab",
     Window::RollLength,
     {{{L::RollInches, "10"}, {}},
      {{L::CoreInches, "3"}, {}},
      {{L::ThicknessInches, "0.01"}, {}},
      {{L::Calculate},
       {{L::LengthFeet, "595.594"},
        {L::RollInches, "10"},
        {L::CoreInches, "3"},
        {L::ThicknessInches, "0.01"}}}},
     true,
     {{L::LengthMeters, 595.5936073208331 * 0.3048}}},
    // A thickness too thin to show leaves nothing behind its cleared box.
    {"RollLengthClearAllForgetsAThinThickness",
     Window::RollLength,
     {{{L::LengthFeet, "15000000"}, {}},
      {{L::CoreInches, "3"}, {}},
      {{L::RollInches, "10"}, {}},
      {{L::Calculate}, {{L::ThicknessInches, "0.0000"}}},
      {{L::ClearAll}, {}},
      {{L::LengthFeet, "1000"}, {}},
      {{L::CoreInches, "3"}, {}},
      {{L::RollInches, "10"}, {}},
      {{L::Calculate}, {{L::ThicknessInches, "0.0060"}}}},
     true},
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
    // Tabbing on through the millimetre box leaves the typed inches alone; the kilograms follow
    // the shown pounds when they are typed again.
    {"RollWeightSolvedFromBoxesLeftByTab",
     Window::RollWeight,
     {{kWorked[0], {}},
      {kWorked[1], {}},
      {kWorked[2], {}},
      {kWorked[3], {}},
      {{Id::Calculate},
       {{Id::Pounds, "2487.88"},
        {Id::SpecificGravity, "0.92"},
        {Id::SpecificGravityCopy, "0.9200"},
        {Id::RollInches, "40"},
        {Id::RollMm, "1016.000"}}},
      {{Id::Pounds, "2487.88"}, {{Id::Kilograms, "1128.50"}}}},
     true,
     {{Id::SpecificGravityCopy, 0.92}}},
    // Roll and core of one size: no wound material, so the density divides by zero. Passing
    // through a shown infinity keeps it, and the box still counts it as one.
    {"RollWeightZeroAreaShowsInfinity",
     Window::RollWeight,
     {{{Id::RollInches, "3"}, {}},
      {{Id::CoreInches, "3"}, {}},
      {{Id::WebInches, "60"}, {}},
      {{Id::Pounds, "100"}, {}},
      {{Id::Calculate},
       {{Id::SpecificGravity, "inf"},
        {Id::SpecificGravityCopy, "inf"},
        {Id::LbsPerCubicFoot, "inf"},
        {Id::KgPerCubicMeter, "inf"},
        {Id::LbsPerCubicInch, "inf"},
        {Id::GPerCubicCm, "inf"}}},
      {{Id::LbsPerCubicFoot, kPassThrough},
       {{Id::LbsPerCubicFoot, "inf"}, {Id::KgPerCubicMeter, "inf"}}}},
     true,
     {{Id::LbsPerCubicFoot, kInfinity}}},
    // After an infinity and Clear All, the worked example solves as ever; a density too small to
    // show is gone with its cleared box too.
    {"RollWeightClearAllForgetsInfinityAndATinyDensity",
     Window::RollWeight,
     {{{Id::RollInches, "3"}, {}},
      {{Id::CoreInches, "3"}, {}},
      {{Id::Pounds, "100"}, {}},
      {{Id::WebInches, "60"}, {}},
      {{Id::Calculate}, {{Id::SpecificGravity, "inf"}}},
      {{Id::ClearAll}, {}},
      {{Id::RollInches, "40"}, {}},
      {{Id::CoreInches, "3"}, {}},
      {{Id::WebInches, "60"}, {}},
      {{Id::Pounds, "1"}, {}},
      {{Id::Calculate}, {{Id::LbsPerCubicInch, "0.0000"}}},
      {{Id::ClearAll}, {}},
      {kWorked[0], {}},
      {kWorked[1], {}},
      {kWorked[2], {}},
      {kWorked[3], {}},
      {{Id::Calculate}, {{Id::Pounds, "2487.88"}}}},
     true},
    // A core a hair wider than the roll rounds the area to minus zero; a negative inch density
    // leaves no real diameter; a density too small to survive rounding, nothing to divide by;
    // and a typed number beyond the double range converts as one.
    {"RollWeightOtherNonFiniteResultsShowAsText",
     Window::RollWeight,
     {{{Id::RollInches, "3"}, {}},
      {{Id::Pounds, "100"}, {}},
      {{Id::SpecificGravity, "0.92"}, {}},
      {{Id::CoreInches, "3.0001"}, {}},
      {{Id::Calculate}, {{Id::WebInches, "-inf"}, {Id::WebMm, "-inf"}}},
      {{Id::ClearAll}, {}},
      {{Id::CoreInches, "3"}, {}},
      {{Id::WebInches, "60"}, {}},
      {{Id::Pounds, "2487.879"}, {}},
      {{Id::SpecificGravity, "0.92"}, {}},
      {{Id::LbsPerCubicInch, "-1"}, {}},
      {{Id::Calculate}, {{Id::RollInches, "nan"}, {Id::RollMm, "nan"}}},
      {{Id::ClearAll}, {}},
      {{Id::CoreInches, "3"}, {}},
      {{Id::WebInches, "60"}, {}},
      {{Id::Pounds, "100"}, {}},
      {{Id::SpecificGravity, "0.001"}, {}},
      {{Id::Calculate}, {{Id::RollInches, "inf"}, {Id::RollMm, "inf"}}},
      {{Id::Pounds, "1e999"}, {{Id::Kilograms, "inf"}}}},
     true},
    // No zeroing and no test in the knife widths: negative converts to negative, empty to 0.
    {"SlitterWidths",
     Window::Slitter,
     {{{S::SlitMm, "10"}, {{S::SlitInches, "0.3937"}, {S::SlitMm, "10"}}},
      {{S::SlitInches, kPassThrough}, {{S::SlitMm, "10"}}},
      {{S::NextMm, "-5"}, {{S::NextInches, "-0.1969"}}},
      {{S::NextInches, "2"}, {{S::NextMm, "50.8000"}}},
      {{S::NextInches, ""}, {{S::NextMm, "0.0000"}}}}},
};

class AfterEachStep : public ::testing::TestWithParam<StepsCase>, protected CapturedSeams {
protected:
    AfterEachStep() : CapturedSeams(std::chrono::seconds(60)) {}
};

TEST_P(AfterEachStep, TheWindowShows) {
    const StepsCase& c = GetParam();
    CalculatorWindow w(c.window);
    ASSERT_TRUE(w.Ready());
    for (const auto& [step, shown] : c.steps) {
        w.Do({step});
        EXPECT_EQ(w.Unlike(shown), "") << "after " << step.id.value << " " << step.keys;
    }
    EXPECT_EQ(w.Knives(), KnifeRows{});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.Enabled(w.PrintButton()), c.printable);
    for (const auto& [id, value] : c.exact) {
        EXPECT_EQ(w.Box(id)->GetValue(), value) << id.value;
    }
}

INSTANTIATE_TEST_SUITE_P(, AfterEachStep, ::testing::ValuesIn(kStepsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A refusal says why, pressed from the keyboard, and changes no box, no knife and no tick;
// Print stays as it was.
struct RefusalCase {
    const char* name;
    Window window;
    Steps before;
    ControlId button;
    const char* message;
    MessageIcon icon = MessageIcon::Stop;
    bool printable = false;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

const char* const kNoCore = "Core Diameter is a required field";
const char* const kTooFew = "All required fields are not entered!";
const char* const kNoCount = "You must enter the number of knives.";
const char* const kNoWidth = "You must enter a slit width.";

const RefusalCase kRefusalCases[] = {
    {"RollLengthNothingEntered",
     Window::RollLength,
     {},
     L::Calculate,
     "Only one field can be zero!"},
    {"RollLengthAllFourEntered",
     Window::RollLength,
     {{L::LengthFeet, "1000"},
      {L::CoreInches, "3"},
      {L::RollInches, "10"},
      {L::ThicknessInches, "0.01"}},
     L::Calculate,
     "One field must remain zero!"},
    {"RollLengthAfterClearAll",
     Window::RollLength,
     {{L::RollInches, "10"},
      {L::CoreInches, "3"},
      {L::ThicknessInches, "0.01"},
      {L::Calculate},
      {L::ClearAll}},
     L::Calculate,
     "Only one field can be zero!",
     MessageIcon::Stop,
     true},
    // The placeholder reads as 0, and an emptied box is missing too.
    {"RollWeightNoCoreWhateverElseIsFilled",
     Window::RollWeight,
     {{Id::RollInches, "40"},
      {Id::WebInches, "60"},
      {Id::Pounds, "2487.879"},
      {Id::SpecificGravity, "0.92"},
      {Id::LbsPerCubicFoot, "57"},
      {Id::LbsPerCubicInch, "0.0332"}},
     Id::Calculate,
     kNoCore,
     MessageIcon::Information},
    {"RollWeightEmptiedCore",
     Window::RollWeight,
     {{Id::RollInches, "40"},
      {Id::WebInches, "60"},
      {Id::SpecificGravity, "0.92"},
      {Id::CoreInches, ""}},
     Id::Calculate,
     kNoCore,
     MessageIcon::Information},
    {"RollWeightTooFewFields",
     Window::RollWeight,
     {{Id::CoreInches, "3"}, {Id::RollInches, "40"}, {Id::SpecificGravity, "0.92"}},
     Id::Calculate,
     kTooFew},
    {"RollWeightAfterASolve", Window::RollWeight,
     AfterTheWorkedSolve({{Id::WebInches, ""}, {Id::Pounds, ""}}), Id::Calculate, kTooFew,
     MessageIcon::Stop, true},
    {"RollWeightNoCoreAfterASolve", Window::RollWeight,
     AfterTheWorkedSolve({{Id::WebInches, ""}, {Id::Pounds, ""}, {Id::CoreInches, ""}}),
     Id::Calculate, kNoCore, MessageIcon::Information, true},
    {"SlitterNoCount", Window::Slitter, {}, S::AddSlits, kNoCount},
    {"SlitterNegativeCount", Window::Slitter, {{S::SlitCount, "-1"}}, S::AddSlits, kNoCount},
    {"SlitterNoVariedWidth", Window::Slitter, {}, S::AddSlit, kNoWidth},
    {"SlitterNoIncrementWidth", Window::Slitter, {{S::SetupIncrement}}, S::AddSlit, kNoWidth},
    // While the ticked increment has yet to open the list, equal slits would drop it unseen.
    {"SlitterIncrementFirst",
     Window::Slitter,
     {{S::SetupIncrement}, {S::NextMm, "30"}, {S::SlitCount, "7"}, {S::SlitMm, "220"}},
     S::AddSlits,
     "Add the setup increment first with Add Slit, or clear Add Setup Increment."},
    // The width typed over one converted from millimetres is the one that counts.
    {"SlitterNoWidth",
     Window::Slitter,
     {{S::SlitMm, "220"}, {S::SlitInches, "0"}, {S::SlitCount, "5"}},
     S::AddSlits,
     kNoWidth},
    {"SlitterNoCountWithAWidth",
     Window::Slitter,
     {{S::SlitCount, "5"}, {S::SlitCount, "0"}, {S::SlitInches, "2"}},
     S::AddSlits,
     kNoCount},
    {"SlitterAfterClearAll",
     Window::Slitter,
     {{S::SlitCount, "41"}, {S::SlitInches, "0.5"}, {S::AddSlits}, {S::ClearAll}},
     S::AddSlits,
     kNoCount,
     MessageIcon::Stop,
     true},
};

class Refusal : public ::testing::TestWithParam<RefusalCase>, protected CapturedSeams {
protected:
    Refusal() : CapturedSeams(std::chrono::seconds(60)) {}
};

TEST_P(Refusal, SaysWhyAndChangesNothing) {
    const RefusalCase& c = GetParam();
    CalculatorWindow w(c.window);
    ASSERT_TRUE(w.Ready());
    w.Do(c.before);
    auto* tick = w.Item<QCheckBox>(S::SetupIncrement); // the slitter's alone
    const bool ticked = tick != nullptr && tick->isChecked();
    const WindowValues before = w.PressFromKeyboard(c.button);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.message);
    EXPECT_EQ(messages[0].icon, c.icon);
    EXPECT_EQ(messages[0].caption, ApplicationTitle());
    EXPECT_EQ(w.Values(), before);
    EXPECT_EQ(w.Enabled(w.PrintButton()), c.printable);
    EXPECT_TRUE(w.Dialog().isVisible());
    if (tick != nullptr) {
        EXPECT_TRUE(tick->isEnabled());
        EXPECT_EQ(tick->isChecked(), ticked);
    }
}

INSTANTIATE_TEST_SUITE_P(, Refusal, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
