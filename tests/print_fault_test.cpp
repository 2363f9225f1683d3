// Print faults through the three windows' Print buttons: no default printer, a queue that rejects
// the job, pages that fail, and a real Qt printer that cannot start its document. Every run must
// end, release every font and the surface, show nothing, and leave the window enabled with its
// values as they were.
#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <memory>
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
#include "platform/printer.h"
#include "platform/qt_print_surface.h"
#include "recording_print_surface.h"

namespace {

constexpr auto kBound = std::chrono::seconds(60);

enum class Fault { NoPrinter, QueueRejectsJobs, PagesFail };

const char* NameOf(Fault fault) {
    switch (fault) {
    case Fault::NoPrinter:
        return "NoPrinter";
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
        w.Enter(1005, "10");
        w.Enter(1003, "3");
        w.Enter(1007, "0.01");
        w.Click(kCalculateButton);
        break;
    case Calculator::RollWeight:
        w.Enter(1013, "40");
        w.Enter(1015, "3");
        w.Enter(1017, "60");
        w.Enter(1021, "0.92");
        w.Click(kCalculateButton);
        break;
    case Calculator::Slitter:
        w.Enter(1040, "41");
        w.Enter(1043, "0.5");
        w.Click(kAddSlitsButton);
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

class PrintFault : public ::testing::TestWithParam<std::tuple<Calculator, Fault>> {
protected:
    void SetUp() override {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r.text); });
    }
    void TearDown() override {
        SetPrinterSource({});
        SetMessageSink({});
    }

    Watchdog watchdog{kBound};
    std::vector<std::string> messages;
};

TEST_P(PrintFault, RunEndsCleanlyShowsNothingAndLeavesTheWindowAsItWas) {
    const auto [kind, fault] = GetParam();
    CalculatorWindow w(kind);
    ASSERT_TRUE(w.Ready());
    FillIn(w);
    ASSERT_TRUE(w.Enabled(kPrintButton));
    ASSERT_TRUE(messages.empty());

    auto log = std::make_shared<PrintLog>();
    int lookups = 0;
    std::vector<bool> enabledDuringRun;
    const auto noteEnabled = [&] { enabledDuringRun.push_back(w.Dialog().isEnabled()); };
    SetPrinterSource([&, fault = fault]() -> std::unique_ptr<PrintSurface> {
        ++lookups;
        if (fault == Fault::NoPrinter) {
            noteEnabled();
            return nullptr;
        }
        return std::make_unique<FaultySurface>(log, fault, noteEnabled);
    });

    w.FocusButton(kPrintButton);
    const WindowValues before = w.Values();
    const std::set<QWidget*> shown = VisibleTopLevels();
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        log->calls.clear();
        w.Click(kPrintButton);
        EXPECT_EQ(lookups, press);
        ASSERT_EQ(enabledDuringRun.size(), static_cast<std::size_t>(press));
        // Only the slitter report keeps the window from taking input while it runs.
        EXPECT_EQ(enabledDuringRun.back(), kind != Calculator::Slitter);
        if (fault == Fault::NoPrinter) {
            EXPECT_TRUE(log->calls.empty());
        } else {
            ExpectEverythingReleased(*log);
            // The run went on to the end although the spooler refused.
            EXPECT_EQ(log->Count(PrintCall::StartPage), kind == Calculator::Slitter ? 2u : 1u);
        }
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(VisibleTopLevels(), shown);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(w.Dialog().isEnabled());
        EXPECT_TRUE(w.Enabled(kPrintButton));
        EXPECT_EQ(w.Values(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachWindow, PrintFault,
    ::testing::Combine(
        ::testing::Values(Calculator::RollLength, Calculator::RollWeight, Calculator::Slitter),
        ::testing::Values(Fault::NoPrinter, Fault::QueueRejectsJobs, Fault::PagesFail)),
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

class QtPrinterFault : public ::testing::TestWithParam<Calculator> {
protected:
    void SetUp() override {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r.text); });
    }
    void TearDown() override {
        SetPrinterSource({});
        SetMessageSink({});
    }

    Watchdog watchdog{kBound};
    std::vector<std::string> messages;
};

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

    w.FocusButton(kPrintButton);
    const WindowValues before = w.Values();
    const std::set<QWidget*> shown = VisibleTopLevels();
    w.Click(kPrintButton);
    EXPECT_EQ(started, std::vector<bool>{false});
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(VisibleTopLevels(), shown);
    EXPECT_TRUE(w.Dialog().isEnabled());
    EXPECT_TRUE(w.Enabled(kPrintButton));
    EXPECT_EQ(w.Values(), before);
}

INSTANTIATE_TEST_SUITE_P(EachWindow, QtPrinterFault,
                         ::testing::Values(Calculator::RollLength, Calculator::RollWeight,
                                           Calculator::Slitter),
                         [](const ::testing::TestParamInfo<Calculator>& info) {
                             return std::string(NameOf(info.param));
                         });

} // namespace
