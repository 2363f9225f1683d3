// The knife list on paper: forty knives a page, each page with the full header and a page footer.
#pragma once

#include <span>

#include "report/report_document.h"
#include "report/report_frame.h"
#include "slitter/slit_list.h"

// The spooler's name for the report, and the name a saved copy is offered under.
inline constexpr const char* kSlitterReportDocument = "Slitter Calculations";

// Where the knife row of the given index on its page (from 0) stands, and where a column starts:
// 0 the knife, 1 the slit width, 2 the distance.
int KnifeRowY(const PageMeasures& m, int indexOnPage);
int KnifeColumnX(const PageMeasures& m, int column);

// The knife rows as the list shows them, cell for cell.
ReportDocument SlitterReport(const PageMeasures& m, const ReportStamp& stamp,
                             std::span<const KnifeRow> knives);
