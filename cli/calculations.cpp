#include "cli/calculations.h"

#include <charconv>
#include <cmath>
#include <span>

#include "numbers/number_filter.h"
#include "numbers/number_text.h"
#include "numbers/unit_factors.h"
#include "roll_length/roll_length_solver.h"
#include "roll_weight/roll_weight_solver.h"

namespace {

using D = Dimension;

// The boxes' formats and pairs as the windows have them.
const std::vector<QuantityInfo> kLengthQuantities = {
    {"length",
     "Roll Length",
     D::RollLength,
     {"ft", "m"},
     {"length_ft", "length_m"},
     {"%4.3f", "%4.3f"},
     false,
     kMetersPerFoot,
     kFeetPerMeter},
    {"core",
     "Core Diameter",
     D::Width,
     {"in", "mm"},
     {"core_in", "core_mm"},
     {"%4.4f", "%4.4f"},
     true,
     kMmPerInch,
     kInchesPerMm},
    {"diameter",
     "Roll Diameter",
     D::Width,
     {"in", "mm"},
     {"diameter_in", "diameter_mm"},
     {"%4.4f", "%4.4f"},
     true,
     kMmPerInch,
     kInchesPerMm},
    {"thickness",
     "Material Thickness",
     D::Width,
     {"in", "mm"},
     {"thickness_in", "thickness_mm"},
     {"%4.4f", "%4.4f"},
     true,
     kMmPerInch,
     kInchesPerMm},
};

const std::vector<QuantityInfo> kWeightQuantities = {
    {"diameter",
     "Roll Diameter",
     D::Width,
     {"in", "mm"},
     {"diameter_in", "diameter_mm"},
     {"%4.3f", "%4.3f"},
     true,
     kMmPerInch,
     kInchesPerMm},
    {"core",
     "Core Diameter",
     D::Width,
     {"in", "mm"},
     {"core_in", "core_mm"},
     {"%4.3f", "%4.3f"},
     true,
     kMmPerInch,
     kInchesPerMm},
    {"width",
     "Web Width",
     D::Width,
     {"in", "mm"},
     {"width_in", "width_mm"},
     {"%4.3f", "%4.3f"},
     true,
     kMmPerInch,
     kInchesPerMm},
    {"weight",
     "Roll Weight",
     D::Weight,
     {"lb", "kg"},
     {"weight_lb", "weight_kg"},
     {"%4.2f", "%4.2f"},
     false,
     kKgPerPound,
     kPoundsPerKg},
    {"sg",
     "Specific Gravity",
     D::Density,
     {"sg", ""},
     {"sg", ""},
     {"%4.4f", ""},
     false,
     kSpecificGravityCopy,
     kSpecificGravityCopy},
    {"density_ft3",
     "Density",
     D::Density,
     {"lb/ft3", "kg/m3"},
     {"density_lb_ft3", "density_kg_m3"},
     {"%4.4f", "%4.4f"},
     false,
     kKgM3PerLbFt3,
     kLbFt3PerKgM3},
    {"density_in3",
     "Density",
     D::Density,
     {"lb/in3", "g/cm3"},
     {"density_lb_in3", "density_g_cm3"},
     {"%4.4f", "%4.4f"},
     false,
     kGCm3PerLbIn3,
     kLbIn3PerGCm3},
};

const std::vector<QuantityInfo> kKnifeQuantities = {
    {"slit",
     "Slit Width",
     D::Width,
     {"in", "mm"},
     {"width_in", "width_mm"},
     {"%4.4f", "%4.4f"},
     false,
     kMmPerInch,
     kInchesPerMm},
};

enum Weight { kDiameter, kCore, kWidth, kWeight, kSg, kFt3, kIn3 };
enum Length { kLength, kLengthCore, kRoll, kThickness };

// How a unit reaches a box: the box's side, a decimal shift of the typed text, then a factor.
struct UnitRoute {
    std::string_view unit;
    int quantity; // index into the window's quantities; -1: the one the argument names
    int side;
    int shift;
    double factor;
};

const UnitRoute kRollLengthUnits[] = {
    {"", -1, 0, 0, 1},
    {"ft", -1, 0, 0, 1},
    {"m", -1, 1, 0, 1},
    {"mm", -1, 1, -3, 1},
    {"cm", -1, 1, -2, 1},
    {"um", -1, 1, -6, 1},
    {"\xC2\xB5m", -1, 1, -6, 1},
    {"in", -1, 0, 0, kFeetPerInch},
    {"mil", -1, 0, -3, kFeetPerInch},
};
const UnitRoute kWidthUnits[] = {
    {"", -1, 0, 0, 1},    {"in", -1, 0, 0, 1},         {"mil", -1, 0, -3, 1},
    {"mm", -1, 1, 0, 1},  {"cm", -1, 1, 1, 1},         {"m", -1, 1, 3, 1},
    {"um", -1, 1, -3, 1}, {"\xC2\xB5m", -1, 1, -3, 1}, {"ft", -1, 0, 0, kInchesPerFoot},
};
const UnitRoute kWeightUnits[] = {{"", -1, 0, 0, 1}, {"lb", -1, 0, 0, 1}, {"kg", -1, 1, 0, 1}};
const UnitRoute kDensityUnits[] = {
    {"", kSg, 0, 0, 1},       {"sg", kSg, 0, 0, 1},      {"lb/ft3", kFt3, 0, 0, 1},
    {"kg/m3", kFt3, 1, 0, 1}, {"lb/in3", kIn3, 0, 0, 1}, {"g/cm3", kIn3, 1, 0, 1},
};

// Moves the decimal point of a number text by `shift` places, exactly, keeping any exponent.
std::string ShiftPoint(std::string_view text, int shift) {
    if (shift == 0) {
        return std::string(text);
    }
    std::string sign;
    if (!text.empty() && text.front() == '-') {
        sign = "-";
        text.remove_prefix(1);
    }
    const std::size_t e = text.find_first_of("eE");
    const std::string_view exponent = e == std::string_view::npos ? "" : text.substr(e);
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    std::string digits(mantissa.substr(0, point));
    long long pointAt = static_cast<long long>(digits.size()) + shift;
    if (point != std::string_view::npos) {
        digits += mantissa.substr(point + 1);
    }
    if (pointAt <= 0) {
        digits.insert(0, static_cast<std::size_t>(-pointAt) + 1, '0');
        pointAt = 1;
    } else if (pointAt > static_cast<long long>(digits.size())) {
        digits.append(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    }
    digits.insert(digits.begin() + static_cast<std::ptrdiff_t>(pointAt), '.');
    return sign + digits + std::string(exponent);
}

// Splits "2,5mm" into its number text (comma read as the point) and its unit.
void SplitNumberAndUnit(std::string_view text, std::string& number, std::string_view& unit) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    const std::size_t start = i;
    auto isDigit = [&](std::size_t k) {
        return k < text.size() && text[k] >= '0' && text[k] <= '9';
    };
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    while (i < text.size() && (isDigit(i) || text[i] == '.' || text[i] == ',')) {
        ++i;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E') &&
        (isDigit(i + 1) ||
         ((i + 1 < text.size() && (text[i + 1] == '-' || text[i + 1] == '+')) && isDigit(i + 2)))) {
        i += 2;
        while (isDigit(i)) {
            ++i;
        }
    }
    number.clear();
    for (char c : text.substr(start, i - start)) {
        number += NumberCharFor(c);
    }
    if (!number.empty() && number.front() == '+') {
        number.erase(0, 1);
    }
    // "1e+5" is what printf writes; the typing rule knows only the minus.
    if (const std::size_t plus = number.find("e+"); plus != std::string::npos) {
        number.erase(plus + 1, 1);
    } else if (const std::size_t plusUpper = number.find("E+"); plusUpper != std::string::npos) {
        number.erase(plusUpper + 1, 1);
    }
    unit = text.substr(i);
    while (!unit.empty() && unit.front() == ' ') {
        unit.remove_prefix(1);
    }
    while (!unit.empty() && unit.back() == ' ') {
        unit.remove_suffix(1);
    }
}

bool ValidNumber(const std::string& number, std::string_view original, std::string& error) {
    if (number.empty() || !IsNumberText(number)) {
        error = "expected a number, got \"" + std::string(original) + "\"";
        return false;
    }
    if (!std::isfinite(ReadNumber(number))) {
        error.assign(1, '"').append(original).append("\" is beyond the range of a number");
        return false;
    }
    return true;
}

std::span<const UnitRoute> RoutesOf(Dimension dimension) {
    switch (dimension) {
    case D::RollLength:
        return kRollLengthUnits;
    case D::Width:
        return kWidthUnits;
    case D::Weight:
        return kWeightUnits;
    case D::Density:
        return kDensityUnits;
    }
    return {};
}
} // namespace

const std::vector<QuantityInfo>& QuantitiesOf(CliCalculator calculator) {
    switch (calculator) {
    case CliCalculator::Length:
        return kLengthQuantities;
    case CliCalculator::Weight:
        return kWeightQuantities;
    case CliCalculator::Knives:
        break;
    }
    return kKnifeQuantities;
}

const char* NameOf(CliCalculator calculator) {
    switch (calculator) {
    case CliCalculator::Length:
        return "length";
    case CliCalculator::Weight:
        return "weight";
    case CliCalculator::Knives:
        break;
    }
    return "knives";
}

std::optional<Dimension> DimensionOf(std::string_view key) {
    if (key == "length") {
        return D::RollLength;
    }
    if (key == "core" || key == "diameter" || key == "thickness" || key == "width" ||
        key == "slit") {
        return D::Width;
    }
    if (key == "weight") {
        return D::Weight;
    }
    if (key == "density" || key == "sg") {
        return D::Density;
    }
    return std::nullopt;
}

bool IsUnit(std::string_view unit) {
    for (Dimension d : {D::RollLength, D::Width, D::Weight, D::Density}) {
        for (const UnitRoute& route : RoutesOf(d)) {
            if (!unit.empty() && route.unit == unit) {
                return true;
            }
        }
    }
    return false;
}

std::optional<CliCalculator> CalculatorNamed(std::string_view name) {
    if (name == "length") {
        return CliCalculator::Length;
    }
    if (name == "weight") {
        return CliCalculator::Weight;
    }
    return std::nullopt;
}

const char* UnitsOf(Dimension dimension) {
    switch (dimension) {
    case D::RollLength:
    case D::Width:
        return "in, mm, cm, m, ft, um (or \xC2\xB5m) or mil";
    case D::Weight:
        return "lb or kg";
    case D::Density:
        return "sg, lb/ft3, lb/in3, kg/m3 or g/cm3";
    }
    return "";
}

std::optional<double> ParseNumber(std::string_view text, std::string& error) {
    std::string number;
    std::string_view unit;
    SplitNumberAndUnit(text, number, unit);
    if (!unit.empty()) {
        error = "expected a number, got \"" + std::string(text) + "\"";
        return std::nullopt;
    }
    if (!ValidNumber(number, text, error)) {
        return std::nullopt;
    }
    return ReadNumber(number);
}

namespace {

// The entry for a number text already split from its unit; `text` is the argument as given.
std::optional<Entry> EntryOf(CliCalculator calculator, std::string_view key,
                             const std::string& number, std::string_view unit,
                             std::string_view text, std::string& error) {
    const std::optional<Dimension> dimension = DimensionOf(key);
    const std::vector<QuantityInfo>& quantities = QuantitiesOf(calculator);
    const QuantityInfo* named = nullptr;
    for (const QuantityInfo& q : quantities) {
        if (q.key == key) {
            named = &q;
        }
    }
    const bool densityFamily =
        dimension && calculator == CliCalculator::Weight && *dimension == D::Density;
    if (!dimension || (named == nullptr && !densityFamily)) {
        error = std::string("the ") + NameOf(calculator) + " calculator has no " + std::string(key);
        return std::nullopt;
    }
    if (!ValidNumber(number, text, error)) {
        return std::nullopt;
    }
    for (const UnitRoute& route : RoutesOf(*dimension)) {
        if (route.unit != unit) {
            continue;
        }
        const QuantityInfo* quantity =
            route.quantity >= 0 ? &quantities[static_cast<std::size_t>(route.quantity)] : named;
        double value = ReadNumber(ShiftPoint(number, route.shift));
        if (route.factor != 1) {
            value *= route.factor;
        }
        return Entry{quantity, route.side, value};
    }
    error = "unknown unit \"" + std::string(unit) + "\" in \"" + std::string(text) +
            "\"; expected " + UnitsOf(*dimension);
    return std::nullopt;
}

} // namespace

std::optional<Entry> ParseEntry(CliCalculator calculator, std::string_view key,
                                std::string_view text, std::string& error) {
    std::string number;
    std::string_view unit;
    SplitNumberAndUnit(text, number, unit);
    return EntryOf(calculator, key, number, unit, text, error);
}

std::optional<Entry> ParseCell(CliCalculator calculator, std::string_view key,
                               std::string_view unit, std::string_view text, std::string& error) {
    std::string number;
    std::string_view typedUnit;
    SplitNumberAndUnit(text, number, typedUnit);
    if (!typedUnit.empty()) {
        error = "expected a number, got \"" + std::string(text) + "\"";
        return std::nullopt;
    }
    return EntryOf(calculator, key, number, unit, text, error);
}

namespace {

// Leaving a box: the partner follows the source by the pair's rule.
void Leave(Figure& f, int source) {
    const double v = f.values[source];
    const int partner = 1 - source;
    if (f.quantity->units[1][0] == '\0') {
        return;
    }
    if (f.quantity->clearing) {
        f.values[partner] =
            v > 0 ? v * (source == 0 ? f.quantity->toMetric : f.quantity->toInch) : 0.0;
    } else {
        f.values[partner] = v * (source == 0 ? f.quantity->toMetric : f.quantity->toInch);
    }
}

void SolveLengthFigures(Solution& s) {
    auto& f = s.figures;
    const RollLengthResult r = SolveRollLength(f[kLength].values[0], f[kLengthCore].values[0],
                                               f[kRoll].values[0], f[kThickness].values[0]);
    int solved = kLength;
    switch (r.outcome) {
    case RollLengthOutcome::LengthSolved:
        solved = kLength;
        break;
    case RollLengthOutcome::ThicknessSolved:
        solved = kThickness;
        break;
    case RollLengthOutcome::DiameterSolved:
        solved = kRoll;
        break;
    case RollLengthOutcome::NoUnknown:
    case RollLengthOutcome::NotSolvable:
        s.message = RollLengthMessage(r.outcome);
        return;
    }
    f[solved].values[0] = r.value;
    f[solved].solved = true;
    // The partner is converted from the exact result, as leaving the box would.
    Leave(f[solved], 0);
    s.solved = f[solved].quantity->key;
}

void SolveWeightFigures(Solution& s) {
    auto& f = s.figures;
    const RollWeightResult r = SolveRollWeight(
        {f[kDiameter].values[0], f[kCore].values[0], f[kWidth].values[0], f[kWeight].values[0],
         f[kSg].values[0], f[kFt3].values[0], f[kIn3].values[0]});
    if (r.outcome != RollWeightOutcome::Solved) {
        s.message = RollWeightMessage(r.outcome);
        return;
    }
    int solved = -1;
    switch (r.solvedCase) {
    case RollWeightCase::Weight:
        solved = kWeight;
        break;
    case RollWeightCase::WebWidth:
        solved = kWidth;
        break;
    case RollWeightCase::RollDiameter:
        solved = kDiameter;
        break;
    case RollWeightCase::Density:
        break;
    }
    if (solved >= 0) {
        // The metric partner is the solver's rounded value times the factor, kept exactly.
        f[solved].values[0] = r.solvedValue;
        f[solved].values[1] = r.solvedValue * f[solved].quantity->toMetric;
        f[solved].solved = true;
        s.solved = f[solved].quantity->key;
    } else {
        s.solved = "density";
    }
    if (r.specificGravityDerived) {
        f[kSg].values[0] = r.specificGravity;
        f[kSg].solved = true;
    }
    f[kIn3].values[0] = r.lbsPerCubicInch;
    f[kFt3].values[0] = r.lbsPerCubicFoot;
    f[kFt3].values[1] = r.kgPerCubicMeter;
    f[kIn3].values[1] = r.gPerCubicCm;
    f[kIn3].solved = f[kFt3].solved = true;
}

} // namespace

Solution Solve(CliCalculator calculator, const std::vector<Entry>& entries) {
    Solution s{calculator, {}, {}, ""};
    for (const QuantityInfo& q : QuantitiesOf(calculator)) {
        s.figures.push_back({&q, {0.0, 0.0}, false});
    }
    for (const Entry& e : entries) {
        for (Figure& f : s.figures) {
            if (f.quantity == e.quantity) {
                f.values[e.side] = e.value;
                Leave(f, e.side);
            }
        }
    }
    if (calculator == CliCalculator::Length) {
        SolveLengthFigures(s);
    } else {
        SolveWeightFigures(s);
    }
    return s;
}

std::string ShownText(const Figure& figure, int side) {
    return FormatNumber(figure.quantity->formats[side], figure.values[side]);
}

std::string ExactText(double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}
