// The one-page roll calculation report: numbered figures, each a dot-leader label with its
// measurement beside it.
#pragma once

#include <optional>
#include <span>

#include "report/report_document.h"
#include "report/report_frame.h"

// The spooler's name for the report, and the name a saved copy is offered under.
inline constexpr const char* kRollReportDocument = "Roll Calculations";

struct FigureRow {
    const char* label;  // printed as it stands, dot run included
    const char* format; // printf-style, one conversion per value
    double first;
    std::optional<double> second = std::nullopt; // for a row that prints two units
};

// Where figure row r (from 1) stands, and the column its measurement starts in.
int FigureRowY(const PageMeasures& m, int row);
int FigureMeasurementX(const PageMeasures& m);

ReportDocument FigureReport(const PageMeasures& m, const ReportStamp& stamp,
                            std::span<const FigureRow> rows);
