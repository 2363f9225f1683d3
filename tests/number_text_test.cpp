#include "numbers/number_text.h"
#include "numbers/unit_factors.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
using Read = std::pair<std::string, double>;

// One row a case: the text read and the double it must give, to the bit.
void ExpectReads(std::span<const Read> rows) {
    for (const auto& [text, value] : rows) {
        const double got = ReadNumber(text);
        EXPECT_TRUE(got == value && std::signbit(got) == std::signbit(value))
            << '"' << text << "\" reads as " << got << ", not " << value;
    }
}

// The format, the value and the text it must give.
using FormatRow = std::tuple<const char*, double, const char*>;

void ExpectFormats(std::span<const FormatRow> rows) {
    for (const auto& [format, value, text] : rows) {
        EXPECT_EQ(FormatNumber(format, value), text) << format << " of " << value;
    }
}

TEST(ReadNumber, ReadsTheLongestDecimalPrefix) {
    const Read rows[] = {{"", 0.0},      {"-", 0.0},        {".", 0.0},      {"abc", 0.0},
                         {"e5", 0.0},    {" 3.5", 3.5},     {"\t\n 7", 7.0}, {"12abc", 12.0},
                         {"1e2", 100.0}, {"-.5", -0.5},     {"+5", 5.0},     {"  +5", 5.0},
                         {"5.", 5.0},    {"5e", 5.0},       {"5e+", 5.0},    {"1e-", 1.0},
                         {".e1", 0.0},   {"2.5E-1x", 0.25}, {"1.2.3", 1.2},  {"- 5", 0.0}};
    ExpectReads(rows);
}

TEST(ReadNumber, IsDecimalOnly) {
    const Read rows[] = {{"0x1p3", 0.0},     {"0x10", 0.0}, {"inf", 0.0},
                         {"-infinity", 0.0}, {"nan", 0.0},  {"1,5", 1.0}};
    ExpectReads(rows);
}

TEST(ReadNumber, KeepsTheSignOfZero) {
    const Read rows[] = {{"-0", -0.0}, {"0", 0.0}};
    ExpectReads(rows);
}

TEST(ReadNumber, OutOfRangeGoesToInfinityOrZero) {
    // A long run of digits is one number, however long.
    const Read rows[] = {{"1e999999", kInf},
                         {"-1e400", -kInf},
                         {"1e-999999", 0.0},
                         {"1e99999999999999999999999999", kInf},
                         {"0.000001e-99999999999999999999", 0.0},
                         {"0e99999999", 0.0},
                         {"4.9e-324", std::numeric_limits<double>::denorm_min()},
                         {"1.7976931348623157e308", std::numeric_limits<double>::max()},
                         {std::string(400, '9'), kInf},
                         {"0." + std::string(400, '0') + "1e400", 0.1}};
    ExpectReads(rows);
}

TEST(ReadNumber, SurvivesHostileText) {
    const Read rows[] = {{std::string(1 << 20, '7'), kInf},
                         {"0." + std::string(1 << 20, '0') + "5", 0.0},
                         {"1e" + std::string(1 << 20, '9'), kInf}};
    ExpectReads(rows);
    for (int b = 0; b < 256; ++b) {
        const double v = ReadNumber(std::string(1, static_cast<char>(b)));
        EXPECT_TRUE(v == (b >= '0' && b <= '9' ? b - '0' : 0)) << b;
    }
}

TEST(FormatNumber, ShowsFixedDecimalsWithHalvesAwayFromZero) {
    // 0.9995 is 0.99950000000000006.
    const FormatRow rows[] = {
        {"%4.2f", 0.0, "0.00"},       {"%4.3f", 0.0, "0.000"},         {"%4.4f", 0.0, "0.0000"},
        {"%4.2f", 1234.5, "1234.50"}, {"%4.3f", 1.0625, "1.063"},      {"%4.2f", 0.125, "0.13"},
        {"%4.4f", 0.03125, "0.0313"}, {"%4.3f", -2.5, "-2.500"},       {"%4.3f", -1.0625, "-1.063"},
        {"%4.3f", 0.9995, "1.000"},   {"%4.3f", 9.9996, "10.000"},     {"%f", 3.0, "3.000000"},
        {"%4.4f", 0.00005, "0.0001"}, {"%4.4f", 0.00004999, "0.0000"}, {"%4.2f", 0.004, "0.00"},
        {"%4.2f", 0.005, "0.01"},     {"%4.0f", 2.5, "   3"},          {"%4.3f", -0.0, "-0.000"}};
    ExpectFormats(rows);
    const FormatRow shown[] = {{"%4.3f", 595.5936073208331, "595.594"},
                               {"%4.3f", 181.53705120000004, "181.537"},
                               {"%4.4f", 0.07874015748031496, "0.0787"}};
    ExpectFormats(shown);
}

TEST(FormatNumber, ShowsOnlySeventeenSignificantDigits) {
    // An exact tie at the seventeenth digit goes to the even digit, as to_chars rounds; then
    // either side of 1e-6 and of 2^53, where the integer digits give way to to_chars.
    const FormatRow rows[] = {{"%4.2f", 1e20, "100000000000000000000.00"},
                              {"%4.3f", 123456789012345678901.0, "123456789012345680000.000"},
                              {"%4.2f", 0.1, "0.10"},
                              {"%4.20f", 0.1, "0.10000000000000001000"},
                              {"%4.1f", 1125899906842625.25, "1125899906842625.2"},
                              {"%4.1f", 1125899906842625.75, "1125899906842625.8"},
                              {"%4.20f", 0.0000009999999999999999, "0.00000100000000000000"},
                              {"%4.20f", 0.000001, "0.00000100000000000000"},
                              {"%4.1f", 9007199254740991.0, "9007199254740991.0"},
                              {"%4.1f", 9007199254740993.0, "9007199254740992.0"},
                              {"%4.4f", std::numeric_limits<double>::denorm_min(), "0.0000"}};
    ExpectFormats(rows);
    const std::string max = FormatNumber("%4.4f", std::numeric_limits<double>::max());
    EXPECT_EQ(max.size(), 309u + 5u);
    EXPECT_EQ(max.substr(0, 22), "1797693134862315700000");
}

TEST(FormatNumber, ShowsNonFiniteValuesAsText) {
    const FormatRow rows[] = {{"%4.2f", kInf, "inf"},
                              {"%4.4f", -kInf, "-inf"},
                              {"%4.3f", std::nan(""), "nan"},
                              {"%4.3f", -std::nan(""), "nan"}};
    ExpectFormats(rows);
}

TEST(FormatNumber, KeepsTextAroundTheConversion) {
    const FormatRow rows[] = {
        {"x%4.2fy", 1.0, "x1.00y"}, {"%4.4f ", 1.0, "1.0000 "}, {"100%%: %4.1f", 1.0, "100%:  1.0"},
        {"%d", 2.9, "2"},           {"%d", -2.9, "-2"},         {"%", 1.0, "%"},
        {"%q", 1.0, "%q"}};
    ExpectFormats(rows);
}

TEST(FormatText, FormatsSeveralConversions) {
    EXPECT_EQ(FormatText("%4.4f inches / %4.4f millimeters", {40.0, 1016.0}),
              "40.0000 inches / 1016.0000 millimeters");
    EXPECT_EQ(FormatText("%f inches / %f millimeters", {3.0, 76.2}),
              "3.000000 inches / 76.200000 millimeters");
    EXPECT_EQ(
        FormatText("%s inches / %s mm", {std::string_view("2.5000"), std::string_view("63.5000")}),
        "2.5000 inches / 63.5000 mm");
    EXPECT_EQ(FormatText("Page %d of %d", {2LL, 3LL}), "Page 2 of 3");
    EXPECT_EQ(FormatText("Page %d of %d", {1LL}), "Page 1 of 0");
    EXPECT_EQ(FormatText("%5d|%05d|%02d", {42LL, -42LL, 7LL}), "   42|-0042|07");
}

TEST(RoundTo, RoundsThroughTheShownText) {
    // 0.0000005 is 4.9999999999999998e-07 at 17 digits.
    const std::tuple<double, int, double> rows[] = {{0.0625, 3, 0.063},       {2.00049, 3, 2.0},
                                                    {0.0000004, 6, 0.0},      {0.0000005, 6, 0.0},
                                                    {0.0000015, 6, 0.000002}, {-0.0625, 3, -0.063},
                                                    {2487.87852, 3, 2487.879}};
    for (const auto& [value, decimals, rounded] : rows) {
        EXPECT_EQ(RoundTo(value, decimals), rounded) << value << " to " << decimals;
    }
    EXPECT_TRUE(std::isinf(RoundTo(kInf, 4)));
    EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), 4)));
}

TEST(Factors, AreTheNearestDoublesToTheirReciprocals) {
    static_assert(kInchesPerMm == 1.0 / 25.4);
    static_assert(kFeetPerMeter == 1.0 / 0.3048);
    static_assert(kFeetPerInch == 1.0 / 12.0);
    static_assert(kLbFt3PerKgM3 == 1.0 / 16.01846);
    static_assert(kLbIn3PerGCm3 == 1.0 / 27.6799);
    static_assert(kSpecificGravityPerLbIn3 == 1.0 / 0.0361);
    static_assert(kCubicFeetPerCubicInch == 1.0 / 1728.0);
    static_assert(kPoundsPerKg != 1.0 / kKgPerPound);
    EXPECT_EQ(50.8 * kInchesPerMm, 1.9999999999999998);
    EXPECT_EQ(FormatNumber("%4.2f", 1000 * kKgPerPound), "453.60");
    EXPECT_EQ(FormatNumber("%4.2f", ReadNumber("453.60") * kPoundsPerKg), "1000.01");
}

// Runs only under the comma-decimal locale set up by run_in_comma_locale.sh.
TEST(CommaLocale, ReadingAndShowingIgnoreTheLocale) {
    if (std::getenv("ROLLCALC_EXPECT_COMMA_LOCALE") == nullptr) {
        GTEST_SKIP() << "run through run_in_comma_locale.sh";
    }
    ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(ReadNumber("1.5"), 1.5);
    EXPECT_EQ(ReadNumber("1,5"), 1.0);
    EXPECT_EQ(FormatNumber("%4.3f", 1.0625), "1.063");
    EXPECT_EQ(FormatText("%4.4f inches / %4.4f millimeters", {0.5, 12.7}),
              "0.5000 inches / 12.7000 millimeters");
    EXPECT_EQ(RoundTo(2487.87852, 3), 2487.879);
}

} // namespace
