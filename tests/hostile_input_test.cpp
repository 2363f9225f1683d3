// Hostile input through the calculator windows: a megabyte pasted into each kind of box, texts at
// the edges of the reading rule, and measures that no roll has. Each action must answer with a
// refusal, a computed value or the non-finite text, change only the boxes it is meant to change,
// and end.
#include <QString>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "recording_print_surface.h"

namespace {

using Changes = std::map<int, std::string>;
using Texts = std::vector<std::string>;

constexpr auto kBound = std::chrono::seconds(60);
constexpr int kMegabyte = 1 << 20;

// The recording surface's line height and average character width.
constexpr int kH = 96;
constexpr int kA = 36;
// Where the roll reports put the measurement of row r (from 1), and the slitter report its rows.
constexpr int kMeasurementX = 60 * kA;
constexpr int RollRowY(int r) {
    return (18 + 2 * r) * kH;
}
constexpr int KnifeRowY(int k) {
    return (20 + k) * kH;
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

class HostileInput : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r.text); });
        SetPrinterSource(printer.Source());
    }
    void TearDown() override {
        SetPrinterSource({});
        SetMessageSink({});
    }

    // Leaves the box for the button, then presses it: checks what leaving changed, then what the
    // press changed and said.
    void LeaveAndPress(CalculatorWindow& w, int button, const Changes& onLeaving,
                       const Changes& onPressing, const Texts& said) {
        const WindowValues typed = w.Values();
        w.FocusButton(button);
        const WindowValues left = w.Values();
        EXPECT_EQ(ChangedBoxes(typed, left), onLeaving);
        messages.clear();
        w.Click(button);
        EXPECT_EQ(ChangedBoxes(left, w.Values()), onPressing);
        EXPECT_EQ(messages, said);
    }

    // Presses Print: one whole run, released, that changes nothing in the window.
    void PrintChangesNothing(CalculatorWindow& w) {
        ASSERT_TRUE(w.Enabled(kPrintButton));
        w.FocusButton(kPrintButton);
        const WindowValues before = w.Values();
        const std::size_t runs = printer.log->Count(PrintCall::Destroyed);
        messages.clear();
        w.Click(kPrintButton);
        EXPECT_EQ(printer.log->Count(PrintCall::Destroyed), runs + 1);
        EXPECT_EQ(printer.log->calls.back().kind, PrintCall::Destroyed);
        EXPECT_EQ(printer.log->Count(PrintCall::CreateFont),
                  printer.log->Count(PrintCall::DeleteFont));
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(w.Dialog().isEnabled());
        EXPECT_EQ(w.Values(), before);
    }

    // The text the last run drew at a point, or "(none)".
    std::string PrintedAt(int x, int y) const {
        std::size_t start = 0;
        for (std::size_t i = 0; i < printer.log->calls.size(); ++i) {
            if (printer.log->calls[i].kind == PrintCall::StartDoc) {
                start = i;
            }
        }
        for (std::size_t i = start; i < printer.log->calls.size(); ++i) {
            const PrintCall& c = printer.log->calls[i];
            if (c.kind == PrintCall::Text && c.x == x && c.y == y) {
                return c.text;
            }
        }
        return "(none)";
    }

    Watchdog watchdog{kBound};
    RecordingPrinter printer;
    Texts messages;
};

// ---------------------------------------------------------------------------------------------
// A megabyte pasted

TEST_F(HostileInput, MegabyteInARollLengthBoxIsRefusedWhole) {
    CalculatorWindow w(Calculator::RollLength);
    ASSERT_TRUE(w.Ready());
    w.Type(1003, "3");
    w.Type(1007, "0.01");
    w.Type(1005, "10");
    // Twelve characters at most, pasted or typed: the box keeps what it held.
    for (const QString& pasted : {NumberThenJunk("7"), MegabyteOfDigits()}) {
        w.Paste(1005, pasted);
        EXPECT_EQ(w.Text(1005), "10");
    }
    LeaveAndPress(w, kCalculateButton, {{1006, "254.0000"}}, {{1001, "595.594"}, {1002, "181.537"}},
                  {});
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(1)), "10.0000 inches / 254.0000 millimeters");
}

TEST_F(HostileInput, MegabyteInTheSlitterCountBoxIsRefusedWhole) {
    CalculatorWindow w(Calculator::Slitter);
    ASSERT_TRUE(w.Ready());
    w.Type(1043, "2.5");
    w.Type(1040, "3");
    // Two characters at most, pasted or typed: the box keeps what it held.
    for (const QString& pasted : {NumberThenJunk("9"), MegabyteOfDigits()}) {
        w.Paste(1040, pasted);
        EXPECT_EQ(w.Text(1040), "3");
    }
    LeaveAndPress(w, kAddSlitsButton, {}, {}, {});
    EXPECT_EQ(w.Values().knives, (KnifeRows{{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                                            {"2", "2.5000", "63.5000", "2.5000", "63.5000"},
                                            {"3", "2.5000", "63.5000", "5.0000", "127.0000"},
                                            {"4", "2.5000", "63.5000", "7.5000", "190.5000"}}));
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(75 * kA, KnifeRowY(3)), "7.5000 inches / 190.5000 mm");
}

TEST_F(HostileInput, MegabyteInARollWeightBox) {
    CalculatorWindow w(Calculator::RollWeight);
    ASSERT_TRUE(w.Ready());
    w.Enter(1015, "3");
    w.Enter(1017, "60");
    w.Enter(1021, "0.92");

    // A number followed by junk is no number: the paste is refused whole and leaving changes
    // nothing.
    const WindowValues before = w.Values();
    w.Paste(1013, NumberThenJunk("40"));
    EXPECT_EQ(w.Values(), before);
    w.FocusButton(kCalculateButton);
    EXPECT_EQ(w.Values(), before);
    w.Paste(1013, "40");
    LeaveAndPress(w, kCalculateButton, {{1014, "1016.000"}},
                  {{1019, "2487.88"},
                   {1020, "1128.50"},
                   {1023, "57.3696"},
                   {1024, "918.9726"},
                   {1025, "0.0332"},
                   {1026, "0.9190"}},
                  {});
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(1)), "40.000 inches / 1016.000 millimeters");

    // Beyond the double range: the weight of a roll that size shows as such.
    w.Paste(1019, "0");
    w.Paste(1013, MegabyteOfDigits());
    LeaveAndPress(w, kCalculateButton, {{1014, "inf"}}, {{1019, "inf"}, {1020, "inf"}}, {});
    PrintChangesNothing(w);
}

TEST_F(HostileInput, MegabyteInASlitterWidthBox) {
    CalculatorWindow w(Calculator::Slitter);
    ASSERT_TRUE(w.Ready());
    w.Enter(1040, "3");

    const WindowValues before = w.Values();
    w.Paste(1043, NumberThenJunk("2.5"));
    w.Paste(1045, NumberThenJunk("1"));
    EXPECT_EQ(w.Values(), before);
    w.Paste(1043, "2.5");
    LeaveAndPress(w, kAddSlitsButton, {{1044, "63.5000"}}, {}, {});
    EXPECT_EQ(w.Values().knives, (KnifeRows{{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                                            {"2", "2.5000", "63.5000", "2.5000", "63.5000"},
                                            {"3", "2.5000", "63.5000", "5.0000", "127.0000"},
                                            {"4", "2.5000", "63.5000", "7.5000", "190.5000"}}));

    w.Paste(1045, "1");
    LeaveAndPress(w, kAddSlitButton, {{1046, "25.4000"}}, {}, {});
    EXPECT_EQ(w.Values().knives.back(),
              (std::vector<std::string>{"5", "1.0000", "25.4000", "8.5000", "215.9000"}));
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(30 * kA, KnifeRowY(4)), "1.0000 inches / 25.4000 mm");
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
bool EnterEdgeText(CalculatorWindow& w, int id, const EdgeCase& c) {
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
    // A fresh window's metre box shows "0.000" already.
    const std::map<std::string, Changes> metres = {
        {"inf", {{1002, "inf"}}}, {"-0", {{1002, "-0.000"}}}, {"0", {}}, {"5", {{1002, "1.524"}}}};
    for (const EdgeCase& c : kEdgeTexts) {
        SCOPED_TRACE(c.text);
        CalculatorWindow w(Calculator::RollLength);
        ASSERT_TRUE(w.Ready());
        w.Type(1003, "3");
        w.Type(1005, "10");
        w.Type(1007, "0.01");
        // Feet as the unknown: a positive length leaves no unknown, anything else is solved for.
        if (!EnterEdgeText(w, 1001, c)) {
            continue;
        }
        if (c.positive) {
            LeaveAndPress(w, kCalculateButton, metres.at(c.partner), {}, {kOneMustRemainZero});
            EXPECT_EQ(w.Text(1001), c.text);
        } else {
            LeaveAndPress(w, kCalculateButton, metres.at(c.partner),
                          {{1001, "595.594"}, {1002, "181.537"}}, {});
        }
    }
}

TEST_F(HostileInput, EdgeTextsInTheRollWeightBoxes) {
    for (const EdgeCase& c : kEdgeTexts) {
        SCOPED_TRACE(c.text);
        CalculatorWindow w(Calculator::RollWeight);
        ASSERT_TRUE(w.Ready());
        w.Enter(1013, "40");
        w.Enter(1017, "60");
        w.Enter(1021, "0.92");
        // The core diameter, the one required measure.
        if (!EnterEdgeText(w, 1015, c)) {
            continue;
        }
        const Changes density = {
            {1023, "57.3696"}, {1024, "918.9726"}, {1025, "0.0332"}, {1026, "0.9190"}};
        if (!c.positive) {
            // The millimetre box keeps the "0.000" it opened with.
            LeaveAndPress(w, kCalculateButton, {}, {}, {kCoreRequired});
        } else if (std::string(c.partner) == "inf") {
            // A core larger than any roll: the ring, and so the weight, is infinitely negative.
            Changes weighed = density;
            weighed[1019] = "-inf";
            weighed[1020] = "-inf";
            LeaveAndPress(w, kCalculateButton, {{1016, "inf"}}, weighed, {});
        } else {
            Changes weighed = density;
            weighed[1019] = "2462.86";
            weighed[1020] = "1117.15";
            LeaveAndPress(w, kCalculateButton, {{1016, "127.000"}}, weighed, {});
        }
        EXPECT_EQ(w.Text(1015), c.text);
    }
}

TEST_F(HostileInput, EdgeTextsInTheSlitterWidthBoxes) {
    CalculatorWindow w(Calculator::Slitter);
    ASSERT_TRUE(w.Ready());
    const std::map<std::string, std::string> millimetres = {
        {"-0", "-0.0000"}, {"0", "0.0000"}, {"5", "127.0000"}};
    for (const EdgeCase& c : kEdgeTexts) {
        if (std::string(c.partner) == "inf") {
            continue; // its partner would show "inf", which reads back as 0
        }
        SCOPED_TRACE(c.text);
        w.Click(3);
        if (!EnterEdgeText(w, 1045, c)) {
            continue;
        }
        LeaveAndPress(w, kAddSlitButton, {{1046, millimetres.at(c.partner)}}, {},
                      c.positive ? Texts{} : Texts{"You must enter a slit width."});
        EXPECT_EQ(w.Values().knives,
                  c.positive ? (KnifeRows{{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                                          {"2", "5.0000", "127.0000", "5.0000", "127.0000"}})
                             : KnifeRows{});
        EXPECT_EQ(w.Text(1045), c.text);
    }
}

TEST_F(HostileInput, EdgeTextsInTheSlitterCountBox) {
    CalculatorWindow w(Calculator::Slitter);
    ASSERT_TRUE(w.Ready());
    for (const EdgeCase& c : kEdgeTexts) {
        SCOPED_TRACE(c.text);
        w.Click(3);
        w.Type(1043, "1");
        w.Type(1040, "2");
        w.Paste(1040, c.text);
        // Only a whole number that fits the box's two characters gets in; any other paste leaves
        // the 2.
        const std::string held = c.pastes && std::string(c.text).size() <= 2 ? c.text : "2";
        EXPECT_EQ(w.Text(1040), held);
        const bool counted = held != "-0";
        LeaveAndPress(w, kAddSlitsButton, {}, {}, counted ? Texts{} : Texts{kNumberOfKnives});
        const std::size_t slits = held == "2" ? 2 : 0;
        // A refused count adds no knife at all.
        EXPECT_EQ(w.Values().knives.size(), slits == 0 ? 0 : 1 + slits);
    }
}

// ---------------------------------------------------------------------------------------------
// Measures no roll has

TEST_F(HostileInput, AllFourRollLengthValuesNegativeAreRefusedAndPrintAsTheyStand) {
    CalculatorWindow w(Calculator::RollLength);
    ASSERT_TRUE(w.Ready());
    w.MakePrintable();
    // Each box is left for the next one, never for its own partner.
    w.Type(1001, "-1000");
    w.Type(1003, "-3");
    w.Type(1005, "-10");
    w.Type(1007, "-0.01");
    w.FocusButton(kCalculateButton);
    EXPECT_EQ(w.Values().boxes, (std::map<int, std::string>{{1001, "-1000"},
                                                            {1002, "-304.800"},
                                                            {1003, "-3"},
                                                            {1004, "0.0000"},
                                                            {1005, "-10"},
                                                            {1006, "0.0000"},
                                                            {1007, "-0.01"},
                                                            {1008, "0.0000"}}));
    LeaveAndPress(w, kCalculateButton, {}, {}, {kOneFieldZero});
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(1)), "-10.0000 inches / 0.0000 millimeters");
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(2)), "-3.000000 inches / 0.000000 millimeters");
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(3)), "-1000.0000 feet / -304.8000 meters");
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(4)), "-0.0100 inches / 0.0000 millimeters");
}

TEST_F(HostileInput, CoreLargerThanTheRollGivesNegativeResults) {
    CalculatorWindow length(Calculator::RollLength);
    ASSERT_TRUE(length.Ready());
    length.Type(1003, "10");
    length.Type(1005, "3");
    length.Type(1007, "0.01");
    LeaveAndPress(length, kCalculateButton, {{1008, "0.2540"}},
                  {{1001, "-595.594"}, {1002, "-181.537"}}, {});
    PrintChangesNothing(length);
    // The report prints the exact result behind the three shown decimals.
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(3)), "-595.5936 feet / -181.5369 meters");

    CalculatorWindow weight(Calculator::RollWeight);
    ASSERT_TRUE(weight.Ready());
    weight.Type(1013, "3");
    weight.Type(1015, "40");
    weight.Type(1017, "60");
    weight.Type(1021, "0.92");
    LeaveAndPress(weight, kCalculateButton, {{1022, "0.9200"}},
                  {{1019, "-2487.88"},
                   {1020, "-1128.50"},
                   {1023, "57.3696"},
                   {1024, "918.9726"},
                   {1025, "0.0332"},
                   {1026, "0.9190"}},
                  {});
    PrintChangesNothing(weight);
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(4)), "-2487.88 pounds");
}

TEST_F(HostileInput, ZeroAreaInTheRollWeightSolverShowsInfinity) {
    CalculatorWindow w(Calculator::RollWeight);
    ASSERT_TRUE(w.Ready());
    // Equal diameters wind no material. With the weight given, every density divides by the
    // zero volume.
    w.Type(1013, "3");
    w.Type(1015, "3");
    w.Type(1017, "60");
    w.Type(1019, "100");
    LeaveAndPress(
        w, kCalculateButton, {{1020, "45.36"}},
        {{1021, "inf"}, {1022, "inf"}, {1023, "inf"}, {1024, "inf"}, {1025, "inf"}, {1026, "inf"}},
        {});
    PrintChangesNothing(w);
    // The report prints the densities as the boxes show them.
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(6)), "inf ");
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(10)), "inf");

    // With a density instead of the width, the width divides by the zero area.
    w.Click(1052);
    w.Type(1013, "3");
    w.Type(1015, "3");
    w.Type(1019, "100");
    w.Type(1021, "0.92");
    LeaveAndPress(w, kCalculateButton, {{1022, "0.9200"}},
                  {{1017, "inf"},
                   {1018, "inf"},
                   {1023, "57.3696"},
                   {1024, "918.9726"},
                   {1025, "0.0332"},
                   {1026, "0.9190"}},
                  {});
    PrintChangesNothing(w);
}

// ---------------------------------------------------------------------------------------------
// Results beyond the double range

TEST_F(HostileInput, RollLengthResultsBeyondTheDoubleRangeShowInBothUnits) {
    CalculatorWindow w(Calculator::RollLength);
    ASSERT_TRUE(w.Ready());
    w.Type(1003, "3");
    w.Type(1007, "0.01");
    w.Paste(1005, "1e999999");
    LeaveAndPress(w, kCalculateButton, {{1006, "inf"}}, {{1001, "inf"}, {1002, "inf"}}, {});

    // Infinite diameters leave no defined ring: an undefined length.
    w.Paste(1001, "0");
    w.Paste(1003, "1e999999");
    w.Paste(1005, "1e999999");
    LeaveAndPress(w, kCalculateButton, {}, {{1001, "nan"}, {1002, "nan"}}, {});

    // The thickness pair clears its partner for anything not positive, an undefined value too.
    w.Paste(1001, "1000");
    w.Paste(1007, "0");
    LeaveAndPress(w, kCalculateButton, {{1008, "0.0000"}}, {{1007, "nan"}}, {});
    w.Paste(1003, "3");
    w.Paste(1007, "0");
    LeaveAndPress(w, kCalculateButton, {}, {{1007, "inf"}, {1008, "inf"}}, {});

    w.Paste(1001, "1e999999");
    w.Paste(1005, "0");
    w.Paste(1007, "0.01");
    LeaveAndPress(w, kCalculateButton, {{1008, "0.2540"}}, {{1005, "inf"}, {1006, "inf"}}, {});
    PrintChangesNothing(w);
    EXPECT_EQ(PrintedAt(kMeasurementX, RollRowY(1)), "inf inches / inf millimeters");
}

} // namespace
