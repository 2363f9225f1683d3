// The Roll Diameter - Length window's four figures on one printed page.
#pragma once

#include "platform/print_surface.h"
#include "report/box_reader.h"
#include "report/figure_report.h"
#include "report/report_frame.h"

// Prints what the window's boxes hold now; without a printer it prints nothing and says why.
PrintOutcome PrintRollLengthReport(const BoxReader& window, const PrintSurfaceSource& printer,
                                   const ReportClock& clock = LocalTime);
