#include <QAbstractItemModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QtTest/QTest>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "controls/num_edit.h"
#include "slitter/slitter_dlg.h"
#include "worked_examples.h"

namespace {

using enum SlitterId;

class SlitterWindow : public ::testing::Test, protected CapturedSeams {
protected:
    void SetUp() override { ASSERT_TRUE(w.Ready()); }

    QString Text(ControlId id) const { return w.Box(id)->text(); }
    QTableView* View() const { return w.Item<QTableView>(KnifeList); }
    QAbstractItemModel* Model() const { return View()->model(); }
    QCheckBox* Check() const { return w.Item<QCheckBox>(SetupIncrement); }

    CalculatorWindow w{Window::Slitter};
    CSlitterDlg* dlg = &static_cast<CSlitterDlg&>(w.Dialog());
    QWidget* owner = &w.Owner();
};

TEST_F(SlitterWindow, OpensAtTheOwnersClientOriginWithAnEmptyList) {
    EXPECT_EQ(dlg->pos(), owner->mapToGlobal(QPoint(0, 0)));
    for (ControlId id : {SlitInches, SlitMm, NextInches, NextMm}) {
        EXPECT_EQ(w.Box(id)->Format(), "%4.4f") << id.value;
    }
    EXPECT_EQ(w.Box(SlitCount)->Format(), "%d");
    EXPECT_TRUE(Check()->isEnabled());
    EXPECT_FALSE(Check()->isChecked());
    EXPECT_EQ(Model()->rowCount(), 0);
}

TEST_F(SlitterWindow, ListHasFiveFixedColumnsOverTheKnifeList) {
    const char* headings[] = {"Knife #", "Width (Inches)", "Width (mm)", "Distance (Inches)",
                              "Distance (mm)"};
    const int widths[] = {50, 88, 88, 128, 128};
    w.Do({{NextInches, "1"}, {AddSlit}});
    ASSERT_EQ(Model()->columnCount(), 5);
    QHeaderView* header = View()->horizontalHeader();
    auto horizontal = [](const QVariant& v) {
        return Qt::Alignment(v.toInt()) & Qt::AlignHorizontal_Mask;
    };
    for (int c = 0; c < 5; ++c) {
        const Qt::Alignment align = c == 0 ? Qt::AlignHCenter : Qt::AlignLeft;
        EXPECT_EQ(Model()->headerData(c, Qt::Horizontal).toString(), headings[c]);
        EXPECT_EQ(header->sectionSize(c), widths[c]) << c;
        EXPECT_EQ(horizontal(Model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole)), align);
        EXPECT_EQ(horizontal(Model()->index(1, c).data(Qt::TextAlignmentRole)), align) << c;
    }
    EXPECT_FALSE(header->sectionsClickable());
    // One row height for all, so the view finds the visible rows without asking each one.
    EXPECT_EQ(View()->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_FALSE(View()->isSortingEnabled());
    // No widget stands in for a row: the view paints the model's cells.
    EXPECT_EQ(View()->indexWidget(Model()->index(1, 0)), nullptr);
}

// The worked knife lists, built with the window's buttons in the order of their steps.
class SlitterExample : public SlitterWindow, public ::testing::WithParamInterface<KnifeExample> {};

TEST_P(SlitterExample, ShowsTheWorkedList) {
    std::vector<std::string> heard; // by a screen reader after each step
    for (const KnifeStep& step : GetParam().steps) {
        std::string value = step.value;
        const bool mm = value.ends_with("mm");
        value.resize(value.size() - 2);
        const std::string option = step.option;
        if (option == "--equal") {
            const std::size_t x = value.find('x');
            w.Type(SlitCount, QString::fromStdString(value.substr(0, x)));
            w.Type(mm ? SlitMm : SlitInches, QString::fromStdString(value.substr(x + 1)));
            w.Click(AddSlits);
        } else {
            if (option == "--increment") {
                w.Click(SetupIncrement);
            }
            w.Type(mm ? NextMm : NextInches, QString::fromStdString(value));
            w.Click(AddSlit);
        }
        heard.push_back(Heard(dlg));
    }
    EXPECT_TRUE(messages.empty());
    KnifeRows expected;
    for (const auto& row : GetParam().rows) {
        expected.emplace_back(row.begin(), row.end());
    }
    EXPECT_EQ(w.Knives(), expected);
    EXPECT_EQ(heard, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(Worked, SlitterExample, ::testing::ValuesIn(kKnifeExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SlitterWindow, CountIsTruncatedTowardZeroAndBounded) {
    // Two characters at most by typing (a paste too long is refused whole, with hostile input).
    w.Type(SlitCount, "123");
    EXPECT_EQ(Text(SlitCount), "12");
    w.Type(SlitCount, "2.9");
    ASSERT_EQ(Text(SlitCount), "2.");
    w.Type(SlitInches, "1");
    w.Click(AddSlits);
    EXPECT_EQ(Model()->rowCount(), 3); // knife 1 and two slits

    w.Click(ClearAll);
    w.Paste(SlitCount, ".5");
    w.Type(SlitInches, "1");
    w.Click(AddSlits);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"You must enter the number of knives."}));

    // Should a far larger count reach the box some other way, one press still adds at most 99.
    for (const char* written : {"1e9", "1e999"}) {
        w.Click(ClearAll);
        w.Box(SlitCount)->ShowText(written);
        w.Type(SlitInches, "1");
        w.Click(AddSlits);
        EXPECT_EQ(Model()->rowCount(), 100) << written;
        EXPECT_EQ(Model()->index(99, 0).data().toString(), "100") << written;
    }
}

TEST_F(SlitterWindow, CheckBoxFollowsAdditionsAndClearAll) {
    // Clear All on a new list enables the check box and leaves its mark alone.
    w.Click(SetupIncrement);
    w.Click(ClearAll);
    EXPECT_TRUE(Check()->isEnabled());
    EXPECT_TRUE(Check()->isChecked());

    // Equal slits are never an increment; once the mark is cleared they open the list, and the
    // greyed box takes no click.
    w.Click(SetupIncrement);
    w.Do({{SlitCount, "2"}, {SlitInches, "1"}, {AddSlits}, {SetupIncrement}});
    EXPECT_EQ(Model()->index(0, 0).data().toString(), "1");
    EXPECT_FALSE(Check()->isChecked());
    EXPECT_FALSE(Check()->isEnabled());
    w.Do({{NextInches, "0.5"}, {AddSlit}});
    EXPECT_EQ(Model()->rowCount(), 4);
    EXPECT_FALSE(Check()->isEnabled());

    w.Click(ClearAll);
    EXPECT_TRUE(Check()->isEnabled());
    EXPECT_FALSE(Check()->isChecked());
}

TEST_F(SlitterWindow, MillimetreSlitsKeepTheDistanceColumnsInStep) {
    // Millimetre slits reach the list as the exact inches behind the shown 0.0394, so the two
    // distance columns stay in step.
    w.Do({{SlitCount, "99"}, {SlitMm, "1"}, {AddSlits}});
    EXPECT_EQ(w.Knives().back(),
              (std::vector<std::string>{"100", "0.0394", "1.0000", "3.8976", "99.0000"}));
}

TEST_F(SlitterWindow, ModelAnnouncesOnlyTheNewRowsAndNeverCopiesThem) {
    QSignalSpy inserted(Model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(Model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(Model(), &QAbstractItemModel::modelReset);
    auto inSync = [this] {
        return static_cast<std::size_t>(Model()->rowCount()) == dlg->KnifeList().RowCount();
    };

    // The rows the last insertion announced, first to last.
    auto lastInserted = [&] {
        return std::pair(inserted.last()[1].toInt(), inserted.last()[2].toInt());
    };
    w.Do({{SlitCount, "3"}, {SlitInches, "0.33333333"}, {AddSlits}});
    EXPECT_TRUE(inSync());
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(lastInserted(), std::pair(0, 3));
    w.Do({{NextInches, "0.33333333"}, {AddSlit}, {AddSlit}});
    EXPECT_TRUE(inSync());
    ASSERT_EQ(inserted.size(), 3);
    EXPECT_EQ(lastInserted(), std::pair(5, 5));
    w.Click(AddSlits); // the boxes still hold 3 and the width: three more
    ASSERT_EQ(inserted.size(), 4);
    EXPECT_EQ(lastInserted(), std::pair(6, 8));
    EXPECT_TRUE(inSync());
    w.Click(ClearAll);
    EXPECT_TRUE(inSync());
    EXPECT_EQ(removed.size(), 0);
    EXPECT_EQ(reset.size(), 1);
    w.Click(ClearAll); // already empty: nothing to announce
    EXPECT_EQ(reset.size(), 1);
}

// Counts the cells a view paints.
class CountingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        ++painted;
        QStyledItemDelegate::paint(painter, option, index);
    }
    mutable int painted = 0;
};

TEST_F(SlitterWindow, ALongListPaintsOnlyTheRowsInView) {
    w.Do({{SlitCount, "99"}, {SlitInches, "0.125"}});
    for (int press = 0; press < 21; ++press) {
        w.Click(AddSlits);
    }
    ASSERT_EQ(Model()->rowCount(), 21 * 99 + 1);
    auto* counter = new CountingDelegate(View());
    View()->setItemDelegate(counter);
    View()->viewport()->repaint();
    const int rowsInView = View()->viewport()->height() / View()->rowHeight(0) + 1;
    EXPECT_GT(counter->painted, 0);
    EXPECT_LE(counter->painted, rowsInView * 5);

    View()->scrollToBottom();
    counter->painted = 0;
    View()->viewport()->repaint();
    EXPECT_LE(counter->painted, rowsInView * 5);
    EXPECT_TRUE(View()->viewport()->rect().intersects(
        View()->visualRect(Model()->index(Model()->rowCount() - 1, 0))));
}

// Close and Clear All share the mnemonic C: Alt+C only moves between them, and a key then acts.
TEST_F(SlitterWindow, AltCMovesBetweenCloseAndClearAllAndActsOnlyOnAKey) {
    w.Do({{SlitCount, "3"}, {SlitInches, "2.5"}, {AddSlits}});
    const int rows = Model()->rowCount();
    std::set<QWidget*> visited;
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        visited.insert(QApplication::focusWidget());
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Model()->rowCount(), rows);
    }
    EXPECT_EQ(visited, (std::set<QWidget*>{dlg->GetDlgItem(Close), dlg->GetDlgItem(ClearAll)}));
    dlg->GetDlgItem(ClearAll)->setFocus(Qt::ShortcutFocusReason);
    QTest::keyClick(dlg->GetDlgItem(ClearAll), Qt::Key_Space);
    EXPECT_EQ(Model()->rowCount(), 0);
    EXPECT_TRUE(dlg->isVisible());
}

} // namespace
