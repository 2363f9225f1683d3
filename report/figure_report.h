// The one-page roll calculation report: numbered figures, each a dot-leader label with its
// measurement beside it.
#pragma once

#include <optional>
#include <span>

#include "report/print_surface.h"
#include "report/report_frame.h"

// The spooler's name for the report, and the name a saved copy is offered under.
inline constexpr const char* kRollReportDocument = "Roll Calculations";

struct FigureRow {
    const char* label;  // printed as it stands, dot run included
    const char* format; // printf-style, one conversion per value
    double first;
    std::optional<double> second; // for a row that prints two units
};

// Prints the rows as given; without a printer it prints nothing and says why.
PrintOutcome PrintFigureReport(std::span<const FigureRow> rows, const PrintSurfaceSource& printer,
                               const ReportClock& clock);
