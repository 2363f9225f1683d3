#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <chrono>

#include "app/roll_calc_app.h"
#include "platform/print_report.h"
#include "platform/resources.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setApplicationVersion(kProductVersion);
    // Windows without an icon of their own take the program's. The main window has its own, but
    // X11 is handed the program's icon when a window is created, before its own replaces it;
    // giving the program's icon once the main window's loop runs spares that round.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(LoadAppIcon(IDR_MAINFRAME)); });
    // The main window's own modal loop is the program's only loop: when it closes, the program
    // ends.
    CRollCalcApp app;
    app.Run();
    // A print run given up on may still be asking the spooler; Qt must outlive it.
    WaitForPrintJobs(std::chrono::seconds(5));
    return 0;
}
