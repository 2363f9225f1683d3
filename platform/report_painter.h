// The one report painter: measures the report font on a printer, asks for the document those
// measures give, and paints it page by page.
#pragma once

#include <functional>

#include "report/report_document.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// Lays out a report for the measures of the device it goes to.
using PageBuilder = std::function<ReportDocument(const PageMeasures&)>;

// W, h and a of the report's normal font on this device.
PageMeasures MeasureReportFont(const QPaintDevice& device);

// Measures, builds and paints the whole document on a printer or a PDF writer that is set up and
// not yet begun. False when the device did not start or end the document or a page, or a spooler
// refused the job.
bool PaintReport(QPagedPaintDevice& device, const PageBuilder& build);

// One page, on a painter whose coordinates are the pixels of the device it was measured on.
void PaintPage(QPainter& painter, const QPaintDevice& measured, const ReportPage& page);
