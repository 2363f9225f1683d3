// The real default-printer path on a desktop with no default printer: opening it must give none at
// once, and Print must then say so and change nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "calculator_window.h"

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
    w.Do(w.Row().printable);
    w.Focus(w.PrintButton());
    const WindowValues before = w.Values();
    QElapsedTimer timer;
    timer.start();
    w.Click(w.PrintButton());
    EXPECT_LT(timer.elapsed(), kQuickMs);
    // The PDF offer is declined, as Esc would.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages[0].text.rfind(PrintOutcomeMessage(PrintOutcome::NoPrinter), 0), 0u);
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, NoPrinterPrint, ::testing::ValuesIn(Calculators()),
                         kWindowName);

} // namespace

int main(int argc, char** argv) {
    // Before Qt first asks the spooler: no printer settings, no default, nobody at the address.
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        return 2;
    }
    const QByteArray path = QFile::encodeName(folder.path());
    qputenv("CUPS_SERVER", path + "/cups.sock");
    qputenv("CUPS_SERVERROOT", path);
    qputenv("HOME", path);
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
