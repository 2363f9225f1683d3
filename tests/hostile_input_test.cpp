// Hostile input through the calculator windows: a megabyte pasted into each kind of box, texts at
// the edges of the reading rule, and measures that no roll has. Each action must answer with a
// refusal, a computed value or the non-finite text, change only the boxes it is meant to change,
// and end.
#include <QString>
#include <chrono>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "report/figure_report.h"
#include "slitter/slitter_report.h"

namespace {

using Changes = BoxTexts;
using Texts = std::vector<std::string>;

constexpr auto kBound = std::chrono::seconds(60);
constexpr int kMegabyte = 1 << 20;

// Where the reports put the measurement of figure row r (from 1), and knife row k (from 0).
std::pair<int, int> Figure(int r) {
    return {FigureMeasurementX(kRecordedPage), FigureRowY(kRecordedPage, r)};
}
std::pair<int, int> Knife(int k, int column) {
    return {KnifeColumnX(kRecordedPage, column), KnifeRowY(kRecordedPage, k)};
}

const char* const kOneFieldZero = "Only one field can be zero!";
const char* const kOneMustRemainZero = "One field must remain zero!";
const char* const kCoreRequired = "Core Diameter is a required field";
const char* const kNumberOfKnives = "You must enter the number of knives.";

// A number, then a megabyte of other text: letters, digits, signs, blanks, tabs and characters
// beyond ASCII, starting with a letter so that the number ends where the junk begins.
QString NumberThenJunk(const QString& number) {
    const QString pattern =
        QString::fromUtf8("abc XYZ 12.5e+3 -0.7 ,;:!? \xc3\xa9\xe4\xb8\xad\t.e-");
    QString text = number;
    while (text.size() < kMegabyte) {
        text += pattern;
    }
    text.truncate(kMegabyte);
    return text;
}

// A megabyte of digits: a number far beyond the double range.
QString MegabyteOfDigits() {
    return QString(kMegabyte, QLatin1Char('7'));
}

class HostileInput : public ::testing::Test, protected CapturedSeams {
protected:
    HostileInput() : CapturedSeams(kBound) {}

    // Leaves the box for the button, then presses it: checks what leaving changed, then what the
    // press changed and said.
    void LeaveAndPress(CalculatorWindow& w, ControlId button, const Changes& onLeaving,
                       const Changes& onPressing, const Texts& said) {
        const WindowValues typed = w.Values();
        w.Focus(button);
        const WindowValues left = w.Values();
        EXPECT_EQ(ChangedBoxes(typed, left), onLeaving);
        messages.clear();
        w.Click(button);
        EXPECT_EQ(ChangedBoxes(left, w.Values()), onPressing);
        EXPECT_EQ(MessageTexts(), said);
    }

    // Presses Print: one whole run that changes nothing in the window.
    void PrintChangesNothing(CalculatorWindow& w) {
        ASSERT_TRUE(w.Enabled(w.PrintButton()));
        w.Focus(w.PrintButton());
        const WindowValues before = w.Values();
        const std::size_t runs = printer.documents->size();
        messages.clear();
        w.Click(w.PrintButton());
        EXPECT_EQ(printer.documents->size(), runs + 1);
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(w.Dialog().isEnabled());
        EXPECT_EQ(w.Values(), before);
    }

    // The text the last run drew at a point, or "(none)".
    std::string PrintedAt(std::pair<int, int> at) const { return printer.At(at.first, at.second); }
};

// ---------------------------------------------------------------------------------------------
// A megabyte pasted

TEST_F(HostileInput, MegabyteInARollLengthBoxIsRefusedWhole) {
    using enum RollLengthId;
    CalculatorWindow w(Window::RollLength);
    ASSERT_TRUE(w.Ready());
    w.Do({{CoreInches, "3"}, {ThicknessInches, "0.01"}});
    w.Type(RollInches, "10");
    // Twelve characters at most, pasted or typed: the box keeps what it held.
    for (const QString& pasted : {NumberThenJunk("7"), MegabyteOfDigits()}) {
        w.Paste(RollInches, pasted);
        EXPECT_EQ(w.Text(RollInches), "10");
    }
    LeaveAndPress(w, Calculate, {{RollMm, "254.0000"}},
                  {{LengthFeet, "595.594"}, {LengthMeters, "181.537"}}, {});
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(Figure(1)), "10.0000 inches / 254.0000 millimeters");
}

TEST_F(HostileInput, MegabyteInTheSlitterCountBoxIsRefusedWhole) {
    using enum SlitterId;
    CalculatorWindow w(Window::Slitter);
    ASSERT_TRUE(w.Ready());
    w.Do({{SlitInches, "2.5"}});
    w.Type(SlitCount, "3");
    // Two characters at most, pasted or typed: the box keeps what it held.
    for (const QString& pasted : {NumberThenJunk("9"), MegabyteOfDigits()}) {
        w.Paste(SlitCount, pasted);
        EXPECT_EQ(w.Text(SlitCount), "3");
    }
    LeaveAndPress(w, AddSlits, {}, {}, {});
    EXPECT_EQ(w.Values().knives, (KnifeRows{{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                                            {"2", "2.5000", "63.5000", "2.5000", "63.5000"},
                                            {"3", "2.5000", "63.5000", "5.0000", "127.0000"},
                                            {"4", "2.5000", "63.5000", "7.5000", "190.5000"}}));
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(Knife(3, 2)), "7.5000 inches / 190.5000 mm");
}

TEST_F(HostileInput, MegabyteInARollWeightBox) {
    using enum RollWeightId;
    CalculatorWindow w(Window::RollWeight);
    ASSERT_TRUE(w.Ready());
    w.Do({{CoreInches, "3"}, {WebInches, "60"}, {SpecificGravity, "0.92"}});

    // A number followed by junk is no number: the paste is refused whole and leaving changes
    // nothing.
    const WindowValues before = w.Values();
    w.Paste(RollInches, NumberThenJunk("40"));
    EXPECT_EQ(w.Values(), before);
    w.Focus(Calculate);
    EXPECT_EQ(w.Values(), before);
    w.Paste(RollInches, "40");
    LeaveAndPress(w, Calculate, {{RollMm, "1016.000"}},
                  {{Pounds, "2487.88"},
                   {Kilograms, "1128.50"},
                   {LbsPerCubicFoot, "57.3696"},
                   {KgPerCubicMeter, "918.9726"},
                   {LbsPerCubicInch, "0.0332"},
                   {GPerCubicCm, "0.9190"}},
                  {});
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(Figure(1)), "40.000 inches / 1016.000 millimeters");

    // Beyond the double range: the weight of a roll that size shows as such.
    w.Paste(Pounds, "0");
    w.Paste(RollInches, MegabyteOfDigits());
    LeaveAndPress(w, Calculate, {{RollMm, "inf"}}, {{Pounds, "inf"}, {Kilograms, "inf"}}, {});
    PrintChangesNothing(w);
}

TEST_F(HostileInput, MegabyteInASlitterWidthBox) {
    using enum SlitterId;
    CalculatorWindow w(Window::Slitter);
    ASSERT_TRUE(w.Ready());
    w.Enter(SlitCount, "3");

    const WindowValues before = w.Values();
    w.Paste(SlitInches, NumberThenJunk("2.5"));
    w.Paste(NextInches, NumberThenJunk("1"));
    EXPECT_EQ(w.Values(), before);
    w.Paste(SlitInches, "2.5");
    LeaveAndPress(w, AddSlits, {{SlitMm, "63.5000"}}, {}, {});
    EXPECT_EQ(w.Values().knives, (KnifeRows{{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                                            {"2", "2.5000", "63.5000", "2.5000", "63.5000"},
                                            {"3", "2.5000", "63.5000", "5.0000", "127.0000"},
                                            {"4", "2.5000", "63.5000", "7.5000", "190.5000"}}));

    w.Paste(NextInches, "1");
    LeaveAndPress(w, AddSlit, {{NextMm, "25.4000"}}, {}, {});
    EXPECT_EQ(w.Values().knives.back(),
              (std::vector<std::string>{"5", "1.0000", "25.4000", "8.5000", "215.9000"}));
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(Knife(4, 1)), "1.0000 inches / 25.4000 mm");
}

// ---------------------------------------------------------------------------------------------
// Texts at the edges of the reading rule

struct EdgeCase {
    const char* text;
    const char* partner; // what leaving the box shows in its partner
    bool positive;       // whether it reads as a number greater than zero
    bool typeable;       // whether the typing rule lets it in
    bool pastes;         // whether a paste of it is taken: only whole numbers are
};

// "1e999999" is beyond the double range; ".e1" holds no decimal number at its start and reads as
// 0; an exponent without digits after it does not stop a number being read. "0x1p3", "nan", "inf"
// and a blank or plus sign before a number can be neither typed nor pasted.
constexpr EdgeCase kEdgeTexts[] = {
    {"1e999999", "inf", true, true, true}, {"-0", "-0", false, true, true},
    {"0x1p3", "0", false, false, false},   {"nan", "0", false, false, false},
    {"inf", "0", false, false, false},     {"  +5", "5", true, false, false},
    {"5e", "5", true, true, false},        {".e1", "0", false, true, false},
};

// Enters an edge text as a user can: typed if the typing rule lets it in, else pasted, which must
// be refused and change nothing. False when it could not be entered.
bool EnterEdgeText(CalculatorWindow& w, ControlId id, const EdgeCase& c) {
    if (c.typeable) {
        w.Type(id, c.text);
        return true;
    }
    w.Box(id)->setFocus(Qt::TabFocusReason); // the box left behind runs its pair first
    const WindowValues before = w.Values();
    w.Paste(id, c.text);
    EXPECT_EQ(w.Values(), before);
    return false;
}

TEST_F(HostileInput, EdgeTextsInTheRollLengthBoxes) {
    using enum RollLengthId;
    // A fresh window's metre box shows "0.000" already.
    const std::map<std::string, Changes> metres = {{"inf", {{LengthMeters, "inf"}}},
                                                   {"-0", {{LengthMeters, "-0.000"}}},
                                                   {"0", {}},
                                                   {"5", {{LengthMeters, "1.524"}}}};
    for (const EdgeCase& c : kEdgeTexts) {
        SCOPED_TRACE(c.text);
        CalculatorWindow w(Window::RollLength);
        ASSERT_TRUE(w.Ready());
        w.Do({{CoreInches, "3"}, {RollInches, "10"}});
        w.Type(ThicknessInches, "0.01");
        // Feet as the unknown: a positive length leaves no unknown, anything else is solved for.
        if (!EnterEdgeText(w, LengthFeet, c)) {
            continue;
        }
        if (c.positive) {
            LeaveAndPress(w, Calculate, metres.at(c.partner), {}, {kOneMustRemainZero});
            EXPECT_EQ(w.Text(LengthFeet), c.text);
        } else {
            LeaveAndPress(w, Calculate, metres.at(c.partner),
                          {{LengthFeet, "595.594"}, {LengthMeters, "181.537"}}, {});
        }
    }
}

TEST_F(HostileInput, EdgeTextsInTheRollWeightBoxes) {
    using enum RollWeightId;
    for (const EdgeCase& c : kEdgeTexts) {
        SCOPED_TRACE(c.text);
        CalculatorWindow w(Window::RollWeight);
        ASSERT_TRUE(w.Ready());
        w.Do({{RollInches, "40"}, {WebInches, "60"}, {SpecificGravity, "0.92"}});
        // The core diameter, the one required measure.
        if (!EnterEdgeText(w, CoreInches, c)) {
            continue;
        }
        const Changes density = {{LbsPerCubicFoot, "57.3696"},
                                 {KgPerCubicMeter, "918.9726"},
                                 {LbsPerCubicInch, "0.0332"},
                                 {GPerCubicCm, "0.9190"}};
        if (!c.positive) {
            // The millimetre box keeps the "0.000" it opened with.
            LeaveAndPress(w, Calculate, {}, {}, {kCoreRequired});
        } else if (std::string(c.partner) == "inf") {
            // A core larger than any roll: the ring, and so the weight, is infinitely negative.
            Changes weighed = density;
            weighed[Pounds] = "-inf";
            weighed[Kilograms] = "-inf";
            LeaveAndPress(w, Calculate, {{CoreMm, "inf"}}, weighed, {});
        } else {
            Changes weighed = density;
            weighed[Pounds] = "2462.86";
            weighed[Kilograms] = "1117.15";
            LeaveAndPress(w, Calculate, {{CoreMm, "127.000"}}, weighed, {});
        }
        EXPECT_EQ(w.Text(CoreInches), c.text);
    }
}

TEST_F(HostileInput, EdgeTextsInTheSlitterWidthBoxes) {
    using enum SlitterId;
    CalculatorWindow w(Window::Slitter);
    ASSERT_TRUE(w.Ready());
    const std::map<std::string, std::string> millimetres = {
        {"-0", "-0.0000"}, {"0", "0.0000"}, {"5", "127.0000"}};
    for (const EdgeCase& c : kEdgeTexts) {
        if (std::string(c.partner) == "inf") {
            continue; // its partner would show "inf", which reads back as 0
        }
        SCOPED_TRACE(c.text);
        w.Click(ClearAll);
        if (!EnterEdgeText(w, NextInches, c)) {
            continue;
        }
        LeaveAndPress(w, AddSlit, {{NextMm, millimetres.at(c.partner)}}, {},
                      c.positive ? Texts{} : Texts{"You must enter a slit width."});
        EXPECT_EQ(w.Values().knives,
                  c.positive ? (KnifeRows{{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                                          {"2", "5.0000", "127.0000", "5.0000", "127.0000"}})
                             : KnifeRows{});
        EXPECT_EQ(w.Text(NextInches), c.text);
    }
}

TEST_F(HostileInput, EdgeTextsInTheSlitterCountBox) {
    using enum SlitterId;
    CalculatorWindow w(Window::Slitter);
    ASSERT_TRUE(w.Ready());
    for (const EdgeCase& c : kEdgeTexts) {
        SCOPED_TRACE(c.text);
        w.Click(ClearAll);
        w.Do({{SlitInches, "1"}});
        w.Type(SlitCount, "2");
        w.Paste(SlitCount, c.text);
        // Only a whole number that fits the box's two characters gets in; any other paste leaves
        // the 2.
        const std::string held = c.pastes && std::string(c.text).size() <= 2 ? c.text : "2";
        EXPECT_EQ(w.Text(SlitCount), held);
        const bool counted = held != "-0";
        LeaveAndPress(w, AddSlits, {}, {}, counted ? Texts{} : Texts{kNumberOfKnives});
        const std::size_t slits = held == "2" ? 2 : 0;
        // A refused count adds no knife at all.
        EXPECT_EQ(w.Values().knives.size(), slits == 0 ? 0 : 1 + slits);
    }
}

// ---------------------------------------------------------------------------------------------
// Measures no roll has

TEST_F(HostileInput, AllFourRollLengthValuesNegativeAreRefusedAndPrintAsTheyStand) {
    using enum RollLengthId;
    CalculatorWindow w(Window::RollLength);
    ASSERT_TRUE(w.Ready());
    w.MakePrintable();
    // Each box is left for the next one, never for its own partner.
    w.Do({{LengthFeet, "-1000"}, {CoreInches, "-3"}, {RollInches, "-10"}});
    w.Type(ThicknessInches, "-0.01");
    w.Focus(Calculate);
    EXPECT_EQ(w.Values().boxes, (BoxTexts{{LengthFeet, "-1000"},
                                          {LengthMeters, "-304.800"},
                                          {CoreInches, "-3"},
                                          {CoreMm, "0.0000"},
                                          {RollInches, "-10"},
                                          {RollMm, "0.0000"},
                                          {ThicknessInches, "-0.01"},
                                          {ThicknessMm, "0.0000"}}));
    LeaveAndPress(w, Calculate, {}, {}, {kOneFieldZero});
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(Figure(1)), "-10.0000 inches / 0.0000 millimeters");
    EXPECT_EQ(PrintedAt(Figure(2)), "-3.000000 inches / 0.000000 millimeters");
    EXPECT_EQ(PrintedAt(Figure(3)), "-1000.0000 feet / -304.8000 meters");
    EXPECT_EQ(PrintedAt(Figure(4)), "-0.0100 inches / 0.0000 millimeters");
}

TEST_F(HostileInput, CoreLargerThanTheRollGivesNegativeResults) {
    CalculatorWindow length(Window::RollLength);
    ASSERT_TRUE(length.Ready());
    length.Do({{RollLengthId::CoreInches, "10"}, {RollLengthId::RollInches, "3"}});
    length.Type(RollLengthId::ThicknessInches, "0.01");
    LeaveAndPress(
        length, RollLengthId::Calculate, {{RollLengthId::ThicknessMm, "0.2540"}},
        {{RollLengthId::LengthFeet, "-595.594"}, {RollLengthId::LengthMeters, "-181.537"}}, {});
    PrintChangesNothing(length);
    // The report prints the exact result behind the three shown decimals.
    EXPECT_EQ(PrintedAt(Figure(3)), "-595.5936 feet / -181.5369 meters");

    CalculatorWindow weight(Window::RollWeight);
    ASSERT_TRUE(weight.Ready());
    weight.Do({{RollWeightId::RollInches, "3"},
               {RollWeightId::CoreInches, "40"},
               {RollWeightId::WebInches, "60"}});
    weight.Type(RollWeightId::SpecificGravity, "0.92");
    LeaveAndPress(weight, RollWeightId::Calculate, {{RollWeightId::SpecificGravityCopy, "0.9200"}},
                  {{RollWeightId::Pounds, "-2487.88"},
                   {RollWeightId::Kilograms, "-1128.50"},
                   {RollWeightId::LbsPerCubicFoot, "57.3696"},
                   {RollWeightId::KgPerCubicMeter, "918.9726"},
                   {RollWeightId::LbsPerCubicInch, "0.0332"},
                   {RollWeightId::GPerCubicCm, "0.9190"}},
                  {});
    PrintChangesNothing(weight);
    EXPECT_EQ(PrintedAt(Figure(4)), "-2487.88 pounds");
}

TEST_F(HostileInput, ZeroAreaInTheRollWeightSolverShowsInfinity) {
    using enum RollWeightId;
    CalculatorWindow w(Window::RollWeight);
    ASSERT_TRUE(w.Ready());
    // Equal diameters wind no material. With the weight given, every density divides by the
    // zero volume.
    w.Do({{RollInches, "3"}, {CoreInches, "3"}, {WebInches, "60"}});
    w.Type(Pounds, "100");
    LeaveAndPress(w, Calculate, {{Kilograms, "45.36"}},
                  {{SpecificGravity, "inf"},
                   {SpecificGravityCopy, "inf"},
                   {LbsPerCubicFoot, "inf"},
                   {KgPerCubicMeter, "inf"},
                   {LbsPerCubicInch, "inf"},
                   {GPerCubicCm, "inf"}},
                  {});
    PrintChangesNothing(w);
    // The report prints the densities as the boxes show them.
    EXPECT_EQ(PrintedAt(Figure(6)), "inf ");
    EXPECT_EQ(PrintedAt(Figure(10)), "inf");

    // With a density instead of the width, the width divides by the zero area.
    w.Click(ClearAll);
    w.Do({{RollInches, "3"}, {CoreInches, "3"}, {Pounds, "100"}});
    w.Type(SpecificGravity, "0.92");
    LeaveAndPress(w, Calculate, {{SpecificGravityCopy, "0.9200"}},
                  {{WebInches, "inf"},
                   {WebMm, "inf"},
                   {LbsPerCubicFoot, "57.3696"},
                   {KgPerCubicMeter, "918.9726"},
                   {LbsPerCubicInch, "0.0332"},
                   {GPerCubicCm, "0.9190"}},
                  {});
    PrintChangesNothing(w);
}

// ---------------------------------------------------------------------------------------------
// Results beyond the double range

TEST_F(HostileInput, RollLengthResultsBeyondTheDoubleRangeShowInBothUnits) {
    using enum RollLengthId;
    CalculatorWindow w(Window::RollLength);
    ASSERT_TRUE(w.Ready());
    w.Do({{CoreInches, "3"}});
    w.Type(ThicknessInches, "0.01");
    w.Paste(RollInches, "1e999999");
    LeaveAndPress(w, Calculate, {{RollMm, "inf"}}, {{LengthFeet, "inf"}, {LengthMeters, "inf"}},
                  {});

    // Infinite diameters leave no defined ring: an undefined length.
    w.Paste(LengthFeet, "0");
    w.Paste(CoreInches, "1e999999");
    w.Paste(RollInches, "1e999999");
    LeaveAndPress(w, Calculate, {}, {{LengthFeet, "nan"}, {LengthMeters, "nan"}}, {});

    // The thickness pair clears its partner for anything not positive, an undefined value too.
    w.Paste(LengthFeet, "1000");
    w.Paste(ThicknessInches, "0");
    LeaveAndPress(w, Calculate, {{ThicknessMm, "0.0000"}}, {{ThicknessInches, "nan"}}, {});
    w.Paste(CoreInches, "3");
    w.Paste(ThicknessInches, "0");
    LeaveAndPress(w, Calculate, {}, {{ThicknessInches, "inf"}, {ThicknessMm, "inf"}}, {});

    w.Paste(LengthFeet, "1e999999");
    w.Paste(RollInches, "0");
    w.Paste(ThicknessInches, "0.01");
    LeaveAndPress(w, Calculate, {{ThicknessMm, "0.2540"}}, {{RollInches, "inf"}, {RollMm, "inf"}},
                  {});
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(Figure(1)), "inf inches / inf millimeters");
}

} // namespace
