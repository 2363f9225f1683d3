// The real default-printer path on a desktop with no default printer: the spooler's address points
// at a socket where nothing listens, and no user or system settings name a printer. Opening the
// default printer must give none at once and say so, and Print must then say why and change
// nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QStyleFactory>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "res/templates.h"

namespace {

constexpr auto kBound = std::chrono::seconds(60);
// Far above a refused local connection, far below any network timeout.
constexpr qint64 kQuickMs = 5000;

TEST(NoDefaultPrinter, OpeningTheDefaultGivesNoneQuickly) {
    Watchdog watchdog(kBound);
    QElapsedTimer timer;
    timer.start();
    int built = 0;
    EXPECT_EQ(PrintOnDefaultPrinter([&built](const PageMeasures&) {
                  ++built;
                  return ReportDocument{};
              }),
              PrintOutcome::NoPrinter);
    EXPECT_LT(timer.elapsed(), kQuickMs);
    EXPECT_EQ(built, 0);
    EXPECT_TRUE(QPrinterInfo::defaultPrinter().isNull());
}

class NoPrinterPrint : public ::testing::TestWithParam<Window>, protected CapturedSeams {
protected:
    NoPrinterPrint() : CapturedSeams(kBound) { SetReportPrinter({}); }
};

TEST_P(NoPrinterPrint, PrintSaysSoAndChangesNothing) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    // A worked calculation on screen, so that a change would show.
    w.Do(w.Row().printable);
    ASSERT_TRUE(w.Enabled(w.PrintButton()));
    w.Focus(w.PrintButton());
    const WindowValues before = w.Values();
    const std::set<QWidget*> shown = VisibleTopLevels();
    QElapsedTimer timer;
    timer.start();
    w.Click(w.PrintButton());
    EXPECT_LT(timer.elapsed(), kQuickMs);
    // The PDF offer is declined, as Esc would.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages[0].text.rfind(PrintOutcomeMessage(PrintOutcome::NoPrinter), 0), 0u);
    EXPECT_EQ(VisibleTopLevels(), shown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_TRUE(w.Enabled(w.PrintButton()));
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, NoPrinterPrint, ::testing::ValuesIn(Calculators()),
                         kWindowName);

} // namespace

int main(int argc, char** argv) {
    // Set before Qt's print support first asks the spooler. CUPS reads the user's and the system's
    // printer settings from HOME and CUPS_SERVERROOT, and a default from PRINTER and LPDEST.
    char folder[] = "/tmp/rollcalc-noprinter.XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::string socket = std::string(folder) + "/cups.sock";
    setenv("CUPS_SERVER", socket.c_str(), 1);
    setenv("CUPS_SERVERROOT", folder, 1);
    setenv("HOME", folder, 1);
    unsetenv("PRINTER");
    unsetenv("LPDEST");
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int result = 0;
    {
        QApplication application(argc, argv);
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
