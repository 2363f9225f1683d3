#include "platform/report_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRawFont>
#include <algorithm>
#include <cmath>

#if defined(__unix__) && !defined(__APPLE__)
#include <dlfcn.h>
#define ROLLCALC_CUPS 1
#endif

#include "report/report_frame.h"

namespace {

QFont ReportFont(const QPaintDevice& device, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, ReportFontPixels(device.logicalDpiY())));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return QFont(font, &device);
}

// The average character width by the rule Arial's own figure was made with: the lower-case
// letters and the blank, weighted by how often they occur in English. Metric twins such as
// Liberation Sans record the plain mean of all their glyphs instead, a third wider, which would
// move every column of a report to the right.
int WeightedAverageCharWidth(const QFont& font, const QPaintDevice* device) {
    static constexpr int kLetterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                               56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    constexpr int kBlankWeight = 166;
    const QFontMetricsF metrics(font, device);
    double sum = kBlankWeight * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i) {
        sum +=
            kLetterWeights[i] * metrics.horizontalAdvance(QLatin1Char(static_cast<char>('a' + i)));
    }
    const double mean = sum / 1000.0;
    // Whole font units, as a font's table keeps the figure, then scaled to this size.
    const QRawFont raw = QRawFont::fromFont(font);
    const double pixelsPerEm = font.pixelSize() > 0 ? font.pixelSize() : raw.pixelSize();
    if (raw.unitsPerEm() <= 0 || pixelsPerEm <= 0) {
        return static_cast<int>(std::lround(mean));
    }
    const double units = std::round(mean * raw.unitsPerEm() / pixelsPerEm);
    return static_cast<int>(std::lround(units * pixelsPerEm / raw.unitsPerEm()));
}

// Qt hands the finished document to CUPS as the painter ends and drops CUPS's answer; the answer
// is still this thread's last CUPS status. CUPS is looked up only now, where Qt's print support
// has loaded it, so that a program that never prints never maps it.
bool SpoolerAccepted(const QPrinter& printer) {
#if defined(ROLLCALC_CUPS)
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty()) {
        return true; // a file written by Qt itself asks no spooler
    }
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (cups == nullptr) {
        return true;
    }
    using LastError = int (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(cups, "cupsLastError"));
    constexpr int kBadRequest = 0x0400; // IPP_STATUS_ERROR_BAD_REQUEST, the first failure
    const bool accepted = lastError == nullptr || lastError() < kBadRequest;
    dlclose(cups);
    return accepted;
#else
    (void)printer;
    return true;
#endif
}

} // namespace

PageMeasures MeasureReportFont(const QPaintDevice& device) {
    const QFont normal = ReportFont(device, false);
    const QFontMetrics metrics(normal, &device);
    return {device.width(), metrics.height() + std::max(0, metrics.leading()),
            WeightedAverageCharWidth(normal, &device)};
}

void PaintPage(QPainter& painter, const QPaintDevice& measured, const ReportPage& page) {
    const QFont fonts[2] = {ReportFont(measured, false), ReportFont(measured, true)};
    const int ascents[2] = {QFontMetrics(fonts[0], &measured).ascent(),
                            QFontMetrics(fonts[1], &measured).ascent()};
    painter.setPen(QPen(Qt::black, 0));
    for (const PlacedText& text : page.texts) {
        painter.setFont(fonts[text.bold]);
        painter.drawText(QPoint(text.x, text.y + ascents[text.bold]),
                         QString::fromStdString(text.text));
    }
    for (const Rule& rule : page.rules) {
        if (rule.x2 > rule.x1) {
            painter.drawLine(rule.x1, rule.y, rule.x2 - 1, rule.y);
        }
    }
}

bool PaintReport(QPagedPaintDevice& device, const PageBuilder& build) {
    const ReportDocument document = build(MeasureReportFont(device));
    auto* printer = dynamic_cast<QPrinter*>(&device);
    if (printer != nullptr) {
        printer->setDocName(QString::fromStdString(document.name));
    } else if (auto* writer = dynamic_cast<QPdfWriter*>(&device)) {
        writer->setTitle(QString::fromStdString(document.name));
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    bool ok = true;
    for (std::size_t p = 0; p < document.pages.size(); ++p) {
        // Beginning the painter opened the first page already.
        if (p != 0) {
            ok = device.newPage() && ok;
        }
        PaintPage(painter, device, document.pages[p]);
    }
    ok = painter.end() && ok;
    return ok && (printer == nullptr || SpoolerAccepted(*printer));
}
