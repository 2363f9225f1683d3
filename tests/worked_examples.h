// The calculators' worked examples, each written once: the values a user gives and the texts the
// window then shows. The window tests type them into the boxes; the command-line test gives them
// as arguments. Both must show the same texts. Standard C++ and GoogleTest only.
#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

// A box by its command-line column, quantity and unit ("core_mm", "density_lb_ft3", "sg"), and
// its text: typed into the box, or shown by it after Calculate.
struct BoxText {
    std::string box;
    std::string text;
};

// Written as "core_in=3 diameter_in=10".
struct BoxList : std::vector<BoxText> {
    BoxList(const char* list) { // NOLINT(google-explicit-constructor): rows are written as text
        std::istringstream words(list);
        for (std::string word; words >> word;) {
            const std::size_t equals = word.find('=');
            push_back({word.substr(0, equals), word.substr(equals + 1)});
        }
    }
};

struct WorkedExample {
    const char* name;
    const char* calculator; // "length" or "weight"
    BoxList typed;
    BoxList shown;
    const char* refusal = nullptr; // the message instead of a solve
    const char* said = nullptr;    // what a screen reader then hears, where a row says
};

inline const std::vector<WorkedExample> kWorkedExamples = {
    {"LengthFromInches", "length", "diameter_in=10 core_in=3 thickness_in=0.01",
     "length_ft=595.594 length_m=181.537 core_mm=76.2000 diameter_mm=254.0000 thickness_mm=0.2540",
     nullptr, "Roll length 595.594 feet, 181.537 meters"},
    // A 12 micron film in millimetres: the inch box shows 0.0005, the length comes from the exact
    // conversion behind it.
    {"LengthFromMillimetres", "length", "core_mm=76.2 diameter_mm=254 thickness_mm=0.012",
     "thickness_in=0.0005 length_ft=12606.731 length_m=3842.532 core_in=3.0000"},
    // The millimetres come from the exact 0.0059559..., not from the shown 0.0060.
    {"ThicknessBehindItsRoundedText", "length", "length_ft=1000 core_in=3 diameter_in=10",
     "thickness_in=0.0060 thickness_mm=0.1513 length_m=304.800", nullptr,
     "Material thickness 0.0060 inches, 0.1513 millimeters"},
    {"RollDiameter", "length", "length_ft=1000 core_in=3 thickness_in=0.01",
     "diameter_in=12.7196 diameter_mm=323.0784", nullptr,
     "Roll diameter 12.7196 inches, 323.0784 millimeters"},
    {"NegativeLength", "length", "core_in=3 diameter_in=2 thickness_in=0.01",
     "length_ft=-32.725 length_m=-9.975"},
    // A thickness that is not positive clears its millimetres.
    {"NegativeThickness", "length", "length_ft=1000 core_in=10 diameter_in=3",
     "thickness_in=-0.0060 thickness_mm=0.0000"},
    {"LongResultShownWhole", "length", "core_in=3 diameter_in=10 thickness_in=1e-10",
     "length_ft=59559360732.083 length_m=18153693151.139"},
    {"NoUnknown", "length", "length_ft=1000 core_in=3 diameter_in=10 thickness_in=0.01", "",
     "One field must remain zero!"},
    {"TwoUnknowns", "length", "core_in=3", "", "Only one field can be zero!"},
    {"WeightFromInches", "weight", "diameter_in=40 core_in=3 width_in=60 sg=0.92",
     "weight_lb=2487.88 weight_kg=1128.50 diameter_mm=1016.000 density_lb_in3=0.0332 "
     "density_lb_ft3=57.3696 density_kg_m3=918.9726 density_g_cm3=0.9190",
     nullptr, "Roll weight 2487.88 pounds, 1128.50 kilograms"},
    {"WeightFromMillimetres", "weight", "diameter_mm=1016 core_mm=76.2 width_mm=1524 sg=0.92",
     "diameter_in=40.000 core_in=3.000 width_in=60.000 weight_lb=2487.88 weight_kg=1128.50 "
     "density_lb_in3=0.0332"},
    {"DensityFromAWeighedRoll", "weight", "diameter_in=40 core_in=3 width_in=60 weight_lb=2487.879",
     "weight_kg=1128.50 sg=0.9197 density_lb_in3=0.0332 density_lb_ft3=57.3696 "
     "density_kg_m3=918.9726 density_g_cm3=0.9190",
     nullptr, "Specific gravity 0.9197, 57.3696 pounds per cubic foot"},
    {"WebWidth", "weight", "diameter_in=40 core_in=3 sg=0.92 weight_lb=2487.879",
     "width_in=59.980 width_mm=1523.492 density_kg_m3=918.9726", nullptr,
     "Web width 59.980 inches, 1523.492 millimeters"},
    {"RollDiameterFromWeight", "weight", "core_in=3 width_in=60 sg=0.92 weight_lb=2487.879",
     "diameter_in=40.000 diameter_mm=1016.000 density_lb_in3=0.0332", nullptr,
     "Roll diameter 40.000 inches, 1016.000 millimeters"},
    {"NoCore", "weight", "diameter_in=40 width_in=60 weight_lb=2487.879", "",
     "Core Diameter is a required field"},
    {"TooFewFields", "weight", "diameter_in=40 core_in=3", "",
     "All required fields are not entered!"},
};

inline void PrintTo(const WorkedExample& e, std::ostream* os) {
    *os << e.name;
}

inline std::vector<WorkedExample> WorkedExamplesOf(std::string_view calculator) {
    std::vector<WorkedExample> examples;
    for (const WorkedExample& e : kWorkedExamples) {
        if (e.calculator == calculator) {
            examples.push_back(e);
        }
    }
    return examples;
}

// What a window shows after an example's Calculate: its one refusal with no box changed, or the
// example's texts with each typed box still as typed. `textOf` reads a box by its column name.
template <class TextOf, class Messages>
void ExpectWorkedTexts(const WorkedExample& example, TextOf textOf, const Messages& messages,
                       bool boxesUnchanged, const std::string* heard = nullptr) {
    if (heard != nullptr && example.said != nullptr) {
        EXPECT_EQ(*heard, example.said);
    }
    if (example.refusal != nullptr) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, example.refusal);
        EXPECT_TRUE(boxesUnchanged);
        return;
    }
    EXPECT_TRUE(messages.empty());
    for (const BoxText& shown : example.shown) {
        EXPECT_EQ(textOf(shown.box), shown.text) << shown.box;
    }
    for (const BoxText& typed : example.typed) {
        EXPECT_EQ(textOf(typed.box), typed.text) << typed.box;
    }
}

// The knife list's worked examples: options in the order given (the window's buttons in the
// same order) and the rows it then shows.
struct KnifeStep {
    const char* option; // "--equal" (COUNTxWIDTH), "--slit" or "--increment"
    const char* value;  // the width ends in "in" or "mm": the box it is typed into
};

struct KnifeExample {
    const char* name;
    std::vector<KnifeStep> steps;
    std::vector<std::vector<const char*>> rows;
    std::vector<std::string> said; // what a screen reader hears after each step
};

inline void PrintTo(const KnifeExample& e, std::ostream* os) {
    *os << e.name;
}

inline const std::vector<KnifeExample> kKnifeExamples = {
    {"EqualSlitsThenAVariedSlit",
     {{"--equal", "3x2.5in"}, {"--slit", "1in"}},
     {{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
      {"2", "2.5000", "63.5000", "2.5000", "63.5000"},
      {"3", "2.5000", "63.5000", "5.0000", "127.0000"},
      {"4", "2.5000", "63.5000", "7.5000", "190.5000"},
      {"5", "1.0000", "25.4000", "8.5000", "215.9000"}},
     {"Knives 2 to 4 added, last at 7.5000 inches", "Knife 5 added, at 8.5000 inches"}},
    {"SetupIncrementThenEqualSlits",
     {{"--increment", ".75in"}, {"--equal", "2x76.2mm"}},
     {{"0", "0.0000", "0.0000", "0.0000", "0.0000"},
      {"1", "0.7500", "19.0500", "0.7500", "19.0500"},
      {"2", "3.0000", "76.2000", "3.7500", "95.2500"},
      {"3", "3.0000", "76.2000", "6.7500", "171.4500"}},
     {"Knife 1 added, at 0.7500 inches", "Knives 2 to 3 added, last at 6.7500 inches"}},
};
