// Print faults through the windows' Print buttons: every run must end, say why in one warning that
// offers a PDF file instead, and leave the window as it was. Then the PDF file itself.
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <optional>
#include <tuple>
#include <utility>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "calculator_window.h"

namespace {

using namespace std::chrono_literals;

// An environment variable set for a scope.
struct ScopedEnv {
    ScopedEnv(const char* n, const QString& value) : name(n) { qputenv(n, value.toLocal8Bit()); }
    ~ScopedEnv() { had ? qputenv(name, old) : qunsetenv(name); }
    const char* name;
    const bool had = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
};

// The spooler's address pointed at a loopback socket whose connections the kernel completes and
// nobody reads; refused once it is gone, so that a job given up on ends soon.
struct SilentServer {
    SilentServer() {
        sockaddr_in in{};
        in.sin_family = AF_INET;
        in.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        auto* a = reinterpret_cast<sockaddr*>(&in);
        socklen_t size = sizeof in;
        if (bind(fd, a, size) != 0 || listen(fd, 16) != 0 || getsockname(fd, a, &size) != 0) {
            ADD_FAILURE() << "no loopback socket";
        }
        address = "127.0.0.1:" + std::to_string(ntohs(in.sin_port));
        cups.emplace("CUPS_SERVER", QString::fromStdString(address));
    }
    ~SilentServer() { close(fd); }

    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    std::string address;
    std::optional<ScopedEnv> cups;
};

// None built is no refusal.
PrintOutcome BuildsThenRefused(const PageBuilder& build) {
    return build(kRecordedPage).pages.empty() ? PrintOutcome::Printed : PrintOutcome::JobRefused;
}

PrintOutcome PaintsWhereNoFileCanBe(const PageBuilder& build) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/dev/null/report.pdf");
    return PaintReport(printer, build) ? PrintOutcome::Printed : PrintOutcome::JobRefused;
}

struct FaultRow {
    const char* name;
    PrintOutcome outcome;
    PrintOutcome (*printer)(const PageBuilder&) = nullptr; // none: gives the outcome
    // A deadline: the real default printer, asked of a silent server.
    std::chrono::milliseconds deadline = 0ms;
    bool cancel = false; // in the progress window
};

const FaultRow kFaults[] = {
    {"NoPrinter", PrintOutcome::NoPrinter},
    {"DefaultUnreachable", PrintOutcome::PrinterUnavailable},
    {"QueueRejectsJobs", PrintOutcome::JobRefused, BuildsThenRefused},
    {"DocumentCannotStart", PrintOutcome::JobRefused, PaintsWhereNoFileCanBe},
    {"ServerSilent", PrintOutcome::ServerSilent, nullptr, 1500ms},
    {"ServerCancelled", PrintOutcome::ServerSilent, nullptr, 30s, true},
};

void ExpectSaysWhy(const MessageRecord& m, const std::string& why) {
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.buttons, MessageButtons::YesNo);
    EXPECT_EQ(m.text.rfind(why, 0), 0u) << m.text;
    EXPECT_NE(m.text.find("lpoptions -d NAME"), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("Save the report as a PDF file instead?"), std::string::npos) << m.text;
}

// The real print path unless a test sets a printer, and the save dialog's answers (each given
// once, then cancelled), all written down; the window filled with values worth printing.
template <class Row>
class PrintTest : protected CapturedSeams,
                  public ::testing::TestWithParam<std::tuple<Window, Row>> {
protected:
    PrintTest() : CapturedSeams(60s), w(std::get<0>(this->GetParam())) {
        SetReportPrinter({});
        SetSaveFileAnswer([this](const std::string& suggested) {
            suggestions.push_back(suggested);
            return std::exchange(savePath, std::nullopt);
        });
        if (w.Ready()) {
            w.MakePrintable();
            w.Do(w.Row().printable);
        }
    }
    ~PrintTest() override {
        SetSaveFileAnswer({});
        SetPrintDeadline({});
    }

    CalculatorWindow w;
    std::vector<std::string> suggestions;
    std::optional<std::string> savePath;
};

template <class Row, std::size_t N> auto EachCalculatorWith(const Row (&rows)[N]) {
    return ::testing::Combine(::testing::ValuesIn(Calculators()), ::testing::ValuesIn(rows));
}

constexpr auto kRowName = [](const auto& info) {
    return std::string(NameOf(std::get<0>(info.param))) + "_" + std::get<1>(info.param).name;
};

using PrintFault = PrintTest<FaultRow>;

TEST_P(PrintFault, RunEndsSaysWhyAndLeavesTheWindowAsItWas) {
    const FaultRow& fault = std::get<1>(GetParam());
    ASSERT_TRUE(w.Ready());
    std::vector<bool> enabledDuringRun;
    std::optional<SilentServer> server;
    std::string why = PrintOutcomeMessage(fault.outcome);
    if (fault.deadline > 0ms) {
        server.emplace();
        why = "The print server at " + server->address + " does not answer.";
        SetPrintDeadline(fault.deadline);
    } else {
        SetReportPrinter([&](const PageBuilder& build) {
            enabledDuringRun.push_back(w.Dialog().isEnabled());
            return fault.printer != nullptr ? fault.printer(build) : fault.outcome;
        });
    }

    w.Focus(w.PrintButton());
    const WindowValues before = w.Values();
    const std::set<QWidget*> shown = VisibleTopLevels();
    for (std::size_t press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        if (server) {
            QTimer::singleShot(900, [&] {
                auto* progress = w.Dialog().findChild<QProgressDialog*>();
                enabledDuringRun.push_back(w.Dialog().isEnabled());
                ASSERT_TRUE(progress != nullptr && progress->isVisible()) << "no progress window";
                EXPECT_EQ(progress->labelText().toStdString(),
                          std::string("Printing ") + w.Row().document + "\u2026");
                if (fault.cancel) {
                    progress->cancel();
                }
            });
        }
        w.Click(w.PrintButton());
        ASSERT_EQ(enabledDuringRun.size(), press);
        EXPECT_EQ(enabledDuringRun.back(), w.Row().inputDuringPrint);
        ASSERT_EQ(messages.size(), press);
        ExpectSaysWhy(messages.back(), why);
        EXPECT_TRUE(suggestions.empty());     // declined
        EXPECT_EQ(VisibleTopLevels(), shown); // a modal window left open too
        EXPECT_TRUE(w.Dialog().isEnabled());
        EXPECT_TRUE(w.Enabled(w.PrintButton()));
        EXPECT_EQ(w.Values(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(EachWindow, PrintFault, EachCalculatorWith(kFaults), kRowName);

// A job given up on at the deadline is still counted until its thread ends, so that the program
// can wait for it before Qt is taken down.
TEST(GivenUpJob, IsWaitedForAtTheEnd) {
    CapturedSeams seams(60s);
    CalculatorWindow w(Window::RollLength);
    ASSERT_TRUE(w.Ready());
    w.MakePrintable();
    w.Do(w.Row().printable);
    // The job outlives the test's frame.
    auto release = std::make_shared<std::atomic<bool>>(false);
    SetReportPrinter([release](const PageBuilder&) {
        while (!*release) {
            std::this_thread::sleep_for(10ms);
        }
        return PrintOutcome::Printed;
    });
    SetPrintDeadline(300ms);
    w.Click(w.PrintButton());
    SetPrintDeadline({});
    EXPECT_EQ(seams.messages.size(), 1u);
    EXPECT_FALSE(WaitForPrintJobs(50ms));
    *release = true;
    EXPECT_TRUE(WaitForPrintJobs(10s));
}

// The PDF file offered when there is no printer, in a home folder of its own: chosen (a path in
// it, "" for the one suggested), cancelled, or refused by the file system.
struct SaveRow {
    const char* name;
    const char* chosen;
    bool documentsFolder = true; // else suggested in the home folder
    bool refused = false;
};

const SaveRow kSaves[] = {
    {"Saved", "report.pdf"},
    {"Cancelled", nullptr},
    {"CannotWrite", "missing/report.pdf", true, true},
    {"InHome", "", false},
};

using PdfFallback = PrintTest<SaveRow>;

TEST_P(PdfFallback, NoPrinterOffersTheSameReportAsAPdfFile) {
    const SaveRow& save = std::get<1>(GetParam());
    const bool written = save.chosen != nullptr && !save.refused;
    ASSERT_TRUE(w.Ready());
    SetReportPrinter([](const PageBuilder&) { return PrintOutcome::NoPrinter; });
    QTemporaryDir home;
    const ScopedEnv homeVariable("HOME", home.path());
    const ScopedEnv config("XDG_CONFIG_HOME", home.filePath(".config")); // the documents folder
    const QString documents = home.filePath("Documents");
    ASSERT_TRUE(home.isValid() && (!save.documentsFolder || QDir().mkpath(documents)));
    const std::string suggested = QDir(save.documentsFolder ? documents : home.path())
                                      .filePath(QString(w.Row().document) + ".pdf")
                                      .toStdString();
    const std::string path = save.chosen == nullptr || *save.chosen == '\0'
                                 ? suggested
                                 : home.filePath(save.chosen).toStdString();
    answer = MessageAnswer::Yes;
    savePath = save.chosen != nullptr ? std::optional(path) : std::nullopt;

    w.Focus(w.PrintButton());
    const WindowValues before = w.Values();
    w.Click(w.PrintButton());

    ASSERT_EQ(messages.size(), save.refused ? 2u : 1u);
    ExpectSaysWhy(messages[0], PrintOutcomeMessage(PrintOutcome::NoPrinter));
    EXPECT_EQ(suggestions, (save.refused ? std::vector{suggested, path} : std::vector{suggested}));
    EXPECT_EQ(QFileInfo::exists(QString::fromStdString(path)), written);
    if (save.refused) {
        EXPECT_EQ(messages[1].text, "The report could not be saved as " + path +
                                        ": No such file or directory.\n\nChoose another file?");
        EXPECT_EQ(messages[1].icon, MessageIcon::Warning);
    }
    if (written) {
        QProcess pdftotext; // from scripts/install-deps
        pdftotext.start("pdftotext", {QString::fromStdString(path), "-"});
        EXPECT_TRUE(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0)
            << pdftotext.readAllStandardError().toStdString();
        const std::string text = pdftotext.readAllStandardOutput().toStdString();
        for (const std::string& e : w.Row().reportTexts) {
            EXPECT_NE(text.find(e), std::string::npos) << e << " not in:\n" << text;
        }
    } else {
        EXPECT_TRUE(QDir(documents).isEmpty());
    }
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, PdfFallback, EachCalculatorWith(kSaves), kRowName);

} // namespace
