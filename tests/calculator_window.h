// The three calculator windows as a user drives them (real keys, clicks and the clipboard), with
// a snapshot of every box and of the knife list so that a test can tell exactly what an action
// changed; and a watchdog that turns a hang into a failure.
#pragma once

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTableView>
#include <QtTest/QTest>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "controls/num_edit.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "res/templates.h"
#include "roll_length/roll_length_dlg.h"
#include "roll_weight/roll_weight_dlg.h"
#include "slitter/slitter_dlg.h"

enum class Calculator { RollLength, RollWeight, Slitter };

inline const char* NameOf(Calculator kind) {
    switch (kind) {
    case Calculator::RollLength:
        return "RollLength";
    case Calculator::RollWeight:
        return "RollWeight";
    case Calculator::Slitter:
        return "Slitter";
    }
    return "?";
}

inline void PrintTo(Calculator kind, std::ostream* os) {
    *os << NameOf(kind);
}

// Failure messages show a control by its number.
inline void PrintTo(ControlId id, std::ostream* os) {
    *os << id.value;
}

// Box texts by the box's id, in the order of the ids' numbers.
struct ByNumber {
    bool operator()(ControlId l, ControlId r) const { return l.value < r.value; }
};
using BoxTexts = std::map<ControlId, std::string, ByNumber>;

using KnifeRows = std::vector<std::vector<std::string>>;

// What a user can see of a window's values: every box's text and the knife list's cells.
struct WindowValues {
    BoxTexts boxes;
    KnifeRows knives;
    bool operator==(const WindowValues&) const = default;
};

inline void PrintTo(const WindowValues& v, std::ostream* os) {
    for (const auto& [id, text] : v.boxes) {
        *os << "\n  " << id.value << ": \""
            << (text.size() > 40 ? text.substr(0, 40) + "..." : text) << "\" (" << text.size()
            << " chars)";
    }
    *os << "\n  " << v.knives.size() << " knife rows";
}

// The boxes whose text differs, with their new text.
inline BoxTexts ChangedBoxes(const WindowValues& before, const WindowValues& after) {
    BoxTexts changed;
    for (const auto& [id, text] : after.boxes) {
        if (before.boxes.at(id) != text) {
            changed[id] = text;
        }
    }
    return changed;
}

// Ends the process when a test outlives its bound, so that a hang fails instead of stalling.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds bound) : thread_([this, bound] { Watch(bound); }) {}
    ~Watchdog() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    void Watch(std::chrono::seconds bound) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!wake_.wait_for(lock, bound, [this] { return done_; })) {
            std::fprintf(stderr, "hang: the test ran longer than %lld s\n",
                         static_cast<long long>(bound.count()));
            std::fflush(stderr);
            std::_Exit(3);
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

// Top-level windows on screen, to tell whether an action showed anything.
// What a screen reader last heard from a window: the name of its status bar, if it has one.
inline std::string Heard(QWidget* window) {
    QAccessibleInterface* w = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; w != nullptr && i < w->childCount(); ++i) {
        if (w->child(i)->role() == QAccessible::StatusBar) {
            return w->child(i)->text(QAccessible::Name).toStdString();
        }
    }
    return {};
}

inline std::set<QWidget*> VisibleTopLevels() {
    std::set<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            shown.insert(w);
        }
    }
    return shown;
}

// A printer that keeps each document it is given, laid out for the worked example's measures
// (W = 4800, h = 96, a = 36). The job runs on a thread of its own; the window reads the documents
// only once the run has ended.
// The page every recorded print run is laid out for.
inline constexpr PageMeasures kRecordedPage{4800, 96, 36};

struct RecordingPrinter {
    std::shared_ptr<std::vector<ReportDocument>> documents =
        std::make_shared<std::vector<ReportDocument>>();

    ReportPrinter Printer() const {
        return [documents = documents](const PageBuilder& build) {
            documents->push_back(build(kRecordedPage));
            return PrintOutcome::Printed;
        };
    }
    // The text the last run put at a point, or "(none)".
    std::string At(int x, int y) const {
        if (!documents->empty()) {
            for (const ReportPage& page : documents->back().pages) {
                for (const PlacedText& t : page.texts) {
                    if (t.x == x && t.y == y) {
                        return t.text;
                    }
                }
            }
        }
        return "(none)";
    }
    bool Printed(const std::string& text) const {
        for (const ReportDocument& d : *documents) {
            for (const ReportPage& page : d.pages) {
                for (const PlacedText& t : page.texts) {
                    if (t.text == text) {
                        return true;
                    }
                }
            }
        }
        return false;
    }
};

// For a fixture's life, messages are collected here and reports print on a recording printer, so
// that no person or printer is needed; a hang ends the test.
class CapturedSeams {
public:
    explicit CapturedSeams(std::chrono::seconds bound) : watchdog_(bound) {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r.text); });
        SetReportPrinter(printer.Printer());
    }
    ~CapturedSeams() {
        SetReportPrinter({});
        SetMessageSink({});
    }
    CapturedSeams(const CapturedSeams&) = delete;
    CapturedSeams& operator=(const CapturedSeams&) = delete;

    RecordingPrinter printer;
    std::vector<std::string> messages;

private:
    Watchdog watchdog_;
};

class CalculatorWindow {
public:
    explicit CalculatorWindow(Calculator kind) : kind_(kind), owner_(std::make_unique<QWidget>()) {
        owner_->setGeometry(120, 90, 700, 500);
        owner_->show();
        switch (kind) {
        case Calculator::RollLength:
            dlg_ = std::make_unique<CRollLengthDlg>(owner_.get());
            break;
        case Calculator::RollWeight:
            dlg_ = std::make_unique<CRollWeightDlg>(owner_.get());
            break;
        case Calculator::Slitter:
            dlg_ = std::make_unique<CSlitterDlg>(owner_.get());
            break;
        }
        dlg_->Create();
        QApplication::setActiveWindow(dlg_.get());
        ready_ = QTest::qWaitForWindowActive(dlg_.get());
    }

    bool Ready() const { return ready_; }
    Calculator Kind() const { return kind_; }
    CDialog& Dialog() const { return *dlg_; }
    CNumEdit* Box(ControlId id) const { return dlg_->Item<CNumEdit>(id); }
    std::string Text(ControlId id) const { return Box(id)->text().toStdString(); }
    bool Enabled(ControlId id) const { return dlg_->GetDlgItem(id)->isEnabled(); }

    // The buttons every calculator has.
    ControlId PrintButton() const { return Shared().print; }
    ControlId ClearAllButton() const { return Shared().clearAll; }

    std::vector<ControlId> BoxIds() const {
        switch (kind_) {
        case Calculator::RollLength: {
            using enum RollLengthId;
            return {LengthFeet, LengthMeters, CoreInches,      CoreMm,
                    RollInches, RollMm,       ThicknessInches, ThicknessMm};
        }
        case Calculator::RollWeight: {
            using enum RollWeightId;
            return {RollInches,      RollMm,
                    CoreInches,      CoreMm,
                    WebInches,       WebMm,
                    Pounds,          Kilograms,
                    SpecificGravity, SpecificGravityCopy,
                    LbsPerCubicFoot, KgPerCubicMeter,
                    LbsPerCubicInch, GPerCubicCm};
        }
        case Calculator::Slitter: {
            using enum SlitterId;
            return {SlitCount, SlitInches, SlitMm, NextInches, NextMm};
        }
        }
        return {};
    }

    WindowValues Values() const {
        WindowValues v;
        for (ControlId id : BoxIds()) {
            v.boxes[id] = Text(id);
        }
        if (kind_ == Calculator::Slitter) {
            const QAbstractItemModel* model = dlg_->Item<QTableView>(SlitterId::KnifeList)->model();
            for (int r = 0; r < model->rowCount(); ++r) {
                std::vector<std::string> row;
                for (int c = 0; c < model->columnCount(); ++c) {
                    row.push_back(model->index(r, c).data().toString().toStdString());
                }
                v.knives.push_back(row);
            }
        }
        return v;
    }

    // Selects the box's whole text with the keys and types over it; the box keeps the focus.
    void Type(ControlId id, const QString& keys) {
        SelectAll(id);
        if (keys.isEmpty()) {
            QTest::keyClick(Box(id), Qt::Key_Backspace);
        } else {
            QTest::keyClicks(Box(id), keys);
        }
    }

    // Types and moves on with Tab, so that the box's pair runs.
    void Enter(ControlId id, const QString& keys) {
        Type(id, keys);
        QTest::keyClick(Box(id), Qt::Key_Tab);
    }

    // Pastes over the box's whole text through the clipboard and Ctrl+V, as a user does.
    void Paste(ControlId id, const QString& text) {
        QApplication::clipboard()->setText(text);
        SelectAll(id);
        QTest::keyClick(Box(id), Qt::Key_V, Qt::ControlModifier);
    }

    // Moves the focus onto a button, as a click would first: the box left behind runs its pair.
    void FocusButton(ControlId id) { dlg_->GetDlgItem(id)->setFocus(Qt::TabFocusReason); }

    void Click(ControlId id) { QTest::mouseClick(dlg_->GetDlgItem(id), Qt::LeftButton); }

    // A successful calculation or addition, which enables Print; then Clear All.
    void MakePrintable() {
        switch (kind_) {
        case Calculator::RollLength: {
            using enum RollLengthId;
            Enter(RollInches, "10");
            Enter(CoreInches, "3");
            Enter(ThicknessInches, "0.01");
            Click(Calculate);
            Click(ClearAll);
            break;
        }
        case Calculator::RollWeight: {
            using enum RollWeightId;
            Enter(RollInches, "40");
            Enter(CoreInches, "3");
            Enter(WebInches, "60");
            Enter(SpecificGravity, "0.92");
            Click(Calculate);
            Click(ClearAll);
            break;
        }
        case Calculator::Slitter:
            Enter(SlitterId::NextInches, "1");
            Click(SlitterId::AddSlit);
            Click(SlitterId::ClearAll);
            break;
        }
    }

private:
    struct SharedButtons {
        ControlId print;
        ControlId clearAll;
    };
    SharedButtons Shared() const {
        switch (kind_) {
        case Calculator::RollLength:
            return {RollLengthId::Print, RollLengthId::ClearAll};
        case Calculator::RollWeight:
            return {RollWeightId::Print, RollWeightId::ClearAll};
        case Calculator::Slitter:
            return {SlitterId::Print, SlitterId::ClearAll};
        }
        return {kNoId, kNoId};
    }

    void SelectAll(ControlId id) {
        Box(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Box(id), Qt::Key_Home);
        QTest::keyClick(Box(id), Qt::Key_End, Qt::ShiftModifier);
    }

    Calculator kind_;
    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<CDialog> dlg_;
    bool ready_ = false;
};
