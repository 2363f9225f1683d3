// The knife list on paper: forty knives a page, each page with the full header and a page footer.
#pragma once

#include <span>

#include "report/report_document.h"
#include "report/report_frame.h"
#include "slitter/slit_list.h"

// The spooler's name for the report, and the name a saved copy is offered under.
inline constexpr const char* kSlitterReportDocument = "Slitter Calculations";

// The knife rows as the list shows them, cell for cell.
ReportDocument SlitterReport(const PageMeasures& m, const ReportStamp& stamp,
                             std::span<const KnifeRow> knives);
