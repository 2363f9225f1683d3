// Print faults through the three windows' Print buttons: no default printer, one out of reach, a
// queue that rejects the job, a print server that takes the connection and never answers, and a
// real Qt printer that cannot start its document. Every run must end, say why in one warning that
// offers a PDF file instead, and leave the window enabled with its values as they were. Then the
// PDF file itself: saved and read back, cancelled, not writable, or offered in a home folder that
// has no documents folder.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "res/templates.h"

namespace {

constexpr auto kBound = std::chrono::seconds(60);

// ServerSilent waits out the deadline; ServerCancelled is stopped with Cancel.
enum class Fault { NoPrinter, DefaultUnreachable, QueueRejectsJobs, ServerSilent, ServerCancelled };

const char* NameOf(Fault fault) {
    constexpr const char* kNames[] = {"NoPrinter", "DefaultUnreachable", "QueueRejectsJobs",
                                      "ServerSilent", "ServerCancelled"};
    return kNames[static_cast<int>(fault)];
}

void PrintTo(Fault fault, std::ostream* os) {
    *os << NameOf(fault);
}

PrintOutcome OutcomeOf(Fault fault) {
    switch (fault) {
    case Fault::NoPrinter:
        return PrintOutcome::NoPrinter;
    case Fault::DefaultUnreachable:
        return PrintOutcome::PrinterUnavailable;
    case Fault::QueueRejectsJobs:
        return PrintOutcome::JobRefused;
    case Fault::ServerSilent:
    case Fault::ServerCancelled:
        return PrintOutcome::ServerSilent;
    }
    return PrintOutcome::Printed;
}

// The one warning a failed print shows: why, how to set a default printer, and the PDF offer.
void ExpectSaysWhy(const MessageRecord& m, const std::string& why) {
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.buttons, MessageButtons::YesNo);
    EXPECT_EQ(m.text.rfind(why, 0), 0u) << m.text;
    EXPECT_NE(m.text.find("lpoptions -d NAME"), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("Save the report as a PDF file instead?"), std::string::npos) << m.text;
}

// Messages answered as the user would, the real print path unless a test sets a printer, and the
// save dialog's answers (each given once, then cancelled), all written down.
class PrintTest : protected CapturedSeams {
protected:
    PrintTest() : CapturedSeams(kBound) {
        SetReportPrinter({});
        SetSaveFileAnswer([this](const std::string& suggested) {
            suggestions.push_back(suggested);
            return std::exchange(savePath, std::nullopt);
        });
    }
    ~PrintTest() { SetSaveFileAnswer({}); }

    std::vector<std::string> suggestions;
    std::optional<std::string> savePath;
};

// Fills the window with values worth printing; the slitter's list runs onto a second page.
void FillIn(CalculatorWindow& w) {
    w.MakePrintable();
    w.Do(w.Row().printable);
}

// A print server on the loopback that takes connections and never answers, for the real print
// path: the kernel completes each connection, nobody reads it.
class SilentServer {
public:
    SilentServer() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(fd_, 16) != 0 ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            ADD_FAILURE() << "no loopback socket";
            return;
        }
        address_ = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
        const char* old = std::getenv("CUPS_SERVER");
        oldServer_ = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        setenv("CUPS_SERVER", address_.c_str(), 1);
    }
    ~SilentServer() {
        if (oldServer_) {
            setenv("CUPS_SERVER", oldServer_->c_str(), 1);
        } else {
            unsetenv("CUPS_SERVER");
        }
        // Refused from now on, so that a job given up on ends soon.
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    const std::string& Address() const { return address_; }

private:
    int fd_ = -1;
    std::string address_;
    std::optional<std::string> oldServer_;
};

QProgressDialog* ShownProgress() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* progress = qobject_cast<QProgressDialog*>(w); progress && progress->isVisible()) {
            return progress;
        }
    }
    return nullptr;
}

class PrintFault : public PrintTest, public ::testing::TestWithParam<std::tuple<Window, Fault>> {};

TEST_P(PrintFault, RunEndsSaysWhyAndLeavesTheWindowAsItWas) {
    const auto [kind, fault] = GetParam();
    CalculatorWindow w(kind);
    ASSERT_TRUE(w.Ready());
    FillIn(w);
    ASSERT_TRUE(w.Enabled(w.PrintButton()));
    ASSERT_TRUE(messages.empty());

    const bool silent = fault == Fault::ServerSilent || fault == Fault::ServerCancelled;
    int lookups = 0;
    int built = 0;
    std::vector<bool> enabledDuringRun;
    std::unique_ptr<SilentServer> server;
    std::string why = PrintOutcomeMessage(OutcomeOf(fault));
    if (silent) {
        // The real path: the default printer, asked of a server that never answers.
        server = std::make_unique<SilentServer>();
        why = "The print server at " + server->Address() + " does not answer.";
        SetPrintDeadline(fault == Fault::ServerSilent ? std::chrono::milliseconds(1500)
                                                      : std::chrono::seconds(30));
    } else {
        SetReportPrinter([&, fault = fault](const PageBuilder& build) {
            ++lookups;
            enabledDuringRun.push_back(w.Dialog().isEnabled());
            if (fault == Fault::QueueRejectsJobs) {
                built += !build(kRecordedPage).pages.empty();
            }
            return OutcomeOf(fault);
        });
    }

    w.Focus(w.PrintButton());
    const WindowValues before = w.Values();
    const std::set<QWidget*> shown = VisibleTopLevels();
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        if (silent) {
            // Once the quiet half second is over: the progress window, and Cancel if the row says.
            QTimer::singleShot(900, [&, fault = fault] {
                QProgressDialog* progress = ShownProgress();
                enabledDuringRun.push_back(w.Dialog().isEnabled());
                ASSERT_NE(progress, nullptr) << "no progress window";
                EXPECT_EQ(progress->labelText().toStdString(),
                          std::string("Printing ") + w.Row().document + "\u2026");
                if (fault == Fault::ServerCancelled) {
                    progress->cancel();
                }
            });
        }
        w.Click(w.PrintButton());
        ASSERT_EQ(enabledDuringRun.size(), static_cast<std::size_t>(press));
        // Only the slitter keeps the window from taking input while it runs.
        EXPECT_EQ(enabledDuringRun.back(), w.Row().inputDuringPrint);
        if (!silent) {
            EXPECT_EQ(lookups, press);
            // The run went on to the end although the spooler refused.
            EXPECT_EQ(built, fault == Fault::QueueRejectsJobs ? press : 0);
        }
        ASSERT_EQ(messages.size(), static_cast<std::size_t>(press));
        ExpectSaysWhy(messages.back(), why);
        // Declined: no file is asked for.
        EXPECT_TRUE(suggestions.empty());
        EXPECT_EQ(VisibleTopLevels(), shown);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(w.Dialog().isEnabled());
        EXPECT_TRUE(w.Enabled(w.PrintButton()));
        EXPECT_EQ(w.Values(), before);
    }
    SetPrintDeadline({});
}

INSTANTIATE_TEST_SUITE_P(
    EachWindow, PrintFault,
    ::testing::Combine(::testing::ValuesIn(Calculators()),
                       ::testing::Values(Fault::NoPrinter, Fault::DefaultUnreachable,
                                         Fault::QueueRejectsJobs, Fault::ServerSilent,
                                         Fault::ServerCancelled)),
    [](const ::testing::TestParamInfo<PrintFault::ParamType>& info) {
        return std::string(NameOf(std::get<0>(info.param))) + "_" + NameOf(std::get<1>(info.param));
    });

// A job given up on at the deadline is still counted until its thread ends, so that the program
// can wait for it before Qt is taken down.
class GivenUpJob : public PrintTest, public ::testing::Test {};

TEST_F(GivenUpJob, IsWaitedForAtTheEnd) {
    CalculatorWindow w(Window::RollLength);
    ASSERT_TRUE(w.Ready());
    FillIn(w);
    // Held by the job itself: the job outlives the test's frame.
    auto release = std::make_shared<std::atomic<bool>>(false);
    SetReportPrinter([release](const PageBuilder&) {
        while (!*release) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return PrintOutcome::Printed;
    });
    SetPrintDeadline(std::chrono::milliseconds(300));
    w.Click(w.PrintButton());
    SetPrintDeadline({});
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(WaitForPrintJobs(std::chrono::milliseconds(50)));
    *release = true;
    EXPECT_TRUE(WaitForPrintJobs(std::chrono::seconds(10)));
}

// The real painter on a printer whose document cannot be started (its output cannot be opened,
// as when a queue refuses the job): the run ends and says so.
class QtPrinterFault : public PrintTest, public ::testing::TestWithParam<Window> {};

TEST_P(QtPrinterFault, DocumentThatCannotStartEndsCleanly) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    FillIn(w);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString output = folder.filePath("missing/report.pdf");
    int runs = 0;
    SetReportPrinter([&](const PageBuilder& build) {
        ++runs;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        return PaintReport(printer, build) ? PrintOutcome::Printed : PrintOutcome::JobRefused;
    });

    w.Focus(w.PrintButton());
    const WindowValues before = w.Values();
    const std::set<QWidget*> shown = VisibleTopLevels();
    w.Click(w.PrintButton());
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(messages.size(), 1u);
    ExpectSaysWhy(messages[0], PrintOutcomeMessage(PrintOutcome::JobRefused));
    EXPECT_EQ(VisibleTopLevels(), shown);
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_TRUE(w.Enabled(w.PrintButton()));
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, QtPrinterFault, ::testing::ValuesIn(Calculators()),
                         kWindowName);

// The PDF file offered when there is no printer. InHome: a home folder with no documents folder,
// saved where it is suggested.
enum class Save { Saved, Cancelled, CannotWrite, InHome };

const char* NameOf(Save save) {
    constexpr const char* kNames[] = {"Saved", "Cancelled", "CannotWrite", "InHome"};
    return kNames[static_cast<int>(save)];
}

void PrintTo(Save save, std::ostream* os) {
    *os << NameOf(save);
}

// A tool's output; poppler's tools come with scripts/install-deps.
std::string ToolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed (scripts/install-deps installs it): "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

// HOME, and the settings that name the documents folder, for one test.
class ScopedHome {
public:
    explicit ScopedHome(const QString& home) {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name,
                                old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        }
        setenv("HOME", home.toLocal8Bit().constData(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/.config").toLocal8Bit().constData(), 1);
    }
    ~ScopedHome() {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        }
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

class PdfFallback : public PrintTest, public ::testing::TestWithParam<std::tuple<Window, Save>> {};

TEST_P(PdfFallback, NoPrinterOffersTheSameReportAsAPdfFile) {
    const auto [kind, save] = GetParam();
    CalculatorWindow w(kind);
    ASSERT_TRUE(w.Ready());
    FillIn(w);
    SetReportPrinter([](const PageBuilder&) { return PrintOutcome::NoPrinter; });
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const ScopedHome scopedHome(home.path());
    const QString documents = home.filePath("Documents");
    if (save != Save::InHome) {
        ASSERT_TRUE(QDir().mkpath(documents));
    }
    const QString document = QString(w.Row().document) + ".pdf";
    const std::string suggested =
        QDir(save == Save::InHome ? home.path() : documents).filePath(document).toStdString();
    const std::string path = save == Save::CannotWrite
                                 ? home.filePath("missing/report.pdf").toStdString()
                             : save == Save::InHome ? suggested
                                                    : home.filePath("report.pdf").toStdString();
    answer = MessageAnswer::Yes;
    if (save != Save::Cancelled) {
        savePath = path;
    }

    w.Focus(w.PrintButton());
    const WindowValues before = w.Values();
    w.Click(w.PrintButton());

    ASSERT_FALSE(suggestions.empty());
    EXPECT_EQ(suggestions[0], suggested);
    ASSERT_FALSE(messages.empty());
    ExpectSaysWhy(messages[0], PrintOutcomeMessage(PrintOutcome::NoPrinter));
    switch (save) {
    case Save::Saved:
    case Save::InHome: {
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(suggestions.size(), 1u);
        const std::string text = ToolOutput("pdftotext", {QString::fromStdString(path), "-"});
        // What the report drew: its title, a worked figure and, for the knife list, page two.
        const std::vector<std::string>& expected = w.Row().reportTexts;
        for (const std::string& e : expected) {
            EXPECT_NE(text.find(e), std::string::npos) << e << " not in:\n" << text;
        }
        break;
    }
    case Save::Cancelled:
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_TRUE(QDir(documents).isEmpty());
        break;
    case Save::CannotWrite:
        // Why, in the system's words, and the dialog again, where the user cancels.
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].text, "The report could not be saved as " + path +
                                        ": No such file or directory.\n\nChoose another file?");
        EXPECT_EQ(messages[1].icon, MessageIcon::Warning);
        EXPECT_EQ(suggestions, (std::vector<std::string>{suggested, path}));
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
        break;
    }
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, PdfFallback,
                         ::testing::Combine(::testing::ValuesIn(Calculators()),
                                            ::testing::Values(Save::Saved, Save::Cancelled,
                                                              Save::CannotWrite, Save::InHome)),
                         [](const ::testing::TestParamInfo<PdfFallback::ParamType>& info) {
                             return std::string(NameOf(std::get<0>(info.param))) + "_" +
                                    NameOf(std::get<1>(info.param));
                         });

} // namespace
