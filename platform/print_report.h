// A window's Print: the report on the default printer without a dialog, in a run that never
// freezes the window; when it does not get there, a message saying why, with the offer to save
// the same report as a PDF file instead. And the same pages in a preview.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "platform/report_painter.h"
#include "report/report_frame.h"

class QPdfWriter;
class QWidget;

// How a print run ended: handed to the printer, or why not.
enum class PrintOutcome {
    Printed,
    NoPrinter,          // no default printer is set
    PrinterUnavailable, // there is a default printer but it cannot be opened
    JobRefused,         // the printer or its queue did not take the document
    ServerSilent,       // the print server did not answer in time, or the user stopped waiting
};

// Why a report did not reach the printer, in plain words; empty when it did.
std::string PrintOutcomeMessage(PrintOutcome outcome);

// A report for the run's measures and its one date and time.
using ReportBuilder = std::function<ReportDocument(const PageMeasures&, const ReportStamp&)>;

enum class WhilePrinting { OwnerStays, OwnerDisabled };

// documentName names the progress window and the suggested file ("Roll Calculations.pdf").
void PrintReport(QWidget* owner, const std::string& documentName, const ReportBuilder& report,
                 WhilePrinting owner_state = WhilePrinting::OwnerStays);

// The PDF copy's page: the paper of the user's locale, at a printer's resolution.
inline constexpr int kPdfResolution = 1200;
void SetUpPdf(QPdfWriter& pdf);

// The pages Print would send, on the paper of the PDF file, in a preview window.
void PreviewReport(QWidget* owner, const ReportBuilder& report);

// The job on the default printer: find it, measure, build and paint. It runs on a thread of its
// own, so it must not touch widgets.
using ReportPrinter = std::function<PrintOutcome(const PageBuilder& build)>;

// Replaces the default printer (tests); an empty printer restores it.
void SetReportPrinter(ReportPrinter printer);

// The desktop's default printer (the CUPS default on Linux) on its own default paper.
PrintOutcome PrintOnDefaultPrinter(const PageBuilder& build);

// Waits, bounded, for the jobs given up on to end, so that none is still in the print system while
// the program is taken down; false if one is still running.
bool WaitForPrintJobs(std::chrono::milliseconds bound);

// How long a run may take before it is given up (tests shorten it); zero restores the default.
void SetPrintDeadline(std::chrono::milliseconds deadline);

// The save dialog's answer, given the suggested path: the chosen path, or none when cancelled.
using SaveFileAnswer = std::function<std::optional<std::string>(const std::string& suggested)>;

// Replaces the save dialog (tests); an empty answer restores it.
void SetSaveFileAnswer(SaveFileAnswer answer);

// Where the PDF copy is offered: the documents folder if there is one, else the home folder;
// always an absolute path.
std::string SuggestedFile(const std::string& documentName);
