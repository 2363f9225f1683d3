// Takes the user guide's pictures of the real windows, with the guide's examples typed in.
// Run through scripts/screenshots, which starts it under a virtual X server.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QStyleFactory>
#include <QtTest/QTest>
#include <cstdio>

#include "platform/resources.h"
#include "tests/calculator_window.h"

namespace {

using S = SlitterId;
const Steps kKnives = {
    {S::SlitCount, "3"}, {S::SlitInches, "2.5"}, {S::AddSlits}, {S::NextInches, "1"}, {S::AddSlit}};

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    QTest::qWait(100);
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setWindowIcon(LoadAppIcon(IDR_MAINFRAME));
    const QString out = argc > 1 ? argv[1] : "docs";
    // As on a dark desktop, to see what it shows; the guide's pictures are taken light.
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("--dark")) {
        QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(42, 42, 42));
        QApplication::setPalette(dark);
    }
    QDir().mkpath(out);
    bool ok = true;

    CalculatorWindow main(Window::Main);
    CDialog::SetMainWindow(&main.Dialog());
    ok &= Save(main.Dialog(), out + "/main-window.png");
    // The worked values, and in the knife list the guide's first example.
    const std::pair<Window, const char*> pictures[] = {{Window::RollLength, "roll-diameter-length"},
                                                       {Window::RollWeight, "roll-weight"},
                                                       {Window::Slitter, "slitter-positions"}};
    for (const auto& [kind, name] : pictures) {
        CalculatorWindow w(kind);
        if (!w.Ready()) {
            std::printf("window did not become active: %s\n", name);
        }
        w.Do(kind == Window::Slitter ? kKnives : w.Row().printable);
        ok &= Save(w.Dialog(), out + "/" + name + ".png");
    }
    return ok ? 0 : 1;
}
