// The knife list on paper: forty knives a page, each page with the full header and a page footer.
#pragma once

#include "platform/print_surface.h"
#include "report/report_frame.h"
#include "slitter/slit_list.h"

// The spooler's name for the report, and the name a saved copy is offered under.
inline constexpr const char* kSlitterReportDocument = "Slitter Calculations";

// What the report needs of the Slitter Position window.
class SlitterReportWindow {
public:
    virtual ~SlitterReportWindow() = default;
    virtual const CSlitList& KnifeList() const = 0;
    virtual void EnableWindow(bool enable) = 0;
};

// The window takes no input while this runs and is usable again afterwards, printer or not.
// Without a printer it prints nothing and says why.
PrintOutcome PrintSlitterReport(SlitterReportWindow& window, const PrintSurfaceSource& printer,
                                const ReportClock& clock = LocalTime);
