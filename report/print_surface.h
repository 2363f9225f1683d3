// What a printed report needs of a printer: a drawing surface measured in printer pixels, fonts
// with their metrics, text and lines, documents and pages. Plain C++ so that reports stay core
// code; the Qt printer implements it, tests record what is drawn.
#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

struct PrintFontSpec {
    std::string face; // "Arial"
    int height = 0;   // negative: character height in pixels; positive: cell height
    int weight = 400; // 400 normal, 700 bold
};

struct PrintTextMetrics {
    int height = 0;          // character-cell height
    int externalLeading = 0; // extra space the font asks for between lines
    int aveCharWidth = 0;    // average character width
};

class PrintSurface {
public:
    using FontHandle = int; // 0 is the surface's own default font

    virtual ~PrintSurface() = default;

    virtual int PixelsPerInchY() const = 0; // pixels per logical inch along the vertical
    virtual int PrintableWidth() const = 0; // width of the printable area in pixels

    virtual FontHandle CreateFont(const PrintFontSpec& font) = 0;
    // Selects a font and gives back the one it replaces.
    virtual FontHandle SelectFont(FontHandle font) = 0;
    virtual void DeleteFont(FontHandle font) = 0;
    virtual PrintTextMetrics GetTextMetrics() const = 0; // of the selected font

    // Results are reported but a run does not depend on them.
    virtual bool StartDoc(std::string_view documentName) = 0;
    virtual bool StartPage() = 0;
    virtual bool EndPage() = 0;
    virtual bool EndDoc() = 0;

    // Text with the top-left corner of its first character cell at (x, y), selected font.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // A straight line with a one-pixel black pen; the end point itself is not drawn.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
};

// How a print run ended: handed to the printer, or why not.
enum class PrintOutcome {
    Printed,
    NoPrinter,          // no default printer is set
    PrinterUnavailable, // there is a default printer but it cannot be opened
    JobRefused,         // the printer or its queue did not take the document
};

// What opening a printer gave: a surface to print on, or why there is none.
struct OpenedPrinter {
    OpenedPrinter() = default;
    // Implicit, so that a source may simply give its surface, or nullptr for no printer.
    template <class Surface>
    requires std::derived_from<Surface, PrintSurface> OpenedPrinter(std::unique_ptr<Surface> opened)
        : surface(std::move(opened)) {}
    OpenedPrinter(PrintOutcome why) : refusal(why) {}

    std::unique_ptr<PrintSurface> surface;
    PrintOutcome refusal = PrintOutcome::NoPrinter; // when there is no surface
};

// Opens the default printer, or says why it cannot.
using PrintSurfaceSource = std::function<OpenedPrinter()>;
