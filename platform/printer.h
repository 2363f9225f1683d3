// The default printer, as a source of print surfaces for the reports.
#pragma once

#include "report/print_surface.h"

// Replaces the default printer (tests); an empty source restores it.
void SetPrinterSource(PrintSurfaceSource source);

// The source the reports print through: the replacement if one is set, else the desktop's
// default printer (the CUPS default on Linux), opened without a dialog. Without a surface it says
// whether there is no default printer or it cannot be opened.
PrintSurfaceSource DefaultPrinter();
