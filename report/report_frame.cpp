#include "report/report_frame.h"

#include <utility>

#include "numbers/mul_div.h"
#include "numbers/number_text.h"

namespace {

constexpr const char* kMakerName = "Velmarch Products LLC";
constexpr const char* kMakerAddress = "1820 Spindle Mill Road";
constexpr const char* kMakerCity = "Harrow Falls, WI 54999";
constexpr const char* kMakerTelephone = "Telephone (920) 555-0147";
constexpr const char* kJobLine =
    "Job Name / Number: _________________________________________________";

constexpr int kPointsPerInch = 72;
constexpr int kFontPoints = 10;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

// Lines of the page, in line heights.
constexpr int kMakerLine = 4;
constexpr int kJobLineRow = 6;
constexpr int kHeadingLine = 18;
constexpr int kRuleLine = 19;
constexpr int kFooterLine = 62;

} // namespace

std::tm LocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string ReportDateText(const std::tm& time) {
    return FormatText("DATE %02d/%02d/%d",
                      {FormatArg{static_cast<long long>(time.tm_mon) + 1},
                       FormatArg{static_cast<long long>(time.tm_mday)},
                       FormatArg{static_cast<long long>(time.tm_year) + 1900}});
}

std::string ReportTimeText(const std::tm& time) {
    const int hour = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
    return FormatText("TIME %02d:%02d %s",
                      {FormatArg{static_cast<long long>(hour)},
                       FormatArg{static_cast<long long>(time.tm_min)},
                       FormatArg{std::string_view(time.tm_hour < 12 ? "AM" : "PM")}});
}

int ReportFontHeight(int pixelsPerInchY) {
    return -MulDiv(kFontPoints, pixelsPerInchY, kPointsPerInch);
}

std::string PrintOutcomeMessage(PrintOutcome outcome) {
    switch (outcome) {
    case PrintOutcome::Printed:
        return {};
    case PrintOutcome::NoPrinter:
        return "The report was not printed: no default printer is set up.";
    case PrintOutcome::PrinterUnavailable:
        return "The report was not printed: the default printer cannot be reached.";
    case PrintOutcome::JobRefused:
        return "The report was not printed: the printer refused the job.";
    }
    return {};
}

CReportFrame::CReportFrame(ReportClock clock) : clock_(std::move(clock)) {}

CReportFrame::~CReportFrame() {
    Close();
}

PrintOutcome CReportFrame::Open(const PrintSurfaceSource& printer, std::string_view title,
                                std::string_view documentName) {
    Close();
    // Once per run, so that every page carries the same date and time.
    const std::tm now = clock_ ? clock_() : LocalTime();
    dateText_ = ReportDateText(now);
    timeText_ = ReportTimeText(now);

    OpenedPrinter opened = printer ? printer() : OpenedPrinter{};
    if (!opened.surface) {
        outcome_ = opened.refusal;
        return outcome_;
    }
    outcome_ = PrintOutcome::Printed;
    surface_ = std::move(opened.surface);
    title_ = std::string(title);

    const int height = ReportFontHeight(surface_->PixelsPerInchY());
    boldFont_ = surface_->CreateFont(PrintFontSpec{"Arial", height, kBoldWeight});
    normalFont_ = surface_->CreateFont(PrintFontSpec{"Arial", height, kNormalWeight});

    // A refusal by the spooler does not stop the run; it is told at the end.
    Note(surface_->StartDoc(documentName));
    Note(surface_->StartPage());
    keptFont_ = surface_->SelectFont(normalFont_);

    const PrintTextMetrics metrics = surface_->GetTextMetrics();
    width_ = surface_->PrintableWidth();
    lineHeight_ = metrics.height + metrics.externalLeading;
    aveCharWidth_ = metrics.aveCharWidth;
    // A refusal so far does not end the run here; Close tells it.
    return PrintOutcome::Printed;
}

void CReportFrame::Note(bool accepted) {
    if (!accepted) {
        outcome_ = PrintOutcome::JobRefused;
    }
}

void CReportFrame::PageHeader(std::vector<ReportHeading> headings) {
    headings_ = std::move(headings);
    DrawHeader();
}

void CReportFrame::DrawHeader() {
    if (!surface_) {
        return;
    }
    const int h = lineHeight_;
    const int a = aveCharWidth_;
    surface_->TextOut(Left(), 0, dateText_);
    // Right-aligned by counting characters: no text is measured.
    surface_->TextOut(Right() - static_cast<int>(timeText_.size()) * a, 0, timeText_);
    surface_->TextOut(10 * a, kMakerLine * h, kMakerName);
    surface_->TextOut(10 * a, (kMakerLine + 1) * h, kMakerAddress);
    surface_->TextOut(10 * a, (kMakerLine + 2) * h, kMakerCity);
    surface_->TextOut(10 * a, (kMakerLine + 3) * h, kMakerTelephone);
    surface_->TextOut(60 * a, kJobLineRow * h, kJobLine);

    surface_->SelectFont(boldFont_);
    // Centred with the normal font's average width although the title is bold.
    surface_->TextOut(CentredX(title_), 0, title_);
    for (const ReportHeading& heading : headings_) {
        surface_->TextOut(heading.column * a, kHeadingLine * h, heading.text);
    }
    // A band three pixels high whatever the resolution.
    for (int i = 0; i < 3; ++i) {
        surface_->MoveTo(Left(), kRuleLine * h + i);
        surface_->LineTo(Right(), kRuleLine * h + i);
    }
    surface_->SelectFont(normalFont_);
}

int CReportFrame::CentredX(std::string_view text) const {
    return width_ / 2 - (static_cast<int>(text.size()) / 2) * aveCharWidth_;
}

void CReportFrame::PageFooter(long long page, long long pageCount) {
    if (!surface_) {
        return;
    }
    const std::string footer = FormatText("Page %d of %d", {FormatArg{page}, FormatArg{pageCount}});
    surface_->TextOut(CentredX(footer), kFooterLine * lineHeight_, footer);
}

void CReportFrame::NextPage() {
    if (!surface_) {
        return;
    }
    Note(surface_->EndPage());
    Note(surface_->StartPage());
    surface_->SelectFont(normalFont_);
    DrawHeader();
}

PrintOutcome CReportFrame::Close() {
    if (!surface_) {
        return outcome_;
    }
    surface_->SelectFont(keptFont_);
    Note(surface_->EndPage());
    Note(surface_->EndDoc());
    // The fonts belong to the surface here, so they go before it does.
    surface_->DeleteFont(boldFont_);
    surface_->DeleteFont(normalFont_);
    surface_.reset();
    headings_.clear();
    return outcome_;
}

void CReportFrame::Text(int x, int y, std::string_view text) {
    if (surface_) {
        surface_->TextOut(x, y, text);
    }
}
