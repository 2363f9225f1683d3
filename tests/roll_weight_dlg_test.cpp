#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/roll_calc_dlg.h"
#include "calculator_window.h"
#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "platform/message_box.h"

namespace {

// A parametrised family whose messages and print runs are caught.
template <class Row>
class Captured : public ::testing::TestWithParam<Row>, protected CapturedSeams {};

// A window's rows, each told its window; they are written with the window's ids in scope.
template <class Row> std::vector<Row> In(Window kind, std::vector<Row> rows) {
    for (Row& row : rows) {
        row.window = kind;
    }
    return rows;
}

// Failure messages name a row by its window and its name.
template <class Row>
requires requires(const Row& row) {
    row.window;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << NameOf(row.window) << row.name;
}

inline constexpr auto kRowName = [](const auto& info) { return std::string(info.param.name); };

class RollWeightWindow : public ::testing::Test, protected CapturedSeams {
protected:
    void SetUp() override { ASSERT_TRUE(w.Ready()); }

    CalculatorWindow w{Window::RollWeight};
    CDialog* dlg = &w.Dialog();
};

TEST_F(RollWeightWindow, ButtonCaptionsCarryTheirMnemonics) {
    using enum RollWeightId;
    EXPECT_EQ(w.Item<QPushButton>(Calculate)->text(), "&Calculate");
    EXPECT_EQ(w.Item<QPushButton>(Print)->text(), "&Print");
    EXPECT_EQ(w.Item<QPushButton>(ClearAll)->text(), "Clear &All");
    EXPECT_EQ(w.Item<QPushButton>(Close)->text(), "C&lose");
}

TEST_F(RollWeightWindow, RedNotesAreSemiBoldAndTheDensityNoteIsLeftAligned) {
    using enum RollWeightId;
    auto* core = dlg->Item<CStyledStatic>(CoreLabel);
    auto* required = dlg->Item<CStyledStatic>(RequiredNote);
    EXPECT_EQ(core->text(), "* - Core Diameter:");
    EXPECT_EQ(required->text(), "* - Required Fields");
    for (CStyledStatic* label : {core, required}) {
        EXPECT_EQ(label->Colour(), QColor(128, 0, 0));
        EXPECT_EQ(label->Weight(), QFont::DemiBold);
        EXPECT_FALSE(label->Underline());
    }
    EXPECT_EQ(core->TextAlignment(), Qt::AlignRight);
    EXPECT_EQ(required->TextAlignment(), Qt::AlignLeft);
    for (ControlId id : {EnterStep, PrintStep, DensityNote}) {
        auto* label = dlg->Item<CStyledStatic>(id);
        EXPECT_EQ(label->Colour(), QColor(0, 0, 127)) << id.value;
        EXPECT_EQ(label->TextAlignment(), Qt::AlignLeft) << id.value;
        EXPECT_EQ(label->Weight(), QFont::Normal) << id.value;
    }
    EXPECT_EQ(dlg->Item<CStyledStatic>(DensityNote)->text(),
              "Only one 'Basic Weight Value' is required to calculate the remaining values.  ");
}

// Through its mnemonic Clear All takes the focus and is pressed, as a click would, and what it
// cleared is gone from behind the boxes too.
TEST_F(RollWeightWindow, ClearAllByItsMnemonicTakesTheFocusAndForgets) {
    using enum RollWeightId;
    w.Do(w.Row().printable);
    w.Type(RollInches, "12");
    QTest::keyClick(w.Box(RollInches), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(w.Unlike(w.Row().start), "");
    EXPECT_TRUE(w.HasFocus(ClearAll));
    w.Do(w.Row().printable);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.Text(Pounds), "2487.88");
}

// Each group of steps is followed by what the window then shows: a box left after an edit brings
// its partner into step, one passed through unedited changes nothing, and a calculation shows its
// results. No step shows a message.
struct StepsCase {
    const char* name;
    std::vector<std::pair<Steps, Shown>> steps;
    bool printable = false;                               // Print enabled at the end
    std::vector<std::pair<ControlId, double>> exact = {}; // numbers behind boxes at the end
    Window window = Window::Main;
};

std::vector<StepsCase> LengthSteps() {
    using enum RollLengthId;
    const Steps again = {{ClearAll}, {LengthFeet, "1000"}, {CoreInches, "3"}, {RollInches, "10"}};
    return In<StepsCase>(
        Window::RollLength,
        {{"Pairs",
          {{{{CoreMm, "2"}}, {{CoreInches, "0.0787"}, {CoreMm, "2"}}},
           {{{CoreInches, "0"}}, {{CoreMm, "0.0000"}}},
           {{{LengthMeters, "100"}}, {{LengthFeet, "328.084"}}},
           {{{LengthFeet, "-5"}}, {{LengthMeters, "-1.524"}}},
           {{{LengthFeet, "0"}}, {{LengthMeters, "0.000"}}}}},
         {"TwelveTypedCharacters",
          {{{{LengthFeet, "1234567890123456"}}, {{LengthFeet, "123456789012"}}}}},
         // Tab lands in each partner; passing through it leaves the typed inch text alone.
         {"SolvedFromBoxesLeftByTab",
          {{RowOf(Window::RollLength).printable,
            {{RollInches, "10"}, {CoreInches, "3"}, {ThicknessInches, "0.01"}}}},
          true,
          {{LengthMeters, 595.5936073208331 * 0.3048}}},
         // A thickness too thin to show leaves nothing behind its cleared box.
         {"ClearAllForgetsAThinThickness",
          {{{{LengthFeet, "15000000"}, {CoreInches, "3"}, {RollInches, "10"}, {Calculate}},
            {{ThicknessInches, "0.0000"}}},
           {again, {}},
           {{{Calculate}}, {{ThicknessInches, "0.0060"}}}},
          true}});
}

std::vector<StepsCase> WeightSteps() {
    using enum RollWeightId;
    const Steps solve = RowOf(Window::RollWeight).printable;
    const Steps equalDiameters = {
        {RollInches, "3"}, {CoreInches, "3"}, {WebInches, "60"}, {Pounds, "100"}, {Calculate}};
    const Steps tinyDensity = {{ClearAll},        {RollInches, "40"}, {CoreInches, "3"},
                               {WebInches, "60"}, {Pounds, "1"},      {Calculate}};
    const Steps hairWider = {{RollInches, "3"},
                             {Pounds, "100"},
                             {SpecificGravity, "0.92"},
                             {CoreInches, "3.0001"},
                             {Calculate}};
    const Steps negativeDensity = {
        {ClearAll},           {CoreInches, "3"},         {WebInches, "60"},
        {Pounds, "2487.879"}, {SpecificGravity, "0.92"}, {LbsPerCubicInch, "-1"},
        {Calculate}};
    const Steps tinyGravity = {{ClearAll},      {CoreInches, "3"},          {WebInches, "60"},
                               {Pounds, "100"}, {SpecificGravity, "0.001"}, {Calculate}};
    return In<StepsCase>(
        Window::RollWeight,
        {// Leaving a box empty clears its partner; a width that is not positive clears it too.
         {"DiameterCoreAndWidth",
          {{{{RollInches, "2"}}, {{RollMm, "50.800"}, {RollInches, "2"}}},
           {{{RollMm, "20"}}, {{RollInches, "0.787"}, {RollMm, "20"}}},
           {{{RollMm, ""}}, {{RollInches, "0.000"}}},
           {{{CoreInches, "3"}}, {{CoreMm, "76.200"}}},
           {{{WebMm, "1524"}}, {{WebInches, "60.000"}}},
           {{{WebInches, "-5"}}, {{WebMm, "0.000"}}}}},
         // Edited, the kilograms convert back with their own factor, and the pounds drift.
         {"PoundsAndKilogramsDrift",
          {{{{Pounds, "1000"}}, {{Kilograms, "453.60"}}},
           {{{Kilograms, kPassThrough}}, {{Pounds, "1000"}}},
           {{{Kilograms, "453.6"}}, {{Pounds, "1000.01"}}},
           {{{Pounds, ""}}, {{Kilograms, "0.00"}}}}},
         // The densities convert only within their pairs; grams per cubic centimetre are not the
         // specific gravity's 0.0361 per unit.
         {"Densities",
          {{{{SpecificGravity, "0.92"}},
            {{SpecificGravityCopy, "0.9200"},
             {LbsPerCubicFoot, "0.0000"},
             {LbsPerCubicInch, "0.0000"}}},
           {{{SpecificGravityCopy, "1.5"}}, {{SpecificGravity, "1.5000"}}},
           {{{LbsPerCubicFoot, "57.3696"}}, {{KgPerCubicMeter, "918.9726"}}},
           {{{KgPerCubicMeter, "1000"}}, {{LbsPerCubicFoot, "62.4280"}}},
           {{{LbsPerCubicInch, "0.0361"}}, {{GPerCubicCm, "0.9992"}}},
           {{{GPerCubicCm, "2"}}, {{LbsPerCubicInch, "0.0723"}, {SpecificGravity, "1.5000"}}}}},
         // Tabbing on through the millimetre box leaves the typed inches alone; the kilograms
         // follow the shown pounds when they are typed again.
         {"SolvedFromBoxesLeftByTab",
          {{solve,
            {{RollInches, "40"}, {SpecificGravity, "0.92"}, {SpecificGravityCopy, "0.9200"}}},
           {{{Pounds, "2487.88"}}, {{Kilograms, "1128.50"}}}},
          true,
          {{SpecificGravityCopy, 0.92}}},
         // Roll and core of one size: no wound material, so the density divides by zero. Passing
         // through a shown infinity keeps it, and the box still counts it as one.
         {"ZeroAreaShowsInfinity",
          {{equalDiameters, {{LbsPerCubicFoot, "inf"}}},
           {{{LbsPerCubicFoot, kPassThrough}},
            {{LbsPerCubicFoot, "inf"}, {KgPerCubicMeter, "inf"}}}},
          true,
          {{LbsPerCubicFoot, std::numeric_limits<double>::infinity()}}},
         // After an infinity and Clear All the worked example solves as ever; a density too small
         // to show is gone with its cleared box too.
         {"ClearAllForgetsInfinityAndATinyDensity",
          {{equalDiameters, {{SpecificGravity, "inf"}}},
           {tinyDensity, {{LbsPerCubicInch, "0.0000"}}},
           {{{ClearAll}}, {}},
           {solve, {{Pounds, "2487.88"}}}},
          true},
         // A core a hair wider than the roll rounds the area to minus zero; a negative inch
         // density leaves no real diameter; a density too small to survive rounding, nothing to
         // divide by.
         {"OtherNonFiniteResultsShowAsText",
          {{hairWider, {{WebInches, "-inf"}, {WebMm, "-inf"}}},
           {negativeDensity, {{RollInches, "nan"}, {RollMm, "nan"}}},
           {tinyGravity, {{RollInches, "inf"}, {RollMm, "inf"}}}},
          true}});
}

std::vector<StepsCase> SlitterSteps() {
    using enum SlitterId;
    // No zeroing and no test in the knife widths: negative converts to negative, empty to 0.
    return In<StepsCase>(Window::Slitter,
                         {{"Widths",
                           {{{{SlitMm, "10"}}, {{SlitInches, "0.3937"}, {SlitMm, "10"}}},
                            {{{SlitInches, kPassThrough}}, {{SlitMm, "10"}}},
                            {{{NextMm, "-5"}}, {{NextInches, "-0.1969"}}},
                            {{{NextInches, "2"}}, {{NextMm, "50.8000"}}},
                            {{{NextInches, ""}}, {{NextMm, "0.0000"}}}}}});
}

class AfterEachStep : public Captured<StepsCase> {};

TEST_P(AfterEachStep, TheWindowShows) {
    const StepsCase& c = GetParam();
    CalculatorWindow w(c.window);
    ASSERT_TRUE(w.Ready());
    for (const auto& [steps, shown] : c.steps) {
        w.Do(steps);
        EXPECT_EQ(w.Unlike(shown), "") << "after " << steps.back().id.value;
    }
    EXPECT_EQ(w.Knives(), KnifeRows{});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.Enabled(w.PrintButton()), c.printable);
    for (const auto& [id, value] : c.exact) {
        EXPECT_EQ(w.Box(id)->GetValue(), value) << id.value;
    }
}

// A refusal says why, pressed from the keyboard, and changes no box, no knife and no tick; Print
// stays as it was.
struct RefusalCase {
    const char* name;
    Steps before;
    ControlId button;
    const char* message;
    MessageIcon icon = MessageIcon::Stop;
    bool afterASuccess = false; // the window's worked calculation or addition came first
    Window window = Window::Main;
};

constexpr MessageIcon kStop = MessageIcon::Stop;
constexpr MessageIcon kInformation = MessageIcon::Information;

std::vector<RefusalCase> LengthRefusals() {
    using enum RollLengthId;
    const char* const onlyOne = "Only one field can be zero!";
    return In<RefusalCase>(Window::RollLength,
                           {{"NothingEntered", {}, Calculate, onlyOne},
                            {"AfterClearAll", {{ClearAll}}, Calculate, onlyOne, kStop, true}});
}

std::vector<RefusalCase> WeightRefusals() {
    using enum RollWeightId;
    const char* const noCore = "Core Diameter is a required field";
    // The placeholder reads as 0, and an emptied box is missing too.
    return In<RefusalCase>(
        Window::RollWeight,
        {{"NoCoreWhateverElseIsFilled",
          {{RollInches, "40"},
           {WebInches, "60"},
           {Pounds, "2487.879"},
           {SpecificGravity, "0.92"},
           {LbsPerCubicFoot, "57"},
           {LbsPerCubicInch, "0.0332"}},
          Calculate,
          noCore,
          kInformation},
         {"EmptiedCore",
          {{RollInches, "40"}, {WebInches, "60"}, {SpecificGravity, "0.92"}, {CoreInches, ""}},
          Calculate,
          noCore,
          kInformation},
         {"AfterASolve",
          {{WebInches, ""}, {Pounds, ""}},
          Calculate,
          "All required fields are not entered!",
          kStop,
          true}});
}

std::vector<RefusalCase> SlitterRefusals() {
    using enum SlitterId;
    const char* const noCount = "You must enter the number of knives.";
    const char* const noWidth = "You must enter a slit width.";
    return In<RefusalCase>(
        Window::Slitter,
        {{"NoCount", {}, AddSlits, noCount},
         {"NegativeCount", {{SlitCount, "-1"}}, AddSlits, noCount},
         {"NoCountWithAWidth", {{SlitInches, "2"}}, AddSlits, noCount},
         {"NoVariedWidth", {}, AddSlit, noWidth},
         {"NoIncrementWidth", {{SetupIncrement}}, AddSlit, noWidth},
         // While the ticked increment has yet to open the list, equal slits would drop it unseen.
         {"IncrementFirst",
          {{SetupIncrement}, {NextMm, "30"}, {SlitCount, "7"}, {SlitMm, "220"}},
          AddSlits,
          "Add the setup increment first with Add Slit, or clear Add Setup Increment."},
         // The width typed over one converted from millimetres is the one that counts.
         {"NoWidth", {{SlitMm, "220"}, {SlitInches, "0"}, {SlitCount, "5"}}, AddSlits, noWidth},
         {"AfterClearAll", {{ClearAll}}, AddSlits, noCount, kStop, true}});
}

class Refusal : public Captured<RefusalCase> {};

TEST_P(Refusal, SaysWhyAndChangesNothing) {
    const RefusalCase& c = GetParam();
    CalculatorWindow w(c.window);
    ASSERT_TRUE(w.Ready());
    if (c.afterASuccess) {
        w.Do(w.Row().printable);
    }
    w.Do(c.before);
    auto* tick = w.Item<QCheckBox>(SlitterId::SetupIncrement); // the slitter's alone
    const bool ticked = tick != nullptr && tick->isChecked();
    const WindowValues before = w.PressFromKeyboard(c.button);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.message);
    EXPECT_EQ(messages[0].icon, c.icon);
    EXPECT_EQ(messages[0].caption, ApplicationTitle());
    EXPECT_EQ(w.Values(), before);
    EXPECT_EQ(w.Enabled(w.PrintButton()), c.afterASuccess);
    EXPECT_TRUE(w.Dialog().isVisible());
    if (tick != nullptr) {
        EXPECT_TRUE(tick->isEnabled());
        EXPECT_EQ(tick->isChecked(), ticked);
    }
}

// Enter in a box leaves it first, so that its partner is in step, then presses the default
// button as a click would. The knife list has none: there Enter changes nothing.
struct EnterCase {
    const char* name;
    Steps before;
    Step typed; // with no keys, the control is only focused
    Shown shown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier; // Qt::KeypadModifier: the keypad's Enter
    Window window = Window::Main;
};

std::vector<EnterCase> LengthEnters() {
    using enum RollLengthId;
    return In<EnterCase>(Window::RollLength,
                         {{"MetricThickness",
                           {{CoreInches, "3"}, {RollInches, "10"}},
                           {ThicknessMm, "0.254"},
                           {{ThicknessInches, "0.0100"}, {LengthFeet, "595.594"}}}});
}

std::vector<EnterCase> WeightEnters() {
    using enum RollWeightId;
    const Steps solvedThenEmptied = {{RollInches, "40"},        {CoreInches, "3"}, {WebMm, "1524"},
                                     {SpecificGravity, "0.92"}, {Calculate},       {Pounds, ""}};
    return In<EnterCase>(
        Window::RollWeight,
        {{"MetricWidth",
          {{RollInches, "40"}, {CoreInches, "3"}, {SpecificGravity, "0.92"}},
          {WebMm, "1524"},
          {{WebInches, "60.000"}, {Pounds, "2487.88"}}},
         // Over an earlier value in the inch box, the millimetres typed are what counts.
         {"MetricDiameterOverInches",
          solvedThenEmptied,
          {RollMm, "2032"},
          {{RollInches, "80.000"}, {Pounds, "9993.74"}},
          Qt::KeypadModifier}});
}

std::vector<EnterCase> SlitterEnters() {
    using enum SlitterId;
    const ::Steps threeSlits = {{SlitCount, "3"}, {SlitInches, "1"}, {AddSlits}};
    return In<EnterCase>(
        Window::Slitter,
        {{"Count", threeSlits, {SlitCount}, {}},
         {"NextMm", threeSlits, {NextMm}, {}, Qt::KeypadModifier},
         // Ticked only while the list is empty.
         {"SetupIncrement", {{SlitCount, "3"}, {SlitInches, "1"}}, {SetupIncrement}, {}}});
}

class EnterInABox : public Captured<EnterCase> {};

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

class EachCalculatorWindow : public Captured<Window> {};

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

class ModalRun : public Captured<std::tuple<Window, Ending>> {};

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
                    if (name == QLatin1String("Close")) {
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

INSTANTIATE_TEST_SUITE_P(RollLength, AfterEachStep, ::testing::ValuesIn(LengthSteps()), kRowName);
INSTANTIATE_TEST_SUITE_P(RollWeight, AfterEachStep, ::testing::ValuesIn(WeightSteps()), kRowName);
INSTANTIATE_TEST_SUITE_P(Slitter, AfterEachStep, ::testing::ValuesIn(SlitterSteps()), kRowName);
INSTANTIATE_TEST_SUITE_P(RollLength, Refusal, ::testing::ValuesIn(LengthRefusals()), kRowName);
INSTANTIATE_TEST_SUITE_P(RollWeight, Refusal, ::testing::ValuesIn(WeightRefusals()), kRowName);
INSTANTIATE_TEST_SUITE_P(Slitter, Refusal, ::testing::ValuesIn(SlitterRefusals()), kRowName);
INSTANTIATE_TEST_SUITE_P(RollLength, EnterInABox, ::testing::ValuesIn(LengthEnters()), kRowName);
INSTANTIATE_TEST_SUITE_P(RollWeight, EnterInABox, ::testing::ValuesIn(WeightEnters()), kRowName);
INSTANTIATE_TEST_SUITE_P(Slitter, EnterInABox, ::testing::ValuesIn(SlitterEnters()), kRowName);

} // namespace
