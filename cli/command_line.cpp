#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>

#include "cli/batch.h"
#include "cli/calculations.h"
#include "cli/writers.h"
#include "slitter/slit_list.h"

#ifndef ROLLCALC_VERSION
#error "ROLLCALC_VERSION is set by the build"
#endif

namespace {

constexpr const char* kProgram = "rollcalc-cli";

constexpr const char* kUnitsHelp =
    "Units: a value may carry its unit after the number (3in, 76.2mm, \"2,5 mm\").\n"
    "  lengths    in, mm, cm, m, ft, um (or \xC2\xB5m), mil\n"
    "  weights    lb, kg\n"
    "  densities  sg, lb/ft3, lb/in3, kg/m3, g/cm3\n"
    "A bare number takes the window's inch-based unit: feet for the roll length, inches for\n"
    "diameters, thickness and widths, pounds for the weight, specific gravity for a density.\n"
    "A value in a unit the window has (mm, m, kg, kg/m3, g/cm3) reaches the calculator through\n"
    "the program's own factors, exactly as typing it into the metric box and leaving it would.\n"
    "Any other unit is first taken to one the window has by an exact decimal step:\n"
    "1 \xC2\xB5m = 0.001 mm, 1 cm = 10 mm, 1 m = 1000 mm, 1 mil = 0.001 in (for the roll length,\n"
    "1 mm = 0.001 m); inches of roll length become feet by the factor 1/12 and feet of a\n"
    "diameter inches by 12. A comma may stand for the decimal point, as in the windows.\n"
    "Figures are shown as the window shows them; --exact adds each value at full precision.\n";

constexpr const char* kExitHelp =
    "Exit status: 0 solved; 1 the calculator refused (its message on standard error) or a\n"
    "batch row failed; 2 an unknown option or unit, a value that is no number, or unreadable "
    "CSV.\n";

constexpr const char* kLengthExample =
    "Example:\n"
    "  rollcalc-cli length --core 3in --diameter 10in --thickness 0.01in\n"
    "solves the roll length, 595.594 ft / 181.537 m. Leave out the one quantity to solve.\n";
constexpr const char* kWeightExample =
    "Example:\n"
    "  rollcalc-cli weight --core 3in --diameter 40in --width 60in --sg 0.92\n"
    "solves the roll weight, 2487.88 lb / 1128.50 kg, and completes the density family.\n"
    "Give the core and three of diameter, width, weight and density.\n";
constexpr const char* kKnivesExample =
    "Example:\n"
    "  rollcalc-cli knives --equal 3x2.5in --slit 1in\n"
    "lists knives 1 to 5, the last at 8.5000 in / 215.9000 mm. Options apply in the order\n"
    "given; --increment 0.75in, given first, measures every knife from a setup increment.\n";
constexpr const char* kBatchExample =
    "Reads CSV with a header row: a calculator column (length or weight) and columns named\n"
    "quantity_unit (length_ft, core_in, diameter_mm, thickness_um, width_in, weight_kg,\n"
    "density_lb_ft3, sg, ...); an empty cell is a quantity not given. Writes each row again\n"
    "with every figure in both units (out_ columns), the solved quantity and a message for a\n"
    "refusal; a refused or bad row is also reported on standard error with its line number.\n"
    "Other columns pass through; columns a batch wrote are worked out afresh.\n"
    "Example:\n"
    "  printf 'calculator,core_in,diameter_in,thickness_mil\\nlength,3,10,10\\n' |\n"
    "    rollcalc-cli batch -\n";

// A slitter accepts at most this many equal slits at once, as the window's count box does.
constexpr int kMostSlitsAtOnce = 99;

struct Formatting {
    std::string format = "text";
    bool exact = false;
};

void AddFormatting(CLI::App& command, Formatting& f, const char* defaultFormat, bool exact = true) {
    f.format = defaultFormat;
    command.add_option("--format", f.format, "Output: text (aligned for a person), csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}))
        ->capture_default_str();
    if (exact) {
        command.add_flag("--exact", f.exact, "Add each value at full precision beside its text");
    }
}

OutputOptions OptionsOf(const Formatting& f) {
    OutputOptions o;
    o.format = f.format == "csv"    ? OutputFormat::Csv
               : f.format == "json" ? OutputFormat::Json
                                    : OutputFormat::Text;
    o.exact = f.exact;
    return o;
}

// One argument's value for the calculator; false (with the one-line answer) when it is bad.
bool Collect(CliCalculator calculator, const std::string& option, const std::string& key,
             const std::string& text, std::vector<Entry>& entries, std::ostream& err) {
    std::string error;
    const std::optional<Entry> entry = ParseEntry(calculator, key, text, error);
    if (!entry) {
        err << kProgram << ": " << option << ": " << error << '\n';
        return false;
    }
    for (const Entry& e : entries) {
        if (e.quantity == entry->quantity) {
            err << kProgram << ": " << option << ": " << e.quantity->label << " ("
                << e.quantity->units[0]
                << (e.quantity->units[1][0] ? std::string(" or ") + e.quantity->units[1] : "")
                << ") is given twice; expected one value\n";
            return false;
        }
    }
    entries.push_back(*entry);
    return true;
}

int Solved(const Solution& s, const OutputOptions& options, std::ostream& out, std::ostream& err) {
    if (!s.message.empty()) {
        err << s.message << '\n';
        return 1;
    }
    WriteSolution(out, s, options);
    return 0;
}

// Parses "3x2.5in" into a count and a width.
bool EqualSlits(const std::string& text, int& count, Entry& width, std::ostream& err) {
    const std::size_t x = text.find_first_of("xX");
    std::string error;
    const std::optional<double> n =
        x == std::string::npos ? std::nullopt : ParseNumber(text.substr(0, x), error);
    if (!n || *n != static_cast<double>(static_cast<long long>(*n)) || *n < 0 ||
        *n > kMostSlitsAtOnce) {
        err << kProgram << ": --equal: expected COUNTxWIDTH with a whole count from 0 to "
            << kMostSlitsAtOnce << ", such as 3x2.5in, got \"" << text << "\"\n";
        return false;
    }
    const std::optional<Entry> e =
        ParseEntry(CliCalculator::Knives, "slit", text.substr(x + 1), error);
    if (!e) {
        err << kProgram << ": --equal: " << error << '\n';
        return false;
    }
    count = static_cast<int>(*n);
    width = *e;
    return true;
}

// The box pair of a slit width: the typed side and its partner, as leaving the box gives them.
void Widths(const Entry& e, double& inches, double& mm) {
    if (e.side == 0) {
        inches = e.value;
        mm = e.value * e.quantity->toMetric;
    } else {
        mm = e.value;
        inches = e.value * e.quantity->toInch;
    }
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    CLI::App app("Roll length, roll weight and knife positions from the command line, worked out "
                 "exactly as the RollCalc windows work them.",
                 kProgram);
    app.set_version_flag("--version", std::string(kProgram) + " " + ROLLCALC_VERSION);
    app.require_subcommand(1);
    app.footer(std::string("\n") + kUnitsHelp + "\n" + kExitHelp + "\n" + kLengthExample + "\n" +
               kWeightExample + "\n" + kKnivesExample + "\n" + kBatchExample);

    std::map<std::string, std::string> values;
    auto value = [&](CLI::App* command, const std::string& name, const std::string& help) {
        command->add_option("--" + name, values[command->get_name() + name], help)
            ->type_name("VALUE");
    };

    Formatting lengthFormat, weightFormat, knivesFormat, batchFormat;
    CLI::App* length = app.add_subcommand("length", "Roll Diameter - Length: solve the one "
                                                    "quantity left out");
    value(length, "length", "Roll length (bare number: ft)");
    value(length, "core", "Core diameter, required (bare number: in)");
    value(length, "diameter", "Roll diameter (bare number: in)");
    value(length, "thickness", "Material thickness (bare number: in)");
    AddFormatting(*length, lengthFormat, "text");
    length->footer(std::string("\n") + kLengthExample +
                   "\nUnits and exit codes: rollcalc-cli --help.\n");

    CLI::App* weight = app.add_subcommand("weight", "Roll Weight: solve the quantity left out "
                                                    "and complete the density family");
    value(weight, "diameter", "Roll diameter (bare number: in)");
    value(weight, "core", "Core diameter, required (bare number: in)");
    value(weight, "width", "Web width (bare number: in)");
    value(weight, "weight", "Roll weight (bare number: lb)");
    value(weight, "sg", "Specific gravity");
    std::vector<std::string> densities;
    weight
        ->add_option("--density", densities,
                     "Density in sg, lb/ft3, lb/in3, kg/m3 or g/cm3 (bare number: sg); "
                     "may be given once per measure")
        ->type_name("VALUE");
    AddFormatting(*weight, weightFormat, "text");
    weight->footer(std::string("\n") + kWeightExample +
                   "\nUnits and exit codes: rollcalc-cli --help.\n");

    CLI::App* knives = app.add_subcommand("knives", "Slitter Position: the knife list, built in "
                                                    "the order the options are given");
    std::vector<std::string> equal, slits, increments;
    CLI::Option* equalOption =
        knives->add_option("--equal", equal, "That many equal slits (3x2.5in)")
            ->type_name("COUNTxWIDTH");
    CLI::Option* slitOption =
        knives->add_option("--slit", slits, "One slit (1in)")->type_name("WIDTH");
    CLI::Option* incrementOption =
        knives
            ->add_option("--increment", increments, "A setup increment; it can only open the list")
            ->type_name("WIDTH");
    // The knife list keeps its values as the texts it shows: there is nothing more exact.
    AddFormatting(*knives, knivesFormat, "text", false);
    knives->footer(std::string("\n") + kKnivesExample +
                   "\nUnits and exit codes: rollcalc-cli --help.\n");

    CLI::App* batch = app.add_subcommand("batch", "CSV in, CSV out: one roll a row, streamed");
    std::string file = "-";
    batch->add_option("FILE", file, "The CSV file, or - for standard input")->capture_default_str();
    AddFormatting(*batch, batchFormat, "csv");
    batch->footer(std::string("\n") + kBatchExample +
                  "\nUnits and exit codes: rollcalc-cli --help.\n");

    // Extras are reported here: CLI11's own message lists them in reverse.
    app.allow_extras();
    for (CLI::App* command : {length, weight, knives, batch}) {
        command->allow_extras();
    }

    const std::string_view commands[] = {"length", "weight", "knives", "batch"};
    if (!args.empty() && !args.front().starts_with("-") &&
        std::find(std::begin(commands), std::end(commands), args.front()) == std::end(commands)) {
        err << kProgram << ": unknown command \"" << args.front()
            << "\"; expected length, weight, knives or batch\n";
        return 2;
    }
    if (!args.empty() && args.front().starts_with("-") && args.front() != "-h" &&
        args.front() != "--help" && args.front() != "--version") {
        err << kProgram << ": unknown option \"" << args.front()
            << "\"; expected a command: length, weight, knives or batch\n";
        return 2;
    }
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(std::move(reversed));
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        std::string where;
        for (const CLI::App* command : app.get_subcommands()) {
            where = " " + command->get_name();
        }
        err << kProgram << where << ": " << e.what() << " (see " << kProgram << where
            << " --help)\n";
        return 2;
    }

    for (const CLI::App* command : app.get_subcommands()) {
        std::vector<std::string> extras = app.remaining();
        const std::vector<std::string> own = command->remaining();
        extras.insert(extras.begin(), own.begin(), own.end());
        if (!extras.empty()) {
            const std::string& first = extras.front();
            const std::string name = command->get_name();
            err << kProgram << " " << name << ": "
                << (first.starts_with("-") ? "unknown option \"" : "unexpected argument \"")
                << first << "\"; expected the options of " << kProgram << " " << name
                << " --help\n";
            return 2;
        }
    }

    for (CliCalculator calculator : {CliCalculator::Length, CliCalculator::Weight}) {
        CLI::App* command = calculator == CliCalculator::Length ? length : weight;
        if (!command->parsed()) {
            continue;
        }
        std::vector<Entry> entries;
        for (const QuantityInfo& q : QuantitiesOf(calculator)) {
            const std::string& name = q.key;
            const auto it = values.find(command->get_name() + name);
            if (it == values.end() || command->count("--" + name) == 0) {
                continue;
            }
            if (!Collect(calculator, "--" + name, name, it->second, entries, err)) {
                return 2;
            }
        }
        for (const std::string& d : densities) {
            if (!Collect(calculator, "--density", "density", d, entries, err)) {
                return 2;
            }
        }
        const Formatting& f = calculator == CliCalculator::Length ? lengthFormat : weightFormat;
        return Solved(Solve(calculator, entries), OptionsOf(f), out, err);
    }

    if (knives->parsed()) {
        CSlitList list;
        std::size_t used[3] = {0, 0, 0};
        bool first = true;
        for (const CLI::Option* option : knives->parse_order()) {
            SlitListOutcome outcome = SlitListOutcome::Added;
            double inches = 0, mm = 0;
            std::string error;
            if (option == equalOption) {
                int count = 0;
                Entry width{};
                if (!EqualSlits(equal[used[0]++], count, width, err)) {
                    return 2;
                }
                Widths(width, inches, mm);
                outcome = list.AddEqualSlits(count, inches, mm);
            } else if (option == slitOption || option == incrementOption) {
                const bool increment = option == incrementOption;
                const std::string& text = increment ? increments[used[2]++] : slits[used[1]++];
                const char* name = increment ? "--increment" : "--slit";
                if (increment && !first) {
                    err << kProgram << ": --increment: a setup increment can only open the list;"
                        << " expected it before --equal and --slit\n";
                    return 2;
                }
                const std::optional<Entry> e =
                    ParseEntry(CliCalculator::Knives, "slit", text, error);
                if (!e) {
                    err << kProgram << ": " << name << ": " << error << '\n';
                    return 2;
                }
                Widths(*e, inches, mm);
                outcome = increment ? list.AddIncrement(inches, mm) : list.AddSlit(inches, mm);
            } else {
                continue;
            }
            if (outcome != SlitListOutcome::Added) {
                err << SlitListMessage(outcome) << '\n';
                return 1;
            }
            first = false;
        }
        if (list.RowCount() == 0) {
            err << kProgram << " knives: expected at least one --equal, --slit or --increment\n";
            return 2;
        }
        WriteKnives(out, list, OptionsOf(knivesFormat).format);
        return 0;
    }

    const OutputOptions options = OptionsOf(batchFormat);
    if (file == "-") {
        return RunBatch(in, out, err, options);
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        err << kProgram << " batch: " << file << ": cannot be opened for reading\n";
        return 2;
    }
    return RunBatch(stream, out, err, options);
}
