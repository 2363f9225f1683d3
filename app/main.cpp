#include <QApplication>
#include <QStyleFactory>

#include "app/roll_calc_app.h"
#include "res/resources.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setApplicationVersion(kProductVersion);
    QApplication::setWindowIcon(LoadAppIcon(IDR_MAINFRAME));
    CRollCalcApp app;
    // Start-up runs the main window itself and reports failure, so no further loop runs.
    if (app.InitInstance()) {
        return QApplication::exec();
    }
    return 0;
}
