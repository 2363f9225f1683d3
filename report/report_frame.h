// The page frame every printed report shares: the printer run, its two fonts and measures, the
// page header, the footer of the paged report, and the release of everything at the end.
#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "report/print_surface.h"

// Gives the local date and time; tests fix it.
using ReportClock = std::function<std::tm()>;

// The local date and time now.
std::tm LocalTime();

// "DATE 03/26/2001" and "TIME 02:05 PM", made here rather than with strftime, whose AM/PM follows
// the locale: a report always says AM or PM.
std::string ReportDateText(const std::tm& time);
std::string ReportTimeText(const std::tm& time);

// The font height for 10 points at the given vertical resolution: negative, so that the printer
// takes it as a character height.
int ReportFontHeight(int pixelsPerInchY);

// Why a report did not reach the printer, in plain words; empty when it did.
std::string PrintOutcomeMessage(PrintOutcome outcome);

struct ReportHeading {
    std::string text;
    int column = 0; // x in average character widths
};

class CReportFrame {
public:
    explicit CReportFrame(ReportClock clock = LocalTime);
    ~CReportFrame(); // closes a run that is still open
    CReportFrame(const CReportFrame&) = delete;
    CReportFrame& operator=(const CReportFrame&) = delete;

    // Opens the printer, starts the document and its first page with the normal font selected.
    // Printed when the run is open; otherwise why there is no printer, and nothing has been
    // created.
    PrintOutcome Open(const PrintSurfaceSource& printer, std::string_view title,
                      std::string_view documentName);
    // Draws the header and keeps the headings for the following pages; rows may start at 20h.
    void PageHeader(std::vector<ReportHeading> headings);
    void PageFooter(long long page, long long pageCount);
    void NextPage();
    // Ends the run: Printed when the printer took every document and page call, JobRefused when
    // it refused one; after a failed open, why it failed.
    PrintOutcome Close();

    bool IsOpen() const { return surface_ != nullptr; }

    // Measures of the first page, in printer pixels.
    int Width() const { return width_; }
    int LineHeight() const { return lineHeight_; }
    int AveCharWidth() const { return aveCharWidth_; }
    int Left() const { return 5 * aveCharWidth_; }
    int Right() const { return width_ - 5 * aveCharWidth_; }

    void Text(int x, int y, std::string_view text);

private:
    void DrawHeader();
    int CentredX(std::string_view text) const;
    void Note(bool accepted);

    ReportClock clock_;
    std::unique_ptr<PrintSurface> surface_;
    PrintOutcome outcome_ = PrintOutcome::Printed;
    std::string title_;
    std::string dateText_;
    std::string timeText_;
    std::vector<ReportHeading> headings_;
    PrintSurface::FontHandle boldFont_ = 0;
    PrintSurface::FontHandle normalFont_ = 0;
    PrintSurface::FontHandle keptFont_ = 0;
    int width_ = 0;
    int lineHeight_ = 0;
    int aveCharWidth_ = 0;
};
