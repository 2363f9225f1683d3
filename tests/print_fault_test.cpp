// Print faults through the three windows' Print buttons: no default printer, one out of reach, a
// queue that rejects the job, pages that fail, and a real Qt printer that cannot start its
// document. Every run must end, release every font and the surface, say why in one warning that
// offers a PDF file instead, and leave the window enabled with its values as they were. Then the
// PDF file itself: saved through the report code and read back, cancelled, or not writable.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "platform/printer.h"
#include "platform/qt_print_surface.h"
#include "recording_print_surface.h"
#include "report/report_frame.h"
#include "res/templates.h"

namespace {

constexpr auto kBound = std::chrono::seconds(60);

enum class Fault { NoPrinter, DefaultUnreachable, QueueRejectsJobs, PagesFail };

const char* NameOf(Fault fault) {
    switch (fault) {
    case Fault::NoPrinter:
        return "NoPrinter";
    case Fault::DefaultUnreachable:
        return "DefaultUnreachable";
    case Fault::QueueRejectsJobs:
        return "QueueRejectsJobs";
    case Fault::PagesFail:
        return "PagesFail";
    }
    return "?";
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
    case Fault::PagesFail:
        return PrintOutcome::JobRefused;
    }
    return PrintOutcome::Printed;
}

// The one warning a failed print shows: why, how to set a default printer, and the PDF offer.
void ExpectSaysWhy(const MessageRecord& m, PrintOutcome outcome) {
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.buttons, MessageButtons::YesNo);
    EXPECT_EQ(m.text.rfind(PrintOutcomeMessage(outcome), 0), 0u) << m.text;
    EXPECT_NE(m.text.find("lpoptions -d NAME"), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("Save the report as a PDF file instead?"), std::string::npos) << m.text;
}

// Message boxes answered as the user would, and the save dialog's answers, both written down.
class PrintTest {
protected:
    PrintTest() {
        SetAnsweringMessageSink([this](const MessageRecord& r) {
            messages.push_back(r);
            return answer;
        });
        SetSaveFileAnswer([this](const std::string& suggested) {
            suggestions.push_back(suggested);
            return savePath;
        });
    }
    ~PrintTest() {
        SetPrinterSource({});
        SetMessageSink({});
        SetSaveFileAnswer({});
    }

    Watchdog watchdog{kBound};
    std::vector<MessageRecord> messages;
    MessageAnswer answer = MessageAnswer::No;
    std::vector<std::string> suggestions;
    std::optional<std::string> savePath;
};

// A recording surface whose document or page calls fail as a spooler's can. It notes whether the
// window takes input at the moment the document starts.
class FaultySurface : public RecordingPrintSurface {
public:
    FaultySurface(std::shared_ptr<PrintLog> log, Fault fault, std::function<void()> atStartDoc)
        : RecordingPrintSurface(SurfaceSetup{}, std::move(log)), fault_(fault),
          atStartDoc_(std::move(atStartDoc)) {}

    bool StartDoc(std::string_view documentName) override {
        RecordingPrintSurface::StartDoc(documentName);
        atStartDoc_();
        return fault_ != Fault::QueueRejectsJobs;
    }
    bool StartPage() override {
        RecordingPrintSurface::StartPage();
        return false;
    }
    bool EndPage() override {
        RecordingPrintSurface::EndPage();
        return false;
    }
    bool EndDoc() override {
        RecordingPrintSurface::EndDoc();
        return fault_ != Fault::QueueRejectsJobs;
    }

private:
    Fault fault_;
    std::function<void()> atStartDoc_;
};

// Fills the window with values worth printing; the slitter's list runs onto a second page, so
// that the failing page calls are made between pages too.
void FillIn(CalculatorWindow& w) {
    w.MakePrintable();
    switch (w.Kind()) {
    case Calculator::RollLength:
        w.Enter(RollLengthId::RollInches, "10");
        w.Enter(RollLengthId::CoreInches, "3");
        w.Enter(RollLengthId::ThicknessInches, "0.01");
        w.Click(RollLengthId::Calculate);
        break;
    case Calculator::RollWeight:
        w.Enter(RollWeightId::RollInches, "40");
        w.Enter(RollWeightId::CoreInches, "3");
        w.Enter(RollWeightId::WebInches, "60");
        w.Enter(RollWeightId::SpecificGravity, "0.92");
        w.Click(RollWeightId::Calculate);
        break;
    case Calculator::Slitter:
        w.Enter(SlitterId::SlitCount, "41");
        w.Enter(SlitterId::SlitInches, "0.5");
        w.Click(SlitterId::AddSlits);
        break;
    }
}

// Every font made is deleted once, after the surface's own font is selected back and the document
// is ended, and the surface goes last.
void ExpectEverythingReleased(const PrintLog& log) {
    const std::vector<PrintCall>& calls = log.calls;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().kind, PrintCall::Destroyed);
    EXPECT_EQ(log.Count(PrintCall::Destroyed), 1u);
    EXPECT_EQ(log.Count(PrintCall::StartDoc), 1u);
    ASSERT_EQ(log.Count(PrintCall::EndDoc), 1u);
    std::size_t endDoc = 0;
    std::size_t ownFontBack = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind == PrintCall::EndDoc) {
            endDoc = i;
        } else if (calls[i].kind == PrintCall::SelectFont && calls[i].font == 0) {
            ownFontBack = i;
        }
    }
    ASSERT_NE(ownFontBack, 0u);
    std::multiset<int> created;
    std::multiset<int> deleted;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind == PrintCall::CreateFont) {
            created.insert(calls[i].font);
        } else if (calls[i].kind == PrintCall::DeleteFont) {
            deleted.insert(calls[i].font);
            EXPECT_GT(i, endDoc);
            EXPECT_GT(i, ownFontBack);
        }
    }
    EXPECT_EQ(created.size(), 2u);
    EXPECT_EQ(created, deleted);
}

class PrintFault : public PrintTest,
                   public ::testing::TestWithParam<std::tuple<Calculator, Fault>> {};

TEST_P(PrintFault, RunEndsCleanlySaysWhyAndLeavesTheWindowAsItWas) {
    const auto [kind, fault] = GetParam();
    CalculatorWindow w(kind);
    ASSERT_TRUE(w.Ready());
    FillIn(w);
    ASSERT_TRUE(w.Enabled(w.PrintButton()));
    ASSERT_TRUE(messages.empty());

    auto log = std::make_shared<PrintLog>();
    int lookups = 0;
    std::vector<bool> enabledDuringRun;
    const auto noteEnabled = [&] { enabledDuringRun.push_back(w.Dialog().isEnabled()); };
    SetPrinterSource([&, fault = fault]() -> OpenedPrinter {
        ++lookups;
        if (fault == Fault::NoPrinter || fault == Fault::DefaultUnreachable) {
            noteEnabled();
            return OutcomeOf(fault);
        }
        return std::make_unique<FaultySurface>(log, fault, noteEnabled);
    });

    w.FocusButton(w.PrintButton());
    const WindowValues before = w.Values();
    const std::set<QWidget*> shown = VisibleTopLevels();
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        log->calls.clear();
        w.Click(w.PrintButton());
        EXPECT_EQ(lookups, press);
        ASSERT_EQ(enabledDuringRun.size(), static_cast<std::size_t>(press));
        // Only the slitter report keeps the window from taking input while it runs.
        EXPECT_EQ(enabledDuringRun.back(), kind != Calculator::Slitter);
        if (fault == Fault::NoPrinter || fault == Fault::DefaultUnreachable) {
            EXPECT_TRUE(log->calls.empty());
        } else {
            ExpectEverythingReleased(*log);
            // The run went on to the end although the spooler refused.
            EXPECT_EQ(log->Count(PrintCall::StartPage), kind == Calculator::Slitter ? 2u : 1u);
        }
        ASSERT_EQ(messages.size(), static_cast<std::size_t>(press));
        ExpectSaysWhy(messages.back(), OutcomeOf(fault));
        // Declined: no file is asked for.
        EXPECT_TRUE(suggestions.empty());
        EXPECT_EQ(VisibleTopLevels(), shown);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(w.Dialog().isEnabled());
        EXPECT_TRUE(w.Enabled(w.PrintButton()));
        EXPECT_EQ(w.Values(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachWindow, PrintFault,
    ::testing::Combine(::testing::Values(Calculator::RollLength, Calculator::RollWeight,
                                         Calculator::Slitter),
                       ::testing::Values(Fault::NoPrinter, Fault::DefaultUnreachable,
                                         Fault::QueueRejectsJobs, Fault::PagesFail)),
    [](const ::testing::TestParamInfo<PrintFault::ParamType>& info) {
        return std::string(NameOf(std::get<0>(info.param))) + "_" + NameOf(std::get<1>(info.param));
    });

// The real Qt surface on a printer whose document cannot be started (its output cannot be opened,
// as when a queue refuses the job): the report still runs through, and the surface goes.
class CountedQtSurface : public QtPrintSurface {
public:
    CountedQtSurface(std::unique_ptr<QPrinter> printer, std::vector<bool>& started, int& destroyed)
        : QtPrintSurface(std::move(printer)), started_(started), destroyed_(destroyed) {}
    ~CountedQtSurface() override { ++destroyed_; }

    bool StartDoc(std::string_view documentName) override {
        started_.push_back(QtPrintSurface::StartDoc(documentName));
        return started_.back();
    }

private:
    std::vector<bool>& started_;
    int& destroyed_;
};

class QtPrinterFault : public PrintTest, public ::testing::TestWithParam<Calculator> {};

TEST_P(QtPrinterFault, DocumentThatCannotStartEndsCleanly) {
    CalculatorWindow w(GetParam());
    ASSERT_TRUE(w.Ready());
    FillIn(w);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString output = folder.filePath("missing/report.pdf");
    std::vector<bool> started;
    int destroyed = 0;
    SetPrinterSource([&]() -> std::unique_ptr<PrintSurface> {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output);
        return std::make_unique<CountedQtSurface>(std::move(printer), started, destroyed);
    });

    w.FocusButton(w.PrintButton());
    const WindowValues before = w.Values();
    const std::set<QWidget*> shown = VisibleTopLevels();
    w.Click(w.PrintButton());
    EXPECT_EQ(started, std::vector<bool>{false});
    EXPECT_EQ(destroyed, 1);
    ASSERT_EQ(messages.size(), 1u);
    ExpectSaysWhy(messages[0], PrintOutcome::JobRefused);
    EXPECT_EQ(VisibleTopLevels(), shown);
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_TRUE(w.Enabled(w.PrintButton()));
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, QtPrinterFault,
                         ::testing::Values(Calculator::RollLength, Calculator::RollWeight,
                                           Calculator::Slitter),
                         [](const ::testing::TestParamInfo<Calculator>& info) {
                             return std::string(NameOf(info.param));
                         });

// The PDF file offered when there is no printer.
enum class Save { Saved, Cancelled, CannotWrite };

const char* NameOf(Save save) {
    switch (save) {
    case Save::Saved:
        return "Saved";
    case Save::Cancelled:
        return "Cancelled";
    case Save::CannotWrite:
        return "CannotWrite";
    }
    return "?";
}

void PrintTo(Save save, std::ostream* os) {
    *os << NameOf(save);
}

// The text of a PDF as pdftotext reads it; pdftotext comes with scripts/install-deps.
std::string PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed (scripts/install-deps installs it): "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

class PdfFallback : public PrintTest,
                    public ::testing::TestWithParam<std::tuple<Calculator, Save>> {};

TEST_P(PdfFallback, NoPrinterOffersTheSameReportAsAPdfFile) {
    const auto [kind, save] = GetParam();
    CalculatorWindow w(kind);
    ASSERT_TRUE(w.Ready());
    FillIn(w);
    SetPrinterSource([] { return OpenedPrinter(PrintOutcome::NoPrinter); });
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path =
        folder.filePath(save == Save::CannotWrite ? "missing/report.pdf" : "report.pdf")
            .toStdString();
    answer = MessageAnswer::Yes;
    if (save != Save::Cancelled) {
        savePath = path;
    }

    w.FocusButton(w.PrintButton());
    const WindowValues before = w.Values();
    w.Click(w.PrintButton());

    const char* document =
        kind == Calculator::Slitter ? "Slitter Calculations.pdf" : "Roll Calculations.pdf";
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(suggestions,
              std::vector<std::string>{QDir(documents).filePath(document).toStdString()});
    ASSERT_FALSE(messages.empty());
    ExpectSaysWhy(messages[0], PrintOutcome::NoPrinter);
    switch (save) {
    case Save::Saved: {
        EXPECT_EQ(messages.size(), 1u);
        const std::string text = PdfText(QString::fromStdString(path));
        // What the report drew: its title, a worked figure and, for the knife list, page two.
        const std::vector<std::string> expected =
            kind == Calculator::RollLength
                ? std::vector<std::string>{"Velmarch Products Roll Calculation Report",
                                           "595.5936 feet / 181.5369 meters"}
            : kind == Calculator::RollWeight
                ? std::vector<std::string>{"Velmarch Products Roll Calculation Report",
                                           "2487.88 pounds"}
                : std::vector<std::string>{"Velmarch Products Slitter Position Report",
                                           "20.5000 inches / 520.7000 mm", "Page 2 of 2"};
        for (const std::string& e : expected) {
            EXPECT_NE(text.find(e), std::string::npos) << e << " not in:\n" << text;
        }
        break;
    }
    case Save::Cancelled:
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
        break;
    case Save::CannotWrite:
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].text, "The report could not be saved as " + path + ".");
        EXPECT_EQ(messages[1].icon, MessageIcon::Warning);
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
        break;
    }
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(
    EachWindow, PdfFallback,
    ::testing::Combine(::testing::Values(Calculator::RollLength, Calculator::RollWeight,
                                         Calculator::Slitter),
                       ::testing::Values(Save::Saved, Save::Cancelled, Save::CannotWrite)),
    [](const ::testing::TestParamInfo<PdfFallback::ParamType>& info) {
        return std::string(NameOf(std::get<0>(info.param))) + "_" + NameOf(std::get<1>(info.param));
    });

} // namespace
