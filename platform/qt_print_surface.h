// A print surface on a QPrinter: printer pixels, fonts resolved for the printer, text placed by
// the top-left corner of its first character cell.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <map>
#include <memory>

#include "report/print_surface.h"

class QtPrintSurface : public PrintSurface {
public:
    // Takes a printer that is set up but not yet begun.
    explicit QtPrintSurface(std::unique_ptr<QPrinter> printer);
    ~QtPrintSurface() override;

    // The desktop's default printer, or whether there is none or it cannot be opened.
    static OpenedPrinter OpenDefault();

    int PixelsPerInchY() const override;
    int PrintableWidth() const override;
    FontHandle CreateFont(const PrintFontSpec& request) override;
    FontHandle SelectFont(FontHandle font) override;
    void DeleteFont(FontHandle font) override;
    PrintTextMetrics GetTextMetrics() const override;
    bool StartDoc(std::string_view documentName) override;
    bool StartPage() override;
    bool EndPage() override;
    // False also when the spooler refused the finished document.
    bool EndDoc() override;
    void TextOut(int x, int y, std::string_view text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

    QPrinter& Printer() { return *printer_; }

private:
    QFont SelectedFont() const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::map<FontHandle, QFont> fonts_;
    FontHandle nextHandle_ = 1;
    FontHandle selected_ = 0;
    int pagesStarted_ = 0;
    bool docOpen_ = false;
    int penX_ = 0;
    int penY_ = 0;
};
