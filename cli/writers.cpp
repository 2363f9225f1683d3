#include "cli/writers.h"

#include <algorithm>
#include <csv.h>
#include <ostream>

namespace {

constexpr const char* kKnifeHeaders[] = {"Knife #", "Width (Inches)", "Width (mm)",
                                         "Distance (Inches)", "Distance (mm)"};
constexpr const char* kKnifeColumns[] = {"knife", "width_in", "width_mm", "distance_in",
                                         "distance_mm"};

// Units as a person reads them.
std::string_view ShownUnit(std::string_view unit) {
    if (unit == "lb/ft3") {
        return "lb/ft\xC2\xB3";
    }
    if (unit == "lb/in3") {
        return "lb/in\xC2\xB3";
    }
    if (unit == "kg/m3") {
        return "kg/m\xC2\xB3";
    }
    if (unit == "g/cm3") {
        return "g/cm\xC2\xB3";
    }
    if (unit == "sg") {
        return "";
    }
    return unit;
}

// Characters on screen, not bytes: the units carry a superscript three.
std::size_t Width(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string s(text);
    s.append(width > Width(text) ? width - Width(text) : 0, ' ');
    return s;
}

std::string PadLeft(std::string_view text, std::size_t width) {
    return std::string(width > Width(text) ? width - Width(text) : 0, ' ') + std::string(text);
}

bool HasPartner(const Figure& f) {
    return f.quantity->units[1][0] != '\0';
}

} // namespace

void WriteCsvRecord(std::ostream& out, const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            line += f;
            continue;
        }
        // Quoted, with each quote doubled: at most twice as long plus the two quotes.
        std::string quoted(2 * f.size() + 2, '\0');
        quoted.resize(csv_write(quoted.data(), quoted.size(), f.data(), f.size()));
        line += quoted;
    }
    line += '\n';
    out << line;
}

std::vector<std::string> FigureColumns(const std::vector<CliCalculator>& calculators, bool exact) {
    std::vector<std::string> columns;
    for (CliCalculator c : calculators) {
        for (const QuantityInfo& q : QuantitiesOf(c)) {
            for (const char* column : q.columns) {
                if (column[0] == '\0' ||
                    std::find(columns.begin(), columns.end(), column) != columns.end()) {
                    continue;
                }
                columns.emplace_back(column);
                if (exact) {
                    columns.push_back(std::string(column) + "_exact");
                }
            }
        }
    }
    return columns;
}

FigureLayout::FigureLayout(CliCalculator calculator, const std::vector<std::string>& columns)
    : columnCount_(columns.size()) {
    const std::vector<QuantityInfo>& quantities = QuantitiesOf(calculator);
    for (std::size_t k = 0; k < quantities.size(); ++k) {
        for (int side = 0; side < 2; ++side) {
            const std::string column = quantities[k].columns[side];
            if (column.empty()) {
                continue;
            }
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (columns[i] == column || columns[i] == column + "_exact") {
                    places_.push_back({k, side, columns[i] != column, i});
                }
            }
        }
    }
}

std::vector<std::string> FigureLayout::Cells(const Solution& solution) const {
    std::vector<std::string> cells(columnCount_);
    for (const Place& p : places_) {
        if (p.figure >= solution.figures.size()) {
            continue; // a row refused before its solve has no figures
        }
        const Figure& f = solution.figures[p.figure];
        cells[p.column] = p.exact ? ExactText(f.values[p.side]) : ShownText(f, p.side);
    }
    return cells;
}

nlohmann::ordered_json SolutionJson(const Solution& solution, bool exact) {
    nlohmann::ordered_json j;
    j["calculator"] = NameOf(solution.calculator);
    j["solved"] = solution.solved;
    for (const Figure& f : solution.figures) {
        for (int side = 0; side < (HasPartner(f) ? 2 : 1); ++side) {
            j[f.quantity->columns[side]] = ShownText(f, side);
            if (exact) {
                j[std::string(f.quantity->columns[side]) + "_exact"] = f.values[side];
            }
        }
    }
    return j;
}

void WriteSolutionText(std::ostream& out, const Solution& solution, bool exact) {
    std::size_t labelWidth = 0;
    for (const Figure& f : solution.figures) {
        labelWidth = std::max(labelWidth, Width(f.quantity->label));
    }
    for (const Figure& f : solution.figures) {
        std::string line = PadRight(f.quantity->label, labelWidth + 2);
        line += PadLeft(ShownText(f, 0), 12);
        const std::string_view unit = ShownUnit(f.quantity->units[0]);
        if (HasPartner(f)) {
            line.append(" ").append(PadRight(unit, 7)).append("/ ");
            line.append(PadLeft(ShownText(f, 1), 12)).append(" ");
            line.append(PadRight(ShownUnit(f.quantity->units[1]), 6));
        } else {
            if (!unit.empty()) {
                line.append(" ").append(unit);
            }
            line.append(labelWidth + 2 + 12 + 1 + 7 + 2 + 12 + 1 + 6 - Width(line), ' ');
        }
        if (exact) {
            line += "  = " + ExactText(f.values[0]);
            if (HasPartner(f)) {
                line += " / " + ExactText(f.values[1]);
            }
        }
        if (f.solved) {
            line += "  (solved)";
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        out << line << '\n';
    }
}

void WriteSolution(std::ostream& out, const Solution& solution, const OutputOptions& options) {
    switch (options.format) {
    case OutputFormat::Text:
        WriteSolutionText(out, solution, options.exact);
        break;
    case OutputFormat::Csv: {
        std::vector<std::string> columns = FigureColumns({solution.calculator}, options.exact);
        std::vector<std::string> cells = FigureLayout(solution.calculator, columns).Cells(solution);
        columns.insert(columns.begin(), {"calculator", "solved"});
        cells.insert(cells.begin(), {NameOf(solution.calculator), solution.solved});
        WriteCsvRecord(out, columns);
        WriteCsvRecord(out, cells);
        break;
    }
    case OutputFormat::Json:
        out << SolutionJson(solution, options.exact).dump(2) << '\n';
        break;
    }
}

void WriteKnives(std::ostream& out, const CSlitList& knives, OutputFormat format) {
    switch (format) {
    case OutputFormat::Text: {
        std::size_t widths[5];
        for (std::size_t c = 0; c < 5; ++c) {
            widths[c] = Width(kKnifeHeaders[c]);
            for (std::size_t r = 0; r < knives.RowCount(); ++r) {
                widths[c] = std::max(widths[c], knives.Row(r).cells[c].size());
            }
        }
        std::string line;
        for (std::size_t c = 0; c < 5; ++c) {
            line += (c ? "  " : "") + PadLeft(kKnifeHeaders[c], widths[c]);
        }
        out << line << '\n';
        for (std::size_t r = 0; r < knives.RowCount(); ++r) {
            line.clear();
            for (std::size_t c = 0; c < 5; ++c) {
                line += (c ? "  " : "") + PadLeft(knives.Row(r).cells[c], widths[c]);
            }
            out << line << '\n';
        }
        break;
    }
    case OutputFormat::Csv:
        WriteCsvRecord(out, {std::begin(kKnifeColumns), std::end(kKnifeColumns)});
        for (std::size_t r = 0; r < knives.RowCount(); ++r) {
            const auto& cells = knives.Row(r).cells;
            WriteCsvRecord(out, {cells.begin(), cells.end()});
        }
        break;
    case OutputFormat::Json: {
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (std::size_t r = 0; r < knives.RowCount(); ++r) {
            nlohmann::ordered_json row;
            for (std::size_t c = 0; c < 5; ++c) {
                row[kKnifeColumns[c]] = knives.Row(r).cells[c];
            }
            rows.push_back(row);
        }
        out << nlohmann::ordered_json{{"knives", rows}}.dump(2) << '\n';
        break;
    }
    }
}
