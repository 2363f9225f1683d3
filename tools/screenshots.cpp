// Takes the user guide's pictures of the real windows, with the guide's examples typed in.
// Run through scripts/screenshots, which starts it under a virtual X server.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QStyleFactory>
#include <QtTest/QTest>
#include <cstdio>

#include "app/roll_calc_dlg.h"
#include "platform/resources.h"
#include "roll_length/roll_length_dlg.h"
#include "roll_weight/roll_weight_dlg.h"
#include "slitter/slitter_dlg.h"

namespace {

// Shows the window and waits until it has the keyboard, as it would under a user's hand.
void Activate(CDialog& window) {
    window.Create();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        std::printf("window did not become active: %s\n", qPrintable(window.windowTitle()));
    }
}

// Types into a box the way a user does: focus by Tab (which selects the text), type, Tab on.
void Type(CDialog& window, ControlId id, const QString& keys) {
    QWidget* box = window.GetDlgItem(id);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Tab);
}

void Click(CDialog& window, ControlId id) {
    QTest::mouseClick(window.GetDlgItem(id), Qt::LeftButton);
}

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

    CRollCalcDlg main;
    Activate(main);
    CDialog::SetMainWindow(&main);
    ok &= Save(main, out + "/main-window.png");

    {
        CRollLengthDlg length;
        Activate(length);
        Type(length, RollLengthId::RollInches, "10");
        Type(length, RollLengthId::CoreInches, "3");
        Type(length, RollLengthId::ThicknessInches, "0.01");
        Click(length, RollLengthId::Calculate);
        ok &= Save(length, out + "/roll-diameter-length.png");
    }
    {
        CRollWeightDlg weight;
        Activate(weight);
        Type(weight, RollWeightId::RollInches, "40");
        Type(weight, RollWeightId::CoreInches, "3");
        Type(weight, RollWeightId::WebInches, "60");
        Type(weight, RollWeightId::SpecificGravity, "0.92");
        Click(weight, RollWeightId::Calculate);
        ok &= Save(weight, out + "/roll-weight.png");
    }
    {
        CSlitterDlg slitter;
        Activate(slitter);
        Type(slitter, SlitterId::SlitCount, "3");
        Type(slitter, SlitterId::SlitInches, "2.5");
        Click(slitter, SlitterId::AddSlits);
        Type(slitter, SlitterId::NextInches, "1");
        Click(slitter, SlitterId::AddSlit);
        ok &= Save(slitter, out + "/slitter-positions.png");
    }
    return ok ? 0 : 1;
}
