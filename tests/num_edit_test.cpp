#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QToolTip>
#include <QtTest/QTest>
#include <memory>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "controls/measurement_pair.h"
#include "controls/num_edit.h"
#include "numbers/number_text.h"
#include "numbers/unit_factors.h"

namespace {

// A window with three boxes, so that focus can move between them as it does in a calculator.
class Boxes : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QDialog>();
        a = new CNumEdit(window.get());
        b = new CNumEdit(window.get());
        c = new CNumEdit(window.get());
        a->setGeometry(0, 0, 100, 20);
        b->setGeometry(0, 30, 100, 20);
        c->setGeometry(0, 60, 100, 20);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        a->setFocus(Qt::OtherFocusReason);
    }

    void Leave(CNumEdit* box) {
        box->setFocus(Qt::OtherFocusReason);
        c->setFocus(Qt::TabFocusReason);
    }

    std::unique_ptr<QDialog> window;
    CNumEdit* a = nullptr;
    CNumEdit* b = nullptr;
    CNumEdit* c = nullptr;
};

TEST_F(Boxes, TypingLetsOnlyANumberThrough) {
    TypeOver(a, "12.5");
    EXPECT_EQ(a->text(), "12.5");
    TypeOver(a, "12.5.3");
    EXPECT_EQ(a->text(), "12.53");
    TypeOver(a, "-12");
    QTest::keyClick(a, Qt::Key_Home);
    QTest::keyClicks(a, "-");
    EXPECT_EQ(a->text(), "-12");
    QTest::keyClick(a, Qt::Key_End);
    QTest::keyClicks(a, "-");
    EXPECT_EQ(a->text(), "-12");
    TypeOver(a, "1e-");
    EXPECT_EQ(a->text(), "1e-");
    TypeOver(a, "e-5e");
    EXPECT_EQ(a->text(), "-5e");
    TypeOver(a, "1.5eE.");
    EXPECT_EQ(a->text(), "1.5e");
    TypeOver(a, "x+ aZ!3");
    EXPECT_EQ(a->text(), "3");
}

TEST_F(Boxes, PointBeforeTheExponentOnly) {
    TypeOver(a, "1e5");
    QTest::keyClick(a, Qt::Key_Home);
    QTest::keyClick(a, Qt::Key_Right);
    QTest::keyClicks(a, ".");
    EXPECT_EQ(a->text(), "1.e5");
    TypeOver(a, "1e5.");
    EXPECT_EQ(a->text(), "1e5");
}

TEST_F(Boxes, FocusSelectsTheWholeTextByTabAndByClick) {
    a->ShowText("123.456");
    b->ShowText("789");
    b->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(b->selectedText(), "789");
    QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
    EXPECT_EQ(a->selectedText(), "123.456");
    // Typing a digit replaces the whole text; a refused letter still deletes the selection.
    QTest::keyClicks(a, "4");
    EXPECT_EQ(a->text(), "4");
    b->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(b, "x");
    EXPECT_EQ(b->text(), "");
}

TEST_F(Boxes, SelectedTextMinusAndExponent) {
    a->ShowText("123");
    a->selectAll();
    QTest::keyClicks(a, "-");
    EXPECT_EQ(a->text(), "-");
    a->ShowText("123");
    a->selectAll();
    QTest::keyClicks(a, "e");
    EXPECT_EQ(a->text(), "");
}

TEST_F(Boxes, BackspaceDeletesOnce) {
    TypeOver(a, "1234");
    QTest::keyClick(a, Qt::Key_Backspace);
    EXPECT_EQ(a->text(), "123");
    a->setSelection(1, 2);
    QTest::keyClick(a, Qt::Key_Backspace);
    EXPECT_EQ(a->text(), "1");
}

TEST_F(Boxes, ClipboardAndUndoShortcutsWork) {
    a->ShowText("12.5");
    a->selectAll();
    QTest::keySequence(a, QKeySequence::Copy);
    EXPECT_EQ(a->text(), "12.5");
    EXPECT_EQ(QApplication::clipboard()->text(), "12.5");
    QTest::keySequence(a, QKeySequence::Cut);
    EXPECT_EQ(a->text(), "");
    QTest::keySequence(a, QKeySequence::Undo);
    EXPECT_EQ(a->text(), "12.5");
    // Select all, and a Ctrl+letter that is no shortcut: neither may delete a selected number.
    a->setSelection(1, 2);
    QTest::keyClick(a, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(a->selectedText(), "12.5");
    QTest::keyClick(a, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(a->text(), "12.5");
}

TEST_F(Boxes, ACommaIsThePointAndAPasteMustLeaveANumber) {
    TypeOver(a, "2,5,1");
    EXPECT_EQ(a->text(), "2.51");
    b->setFocus(Qt::TabFocusReason);
    for (const char* refused : {"abc 7", "forty inches", "1.2.3", "2,5 mm"}) {
        QApplication::clipboard()->setText(refused);
        QTest::keySequence(b, QKeySequence::Paste);
        EXPECT_EQ(b->text(), "") << refused;
    }
    QApplication::clipboard()->setText(" 2,5\n");
    QTest::keySequence(b, QKeySequence::Paste);
    EXPECT_EQ(b->text(), "2.5");
    EXPECT_EQ(b->GetValue(), 2.5);
    // Judged on the text the paste would leave: an exponent completes the number before it.
    QApplication::clipboard()->setText("e3");
    QTest::keySequence(b, QKeySequence::Paste);
    EXPECT_EQ(b->text(), "2.5e3");
    b->selectAll();
    QApplication::clipboard()->setText("-");
    QTest::keySequence(b, QKeySequence::Paste);
    EXPECT_EQ(b->text(), "2.5e3");
}

// The number behind a box lives exactly as long as the text SetValue wrote for it. Each change
// below ends on that very text again, which must then count as what it says.
struct TextChange {
    const char* how;
    void (*change)(CNumEdit* box);
    double counts;
};

const TextChange kTextChanges[] = {
    {"a new value", [](CNumEdit* box) { box->SetValue(2e-5); }, 2e-5},
    {"a cleared text", [](CNumEdit* box) { box->ShowText("0.0000"); }, 0.0},
    {"typing",
     [](CNumEdit* box) {
         box->selectAll();
         QTest::keyClicks(box, "0.0000");
     },
     0.0},
    {"a paste",
     [](CNumEdit* box) {
         QApplication::clipboard()->setText("0.0000");
         box->selectAll();
         QTest::keySequence(box, QKeySequence::Paste);
     },
     0.0},
    {"undo",
     [](CNumEdit* box) {
         box->selectAll();
         QTest::keyClicks(box, "5");
         QTest::keySequence(box, QKeySequence::Undo);
     },
     0.0},
};

TEST_F(Boxes, TheNumberBehindTheTextLivesAsLongAsItsText) {
    for (const TextChange& row : kTextChanges) {
        SCOPED_TRACE(row.how);
        a->setFocus(Qt::TabFocusReason);
        a->SetValue(1.3e-5);
        ASSERT_EQ(a->text(), "0.0000");
        ASSERT_EQ(a->GetValue(), 1.3e-5);
        row.change(a);
        EXPECT_EQ(a->text(), "0.0000");
        EXPECT_EQ(a->GetValue(), row.counts);
    }
}

class NumberBehindABox : public ::testing::TestWithParam<Window> {};

// Tiny results show as the very texts the boxes clear to; opening and Clear All leave only what
// the texts say.
TEST_P(NumberBehindABox, NoneAtOpeningAndNoneAfterClearAll) {
    CapturedSeams seams(std::chrono::seconds(60));
    CalculatorWindow window(GetParam());
    ASSERT_TRUE(window.Ready());
    auto expectTheTextsCount = [&](const char* when) {
        for (ControlId id : window.BoxIds()) {
            EXPECT_EQ(window.Box(id)->GetValue(), ReadNumber(window.Text(id)))
                << when << " " << id.value;
        }
    };
    expectTheTextsCount("opening");
    for (ControlId id : window.BoxIds()) {
        window.Box(id)->SetValue(1e-9);
    }
    window.Click(window.ClearAllButton());
    expectTheTextsCount("Clear All");
}

INSTANTIATE_TEST_SUITE_P(EachWindow, NumberBehindABox,
                         ::testing::Values(Window::RollLength, Window::RollWeight,
                                           Window::Slitter));

// A paste reads as the user's locale writes numbers; the test runs once per locale, each run
// taking the rows of its own.
struct LocalePaste {
    const char* locale;
    const char* pasted;
    const char* result; // empty: refused, with a note saying why
};

const LocalePaste kLocalePastes[] = {
    {"en_US", "1,234", "1234"},
    {"en_US", "1,234.5", "1234.5"},
    {"en_US", "-12,345,678.25", "-12345678.25"},
    {"en_US", "2,5", "2.5"},
    {"en_US", "1.234,5", ""},
    {"en_US", "12,34", "12.34"},
    {"en_US", "forty inches", ""},
    {"de_DE", "1,234", "1.234"},
    {"de_DE", "1.234,5", "1234.5"},
    {"de_DE", "1.234", "1234"},
    {"de_DE", "2,5", "2.5"},
    {"de_DE", "1.5e3", "1.5e3"},
    {"de_DE", "1,234.5", ""},
};

TEST_F(Boxes, LocalePasteReadsAsTheLocaleWritesNumbers) {
    const QString locale = QLocale::system().name();
    int rows = 0;
    for (const LocalePaste& row : kLocalePastes) {
        if (locale != row.locale) {
            continue;
        }
        ++rows;
        SCOPED_TRACE(row.pasted);
        b->setFocus(Qt::TabFocusReason);
        b->ShowText("");
        QToolTip::hideText();
        QApplication::clipboard()->setText(row.pasted);
        QTest::keySequence(b, QKeySequence::Paste);
        EXPECT_EQ(b->text(), row.result);
        if (*row.result == '\0') {
            EXPECT_EQ(QToolTip::text(), QString("Not a number: ") + row.pasted);
        }
    }
    EXPECT_GT(rows, 0) << "no rows for " << locale.toStdString();
}

TEST_F(Boxes, TypingLimitDoesNotCutProgramText) {
    a->SetTypingLimit(2);
    TypeOver(a, "-12");
    EXPECT_EQ(a->text(), "-1");
    a->SetTypingLimit(12);
    TypeOver(a, "12345678901234");
    EXPECT_EQ(a->text(), "123456789012");
    a->SetFormat("%4.3f");
    a->SetValue(1e12);
    EXPECT_EQ(a->text(), "1000000000000.000");
    // A long result can still be shortened, but not lengthened past the limit.
    a->setFocus(Qt::TabFocusReason);
    QTest::keyClick(a, Qt::Key_End);
    QTest::keyClick(a, Qt::Key_Backspace);
    EXPECT_EQ(a->text(), "1000000000000.00");
    QTest::keyClicks(a, "7");
    EXPECT_EQ(a->text(), "1000000000000.00");
}

TEST_F(Boxes, PastedTextRespectsTheLimit) {
    a->SetTypingLimit(2);
    QApplication::clipboard()->setText("150");
    TypeOver(a, "");
    QTest::keySequence(a, QKeySequence::Paste);
    EXPECT_EQ(a->text(), "");
    EXPECT_EQ(QToolTip::text(), "Too long for this box (at most 2 characters): 150");
    QApplication::clipboard()->setText("15");
    QTest::keySequence(a, QKeySequence::Paste);
    EXPECT_EQ(a->text(), "15");
    // Without a limit, a number goes in whole however long.
    QApplication::clipboard()->setText(QString(20000, '1'));
    b->setFocus(Qt::TabFocusReason);
    QTest::keySequence(b, QKeySequence::Paste);
    EXPECT_EQ(b->text().size(), 20000);
}

TEST_F(Boxes, FormatAndValue) {
    EXPECT_EQ(a->Format(), "%4.4f");
    a->SetValue(0.03125);
    EXPECT_EQ(a->text(), "0.0313");
    a->SetFormat("%4.2f");
    EXPECT_EQ(a->text(), "0.0313"); // a new format changes nothing shown
    a->SetValue(0.125);
    EXPECT_EQ(a->text(), "0.13");
    // A text too long for the box shows its leading digits.
    a->SetValue(1e300);
    EXPECT_EQ(a->cursorPosition(), 0);
    a->ShowText(" 3.5abc");
    EXPECT_EQ(a->GetValue(), 3.5);
}

TEST_F(Boxes, ClearingPairConvertsOrClears) {
    a->SetFormat("%4.3f");
    b->SetFormat("%4.3f");
    CMeasurementPair::Clearing(a, b);
    TypeOver(a, "2");
    Leave(a);
    EXPECT_EQ(a->text(), "2");
    EXPECT_EQ(b->text(), "50.800");
    TypeOver(a, "");
    Leave(a);
    EXPECT_EQ(b->text(), "0.000");
    TypeOver(b, "20");
    Leave(b);
    EXPECT_EQ(a->text(), "0.787");
    a->ShowText("7");
    TypeOver(b, "-5");
    Leave(b);
    EXPECT_EQ(a->text(), "0.000");
    EXPECT_EQ(b->text(), "-5");
}

TEST_F(Boxes, DirectPairAlwaysOverwrites) {
    a->SetFormat("%4.2f");
    b->SetFormat("%4.2f");
    CMeasurementPair::Direct(a, b, kKgPerPound, kPoundsPerKg);
    TypeOver(a, "1000");
    Leave(a);
    EXPECT_EQ(b->text(), "453.60");
    // Passing through a box converts nothing; editing it converts with the drifting factor.
    Leave(b);
    EXPECT_EQ(a->text(), "1000");
    TypeOver(b, "453.6");
    Leave(b);
    EXPECT_EQ(a->text(), "1000.01");
    TypeOver(a, "-2");
    Leave(a);
    EXPECT_EQ(b->text(), "-0.91");
    TypeOver(a, "");
    Leave(a);
    EXPECT_EQ(b->text(), "0.00");
}

} // namespace
