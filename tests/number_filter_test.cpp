#include "numbers/number_filter.h"

#include <cstddef>
#include <span>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

namespace {

// The text, the caret position, the character and whether it is taken there.
using CharRow = std::tuple<const char*, std::size_t, char, bool>;

void ExpectAccepts(std::span<const CharRow> rows) {
    for (const auto& [text, at, c, taken] : rows) {
        EXPECT_EQ(AcceptsNumberChar(text, at, c), taken)
            << '\'' << c << "' at " << at << " in \"" << text << '"';
    }
}

TEST(NumberFilter, LetsADecimalNumberThrough) {
    // Typed one by one at the end of the text, as a user would.
    for (const auto& [keys, after] : {std::pair{"12.5", "12.5"}, std::pair{"12.5.3", "12.53"},
                                      std::pair{"1.5e-3", "1.5e-3"}, std::pair{"-1E5", "-1E5"}}) {
        std::string text;
        for (const char* k = keys; *k != '\0'; ++k) {
            if (AcceptsNumberChar(text, text.size(), *k)) {
                text.push_back(*k);
            }
        }
        EXPECT_EQ(text, after) << keys;
    }
}

TEST(NumberFilter, MinusOnlyAtTheStartOrAfterTheExponent) {
    const CharRow rows[] = {{"", 0, '-', true},    {"-12", 0, '-', false}, {"12", 0, '-', true},
                            {"12", 2, '-', false}, {"1e", 2, '-', true},   {"1E", 2, '-', true},
                            {"1e5", 3, '-', false}};
    ExpectAccepts(rows);
}

TEST(NumberFilter, OneExponentNeverFirst) {
    const CharRow rows[] = {{"", 0, 'e', false},    {"5", 0, 'e', false},  {"-", 1, 'e', false},
                            {"-5", 1, 'E', false},  {"-5", 2, 'e', true},  {"1.5", 3, 'e', true},
                            {"1e5", 3, 'E', false}, {"1E5", 1, 'e', false}};
    ExpectAccepts(rows);
}

TEST(NumberFilter, OnePointNeverAfterTheExponent) {
    const CharRow rows[] = {
        {"1e5", 3, '.', false}, {"1e5", 1, '.', true}, {"1.5", 0, '.', false}, {"", 0, '.', true}};
    ExpectAccepts(rows);
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
