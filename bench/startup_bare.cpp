// The start-up benchmark's yardstick: the least a Qt program does to show the main window's
// picture, a fixed-size modal dialog in the same style with the banner from the same resource
// file. The window's pixel size comes from the command line (the benchmark passes what the real
// main window measured), because the real one derives it from its font. With "text" it also
// shows one line in the dialog font, which prices the font machinery that any window with words
// in it pays for.
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 && !(args.size() == 4 && args[3] == "text")) {
        std::fprintf(stderr, "usage: bare_startup_probe WIDTH HEIGHT [text]\n");
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QDialog dialog;
    dialog.setWindowTitle("Velmarch Roll Calculation Application");
    dialog.setFixedSize(args[1].toInt(), args[2].toInt());
    auto* banner = new QLabel(&dialog);
    banner->setPixmap(QPixmap(":/res/banner.png"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const int margin = 8;
    banner->setGeometry(margin, 0, dialog.width() - 2 * margin, banner->pixmap().height() + 4);
    if (args.size() == 4) {
        QFont font("Liberation Sans");
        font.setPointSize(8);
        dialog.setFont(font);
        auto* line = new QLabel("Version 1.00", &dialog);
        line->setGeometry(margin, banner->height() + 2, dialog.width() - 2 * margin, 16);
    }
    return dialog.exec();
}
