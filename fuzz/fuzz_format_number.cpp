// Showing a number: any double through every format a box, a solver or a report uses.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"

namespace {

struct FixedFormat {
    const char* format;
    int decimals;
};

// "%4.6f" is what RoundTo builds for six decimals.
constexpr FixedFormat kFixedFormats[] = {
    {"%4.2f", 2}, {"%4.3f", 3}, {"%4.4f", 4}, {"%4.6f", 6}, {"%f", 6},
};

// The showing rule worked from the C library's own 17 significant digits: the digits times a power
// of ten, cut to the shown decimals in integer arithmetic with a dropped half rounding up.
// `allDigits` tells whether all 17 digits were shown, nothing dropped.
std::string ExpectedFixed(double value, int decimals, bool& allDigits) {
    char sci[64];
    std::snprintf(sci, sizeof sci, "%.16e", std::fabs(value));
    unsigned long long mantissa = 0;
    const char* p = sci;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        }
    }
    const long exponent = std::strtol(p + 1, nullptr, 10);
    // mantissa has 17 digits, so the value is mantissa * 10^(exponent - 16).
    const long shift = exponent - 16 + decimals;
    allDigits = mantissa == 0 || shift >= 0;
    std::string scaled;
    if (mantissa == 0) {
        scaled = "0";
    } else if (shift >= 0) {
        scaled = std::to_string(mantissa) + std::string(static_cast<std::size_t>(shift), '0');
    } else if (shift < -18) {
        scaled = "0";
    } else {
        unsigned long long power = 1;
        for (long k = 0; k < -shift; ++k) {
            power *= 10;
        }
        unsigned long long kept = mantissa / power;
        if ((mantissa % power) * 2 >= power) {
            ++kept;
        }
        scaled = std::to_string(kept);
    }
    if (scaled.size() < static_cast<std::size_t>(decimals) + 1) {
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
    }
    if (decimals > 0) {
        scaled.insert(scaled.size() - static_cast<std::size_t>(decimals), ".");
    }
    return (std::signbit(value) ? "-" : "") + scaled;
}

// Digits, one point, exactly `decimals` digits after it, no needless leading zero.
bool IsFixedText(std::string_view text, int decimals) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 ||
        text.size() - point - 1 != static_cast<std::size_t>(decimals)) {
        return false;
    }
    if (point > 1 && text.front() == '0') {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != point && !(text[i] >= '0' && text[i] <= '9')) {
            return false;
        }
    }
    return true;
}

// Digits from the first non-zero one to the end, trailing zeros included.
int SignificantDigits(std::string_view text) {
    int count = 0;
    for (char c : text) {
        if ((c >= '1' && c <= '9') || (c == '0' && count > 0)) {
            ++count;
        }
    }
    return count;
}

void CheckFixed(const FixedFormat& f, double value) {
    const std::string shown = FormatNumber(f.format, value);
    auto where = [&] {
        return std::string(f.format) + " of " + Describe(value) + " -> " + Quote(shown);
    };
    if (std::isnan(value)) {
        Check(shown == "nan", "NaN not shown as nan", where);
        return;
    }
    if (std::isinf(value)) {
        Check(shown == (value < 0 ? "-inf" : "inf"), "an infinity not shown as inf", where);
        return;
    }
    Check(IsFixedText(shown, f.decimals), "not fixed-point text with the format's decimals", where);
    Check((shown.front() == '-') == std::signbit(value), "sign shown wrongly", where);
    bool allDigits = false;
    const std::string expected = ExpectedFixed(value, f.decimals, allDigits);
    Check(shown == expected, "disagrees with the rounding worked from printf's digits",
          [&] { return where() + ", expected " + Quote(expected); });

    const double back = ReadNumber(shown);
    auto reread = [&] { return where() + " -> " + Describe(back); };
    if (allDigits) {
        // Seventeen significant digits identify a double.
        Check(SameDouble(back, value), "a text with every digit does not read back exactly",
              reread);
    }
    // What the text reads back as has the format's decimals: rounding it exactly to them (the C
    // library's printf) and reading that gives it again.
    char exact[512];
    std::snprintf(exact, sizeof exact, "%.*f", f.decimals, back);
    Check(SameDouble(std::strtod(exact, nullptr), back),
          "what the text reads back as is not a number with the format's decimals", reread);

    // Showing what was read back gives the same text, except where the rule's second rounding (of
    // the 17-digit expansion) can move a 16-digit text by one unit: 3 and 6 decimals, where a
    // double's spacing there (2^-10, 2^-20) is just under the last shown unit.
    const std::string again = FormatNumber(f.format, back);
    auto changed = [&] { return reread() + " -> " + Quote(again); };
    if (SignificantDigits(shown) != 16 || f.decimals == 2 || f.decimals == 4) {
        Check(again == shown, "showing what was read back changes the text", changed);
    } else {
        const double step = std::fabs(ReadNumber(again) - back);
        Check(step <= std::pow(10.0, -f.decimals) * 1.001,
              "showing what was read back moves by more than one unit", changed);
    }

    if (f.format[1] == '4') {
        Check(SameDouble(RoundTo(value, f.decimals), back),
              "RoundTo differs from reading back the shown text", where);
    }
}

void CheckInteger(double value) {
    const std::string shown = FormatNumber("%d", value);
    // Truncation toward zero, saturating at the ends of long long; NaN has no integer and shows 0.
    long long expected = 0;
    if (std::isnan(value)) {
        expected = 0;
    } else if (value >= 9223372036854775808.0) {
        expected = std::numeric_limits<long long>::max();
    } else if (value < -9223372036854775808.0) {
        expected = std::numeric_limits<long long>::min();
    } else {
        expected = static_cast<long long>(std::trunc(value));
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld", expected);
    Check(shown == buf, "%d shows the wrong integer",
          [&] { return Describe(value) + " -> " + Quote(shown) + ", expected " + buf; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    do {
        const double inches = in.TakeDouble();
        const double mm = in.TakeDouble();
        for (const double value : {inches, mm}) {
            for (const FixedFormat& f : kFixedFormats) {
                CheckFixed(f, value);
            }
            CheckInteger(value);
        }
        // The report's pair line: two conversions and the literal text between them.
        const std::string pair = FormatText("%4.4f inches / %4.4f millimeters", {inches, mm});
        const std::string expected = FormatNumber("%4.4f", inches) + " inches / " +
                                     FormatNumber("%4.4f", mm) + " millimeters";
        Check(pair == expected, "the pair line differs from its two numbers",
              [&] { return Quote(pair) + ", expected " + Quote(expected); });
    } while (!in.Empty());
    return 0;
}
