// The start-up benchmark's yardstick: the main window built from stock Qt widgets, with the same
// banner from the same resource file, the same three lines, the disclaimer in a read-only text
// box, the same four buttons and the same font. The window's pixel size comes from the command
// line (the benchmark passes what the real main window measured), because the real one derives it
// from its font.
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <QTextEdit>
#include <QVBoxLayout>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: stock_startup_probe WIDTH HEIGHT\n");
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QDialog dialog;
    dialog.setWindowTitle("Velmarch Roll Calculation Application");
    QFont font("Liberation Sans");
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    dialog.setFont(font);
    dialog.setFixedSize(args[1].toInt(), args[2].toInt());

    auto* layout = new QVBoxLayout(&dialog);
    auto* banner = new QLabel;
    banner->setPixmap(QPixmap(":/res/banner.png"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(banner);
    for (const char* text :
         {"Version 1.00", "IMPORTANT INFORMATION -- Please Read", "DISCLAIMER"}) {
        layout->addWidget(new QLabel(text));
    }
    auto* disclaimer = new QTextEdit;
    disclaimer->setReadOnly(true);
    disclaimer->setAlignment(Qt::AlignCenter);
    disclaimer->setPlainText(
        "THIS SOFTWARE AND ITS ACCOMPANYING DOCUMENTATION ARE PROVIDED BY VELMARCH PRODUCTS LLC "
        "\"AS IS\", WITHOUT ANY REPRESENTATION OR ASSURANCE OF ANY KIND AS TO THEIR ACCURACY, "
        "COMPLETENESS OR SUITABILITY FOR ANY PARTICULAR WINDING, WEIGHING OR SLITTING OPERATION.  "
        "VELMARCH PRODUCTS LLC EXPRESSLY DISCLAIMS ALL WARRANTIES, WHETHER EXPRESS OR IMPLIED, "
        "INCLUDING BUT NOT LIMITED TO THE IMPLIED WARRANTIES OF MERCHANTABILITY, FITNESS FOR A "
        "PARTICULAR PURPOSE, TITLE AND NON-INFRINGEMENT.  VELMARCH PRODUCTS LLC DOES NOT WARRANT "
        "THAT THE SOFTWARE OR ITS CALCULATIONS WILL BE FREE OF ERRORS, OR THAT THE SOFTWARE WILL "
        "OPERATE WITHOUT INTERRUPTION, AND YOU MUST ALWAYS VERIFY ANY FIGURE BEFORE RELYING ON IT "
        "IN PRODUCTION.  IN NO EVENT SHALL VELMARCH PRODUCTS LLC BE LIABLE FOR ANY DIRECT, "
        "INDIRECT, INCIDENTAL, SPECIAL, EXEMPLARY OR CONSEQUENTIAL DAMAGES OF ANY KIND, HOWEVER "
        "CAUSED AND ON ANY THEORY OF LIABILITY, WHETHER IN CONTRACT, STRICT LIABILITY OR TORT, "
        "EVEN "
        "IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGES.  BY INSTALLING OR USING THIS SOFTWARE YOU "
        "AGREE THAT ALL OF YOUR USE OF IT IS SUBJECT TO THE TERMS AND CONDITIONS OF THE LICENSE "
        "AGREEMENT CONTAINED IN THE SOFTWARE.");
    layout->addWidget(disclaimer, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const char* text : {"Roll &Diameter", "Roll &Weight", "&Knife Positions", "&Close"}) {
        buttons->addWidget(new QPushButton(text));
    }
    layout->addLayout(buttons);
    return dialog.exec();
}
