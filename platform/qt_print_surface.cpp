#include "platform/qt_print_surface.h"

#include <QFontMetrics>
#include <QPrinterInfo>
#include <QRawFont>
#include <algorithm>
#include <cmath>

#if defined(ROLLCALC_CUPS)
#include <cups/cups.h>
#endif

namespace {

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

} // namespace

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtPrintSurface::~QtPrintSurface() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

OpenedPrinter QtPrintSurface::OpenDefault() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        // A default the spooler names but cannot describe is set up, only out of reach.
        return QPrinterInfo::defaultPrinterName().isEmpty() ? PrintOutcome::NoPrinter
                                                            : PrintOutcome::PrinterUnavailable;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) {
        return PrintOutcome::PrinterUnavailable;
    }
    printer->setFullPage(false);
    return OpenedPrinter(std::make_unique<QtPrintSurface>(std::move(printer)));
}

int QtPrintSurface::PixelsPerInchY() const {
    return printer_->logicalDpiY();
}

int QtPrintSurface::PrintableWidth() const {
    return printer_->width();
}

PrintSurface::FontHandle QtPrintSurface::CreateFont(const PrintFontSpec& request) {
    QFont font(QString::fromStdString(request.face));
    font.setStyleHint(QFont::SansSerif);
    // A negative height asks for the character height, which is Qt's pixel size; a positive one
    // for the whole cell, taken here as near enough.
    font.setPixelSize(std::max(1, std::abs(request.height)));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(request.weight, 1, 1000)));
    const FontHandle handle = nextHandle_++;
    fonts_[handle] = QFont(font, printer_.get());
    return handle;
}

PrintSurface::FontHandle QtPrintSurface::SelectFont(FontHandle font) {
    const FontHandle previous = selected_;
    selected_ = font;
    if (painter_.isActive()) {
        painter_.setFont(SelectedFont());
    }
    return previous;
}

void QtPrintSurface::DeleteFont(FontHandle font) {
    if (font != 0) {
        fonts_.erase(font);
    }
}

QFont QtPrintSurface::SelectedFont() const {
    auto it = fonts_.find(selected_);
    return it != fonts_.end() ? it->second : QFont(QFont(), printer_.get());
}

PrintTextMetrics QtPrintSurface::GetTextMetrics() const {
    const QFont font = SelectedFont();
    const QFontMetrics metrics(font, printer_.get());
    return PrintTextMetrics{metrics.height(), std::max(0, metrics.leading()),
                            WeightedAverageCharWidth(font, printer_.get())};
}

bool QtPrintSurface::StartDoc(std::string_view documentName) {
    printer_->setDocName(
        QString::fromUtf8(documentName.data(), static_cast<qsizetype>(documentName.size())));
    docOpen_ = painter_.begin(printer_.get());
    if (docOpen_) {
        painter_.setFont(SelectedFont());
        painter_.setPen(QPen(Qt::black, 0));
    }
    return docOpen_;
}

bool QtPrintSurface::StartPage() {
    if (!docOpen_) {
        return false;
    }
    // Beginning the painter opened the first page already.
    const bool ok = pagesStarted_ == 0 || printer_->newPage();
    ++pagesStarted_;
    return ok;
}

bool QtPrintSurface::EndPage() {
    return docOpen_;
}

bool QtPrintSurface::EndDoc() {
    if (!docOpen_) {
        return false;
    }
    docOpen_ = false;
    const bool ended = painter_.end();
#if defined(ROLLCALC_CUPS)
    // Qt hands the finished document to CUPS as the painter ends and drops CUPS's answer; the
    // answer is still this thread's last CUPS status. A file written by Qt itself asks no spooler.
    if (ended && printer_->outputFormat() == QPrinter::NativeFormat &&
        printer_->outputFileName().isEmpty()) {
        return cupsLastError() < IPP_STATUS_ERROR_BAD_REQUEST;
    }
#endif
    return ended;
}

void QtPrintSurface::TextOut(int x, int y, std::string_view text) {
    if (!docOpen_) {
        return;
    }
    const QFontMetrics metrics(painter_.font(), printer_.get());
    painter_.drawText(QPoint(x, y + metrics.ascent()),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtPrintSurface::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void QtPrintSurface::LineTo(int x, int y) {
    if (docOpen_ && (x != penX_ || y != penY_)) {
        // The end point itself is not drawn.
        const int dx = x > penX_ ? -1 : (x < penX_ ? 1 : 0);
        const int dy = y > penY_ ? -1 : (y < penY_ ? 1 : 0);
        painter_.drawLine(penX_, penY_, x + dx, y + dy);
    }
    penX_ = x;
    penY_ = y;
}
