#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLocale>
#include <QToolTip>
#include <QtTest/QTest>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculator_window.h"
#include "controls/measurement_pair.h"
#include "controls/num_edit.h"
#include "numbers/number_text.h"
#include "numbers/unit_factors.h"

namespace {

// An edit of a box showing a text (or a number the program wrote) with a range selected (no length:
// the cursor at its start): keys typed, "\b" Backspace and other control characters Ctrl and a
// letter ("\x16" Ctrl+V pastes the clipboard), under a limit if given. The box counts its text.
struct Edit {
    const char* name;
    const char* shown;
    int from;
    int length;
    const char* keys;
    const char* result;
    const char* clipboard = "";
    int limit = 0;
    const char* note = nullptr; // beside the box, for a refused paste
    double written = 0.0;
};

// A window with three boxes, so that focus can move between them as it does in a calculator.
class Boxes : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QDialog>();
        a = new CNumEdit(window.get());
        b = new CNumEdit(window.get());
        c = new CNumEdit(window.get());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        a->setFocus(Qt::OtherFocusReason);
    }

    // Typed over a box of the pair a, b (no keys: passed through) and left.
    struct PairStep {
        CNumEdit* box;
        const char* keys;
        const char* partnerShows;
    };
    void ExpectPairSteps(const std::vector<PairStep>& steps) {
        for (const PairStep& step : steps) {
            const QString kept = step.keys != nullptr ? QString(step.keys) : step.box->text();
            if (step.keys != nullptr) {
                TypeOver(step.box, kept);
            }
            step.box->setFocus(Qt::OtherFocusReason);
            c->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(step.box->text(), kept);
            EXPECT_EQ((step.box == a ? b : a)->text(), step.partnerShows) << step.keys;
        }
    }

    void Apply(const Edit& e) {
        a->SetTypingLimit(e.limit);
        if (e.written != 0.0) {
            a->SetValue(e.written);
        } else {
            a->ShowText(e.shown);
        }
        a->setSelection(e.from, e.length);
        QToolTip::hideText();
        QApplication::clipboard()->setText(e.clipboard);
        for (const QChar key : QString(e.keys)) {
            if (key == '\b') {
                QTest::keyClick(a, Qt::Key_Backspace);
            } else if (key < ' ') {
                QTest::keyClick(a, Qt::Key(Qt::Key_A + key.unicode() - 1), Qt::ControlModifier);
            } else {
                QTest::keyClicks(a, QString(key));
            }
        }
        EXPECT_EQ(a->text(), e.result);
        EXPECT_EQ(a->GetValue(), ReadNumber(e.result));
        if (e.note != nullptr) {
            EXPECT_EQ(QToolTip::text(), e.note);
        }
    }

    std::unique_ptr<QDialog> window;
    CNumEdit* a = nullptr;
    CNumEdit* b = nullptr;
    CNumEdit* c = nullptr;
};

const Edit kEdits[] = {
    {"Number", "", 0, 0, "12.5", "12.5"},
    {"SecondPoint", "", 0, 0, "12.5.3", "12.53"},
    {"MinusInside", "-12", 0, 0, "-", "-12"},
    {"MinusAtTheEnd", "-12", 3, 0, "-", "-12"},
    {"OpenExponent", "", 0, 0, "1e-", "1e-"},
    {"ExponentFirst", "", 0, 0, "e-5e", "-5e"},
    {"SecondExponent", "", 0, 0, "1.5eE.", "1.5e"},
    {"Letters", "", 0, 0, "x+ aZ!3", "3"},
    {"PointBeforeTheExponent", "1e5", 1, 0, ".", "1.e5"},
    {"PointAfterTheExponent", "", 0, 0, "1e5.", "1e5"},
    {"CommaIsThePoint", "", 0, 0, "2,5,1", "2.51"},
    // Typing a digit replaces the whole text; a refused key still deletes the selection.
    {"DigitOverSelection", "123.456", 0, 7, "4", "4"},
    {"MinusOverSelection", "123", 0, 3, "-", "-"},
    {"ExponentOverSelection", "123", 0, 3, "e", ""},
    {"LetterOverSelection", "789", 0, 3, "x", ""},
    {"BackspaceDeletesOnce", "1234", 4, 0, "\b", "123"},
    {"BackspaceDeletesTheSelection", "123", 1, 2, "\b", "1"},
    {"TypedPastTheLimit", "", 0, 0, "-12", "-1", "", 2},
    {"TypedPastTwelve", "", 0, 0, "12345678901234", "123456789012", "", 12},
    // A paste must leave a number, judged on the text it would leave.
    {"PastedLetters", "", 0, 0, "\x16", "", "abc 7"},
    {"PastedWords", "", 0, 0, "\x16", "", "forty inches"},
    {"PastedTwoPoints", "", 0, 0, "\x16", "", "1.2.3"},
    {"PastedUnit", "", 0, 0, "\x16", "", "2,5 mm"},
    {"PastedBlanksAndComma", "", 0, 0, "\x16", "2.5", " 2,5\n"},
    {"PastedExponentCompletesTheNumber", "2.5", 3, 0, "\x16", "2.5e3", "e3"},
    {"PastedMinusOverANumber", "2.5e3", 0, 5, "\x16", "2.5e3", "-"},
    {"PastedPastTheLimit", "", 0, 0, "\x16", "", "150", 2,
     "Too long for this box (at most 2 characters): 150"},
    {"PastedWithinTheLimit", "", 0, 0, "\x16", "15", "15", 2},
    {"WrittenTextIsNotCutButCannotGrow", "", 18, 0, "\b7", "1000000000000.000", "", 12, nullptr,
     1e12},
    {"Cut", "12.5", 0, 4, "\x18", ""},
    {"CutAndPasteBack", "12.5", 0, 4, "\x18\x16", "12.5"},
    {"CutAndUndo", "12.5", 0, 4, "\x18\x1a", "12.5"},
    {"CopyAndPasteOverIt", "12.5", 0, 4, "\x03\x16", "12.5"},
    // Ctrl+A selects the whole number; a Ctrl+letter that is no shortcut deletes nothing.
    {"SelectAllThenBackspace", "12.5", 1, 2, "\x01\b", ""},
    {"NoShortcutKeepsTheNumber", "12.5", 0, 4, "\x02", "12.5"},
    // The number behind a text lives exactly as long as the text it was written as: a change that
    // ends on that very text again ends it.
    {"TypingEndsTheNumberBehind", "", 0, 6, "0.0000", "0.0000", "", 0, nullptr, 1.3e-5},
    {"PasteEndsTheNumberBehind", "", 0, 6, "\x16", "0.0000", "0.0000", 0, nullptr, 1.3e-5},
    {"UndoEndsTheNumberBehind", "", 0, 6, "5\x1a", "0.0000", "", 0, nullptr, 1.3e-5},
};

class BoxEdit : public Boxes, public ::testing::WithParamInterface<Edit> {};

TEST_P(BoxEdit, LeavesOnlyANumber) {
    Apply(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Rows, BoxEdit, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Boxes, FocusSelectsTheWholeText) {
    a->ShowText("123.456");
    b->ShowText("789");
    b->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(b->selectedText(), "789");
    QTest::mouseClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
    EXPECT_EQ(a->selectedText(), "123.456");
}

class NumberBehindABox : public ::testing::TestWithParam<Window> {};

// Tiny results show as the very texts the boxes clear to; at opening and after Clear All, the
// boxes count only what their texts say.
TEST_P(NumberBehindABox, NoneAtOpeningAndNoneAfterClearAll) {
    CapturedSeams seams(std::chrono::seconds(60));
    CalculatorWindow window(GetParam());
    ASSERT_TRUE(window.Ready());
    for (const char* when : {"opening", "Clear All"}) {
        for (ControlId id : window.BoxIds()) {
            EXPECT_EQ(window.Box(id)->GetValue(), ReadNumber(window.Text(id)))
                << when << " " << id.value;
            window.Box(id)->SetValue(1e-9);
        }
        window.Click(window.ClearAllButton());
    }
}

INSTANTIATE_TEST_SUITE_P(EachWindow, NumberBehindABox, ::testing::ValuesIn(Calculators()),
                         kWindowName);

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
        const std::string refused = std::string("Not a number: ") + row.pasted;
        Apply({row.pasted, "", 0, 0, "\x16", row.result, row.pasted, 0,
               *row.result == '\0' ? refused.c_str() : nullptr});
    }
    EXPECT_GT(rows, 0) << "no rows for " << locale.toStdString();
}

TEST_F(Boxes, FormatAndValue) {
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
    // The number written is kept behind its rounded text until a new one or a cleared text.
    a->SetValue(1.3e-5);
    a->SetValue(2e-5);
    EXPECT_EQ(a->GetValue(), 2e-5);
    a->ShowText("0.0000");
    EXPECT_EQ(a->GetValue(), 0.0);
}

TEST_F(Boxes, ClearingPairConvertsOrClears) {
    a->SetFormat("%4.3f");
    b->SetFormat("%4.3f");
    CMeasurementPair::Clearing(a, b);
    ExpectPairSteps({{a, "2", "50.800"}, {a, "", "0.000"}, {b, "20", "0.787"}, {b, "-5", "0.000"}});
}

// Passing through a box converts nothing; editing it converts with the drifting factor.
TEST_F(Boxes, DirectPairAlwaysOverwrites) {
    a->SetFormat("%4.2f");
    b->SetFormat("%4.2f");
    CMeasurementPair::Direct(a, b, kKgPerPound, kPoundsPerKg);
    ExpectPairSteps({{a, "1000", "453.60"},
                     {b, nullptr, "1000"},
                     {b, "453.6", "1000.01"},
                     {a, "-2", "-0.91"},
                     {a, "", "0.00"}});
}

} // namespace
