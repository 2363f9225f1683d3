#include "numbers/number_filter.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// Types characters one by one at the end of the text, as a user would.
std::string Type(std::string text, const std::string& keys) {
    for (char k : keys) {
        if (AcceptsNumberChar(text, text.size(), k)) {
            text.push_back(k);
        }
    }
    return text;
}

TEST(NumberFilter, LetsADecimalNumberThrough) {
    EXPECT_EQ(Type("", "12.5"), "12.5");
    EXPECT_EQ(Type("", "12.5.3"), "12.53");
    EXPECT_EQ(Type("", "1.5e-3"), "1.5e-3");
    EXPECT_EQ(Type("", "-1E5"), "-1E5");
}

TEST(NumberFilter, MinusOnlyAtTheStartOrAfterTheExponent) {
    EXPECT_TRUE(AcceptsNumberChar("", 0, '-'));
    EXPECT_FALSE(AcceptsNumberChar("-12", 0, '-'));
    EXPECT_TRUE(AcceptsNumberChar("12", 0, '-'));
    EXPECT_FALSE(AcceptsNumberChar("12", 2, '-'));
    EXPECT_TRUE(AcceptsNumberChar("1e", 2, '-'));
    EXPECT_TRUE(AcceptsNumberChar("1E", 2, '-'));
    EXPECT_FALSE(AcceptsNumberChar("1e5", 3, '-'));
}

TEST(NumberFilter, OneExponentNeverFirst) {
    EXPECT_FALSE(AcceptsNumberChar("", 0, 'e'));
    EXPECT_FALSE(AcceptsNumberChar("5", 0, 'e'));
    EXPECT_FALSE(AcceptsNumberChar("-", 1, 'e'));
    EXPECT_FALSE(AcceptsNumberChar("-5", 1, 'E'));
    EXPECT_TRUE(AcceptsNumberChar("-5", 2, 'e'));
    EXPECT_TRUE(AcceptsNumberChar("1.5", 3, 'e'));
    EXPECT_FALSE(AcceptsNumberChar("1e5", 3, 'E'));
    EXPECT_FALSE(AcceptsNumberChar("1E5", 1, 'e'));
}

TEST(NumberFilter, OnePointNeverAfterTheExponent) {
    EXPECT_FALSE(AcceptsNumberChar("1e5", 3, '.'));
    EXPECT_TRUE(AcceptsNumberChar("1e5", 1, '.'));
    EXPECT_FALSE(AcceptsNumberChar("1.5", 0, '.'));
    EXPECT_TRUE(AcceptsNumberChar("", 0, '.'));
}

TEST(NumberFilter, RefusesEverythingElse) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const bool digit = c >= '0' && c <= '9';
        if (digit || c == '-' || c == '.' || c == 'e' || c == 'E') {
            continue;
        }
        EXPECT_FALSE(AcceptsNumberChar("12", 1, c)) << b;
    }
    EXPECT_FALSE(AcceptsNumberChar("", 0, '+'));
    EXPECT_FALSE(AcceptsNumberChar("", 0, ' '));
    // A caret past the end is taken as the end.
    EXPECT_TRUE(AcceptsNumberChar("1", 99, 'e'));
}

TEST(NumberFilter, APasteMustLeaveAWholeNumberOrNothing) {
    for (const char* whole : {"", "2.5", "-2.5", ".5", "5.", "1e9", "-1.5E-3", "007"}) {
        EXPECT_TRUE(IsNumberText(whole)) << whole;
    }
    for (const char* part : {"-", ".", "-.", "1e", "1e-", ".e5", "e5", "2,5", "2.5.3", "+5", "1e+5",
                             " 5", "5 ", "forty inches", "12abc", "1e5e5", "--5"}) {
        EXPECT_FALSE(IsNumberText(part)) << part;
    }
}

} // namespace
