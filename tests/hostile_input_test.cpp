// Hostile input through the calculator windows: a megabyte pasted into each box, texts at the edges
// of the reading rule, and measures that no roll has. Each action must answer with a refusal, a
// computed value or the non-finite text, change only the boxes it is meant to change, and end.
#include <QString>
#include <QStringList>
#include <chrono>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "report/figure_report.h"
#include "worked_examples.h"

namespace {

using Texts = std::vector<std::string>;

// A megabyte: a 7, then the pattern over and over. Junk starts with a letter, so that the number
// ends where the junk begins: letters, digits, signs, blanks, tabs and characters beyond ASCII.
QString Megabyte(const QString& pattern) {
    constexpr int kMegabyte = 1 << 20;
    return ("7" + pattern.repeated(kMegabyte / pattern.size())).left(kMegabyte);
}
const QString kJunk = QString::fromUtf8("abc XYZ 12.5e+3 -0.7 ,;:!? \xc3\xa9\xe4\xb8\xad\t.e-");

// The density family of a specific gravity of 0.92.
const std::string kDensity =
    "density_lb_ft3=57.3696 density_kg_m3=918.9726 density_lb_in3=0.0332 density_g_cm3=0.9190 ";

class HostileInput : public ::testing::Test, protected CapturedSeams {
protected:
    // What leaving the box for the button changed, then what pressing it changed and said.
    void LeaveAndPress(CalculatorWindow& w, ControlId button, const BoxTexts& onLeaving,
                       const BoxTexts& onPressing, const char* said) {
        const WindowValues typed = w.Values();
        w.Focus(button);
        const WindowValues left = w.Values();
        EXPECT_EQ(ChangedBoxes(typed, left), onLeaving);
        messages.clear();
        w.Click(button);
        EXPECT_EQ(ChangedBoxes(left, w.Values()), onPressing);
        EXPECT_EQ(MessageTexts(), said == nullptr ? Texts{} : Texts{said});
    }

    // Boxes by their column names; the second specific-gravity box has no column of its own.
    static BoxTexts Named(const CalculatorWindow& w, const BoxList& texts) {
        BoxTexts named;
        for (const BoxText& t : texts) {
            named[t.box == "sg_copy" ? RollWeightId::SpecificGravityCopy : w.Column(t.box)] =
                t.text;
        }
        return named;
    }

    void Act(CalculatorWindow& w, const BoxList& given, const BoxList& typed,
             const BoxList& onLeaving, const std::string& onPressing, const char* said = nullptr) {
        for (const BoxText& t : given) {
            w.Enter(w.Column(t.box), QString::fromStdString(t.text));
        }
        const ControlId box = w.Column(typed[0].box);
        w.Type(box, QString::fromStdString(typed[0].text));
        EXPECT_EQ(w.Text(box), typed[0].text);
        LeaveAndPress(w, w.Row().defaultButton, Named(w, onLeaving), Named(w, onPressing.c_str()),
                      said);
    }

    // One whole run that changes nothing and prints these texts at these figure rows (from 1).
    void ExpectPrinted(CalculatorWindow& w, const std::vector<std::pair<int, const char*>>& rows) {
        w.Focus(w.PrintButton());
        const WindowValues before = w.Values();
        const std::size_t runs = printer.documents->size();
        messages.clear();
        w.Click(w.PrintButton());
        EXPECT_EQ(printer.documents->size(), runs + 1);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(w.Values(), before);
        for (const auto& [row, text] : rows) {
            EXPECT_EQ(printer.At(FigureMeasurementX(kRecordedPage), FigureRowY(kRecordedPage, row)),
                      text);
        }
    }
};

class HostileBox : public HostileInput, public ::testing::WithParamInterface<Window> {};

// Over a worked calculation's values, so that a box left unedited that rewrites its partner shows.
// No number: a blank or plus sign first, hex, "nan", "inf", an open exponent, no digit before it.
TEST_P(HostileBox, PasteThatLeavesNoNumberChangesNothing) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    w.Do(w.Row().printable);
    for (ControlId id : w.BoxIds()) {
        for (const QString& pasted :
             QStringList{Megabyte(kJunk), "0x1p3", "nan", "inf", "  +5", "5e", ".e1"}) {
            SCOPED_TRACE(pasted.left(12).toStdString());
            const WindowValues before = w.Values();
            w.Paste(id, pasted);
            w.Focus(w.ClearAllButton());
            EXPECT_EQ(w.Values(), before) << id.value;
        }
    }
    // The first box, with a typing limit but in the roll weight calculator: refuses a megabyte of
    // digits whole, or reads it as beyond the double range.
    const ControlId first = w.BoxIds().front();
    const std::string held = w.Text(first);
    w.Paste(first, Megabyte("7"));
    EXPECT_TRUE(w.Text(first) == held || std::isinf(w.Box(first)->GetValue()));
}

INSTANTIATE_TEST_SUITE_P(EachWindow, HostileBox, ::testing::ValuesIn(Calculators()), kWindowName);

// Texts at the edges of the reading rule, typed over the length (the unknown: a positive length
// leaves none) or over the core diameter (the one required measure). "1e999999" is beyond the
// double range; an exponent without digits after it does not stop a number being read; ".e1"
// holds no number at its start and reads as 0.
TEST_F(HostileInput, EdgeTextsInTheRollBoxes) {
    const struct {
        Window window;
        const char* typed;
        const char* onLeaving;
        std::string onPressing;
        const char* said;
    } rows[] = {
        {Window::RollLength, "length_ft=1e999999", "length_m=inf", "",
         "One field must remain zero!"},
        {Window::RollLength, "length_ft=-0", "length_m=-0.000",
         "length_ft=595.594 length_m=181.537", nullptr},
        {Window::RollLength, "length_ft=5e", "length_m=1.524", "", "One field must remain zero!"},
        {Window::RollLength, "length_ft=.e1", "", "length_ft=595.594 length_m=181.537", nullptr},
        // A core larger than any roll: the ring, and so the weight, is infinitely negative.
        {Window::RollWeight, "core_in=1e999999", "core_mm=inf",
         kDensity + "weight_lb=-inf weight_kg=-inf", nullptr},
        {Window::RollWeight, "core_in=-0", "", "", "Core Diameter is a required field"},
        {Window::RollWeight, "core_in=5e", "core_mm=127.000",
         kDensity + "weight_lb=2462.86 weight_kg=1117.15", nullptr},
        {Window::RollWeight, "core_in=.e1", "", "", "Core Diameter is a required field"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        CalculatorWindow w(row.window);
        ASSERT_TRUE(w.Ready());
        Act(w,
            row.window == Window::RollLength ? "core_in=3 diameter_in=10 thickness_in=0.01"
                                             : "diameter_in=40 width_in=60 sg=0.92",
            row.typed, row.onLeaving, row.onPressing, row.said);
    }
}

// The width beyond the range is left out: its partner would show "inf", which reads back as 0. A
// refused count or width adds no knife at all.
TEST_F(HostileInput, EdgeTextsInTheSlitterBoxes) {
    using enum SlitterId;
    CalculatorWindow w(Window::Slitter);
    ASSERT_TRUE(w.Ready());
    const KnifeRows fiveInches = {{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                                  {"2", "5.0000", "127.0000", "5.0000", "127.0000"}};
    const struct {
        ControlId box;
        const char* text;
        ControlId button;
        BoxTexts onLeaving;
        const char* said;
        KnifeRows knives;
    } rows[] = {
        {NextInches, "-0", AddSlit, {{NextMm, "-0.0000"}}, "You must enter a slit width.", {}},
        {NextInches, "5e", AddSlit, {{NextMm, "127.0000"}}, nullptr, fiveInches},
        {NextInches, ".e1", AddSlit, {{NextMm, "0.0000"}}, "You must enter a slit width.", {}},
        {SlitCount, "-0", AddSlits, {}, "You must enter the number of knives.", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        w.Click(ClearAll);
        w.Do({{SlitInches, "1"}});
        w.Type(row.box, row.text);
        EXPECT_EQ(w.Text(row.box), row.text);
        LeaveAndPress(w, row.button, row.onLeaving, {}, row.said);
        EXPECT_EQ(w.Values().knives, row.knives);
    }
}

TEST_F(HostileInput, MegabyteInARollWeightBox) {
    CalculatorWindow w(Window::RollWeight);
    ASSERT_TRUE(w.Ready());
    w.Do(w.Row().printable);
    using enum RollWeightId;
    w.Enter(Pounds, "0");
    w.Paste(RollInches, Megabyte("7"));
    LeaveAndPress(w, Calculate, {{RollMm, "inf"}}, {{Pounds, "inf"}, {Kilograms, "inf"}}, nullptr);
    ExpectPrinted(w, {{1, "inf inches / inf millimeters"}});
}

// Each box is left for the next one, never for its own partner.
TEST_F(HostileInput, AllFourRollLengthValuesNegativeAreRefusedAndPrintAsTheyStand) {
    CalculatorWindow w(Window::RollLength);
    ASSERT_TRUE(w.Ready());
    w.MakePrintable();
    Act(w, "length_ft=-1000 core_in=-3 diameter_in=-10", "thickness_in=-0.01", "", "",
        "Only one field can be zero!");
    ExpectPrinted(w, {{1, "-10.0000 inches / 0.0000 millimeters"},
                      {2, "-3.000000 inches / 0.000000 millimeters"},
                      {3, "-1000.0000 feet / -304.8000 meters"},
                      {4, "-0.0100 inches / 0.0000 millimeters"}});
}

TEST_F(HostileInput, CoreLargerThanTheRollGivesNegativeResults) {
    CalculatorWindow length(Window::RollLength);
    ASSERT_TRUE(length.Ready());
    Act(length, "core_in=10 diameter_in=3", "thickness_in=0.01", "thickness_mm=0.2540",
        "length_ft=-595.594 length_m=-181.537");
    // The report prints the exact result behind the three shown decimals.
    ExpectPrinted(length, {{3, "-595.5936 feet / -181.5369 meters"}});

    CalculatorWindow weight(Window::RollWeight);
    ASSERT_TRUE(weight.Ready());
    Act(weight, "diameter_in=3 core_in=40 width_in=60", "sg=0.92", "sg_copy=0.9200",
        kDensity + "weight_lb=-2487.88 weight_kg=-1128.50");
    ExpectPrinted(weight, {{4, "-2487.88 pounds"}});
}

// Equal diameters wind no material: given the weight, every density divides by the zero volume;
// given a density, the width divides by the zero area.
TEST_F(HostileInput, ZeroAreaInTheRollWeightSolverShowsInfinity) {
    CalculatorWindow w(Window::RollWeight);
    ASSERT_TRUE(w.Ready());
    Act(w, "diameter_in=3 core_in=3 width_in=60", "weight_lb=100", "weight_kg=45.36",
        "sg=inf sg_copy=inf density_lb_ft3=inf density_kg_m3=inf density_lb_in3=inf "
        "density_g_cm3=inf");
    ExpectPrinted(w, {{6, "inf "}, {10, "inf"}});

    w.Click(RollWeightId::ClearAll);
    Act(w, "diameter_in=3 core_in=3 weight_lb=100", "sg=0.92", "sg_copy=0.9200",
        kDensity + "width_in=inf width_mm=inf");
    ExpectPrinted(w, {{3, "inf inches / inf millimeters"}});
}

// Infinite diameters leave no defined ring, an undefined length; the thickness pair clears its
// partner for anything not positive, an undefined value too.
TEST_F(HostileInput, RollLengthResultsBeyondTheDoubleRangeShowInBothUnits) {
    CalculatorWindow w(Window::RollLength);
    ASSERT_TRUE(w.Ready());
    Act(w, "core_in=3 thickness_in=0.01", "diameter_in=1e999999", "diameter_mm=inf",
        "length_ft=inf length_m=inf");
    Act(w, "length_ft=0 core_in=1e999999", "diameter_in=1e999999", "",
        "length_ft=nan length_m=nan");
    Act(w, "length_ft=1000", "thickness_in=0", "thickness_mm=0.0000", "thickness_in=nan");
    Act(w, "core_in=3", "thickness_in=0", "", "thickness_in=inf thickness_mm=inf");
    Act(w, "length_ft=1e999999 diameter_in=0", "thickness_in=0.01", "thickness_mm=0.2540",
        "diameter_in=inf diameter_mm=inf");
    ExpectPrinted(w, {{1, "inf inches / inf millimeters"}});
}

} // namespace
