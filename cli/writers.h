// How results leave the program: aligned text for a person, CSV and JSON for other programs.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/calculations.h"
#include "slitter/slit_list.h"

enum class OutputFormat { Text, Csv, Json };

struct OutputOptions {
    OutputFormat format = OutputFormat::Text;
    bool exact = false; // each value's full precision beside its text
};

// One CSV record, quoted where RFC 4180 needs it.
void WriteCsvRecord(std::ostream& out, const std::vector<std::string>& fields);

// The columns of solved figures for these calculators, in window order, each once; with
// `exact`, each followed by its full-precision column.
std::vector<std::string> FigureColumns(const std::vector<CliCalculator>& calculators, bool exact);
// Where one calculator's figures fall among those columns, found once rather than per row.
class FigureLayout {
public:
    FigureLayout(CliCalculator calculator, const std::vector<std::string>& columns);
    // A solution's cells under the columns (empty where its window has no such box).
    std::vector<std::string> Cells(const Solution& solution) const;

private:
    struct Place {
        std::size_t figure;
        int side;
        bool exact;
        std::size_t column;
    };
    std::size_t columnCount_;
    std::vector<Place> places_;
};
nlohmann::ordered_json SolutionJson(const Solution& solution, bool exact);
void WriteSolutionText(std::ostream& out, const Solution& solution, bool exact);

// A solved calculation alone; a refusal is the caller's to report.
void WriteSolution(std::ostream& out, const Solution& solution, const OutputOptions& options);

// The knife list with the window's columns. The list keeps its values as the texts it shows.
void WriteKnives(std::ostream& out, const CSlitList& knives, OutputFormat format);
