// The one-page roll calculation report: numbered figures, each a dot-leader label with the
// measurement read from one or two boxes of the window beside it.
#pragma once

#include <span>

#include "platform/print_surface.h"
#include "report/box_reader.h"
#include "report/report_frame.h"

inline constexpr int kNoSecondBox = 0;

// The spooler's name for both roll reports, and the name a saved copy is offered under.
inline constexpr const char* kRollReportDocument = "Roll Calculations";

struct FigureRow {
    const char* label;  // printed as it stands, dot run included
    const char* format; // printf-style, one conversion per box
    int firstBox;
    int secondBox; // kNoSecondBox when the row prints one number
};

// Prints what the boxes hold now; without a printer it prints nothing and says why.
PrintOutcome PrintFigureReport(const BoxReader& window, const PrintSurfaceSource& printer,
                               const ReportClock& clock, std::span<const FigureRow> rows);
