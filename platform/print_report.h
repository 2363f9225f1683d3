// A window's Print: the report on the default printer, and when it does not get there, a message
// saying why, with the offer to save the same report as a PDF file instead.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "report/print_surface.h"

class QWidget;

// Runs the report on the given printer; the same run draws the PDF file.
using ReportRun = std::function<PrintOutcome(const PrintSurfaceSource& printer)>;

// documentName names the suggested file ("Roll Calculations.pdf" in the documents folder).
void PrintReport(QWidget* owner, const std::string& documentName, const ReportRun& report);

// The save dialog's answer, given the suggested path: the chosen path, or none when cancelled.
using SaveFileAnswer = std::function<std::optional<std::string>(const std::string& suggested)>;

// Replaces the save dialog (tests); an empty answer restores it.
void SetSaveFileAnswer(SaveFileAnswer answer);
