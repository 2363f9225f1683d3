// The knife list on paper: forty knives a page, each page with the full header and a page footer.
#pragma once

#include "report/print_surface.h"
#include "report/report_frame.h"
#include "slitter/slit_list.h"

// The spooler's name for the report, and the name a saved copy is offered under.
inline constexpr const char* kSlitterReportDocument = "Slitter Calculations";

// Prints the knife list's rows as the list shows them; without a printer it prints nothing and
// says why.
PrintOutcome PrintSlitterReport(const CSlitList& knives, const PrintSurfaceSource& printer,
                                const ReportClock& clock = LocalTime);
