// The windows as a user drives them, one row each in the table the shared families run over.
// No GoogleTest here, so that the picture tool can drive the windows too.
#pragma once

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
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
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/about_dlg.h"
#include "app/roll_calc_dlg.h"
#include "controls/num_edit.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/print_report.h"
#include "res/templates.h"
#include "roll_length/roll_length_dlg.h"
#include "roll_weight/roll_weight_dlg.h"
#include "slitter/slitter_dlg.h"

enum class Window { Main, About, RollLength, RollWeight, Slitter };

// Failure messages show a control by its number.
inline void PrintTo(ControlId id, std::ostream* os) {
    *os << id.value;
}

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
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
    explicit Watchdog(std::chrono::seconds bound)
        : thread_([bound](std::stop_token stop) {
              std::mutex mutex;
              std::unique_lock<std::mutex> lock(mutex);
              std::condition_variable_any().wait_for(lock, stop, bound, [] { return false; });
              if (!stop.stop_requested()) {
                  std::fprintf(stderr, "hang: the test ran longer than %lld s\n",
                               static_cast<long long>(bound.count()));
                  std::fflush(stderr);
                  std::_Exit(3);
              }
          }) {}

private:
    std::jthread thread_;
};

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

// Top-level windows on screen, to tell whether an action showed anything.
inline std::set<QWidget*> VisibleTopLevels() {
    std::set<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            shown.insert(w);
        }
    }
    return shown;
}

// The page every recorded print run is laid out for: the worked example's measures.
inline constexpr PageMeasures kRecordedPage{4800, 96, 36};

// A printer that keeps each document it is given. The job runs on a thread of its own; the window
// reads the documents only once the run has ended.
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
    explicit CapturedSeams(std::chrono::seconds bound = std::chrono::seconds(60))
        : watchdog_(bound) {
        SetAnsweringMessageSink([this](const MessageRecord& r) {
            messages.push_back(r);
            return r.buttons == MessageButtons::YesNo ? answer : MessageAnswer::Ok;
        });
        SetReportPrinter(printer.Printer());
    }
    ~CapturedSeams() {
        SetReportPrinter({});
        SetMessageSink({});
    }
    CapturedSeams(const CapturedSeams&) = delete;
    CapturedSeams& operator=(const CapturedSeams&) = delete;

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const MessageRecord& r : messages) {
            texts.push_back(r.text);
        }
        return texts;
    }

    RecordingPrinter printer;
    std::vector<MessageRecord> messages;
    MessageAnswer answer = MessageAnswer::No; // to every question

private:
    Watchdog watchdog_;
};

// A step a user takes: text typed over a box's whole text and left with Tab, or, with no keys, a
// click on the control; or kPassThrough, the box entered by Tab and left by Tab unedited.
struct Step {
    ControlId id;
    const char* keys = nullptr;
};
using Steps = std::vector<Step>;
inline constexpr const char* kPassThrough = "\t";

// Texts boxes should show.
using Shown = std::vector<std::pair<ControlId, std::string>>;

// What the shared test families need of a window. Adding a window is adding a row.
struct WindowRow {
    Window kind;
    const char* name;
    std::unique_ptr<CDialog> (*open)(QWidget* owner);
    // In the order of the box ids' numbers; empty for a window with no figures.
    std::vector<ControlId> boxes = {};
    // How a calculator opens: its title, its size in dialog units, every box's text (in the order
    // of `boxes`) and its default button (none in the knife list, where Enter never adds).
    const char* title = nullptr;
    QSize units = {};
    const char* startTexts = "";
    ControlId defaultButton = kNoId;
    ControlId print = kNoId;
    ControlId clearAll = kNoId;
    // A worked calculation or addition that leaves values worth printing (the knife list runs onto
    // a second page), the report's name and a few of the texts it then shows.
    Steps printable = {};
    const char* document = nullptr;
    std::vector<std::string> reportTexts = {};
    bool inputDuringPrint = true;
    // The report Print would send.
    ReportBuilder (*report)(const CDialog&) = nullptr;
    // Where Tab goes from the control that has the focus at first, until it is back there.
    std::vector<ControlId> tabOrder = {};
    // What a screen reader calls each box (in the order of `boxes`, split at "|") and button.
    const char* boxNames = "";
    std::vector<std::pair<ControlId, QString>> names = {};
    // The boxes' command-line column names in the order of `boxes`, "-" for none, where the
    // calculator has worked examples.
    const char* columnNames = "";
    Shown start = {};
    std::vector<std::pair<std::string, ControlId>> columns = {};
};

// Words of a list in the order of the boxes, paired with them.
inline std::vector<std::pair<ControlId, std::string>> ByBox(const std::vector<ControlId>& boxes,
                                                            const char* list) {
    std::vector<std::pair<ControlId, std::string>> pairs;
    std::istringstream words(list);
    std::string word;
    while (words >> word) {
        pairs.emplace_back(pairs.size() < boxes.size() ? boxes[pairs.size()] : kNoId, word);
    }
    // A word too many or too few would leave a box unchecked without a word.
    if (!pairs.empty() && pairs.size() != boxes.size()) {
        std::fprintf(stderr, "%zu words for %zu boxes in \"%s\"\n", pairs.size(), boxes.size(),
                     list);
        std::abort();
    }
    return pairs;
}

template <class Dlg> std::unique_ptr<CDialog> Open(QWidget* owner) {
    return std::make_unique<Dlg>(owner);
}

template <class Dlg> ReportBuilder ReportOf(const CDialog& dlg) {
    return static_cast<const Dlg&>(dlg).Report();
}

inline const std::vector<WindowRow>& Windows() {
    using L = RollLengthId;
    using W = RollWeightId;
    using S = SlitterId;
    using M = MainWindowId;
    static const std::vector<WindowRow> rows = [] {
        std::vector<WindowRow> table = {
            {.kind = Window::Main,
             .name = "Main",
             .open = Open<CRollCalcDlg>,
             .tabOrder = {M::Disclaimer, M::RollWeight, M::RollDiameter, M::KnifePositions,
                          M::Close}},
            {.kind = Window::About, .name = "About", .open = Open<CAboutDlg>},
            {.kind = Window::RollLength,
             .name = "RollLength",
             .open = Open<CRollLengthDlg>,
             .boxes = {L::LengthFeet, L::LengthMeters, L::CoreInches, L::CoreMm, L::RollInches,
                       L::RollMm, L::ThicknessInches, L::ThicknessMm},
             .title = "Velmarch Roll Diameter - Length Calculator",
             .units = {350, 250},
             .startTexts = "0.000 0.000 0.0000 0.0000 0.0000 0.0000 0.0000 0.0000",
             .defaultButton = L::Calculate,
             .print = L::Print,
             .clearAll = L::ClearAll,
             .printable = {{L::RollInches, "10"},
                           {L::CoreInches, "3"},
                           {L::ThicknessInches, "0.01"},
                           {L::Calculate}},
             .document = "Roll Calculations",
             .reportTexts = {"Velmarch Products Roll Calculation Report",
                             "595.5936 feet / 181.5369 meters"},
             .report = ReportOf<CRollLengthDlg>,
             .tabOrder = {L::LengthMeters, L::CoreInches, L::CoreMm, L::RollInches, L::RollMm,
                          L::ThicknessInches, L::ThicknessMm, L::Calculate, L::ClearAll, L::Close,
                          L::WebLink, L::SalesLink, L::ServiceLink, L::EngineeringLink,
                          L::LengthFeet},
             .boxNames = "Roll Length, feet|Roll Length, meters|Core Diameter, inches|"
                         "Core Diameter, mm|Roll Diameter, inches|Roll Diameter, mm|"
                         "Material Thickness, inches|Material Thickness, mm",
             .names = {{L::Calculate, "Calculate"},
                       {L::ClearAll, "Clear All"},
                       {L::Close, "Close"},
                       {L::WebLink, "Visit Velmarch Online"}},
             .columnNames = "length_ft length_m core_in core_mm diameter_in diameter_mm "
                            "thickness_in thickness_mm"},
            {.kind = Window::RollWeight,
             .name = "RollWeight",
             .open = Open<CRollWeightDlg>,
             .boxes = {W::RollInches, W::RollMm, W::CoreInches, W::CoreMm, W::WebInches, W::WebMm,
                       W::Pounds, W::Kilograms, W::SpecificGravity, W::SpecificGravityCopy,
                       W::LbsPerCubicFoot, W::KgPerCubicMeter, W::LbsPerCubicInch, W::GPerCubicCm},
             .title = "Velmarch Roll Weight Calculator",
             .units = {350, 250},
             .startTexts = "0.000 0.000 0.000 0.000 0.000 0.000 0.00 0.00 0.000 0.000 0.0000 "
                           "0.0000 0.0000 0.0000",
             .defaultButton = W::Calculate,
             .print = W::Print,
             .clearAll = W::ClearAll,
             .printable = {{W::RollInches, "40"},
                           {W::CoreInches, "3"},
                           {W::WebInches, "60"},
                           {W::SpecificGravity, "0.92"},
                           {W::Calculate}},
             .document = "Roll Calculations",
             .reportTexts = {"Velmarch Products Roll Calculation Report", "2487.88 pounds"},
             .report = ReportOf<CRollWeightDlg>,
             // Print is still disabled, so Tab passes over it.
             .tabOrder = {W::RollMm, W::CoreInches, W::CoreMm, W::WebInches, W::WebMm, W::Pounds,
                          W::Kilograms, W::SpecificGravity, W::SpecificGravityCopy,
                          W::LbsPerCubicFoot, W::KgPerCubicMeter, W::LbsPerCubicInch,
                          W::GPerCubicCm, W::Calculate, W::ClearAll, W::Close, W::RollInches},
             .boxNames = "Roll Diameter, inches|Roll Diameter, mm|Core Diameter, inches|"
                         "Core Diameter, mm|Web Width, inches|Web Width, mm|Roll Weight, pounds|"
                         "Roll Weight, kg|Specific Gravity|Specific Gravity, second box|"
                         "Lbs / Cubic Foot|kg / Cubic Meter|Lbs / Cubic Inch|g / Cubic cm",
             .names = {{W::Calculate, "Calculate"},
                       {W::Print, "Print"},
                       {W::ClearAll, "Clear All"},
                       {W::Close, "Close"}},
             .columnNames =
                 "diameter_in diameter_mm core_in core_mm width_in width_mm weight_lb weight_kg sg "
                 "- density_lb_ft3 density_kg_m3 density_lb_in3 density_g_cm3"},
            {.kind = Window::Slitter,
             .name = "Slitter",
             .open = Open<CSlitterDlg>,
             .boxes = {S::SlitCount, S::SlitInches, S::SlitMm, S::NextInches, S::NextMm},
             .title = "Velmarch Slitter Position Calculator",
             .units = {350, 253},
             .startTexts = "0 0.000 0.000 0.000 0.000",
             .print = S::Print,
             .clearAll = S::ClearAll,
             .printable = {{S::SlitCount, "41"}, {S::SlitInches, "0.5"}, {S::AddSlits}},
             .document = "Slitter Calculations",
             .reportTexts = {"Velmarch Products Slitter Position Report",
                             "20.5000 inches / 520.7000 mm", "Page 2 of 2"},
             .inputDuringPrint = false,
             .report = ReportOf<CSlitterDlg>,
             .tabOrder = {S::SlitInches, S::SlitMm, S::NextInches, S::NextMm, S::AddSlit,
                          S::KnifeList, S::AddSlits, S::Close, S::ClearAll, S::SetupIncrement,
                          S::SlitCount},
             .boxNames = "Number of Slits|Slit Size in Inches|Slit Size in Millimeters|"
                         "Next slit / inc. width (Inches)|Next slit / inc. width (mm)",
             .names = {{S::SetupIncrement, "Add Setup Increment"},
                       {S::KnifeList, "Knife positions"},
                       {S::AddSlit, "Add Slit"},
                       {S::AddSlits, "Add Slits"},
                       {S::Close, "Close"},
                       {S::Print, "Print"},
                       {S::ClearAll, "Clear All"}}},
        };
        for (WindowRow& row : table) {
            row.start = ByBox(row.boxes, row.startTexts);
            std::istringstream boxNames(row.boxNames);
            std::string name;
            for (std::size_t i = 0; std::getline(boxNames, name, '|'); ++i) {
                if (i >= row.boxes.size()) {
                    std::fprintf(stderr, "more names than boxes in \"%s\"\n", row.boxNames);
                    std::abort();
                }
                row.names.insert(row.names.begin() + static_cast<std::ptrdiff_t>(i),
                                 {row.boxes[i], QString::fromStdString(name)});
            }
            for (const auto& [id, name] : ByBox(row.boxes, row.columnNames)) {
                if (name != "-") {
                    row.columns.emplace_back(name, id);
                }
            }
        }
        return table;
    }();
    return rows;
}

inline const WindowRow& RowOf(Window kind) {
    for (const WindowRow& row : Windows()) {
        if (row.kind == kind) {
            return row;
        }
    }
    std::fprintf(stderr, "no row for window %d\n", static_cast<int>(kind));
    std::abort();
}

inline const char* NameOf(Window kind) {
    return RowOf(kind).name;
}

inline void PrintTo(Window kind, std::ostream* os) {
    *os << NameOf(kind);
}

// Names a parametrised test's rows by the window.
inline constexpr auto kWindowName = [](const auto& info) {
    return std::string(NameOf(info.param));
};

// The windows of the table, or those of them that print a report.
inline std::vector<Window> AllWindows(bool printingOnly = false) {
    std::vector<Window> kinds;
    for (const WindowRow& row : Windows()) {
        if (!printingOnly || row.print != kNoId) {
            kinds.push_back(row.kind);
        }
    }
    return kinds;
}

inline std::vector<Window> Calculators() {
    return AllWindows(true);
}

// Focuses a box as Tab does and selects its whole text with the keys.
inline void SelectAllByKeys(QLineEdit* box) {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
}

// Types over a box's whole text as a user does; an empty text deletes it. The box keeps the focus.
inline void TypeOver(QLineEdit* box, const QString& keys) {
    SelectAllByKeys(box);
    if (keys.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(box, keys);
    }
}

// A window open over an owner placed away from the screen's corner, shown and active.
class CalculatorWindow {
public:
    explicit CalculatorWindow(Window kind)
        : row_(RowOf(kind)), owner_(std::make_unique<QWidget>()) {
        owner_->setGeometry(120, 90, 700, 500);
        owner_->show();
        dlg_ = row_.open(owner_.get());
        dlg_->Create();
        dlg_->activateWindow();
        QApplication::setActiveWindow(dlg_.get());
        ready_ = QTest::qWaitForWindowActive(dlg_.get());
    }

    bool Ready() const { return ready_; }
    Window Kind() const { return row_.kind; }
    const WindowRow& Row() const { return row_; }
    CDialog& Dialog() const { return *dlg_; }
    QWidget& Owner() const { return *owner_; }
    template <class T> T* Item(ControlId id) const { return dlg_->Item<T>(id); }
    CNumEdit* Box(ControlId id) const { return dlg_->Item<CNumEdit>(id); }
    std::string Text(ControlId id) const { return Box(id)->text().toStdString(); }
    bool Enabled(ControlId id) const { return dlg_->GetDlgItem(id)->isEnabled(); }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    bool HasFocus(ControlId id) const { return Focused() == dlg_->GetDlgItem(id); }

    ControlId PrintButton() const { return row_.print; }
    ControlId ClearAllButton() const { return row_.clearAll; }
    const std::vector<ControlId>& BoxIds() const { return row_.boxes; }

    // A box by its command-line column name.
    ControlId Column(const std::string& name) const {
        for (const auto& [column, id] : row_.columns) {
            if (column == name) {
                return id;
            }
        }
        return kNoId;
    }

    // Each expected text a box does not show, as "id: got \"x\"" lines; empty when all match.
    std::string Unlike(const Shown& expected) const {
        std::string differences;
        for (const auto& [id, text] : expected) {
            if (Text(id) != text) {
                differences += std::to_string(id.value) + ": got \"" + Text(id) + "\", want \"" +
                               text + "\"\n";
            }
        }
        return differences;
    }

    WindowValues Values() const {
        WindowValues v;
        for (ControlId id : BoxIds()) {
            v.boxes[id] = Text(id);
        }
        v.knives = Knives();
        return v;
    }

    // What the knife list shows, read cell by cell through the view's model.
    KnifeRows Knives() const {
        KnifeRows rows;
        if (Kind() == Window::Slitter) {
            const QAbstractItemModel* model = Item<QTableView>(SlitterId::KnifeList)->model();
            for (int r = 0; r < model->rowCount(); ++r) {
                std::vector<std::string> row;
                for (int c = 0; c < model->columnCount(); ++c) {
                    row.push_back(model->index(r, c).data().toString().toStdString());
                }
                rows.push_back(row);
            }
        }
        return rows;
    }

    void Type(ControlId id, const QString& keys) { TypeOver(Box(id), keys); }

    // Types and moves on with Tab, so that the box's pair runs.
    void Enter(ControlId id, const QString& keys) {
        Type(id, keys);
        QTest::keyClick(Box(id), Qt::Key_Tab);
    }

    void Do(const Steps& steps) {
        for (const Step& step : steps) {
            if (step.keys == nullptr) {
                Click(step.id);
            } else if (step.keys == kPassThrough) {
                Focus(step.id);
                Key(step.id, Qt::Key_Tab);
            } else {
                Enter(step.id, QString::fromUtf8(step.keys));
            }
        }
    }

    // Pastes over the box's whole text through the clipboard and Ctrl+V, as a user does.
    void Paste(ControlId id, const QString& text) {
        QApplication::clipboard()->setText(text);
        SelectAllByKeys(Box(id));
        QTest::keyClick(Box(id), Qt::Key_V, Qt::ControlModifier);
    }

    void Key(ControlId id, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(dlg_->GetDlgItem(id), key, modifiers);
    }

    // Moves the focus onto a control as Tab would: a box left behind runs its pair.
    void Focus(ControlId id) { dlg_->GetDlgItem(id)->setFocus(Qt::TabFocusReason); }

    void Click(ControlId id) { QTest::mouseClick(dlg_->GetDlgItem(id), Qt::LeftButton); }

    // Focuses the button first, so that no pair runs during the press, and presses it with the
    // space bar: gives the values just before, which a refusal must leave as they are.
    WindowValues PressFromKeyboard(ControlId id) {
        Focus(id);
        const WindowValues before = Values();
        Key(id, Qt::Key_Space);
        return before;
    }

    // A successful calculation or addition, which enables Print; then Clear All.
    void MakePrintable() {
        Do(row_.printable);
        Click(row_.clearAll);
    }

private:
    const WindowRow& row_;
    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<CDialog> dlg_;
    bool ready_ = false;
};
