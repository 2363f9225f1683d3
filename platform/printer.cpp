#include "platform/printer.h"

#include "platform/qt_print_surface.h"

namespace {

PrintSurfaceSource& Replacement() {
    static PrintSurfaceSource source;
    return source;
}

} // namespace

void SetPrinterSource(PrintSurfaceSource source) {
    Replacement() = std::move(source);
}

PrintSurfaceSource DefaultPrinter() {
    if (Replacement()) {
        return Replacement();
    }
    return [] { return QtPrintSurface::OpenDefault(); };
}
