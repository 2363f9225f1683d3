// The command line's view of the two calculator windows: which quantities each has, in which
// units and formats, how a value given with a unit reaches its box, and the solve that follows.
// Standard C++ only: the figures come from the same solvers and number text as the windows'.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Knives has one quantity, the slit width, and no solve.
enum class CliCalculator { Length, Weight, Knives };

// What kind of value an argument or column holds; it decides which units it may carry.
enum class Dimension { RollLength, Width, Weight, Density };

// One pair of boxes in a window, or the single specific gravity box.
struct QuantityInfo {
    const char* key;   // argument and column word: "core", "diameter", ...
    const char* label; // the window's caption, for the text output
    Dimension dimension;
    const char* units[2]; // inch-based unit, metric unit ("" when the box has no partner)
    const char* columns[2];
    const char* formats[2];
    bool clearing; // an inch/mm pair: the partner is zeroed unless the source is positive
    double toMetric, toInch;
};

// A value as it stands in a window's boxes: both sides of a pair, in the boxes' units.
struct Figure {
    const QuantityInfo* quantity;
    double values[2];
    bool solved;
};

// A value given with a unit: the box it lands in and the number that box then holds.
struct Entry {
    const QuantityInfo* quantity;
    int side; // 0 inch-based, 1 metric
    double value;
};

struct Solution {
    CliCalculator calculator;
    std::vector<Figure> figures; // in window order
    std::string message;         // the refusal, empty when solved
    const char* solved = "";     // key of the solved quantity; "density" for the density family
};

// The window's quantities, in window order.
const std::vector<QuantityInfo>& QuantitiesOf(CliCalculator calculator);
const char* NameOf(CliCalculator calculator);
std::optional<CliCalculator> CalculatorNamed(std::string_view name);

// The dimension of an argument or column word ("core", "density", "sg", ...), if it is one.
std::optional<Dimension> DimensionOf(std::string_view key);
// Whether any dimension has this unit.
bool IsUnit(std::string_view unit);

// Reads "3in", "76,2 mm", "0.92" for the quantity `key`: a number (a comma stands for the point,
// as typed in a window) and a unit of its dimension; a bare number takes the inch-based unit. For
// a density the unit picks the box. On failure returns nothing and says what was expected.
std::optional<Entry> ParseEntry(CliCalculator calculator, std::string_view key,
                                std::string_view text, std::string& error);

// Reads a batch cell: a number alone, in the unit its column names.
std::optional<Entry> ParseCell(CliCalculator calculator, std::string_view key,
                               std::string_view unit, std::string_view text, std::string& error);

// Reads a number with no unit in the same way; empty text is an error.
std::optional<double> ParseNumber(std::string_view text, std::string& error);

// The units a dimension accepts, for messages and help.
const char* UnitsOf(Dimension dimension);

// Brings the entries into the boxes as leaving each box would, solves as Calculate does and
// writes the results as the window writes them. Two entries for one pair are the caller's to
// refuse; here the later wins.
Solution Solve(CliCalculator calculator, const std::vector<Entry>& entries);

// A figure's text as its box shows it.
std::string ShownText(const Figure& figure, int side);
// The shortest text that reads back as exactly the value.
std::string ExactText(double value);
