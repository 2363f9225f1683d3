// The page frame every report shares: the date and time of the run, the page header and the
// footer of the paged report.
#pragma once

#include <ctime>
#include <span>
#include <string>
#include <string_view>

#include "report/report_document.h"

// The run's date and time texts, made once so that every page carries the same ones.
struct ReportStamp {
    std::string date; // "DATE 03/26/2001"
    std::string time; // "TIME 02:05 PM"
};

// The local date and time now.
std::tm LocalTime();

// Made here rather than with strftime, whose AM/PM follows the locale: a report always says AM or
// PM.
ReportStamp StampOf(const std::tm& time);

// The pixel size of the 10-point report font at the given vertical resolution, rounded half away
// from zero as the printer platform rounds it (12.5 makes 13).
int ReportFontPixels(int pixelsPerInchY);

struct ReportHeading {
    std::string text;
    int column = 0; // x in average character widths
};

// A page with the whole header drawn; rows may start at 20h.
ReportPage ReportPageHeader(const PageMeasures& m, const ReportStamp& stamp, std::string_view title,
                            std::span<const ReportHeading> headings);

// "Page %d of %d", centred by character count at 62h.
void AddPageFooter(ReportPage& page, const PageMeasures& m, long long number, long long count);
