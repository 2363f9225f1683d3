#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/num_edit.h"
#include "controls/styled_static.h"
#include "platform/message_box.h"
#include "roll_weight/roll_weight_dlg.h"

namespace {

constexpr int kCalculate = 1;
constexpr int kClose = 2;
constexpr int kPrint = 1000;
constexpr int kClearAll = 1052;

const int kBoxIds[] = {1013, 1014, 1015, 1016, 1017, 1018, 1019,
                       1020, 1021, 1022, 1023, 1024, 1025, 1026};

class RollWeightWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageSink([this](const MessageRecord& r) { messages.push_back(r); });
        dlg = std::make_unique<CRollWeightDlg>();
        dlg->Create();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    void TearDown() override { SetMessageSink({}); }

    CNumEdit* Box(int id) const { return dlg->Item<CNumEdit>(id); }
    std::string Text(int id) const { return Box(id)->text().toStdString(); }
    QPushButton* Button(int id) const { return dlg->Item<QPushButton>(id); }

    // Clicks into the box, selects its text and types over it; the box keeps the focus. (A click
    // selects everything only when it brings the focus, so the selection is made with the keys.)
    void Type(int id, const QString& keys) {
        QTest::mouseClick(Box(id), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), Box(id));
        QTest::keyClick(Box(id), Qt::Key_Home);
        QTest::keyClick(Box(id), Qt::Key_End, Qt::ShiftModifier);
        if (keys.isEmpty()) {
            QTest::keyClick(Box(id), Qt::Key_Backspace);
        } else {
            QTest::keyClicks(Box(id), keys);
        }
    }

    // Types and tabs away, so the box's pair runs.
    void Enter(int id, const QString& keys) {
        Type(id, keys);
        QTest::keyClick(Box(id), Qt::Key_Tab);
    }

    void ClickCalculate() { QTest::mouseClick(Button(kCalculate), Qt::LeftButton); }

    // Moves the focus to Calculate first (so no pair runs during the press) and presses it with
    // the space bar: what the boxes hold just before is exactly what the refusal must leave.
    std::vector<std::string> CalculateFromKeyboard() {
        Button(kCalculate)->setFocus(Qt::TabFocusReason);
        const std::vector<std::string> before = Texts();
        QTest::keyClick(Button(kCalculate), Qt::Key_Space);
        return before;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (int id : kBoxIds) {
            texts.push_back(Text(id));
        }
        return texts;
    }

    void ExpectPlaceholders() const {
        for (int id : {1013, 1014, 1015, 1016, 1017, 1018, 1021, 1022}) {
            EXPECT_EQ(Text(id), "0.000") << id;
        }
        for (int id : {1019, 1020}) {
            EXPECT_EQ(Text(id), "0.00") << id;
        }
        for (int id : {1023, 1024, 1025, 1026}) {
            EXPECT_EQ(Text(id), "0.0000") << id;
        }
    }

    void ExpectDensityFamilyOfTheWorkedExample() const {
        EXPECT_EQ(Text(1025), "0.0332");
        EXPECT_EQ(Text(1023), "57.3696");
        EXPECT_EQ(Text(1024), "918.9726");
        EXPECT_EQ(Text(1026), "0.9190");
    }

    std::unique_ptr<CRollWeightDlg> dlg;
    std::vector<MessageRecord> messages;
};

TEST_F(RollWeightWindow, OpensEmptyWithPrintDisabledAndFocusOnRollDiameter) {
    EXPECT_EQ(dlg->windowTitle(), "Velmarch Roll Weight Calculator");
    EXPECT_FALSE(dlg->windowIcon().isNull());
    ExpectPlaceholders();
    EXPECT_FALSE(Button(kPrint)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Box(1013));
    EXPECT_EQ(Button(kCalculate)->text(), "&Calculate");
    EXPECT_TRUE(Button(kCalculate)->isDefault());
    EXPECT_EQ(Button(kPrint)->text(), "&Print");
    EXPECT_EQ(Button(kClearAll)->text(), "Clear &All");
    EXPECT_EQ(Button(kClose)->text(), "C&lose");
    EXPECT_EQ(dlg->size(), dlg->MapDialogRect(0, 0, 350, 250).size());
}

TEST_F(RollWeightWindow, RedNotesAreSemiBoldAndTheDensityNoteIsLeftAligned) {
    auto* core = dlg->Item<CStyledStatic>(1030);
    auto* required = dlg->Item<CStyledStatic>(1033);
    EXPECT_EQ(core->text(), "* - Core Diameter:");
    EXPECT_EQ(required->text(), "* - Required Fields");
    for (CStyledStatic* label : {core, required}) {
        EXPECT_EQ(label->Colour(), QColor(128, 0, 0));
        EXPECT_EQ(label->Weight(), QFont::DemiBold);
        EXPECT_FALSE(label->Underline());
    }
    EXPECT_EQ(core->TextAlignment(), Qt::AlignRight);
    EXPECT_EQ(required->TextAlignment(), Qt::AlignLeft);
    for (int id : {1057, 1058, 1060}) {
        auto* label = dlg->Item<CStyledStatic>(id);
        EXPECT_EQ(label->Colour(), QColor(0, 0, 127)) << id;
        EXPECT_EQ(label->TextAlignment(), Qt::AlignLeft) << id;
        EXPECT_EQ(label->Weight(), QFont::Normal) << id;
    }
    EXPECT_EQ(dlg->Item<CStyledStatic>(1060)->text(),
              "Only one 'Basic Weight Value' is required to calculate the remaining values.  ");
}

TEST_F(RollWeightWindow, TabVisitsTheBoxesThenTheButtons) {
    // Print is still disabled, so Tab passes over it.
    const int order[] = {1014, 1015, 1016, 1017, 1018,       1019,      1020,   1021, 1022,
                         1023, 1024, 1025, 1026, kCalculate, kClearAll, kClose, 1013};
    for (int id : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dlg->GetDlgItem(id)) << id;
    }
}

TEST_F(RollWeightWindow, BoxesAndButtonsHaveAccessibleNames) {
    const std::pair<int, const char*> names[] = {
        {1013, "Roll Diameter, inches"}, {1014, "Roll Diameter, mm"},
        {1015, "Core Diameter, inches"}, {1016, "Core Diameter, mm"},
        {1017, "Web Width, inches"},     {1018, "Web Width, mm"},
        {1019, "Roll Weight, pounds"},   {1020, "Roll Weight, kg"},
        {1021, "Specific Gravity"},      {1022, "Specific Gravity, second box"},
        {1023, "Lbs / Cubic Foot"},      {1024, "kg / Cubic Meter"},
        {1025, "Lbs / Cubic Inch"},      {1026, "g / Cubic cm"},
        {kCalculate, "Calculate"},       {kPrint, "Print"},
        {kClearAll, "Clear All"},        {kClose, "Close"},
    };
    for (const auto& [id, name] : names) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dlg->GetDlgItem(id));
        ASSERT_NE(a, nullptr) << id;
        EXPECT_EQ(a->text(QAccessible::Name), name) << id;
    }
}

TEST_F(RollWeightWindow, InchAndMillimetreRowsFollowEachOther) {
    Enter(1013, "2");
    EXPECT_EQ(Text(1014), "50.800");
    EXPECT_EQ(Text(1013), "2");
    Enter(1014, "20");
    EXPECT_EQ(Text(1013), "0.787");
    EXPECT_EQ(Text(1014), "20");
    // Leaving a box empty clears its partner.
    Enter(1014, "");
    EXPECT_EQ(Text(1013), "0.000");

    Enter(1015, "3");
    EXPECT_EQ(Text(1016), "76.200");
    Enter(1018, "1524");
    EXPECT_EQ(Text(1017), "60.000");
    Enter(1017, "-5");
    EXPECT_EQ(Text(1018), "0.000");
}

TEST_F(RollWeightWindow, PoundsAndKilogramsDriftAsTheyAlwaysHave) {
    Enter(1019, "1000");
    EXPECT_EQ(Text(1020), "453.60");
    // Through the kilogram box without editing it: nothing changes.
    QTest::mouseClick(Box(1020), Qt::LeftButton);
    QTest::keyClick(Box(1020), Qt::Key_Tab);
    EXPECT_EQ(Text(1019), "1000");
    // Edited, it converts back with its own factor, and the pounds drift.
    Enter(1020, "453.6");
    EXPECT_EQ(Text(1019), "1000.01");
    Enter(1019, "");
    EXPECT_EQ(Text(1020), "0.00");
}

TEST_F(RollWeightWindow, DensityBoxesConvertOnlyWithinTheirPairs) {
    Enter(1021, "0.92");
    EXPECT_EQ(Text(1021), "0.92");
    EXPECT_EQ(Text(1022), "0.9200");
    EXPECT_EQ(Text(1023), "0.0000");
    EXPECT_EQ(Text(1025), "0.0000");
    EXPECT_DOUBLE_EQ(Box(1022)->GetValue(), 0.92);
    Enter(1022, "1.5");
    EXPECT_EQ(Text(1021), "1.5000");

    Enter(1023, "57.3696");
    EXPECT_EQ(Text(1024), "918.9726");
    Enter(1024, "1000");
    EXPECT_EQ(Text(1023), "62.4280");
    Enter(1025, "0.0361");
    EXPECT_EQ(Text(1026), "0.9992");
    // Grams per cubic centimetre are not the specific gravity's 0.0361 per unit.
    Enter(1026, "2");
    EXPECT_EQ(Text(1025), "0.0723");
    EXPECT_EQ(Text(1021), "1.5000");
}

TEST_F(RollWeightWindow, CalculatesTheWeightFromInchEntries) {
    Enter(1013, "40");
    Enter(1015, "3");
    Enter(1017, "60");
    Type(1021, "0.92");
    ClickCalculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Text(1019), "2487.88");
    EXPECT_EQ(Text(1020), "1128.50");
    ExpectDensityFamilyOfTheWorkedExample();
    EXPECT_EQ(Text(1021), "0.92");
    EXPECT_EQ(Text(1022), "0.9200");
    // Tabbing on through the millimetre box left the typed inches alone.
    EXPECT_EQ(Text(1013), "40");
    EXPECT_EQ(Text(1014), "1016.000");
    EXPECT_TRUE(Button(kPrint)->isEnabled());

    // The kilograms follow the shown pounds when the box is passed through.
    Enter(1019, "2487.88");
    EXPECT_EQ(Text(1020), "1128.50");
}

TEST_F(RollWeightWindow, CalculatesTheWeightFromMetricEntries) {
    Enter(1014, "1016");
    Enter(1016, "76.2");
    Enter(1018, "1524");
    Enter(1022, "0.92");
    EXPECT_EQ(Text(1013), "40.000");
    EXPECT_EQ(Text(1015), "3.000");
    EXPECT_EQ(Text(1017), "60.000");
    EXPECT_EQ(Text(1021), "0.9200");
    ClickCalculate();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Text(1019), "2487.88");
    EXPECT_EQ(Text(1020), "1128.50");
    ExpectDensityFamilyOfTheWorkedExample();
    EXPECT_TRUE(Button(kPrint)->isEnabled());
}

TEST_F(RollWeightWindow, EnterCalculatesFromTheInchBoxesAsTheyStand) {
    Enter(1013, "40");
    Enter(1015, "3");
    Enter(1017, "60");
    Enter(1021, "0.92");
    // A new roll diameter typed in millimetres has not been carried over when Enter is pressed.
    Type(1014, "2032");
    QTest::keyClick(Box(1014), Qt::Key_Return);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Box(1014));
    EXPECT_EQ(Text(1014), "2032");
    EXPECT_EQ(Text(1013), "40");
    EXPECT_EQ(Text(1019), "2487.88");
    // Clicking Calculate takes the focus first, so the millimetres are carried over.
    Enter(1019, "");
    Type(1014, "2032");
    ClickCalculate();
    EXPECT_EQ(Text(1013), "80.000");
    EXPECT_EQ(Text(1019), "9993.74");
}

TEST_F(RollWeightWindow, DerivesDensityFromAWeighedRoll) {
    Enter(1013, "40");
    Enter(1015, "3");
    Enter(1017, "60");
    // Left by pressing Calculate: tabbing through the kilograms would turn it into 2487.89.
    Type(1019, "2487.879");
    ClickCalculate();
    EXPECT_EQ(Text(1020), "1128.50");
    ExpectDensityFamilyOfTheWorkedExample();
    EXPECT_EQ(Text(1021), "0.9197");
    EXPECT_EQ(Text(1022), "0.9197");
    EXPECT_EQ(Text(1019), "2487.879");
    EXPECT_TRUE(Button(kPrint)->isEnabled());
}

TEST_F(RollWeightWindow, SolvesWebWidthAndRollDiameter) {
    Enter(1013, "40");
    Enter(1015, "3");
    Enter(1021, "0.92");
    Type(1019, "2487.879");
    ClickCalculate();
    EXPECT_EQ(Text(1017), "59.980");
    EXPECT_EQ(Text(1018), "1523.492");
    ExpectDensityFamilyOfTheWorkedExample();
    EXPECT_EQ(Text(1019), "2487.879");
    EXPECT_EQ(Text(1021), "0.92");

    QTest::mouseClick(Button(kClearAll), Qt::LeftButton);
    Enter(1015, "3");
    Enter(1017, "60");
    Enter(1021, "0.92");
    Type(1019, "2487.879");
    ClickCalculate();
    EXPECT_EQ(Text(1013), "40.000");
    EXPECT_EQ(Text(1014), "1016.000");
    ExpectDensityFamilyOfTheWorkedExample();
    EXPECT_TRUE(messages.empty());
}

TEST_F(RollWeightWindow, AMissingCoreDiameterIsReportedWhateverElseIsFilled) {
    Enter(1013, "40");
    Enter(1017, "60");
    Enter(1019, "2487.879");
    Enter(1021, "0.92");
    Enter(1023, "57");
    Enter(1025, "0.0332");
    // The placeholder reads as 0.
    std::vector<std::string> before = CalculateFromKeyboard();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Core Diameter is a required field");
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages[0].caption, ApplicationTitle());
    EXPECT_EQ(Texts(), before);
    EXPECT_FALSE(Button(kPrint)->isEnabled());

    // An emptied box is missing too.
    Type(1015, "");
    before = CalculateFromKeyboard();
    EXPECT_EQ(Text(1015), "");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(Texts(), before);
}

TEST_F(RollWeightWindow, TooFewFieldsAreRefusedAndNothingChanges) {
    Enter(1015, "3");
    Enter(1013, "40");
    Enter(1021, "0.92");
    const std::vector<std::string> before = CalculateFromKeyboard();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "All required fields are not entered!");
    EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Texts(), before);
    EXPECT_FALSE(Button(kPrint)->isEnabled());
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(RollWeightWindow, ARefusalAfterASolveLeavesPrintEnabled) {
    Enter(1013, "40");
    Enter(1015, "3");
    Enter(1017, "60");
    Type(1021, "0.92");
    ClickCalculate();
    ASSERT_TRUE(Button(kPrint)->isEnabled());

    Enter(1017, "");
    Enter(1019, "");
    std::vector<std::string> before = CalculateFromKeyboard();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Texts(), before);
    EXPECT_TRUE(Button(kPrint)->isEnabled());

    Enter(1015, "");
    before = CalculateFromKeyboard();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(Texts(), before);
    EXPECT_TRUE(Button(kPrint)->isEnabled());
}

TEST_F(RollWeightWindow, ClearAllRestoresPlaceholdersAndKeepsPrintAndFocus) {
    Enter(1013, "40");
    Enter(1015, "3");
    Enter(1017, "60");
    Type(1021, "0.92");
    ClickCalculate();
    ASSERT_TRUE(Button(kPrint)->isEnabled());
    QTest::mouseClick(Button(kClearAll), Qt::LeftButton);
    ExpectPlaceholders();
    EXPECT_TRUE(Button(kPrint)->isEnabled());

    // Through its mnemonic the button takes the focus and is pressed, as a click would.
    Type(1013, "12");
    QTest::keyClick(Box(1013), Qt::Key_A, Qt::AltModifier);
    ExpectPlaceholders();
    EXPECT_EQ(QApplication::focusWidget(), Button(kClearAll));
}

TEST_F(RollWeightWindow, ZeroAreaShowsInfinityAndTheWindowCarriesOn) {
    // Roll and core of one size: no wound material, so the density divides by zero.
    Enter(1013, "3");
    Enter(1015, "3");
    Enter(1017, "60");
    Type(1019, "100");
    ClickCalculate();
    EXPECT_TRUE(messages.empty());
    for (int id : {1021, 1022, 1023, 1024, 1025, 1026}) {
        EXPECT_EQ(Text(id), "inf") << id;
    }
    EXPECT_TRUE(Button(kPrint)->isEnabled());

    // Passing through a shown infinity keeps it, and the box still counts it as one.
    QTest::mouseClick(Box(1023), Qt::LeftButton);
    QTest::keyClick(Box(1023), Qt::Key_Tab);
    EXPECT_EQ(Text(1023), "inf");
    EXPECT_EQ(Text(1024), "inf");
    EXPECT_EQ(Box(1023)->GetValue(), std::numeric_limits<double>::infinity());

    QTest::mouseClick(Button(kClearAll), Qt::LeftButton);
    Enter(1013, "40");
    Enter(1015, "3");
    Enter(1017, "60");
    Type(1021, "0.92");
    ClickCalculate();
    EXPECT_EQ(Text(1019), "2487.88");
}

TEST_F(RollWeightWindow, OtherNonFiniteResultsShowAsText) {
    // A core a hair wider than the roll: the area rounds to minus zero. The core is typed last,
    // since leaving its millimetre box would round it to three decimals.
    Enter(1013, "3");
    Enter(1019, "100");
    Enter(1021, "0.92");
    Type(1015, "3.0001");
    ClickCalculate();
    EXPECT_EQ(Text(1017), "-inf");
    EXPECT_EQ(Text(1018), "-inf");

    // A negative inch density makes the wound area negative: no real diameter.
    QTest::mouseClick(Button(kClearAll), Qt::LeftButton);
    Enter(1015, "3");
    Enter(1017, "60");
    Enter(1019, "2487.879");
    Enter(1021, "0.92");
    Type(1025, "-1");
    ClickCalculate();
    EXPECT_EQ(Text(1013), "nan");
    EXPECT_EQ(Text(1014), "nan");

    // A density too small to survive rounding leaves nothing to divide by.
    QTest::mouseClick(Button(kClearAll), Qt::LeftButton);
    Enter(1015, "3");
    Enter(1017, "60");
    Enter(1019, "100");
    Type(1021, "0.001");
    ClickCalculate();
    EXPECT_EQ(Text(1013), "inf");
    EXPECT_EQ(Text(1014), "inf");

    // A typed number beyond the double range.
    Enter(1019, "1e999");
    EXPECT_EQ(Text(1020), "inf");
    EXPECT_TRUE(messages.empty());
}

// Runs the window modally, as the main window does, and drives it from inside the loop.
TEST(RollWeightModal, EnterCalculatesWithoutClosingAndEscapeCloses) {
    std::vector<MessageRecord> messages;
    SetMessageSink([&](const MessageRecord& r) { messages.push_back(r); });
    CRollWeightDlg dlg;
    bool stillOpenAfterEnter = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QWidget* focused = QApplication::focusWidget();
        ASSERT_EQ(focused, dlg.GetDlgItem(1013));
        QTest::keyClick(focused, Qt::Key_Return);
        stillOpenAfterEnter = dlg.isVisible();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), DialogCommand::Cancel);
    SetMessageSink({});
    EXPECT_TRUE(stillOpenAfterEnter);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Core Diameter is a required field");
}

TEST(RollWeightModal, CloseButtonCloses) {
    CRollWeightDlg dlg;
    QTimer::singleShot(0,
                       [&] { QTest::mouseClick(dlg.Item<QPushButton>(kClose), Qt::LeftButton); });
    EXPECT_EQ(dlg.DoModal(), DialogCommand::Cancel);
}

} // namespace
