#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/num_edit.h"
#include "platform/message_box.h"
#include "slitter/slitter_dlg.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The window over an owner placed away from the screen's corner, with messages captured.
class SlitterWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r); });
        owner = std::make_unique<QWidget>();
        owner->setGeometry(120, 90, 700, 500);
        owner->show();
        dlg = std::make_unique<CSlitterDlg>(owner.get());
        dlg->Create();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    void TearDown() override { SetMessageSink({}); }

    CNumEdit* Box(int id) const { return dlg->Item<CNumEdit>(id); }
    QString Text(int id) const { return Box(id)->text(); }
    QTableView* View() const { return dlg->Item<QTableView>(1039); }
    QAbstractItemModel* Model() const { return View()->model(); }
    QCheckBox* Check() const { return dlg->Item<QCheckBox>(1056); }
    bool Enabled(int id) const { return dlg->GetDlgItem(id)->isEnabled(); }

    // Focuses the box as Tab would (which selects its text) and types over it.
    void Type(int id, const QString& keys) {
        if (Box(id)->hasFocus()) {
            View()->setFocus(Qt::TabFocusReason);
        }
        Box(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(Box(id), keys);
    }

    // Pastes over the box's text; pasted text is not filtered or held to a typing limit.
    void Paste(int id, const QString& text) {
        QApplication::clipboard()->setText(text);
        Type(id, "");
        QTest::keyClick(Box(id), Qt::Key_V, Qt::ControlModifier);
    }

    // Tab moves the focus on, so the box's pair runs.
    void Leave(int id) {
        ASSERT_EQ(QApplication::focusWidget(), Box(id));
        QTest::keyClick(Box(id), Qt::Key_Tab);
    }

    void Click(int id) { QTest::mouseClick(dlg->GetDlgItem(id), Qt::LeftButton); }

    // What the list shows, read cell by cell through the view's model.
    Rows Shown() const {
        Rows rows;
        for (int r = 0; r < Model()->rowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < Model()->columnCount(); ++c) {
                row.push_back(Model()->index(r, c).data().toString().toStdString());
            }
            rows.push_back(row);
        }
        return rows;
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const MessageRecord& r : messages) {
            texts.push_back(r.text);
        }
        return texts;
    }

    std::vector<MessageRecord> messages;
    std::unique_ptr<QWidget> owner;
    std::unique_ptr<CSlitterDlg> dlg;
};

TEST_F(SlitterWindow, OpensEmptyWithItsPlaceholdersAtTheOwnersClientOrigin) {
    EXPECT_EQ(dlg->windowTitle(), "Velmarch Slitter Position Calculator");
    EXPECT_EQ(dlg->size(), dlg->MapDialogRect(0, 0, 350, 253).size());
    EXPECT_EQ(dlg->pos(), owner->mapToGlobal(QPoint(0, 0)));
    EXPECT_FALSE(dlg->windowIcon().isNull());
    EXPECT_EQ(Text(1040), "0");
    for (int id : {1043, 1044, 1045, 1046}) {
        EXPECT_EQ(Text(id), "0.000") << id;
        EXPECT_EQ(Box(id)->Format(), "%4.4f") << id;
    }
    EXPECT_EQ(Box(1040)->Format(), "%d");
    EXPECT_EQ(QApplication::focusWidget(), Box(1040));
    EXPECT_FALSE(Enabled(1000));
    EXPECT_TRUE(Check()->isEnabled());
    EXPECT_FALSE(Check()->isChecked());
    EXPECT_EQ(Model()->rowCount(), 0);
    for (QPushButton* b : dlg->findChildren<QPushButton*>()) {
        EXPECT_FALSE(b->isDefault()) << b->text().toStdString();
    }
}

TEST_F(SlitterWindow, ListHasFiveFixedColumnsOverTheKnifeList) {
    const char* headings[] = {"Knife #", "Width (Inches)", "Width (mm)", "Distance (Inches)",
                              "Distance (mm)"};
    const int widths[] = {50, 88, 88, 128, 128};
    ASSERT_EQ(Model()->columnCount(), 5);
    QHeaderView* header = View()->horizontalHeader();
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(Model()->headerData(c, Qt::Horizontal).toString(), headings[c]);
        EXPECT_EQ(header->sectionSize(c), widths[c]) << c;
        const Qt::Alignment align{
            Model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt()};
        EXPECT_EQ(align & Qt::AlignHorizontal_Mask, c == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    EXPECT_FALSE(header->sectionsClickable());
    // One row height for all, so the view finds the visible rows without asking each one.
    EXPECT_EQ(View()->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_FALSE(View()->isSortingEnabled());

    Type(1045, "1");
    Click(1047);
    ASSERT_EQ(Model()->rowCount(), 2);
    for (int c = 0; c < 5; ++c) {
        const Qt::Alignment align{Model()->index(1, c).data(Qt::TextAlignmentRole).toInt()};
        EXPECT_EQ(align & Qt::AlignHorizontal_Mask, c == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    // No widget stands in for a row: the view paints the model's cells.
    EXPECT_EQ(View()->indexWidget(Model()->index(1, 0)), nullptr);
}

TEST_F(SlitterWindow, EqualSlitsThenAVariedSlitGiveTheFirstWorkedExample) {
    Type(1040, "3");
    Type(1043, "2.5");
    Click(1050); // the inch box loses the focus to the button first
    EXPECT_EQ(Text(1044), "63.5000");
    Type(1045, "1");
    Click(1047);
    EXPECT_EQ(Text(1046), "25.4000");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Shown(), (Rows{{"1", "0.0000", "0.0000", "0.0000", "0.0000"},
                             {"2", "2.5000", "63.5000", "2.5000", "63.5000"},
                             {"3", "2.5000", "63.5000", "5.0000", "127.0000"},
                             {"4", "2.5000", "63.5000", "7.5000", "190.5000"},
                             {"5", "1.0000", "25.4000", "8.5000", "215.9000"}}));
    EXPECT_EQ(dlg->KnifeList().RowCount(), 5u);
    EXPECT_EQ(dlg->KnifeList().Row(4).cells[3], "8.5000");
}

TEST_F(SlitterWindow, SetupIncrementThenEqualSlitsGiveTheSecondWorkedExample) {
    Click(1056);
    ASSERT_TRUE(Check()->isChecked());
    Type(1045, ".75");
    Click(1047);
    EXPECT_EQ(Text(1046), "19.0500");
    EXPECT_FALSE(Check()->isChecked());
    EXPECT_FALSE(Check()->isEnabled());
    Type(1040, "2");
    Type(1044, "76.2");
    Click(1050);
    EXPECT_EQ(Text(1043), "3.0000");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Shown(), (Rows{{"0", "0.0000", "0.0000", "0.0000", "0.0000"},
                             {"1", "0.7500", "19.0500", "0.7500", "19.0500"},
                             {"2", "3.0000", "76.2000", "3.7500", "95.2500"},
                             {"3", "3.0000", "76.2000", "6.7500", "171.4500"}}));
}

TEST_F(SlitterWindow, RefusalsShowTheirMessageWithTheStopIconAndChangeNothing) {
    Click(1050);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "You must enter the number of knives.");
    EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Model()->rowCount(), 0);

    Type(1040, "-1");
    EXPECT_EQ(Text(1040), "-1");
    Click(1050);
    Click(1047); // a varied slit of 0.000
    Click(1056);
    Click(1047); // an increment of 0.000
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"You must enter the number of knives.",
                                                        "You must enter the number of knives.",
                                                        "You must enter a slit width.",
                                                        "You must enter a slit width."}));
    for (const MessageRecord& r : messages) {
        EXPECT_EQ(r.icon, MessageIcon::Stop);
    }
    EXPECT_EQ(Model()->rowCount(), 0);
    EXPECT_FALSE(Enabled(1000));
    EXPECT_TRUE(Check()->isEnabled());
    EXPECT_TRUE(Check()->isChecked());
    EXPECT_EQ(Text(1040), "-1");
    EXPECT_EQ(Text(1045), "0.000");

    // A count of 5 with no width: the width is what is missing now.
    Type(1040, "5");
    Click(1050);
    EXPECT_EQ(MessageTexts().back(), "You must enter a slit width.");
    EXPECT_EQ(Model()->rowCount(), 0);

    // A width with no count adds no knife either.
    Type(1040, "0");
    Type(1043, "2");
    Click(1050);
    EXPECT_EQ(MessageTexts().back(), "You must enter the number of knives.");
    EXPECT_EQ(Model()->rowCount(), 0);
}

TEST_F(SlitterWindow, CountIsTruncatedTowardZeroAndBounded) {
    // Two characters at most by typing.
    Type(1040, "123");
    EXPECT_EQ(Text(1040), "12");
    Type(1040, "2.9");
    EXPECT_EQ(Text(1040), "2.");

    // A paste longer than the box takes is refused whole, as a classic edit box refuses it.
    Box(1040)->setText("7");
    Paste(1040, "2.9");
    EXPECT_EQ(Text(1040), "7");
    Paste(1040, "2.");
    ASSERT_EQ(Text(1040), "2.");
    Type(1043, "1");
    Click(1050);
    EXPECT_EQ(Model()->rowCount(), 3); // knife 1 and two slits

    Click(3);
    Paste(1040, ".5");
    Type(1043, "1");
    Click(1050);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"You must enter the number of knives."}));

    // Should a far larger count reach the box some other way, one press still adds at most 99.
    for (const char* written : {"1e9", "1e999"}) {
        Click(3);
        Box(1040)->setText(written);
        Type(1043, "1");
        Click(1050);
        EXPECT_EQ(Model()->rowCount(), 100) << written;
        EXPECT_EQ(Model()->index(99, 0).data().toString(), "100") << written;
    }
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SlitterWindow, CheckBoxAndPrintFollowAdditionsAndClearAll) {
    // Clear All on a new list enables the check box and leaves its mark alone.
    Click(1056);
    Click(3);
    EXPECT_TRUE(Check()->isEnabled());
    EXPECT_TRUE(Check()->isChecked());
    EXPECT_FALSE(Enabled(1000));

    // Equal slits are never an increment, and still clear the mark.
    Type(1040, "2");
    Type(1043, "1");
    Click(1050);
    EXPECT_EQ(Model()->index(0, 0).data().toString(), "1");
    EXPECT_EQ(Model()->rowCount(), 3);
    EXPECT_FALSE(Check()->isChecked());
    EXPECT_FALSE(Check()->isEnabled());
    EXPECT_TRUE(Enabled(1000));

    Click(1056); // greyed: the click does nothing
    EXPECT_FALSE(Check()->isChecked());

    Type(1045, "0.5");
    Click(1047);
    EXPECT_EQ(Model()->rowCount(), 4);
    EXPECT_FALSE(Check()->isEnabled());

    Click(3);
    EXPECT_EQ(Model()->rowCount(), 0);
    EXPECT_TRUE(Check()->isEnabled());
    EXPECT_FALSE(Check()->isChecked());
    EXPECT_TRUE(Enabled(1000));
    EXPECT_EQ(Text(1040), "0");
    for (int id : {1043, 1044, 1045, 1046}) {
        EXPECT_EQ(Text(id), "0.000") << id;
    }

    // A refusal after Clear All leaves Print enabled too.
    Click(1050);
    EXPECT_TRUE(Enabled(1000));
}

TEST_F(SlitterWindow, WidthPairsConvertDirectlyWhenABoxIsLeft) {
    Type(1044, "10");
    Leave(1044);
    EXPECT_EQ(Text(1043), "0.3937");
    EXPECT_EQ(Text(1044), "10"); // the box left keeps what was typed
    // Passing through the converted box changes nothing.
    Box(1043)->setFocus(Qt::TabFocusReason);
    Leave(1043);
    EXPECT_EQ(Text(1044), "10");

    // No zeroing and no test: negative converts to negative, empty to 0.
    Type(1046, "-5");
    Leave(1046);
    EXPECT_EQ(Text(1045), "-0.1969");
    Type(1045, "2");
    Leave(1045);
    EXPECT_EQ(Text(1046), "50.8000");
    Box(1045)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Box(1045), Qt::Key_Backspace);
    Leave(1045);
    EXPECT_EQ(Text(1046), "0.0000");
    EXPECT_EQ(Model()->rowCount(), 0);

    // Millimetre slits reach the list as the exact inches behind the shown 0.0394, so the two
    // distance columns stay in step.
    Type(1040, "99");
    Type(1044, "1");
    Click(1050);
    EXPECT_EQ(Shown().back(),
              (std::vector<std::string>{"100", "0.0394", "1.0000", "3.8976", "99.0000"}));
}

TEST_F(SlitterWindow, EnterInABoxKeepsTheWindowAndItsList) {
    Type(1040, "3");
    Type(1043, "1");
    Click(1050);
    ASSERT_EQ(Model()->rowCount(), 4);
    for (int id : {1040, 1043, 1044, 1045, 1046}) {
        Box(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Box(id), Qt::Key_Return);
        QTest::keyClick(Box(id), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(dlg->isVisible()) << id;
    }
    Check()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Check(), Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Model()->rowCount(), 4);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SlitterWindow, EscapeCloseAndTheCloseBoxEndIt) {
    QTest::keyClick(Box(1040), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(static_cast<DialogCommand>(dlg->result()), DialogCommand::Cancel);

    CSlitterDlg second(owner.get());
    second.Create();
    QTest::mouseClick(second.GetDlgItem(2), Qt::LeftButton);
    EXPECT_FALSE(second.isVisible());

    CSlitterDlg third(owner.get());
    third.Create();
    third.close(); // the title bar's close box
    EXPECT_FALSE(third.isVisible());
    EXPECT_EQ(static_cast<DialogCommand>(third.result()), DialogCommand::Cancel);
}

TEST(SlitterModal, EnterLeavesTheModalWindowRunningAndEscapeEndsIt) {
    std::vector<MessageRecord> messages;
    SetMessageSink([&](const MessageRecord& r) { messages.push_back(r); });
    CSlitterDlg dlg;
    bool openAfterEnter = false;
    int rowsAfterEnter = -1;
    QTimer::singleShot(0, [&] {
        QWidget* box = dlg.GetDlgItem(1045);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, "2");
        QTest::mouseClick(dlg.GetDlgItem(1047), Qt::LeftButton);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::processEvents();
        openAfterEnter = dlg.isVisible() && QApplication::activeModalWidget() == &dlg;
        rowsAfterEnter = dlg.Item<QTableView>(1039)->model()->rowCount();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), DialogCommand::Cancel);
    SetMessageSink({});
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(rowsAfterEnter, 2);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SlitterWindow, ModelAnnouncesOnlyTheNewRowsAndNeverCopiesThem) {
    QSignalSpy inserted(Model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(Model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(Model(), &QAbstractItemModel::modelReset);
    auto inSync = [this] {
        return static_cast<std::size_t>(Model()->rowCount()) == dlg->KnifeList().RowCount();
    };

    Type(1040, "3");
    Type(1043, "0.33333333");
    Click(1050);
    EXPECT_TRUE(inSync());
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 3);

    Type(1045, "0.33333333");
    Click(1047);
    Click(1047);
    EXPECT_TRUE(inSync());
    ASSERT_EQ(inserted.size(), 3);
    EXPECT_EQ(inserted[2][1].toInt(), 5);
    EXPECT_EQ(inserted[2][2].toInt(), 5);
    Click(1050); // the boxes still hold 3 and the width: three more
    ASSERT_EQ(inserted.size(), 4);
    EXPECT_EQ(inserted[3][1].toInt(), 6);
    EXPECT_EQ(inserted[3][2].toInt(), 8);
    EXPECT_TRUE(inSync());
    Click(3);
    EXPECT_TRUE(inSync());
    EXPECT_EQ(removed.size(), 0);
    EXPECT_EQ(reset.size(), 1);
    Click(3); // already empty: nothing to announce
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
    Type(1040, "99");
    Type(1043, "0.125");
    for (int press = 0; press < 21; ++press) {
        Click(1050);
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

TEST_F(SlitterWindow, TabOrderFollowsTheTemplateAndEveryControlIsNamed) {
    const int order[] = {1043, 1044, 1045, 1046, 1047, 1039, 1050, 2, 3, 1056, 1040};
    for (int id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(id)) << id;
    }
    const std::pair<int, const char*> names[] = {
        {1040, "Number of Slits"},
        {1043, "Slit Size in Inches"},
        {1044, "Slit Size in Millimeters"},
        {1045, "Next slit / inc. width (Inches)"},
        {1046, "Next slit / inc. width (mm)"},
        {1056, "Add Setup Increment"},
        {1039, "Knife positions"},
        {1047, "Add Slit"},
        {1050, "Add Slits"},
        {2, "Close"},
        {1000, "Print"},
        {3, "Clear All"},
    };
    for (const auto& [id, name] : names) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dlg->GetDlgItem(id));
        ASSERT_NE(a, nullptr) << id;
        EXPECT_EQ(a->text(QAccessible::Name), name) << id;
    }
}

} // namespace
