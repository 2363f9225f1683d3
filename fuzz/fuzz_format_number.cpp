// Showing a number: any double through every format a box, a solver or a report uses.

#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"

namespace {

// "%4.6f" is what RoundTo builds for six decimals; "%f" shows six too.
constexpr const char* kFixedFormats[] = {"%4.2f", "%4.3f", "%4.4f", "%4.6f", "%f"};

// The showing rule worked from the C library's own 17 significant digits, cut to the shown decimals
// in integer arithmetic with a dropped half rounding up. `allDigits`: nothing was dropped.
std::string ExpectedFixed(double value, int decimals, bool& allDigits) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    }
    char sci[64]; // d.dddddddddddddddde±x
    std::snprintf(sci, sizeof sci, "%.16e", std::fabs(value));
    const unsigned long long mantissa = std::stoull(sci[0] + std::string(sci + 2, 16));
    const long shift = std::strtol(sci + 19, nullptr, 10) - 16 + decimals;
    allDigits = mantissa == 0 || shift >= 0;
    std::string scaled = "0";
    if (mantissa != 0 && shift >= 0) {
        scaled = std::to_string(mantissa) + std::string(static_cast<std::size_t>(shift), '0');
    } else if (mantissa != 0 && shift >= -18) {
        const auto power = std::stoull("1" + std::string(static_cast<std::size_t>(-shift), '0'));
        scaled = std::to_string(mantissa / power + ((mantissa % power) * 2 >= power ? 1 : 0));
    }
    const auto width = static_cast<std::size_t>(decimals) + 1;
    scaled.insert(0, width - std::min(width, scaled.size()), '0');
    scaled.insert(scaled.size() - static_cast<std::size_t>(decimals), ".");
    return (std::signbit(value) ? "-" : "") + scaled;
}

void CheckFixed(const char* format, double value) {
    const int decimals = format[1] == '4' ? format[3] - '0' : 6;
    const std::string shown = FormatNumber(format, value);
    auto where = [&] { return Show(format, value, shown); };
    bool allDigits = false;
    const std::string expected = ExpectedFixed(value, decimals, allDigits);
    Check(shown == expected, "not nan, inf, -inf or the rounding worked from printf's digits",
          where, [&] { return ", expected " + Show(expected); });
    if (!std::isfinite(value)) {
        return;
    }

    const double back = ReadNumber(shown);
    auto reread = [&] { return where() + " -> " + Show(back); };
    // Seventeen significant digits identify a double.
    Check(!allDigits || SameDouble(back, value),
          "a text with every digit does not read back exactly", reread);
    Check(RoundedTo(back, decimals),
          "what the text reads back as is not a number with the format's decimals", reread);

    // Showing what was read back gives the same text, but the rule's 17-digit step can move a
    // 16-digit text by one unit at 3 and 6 decimals, where a double's spacing is just under it.
    const std::string again = FormatNumber(format, back);
    const std::size_t first = std::min(shown.find_first_of("123456789"), shown.size());
    const std::size_t significant = shown.size() - first - (shown.find('.', first) != shown.npos);
    const bool oneUnit = significant == 16 && (decimals == 3 || decimals == 6);
    Check(oneUnit ? std::fabs(ReadNumber(again) - back) <= std::pow(10.0, -decimals) * 1.001
                  : again == shown,
          "showing what was read back changes the text (by more than one unit)", reread,
          [&] { return " -> " + Show(again); });

    Check(format[1] != '4' || SameDouble(RoundTo(value, decimals), back),
          "RoundTo differs from reading back the shown text", where);
}

// Truncation toward zero, saturating at the ends of long long; NaN has no integer and shows 0.
void CheckInteger(double value) {
    using Limits = std::numeric_limits<long long>;
    const long long expected = std::isnan(value) ? 0
                               : value >= 0x1p63 ? Limits::max()
                               : value < -0x1p63 ? Limits::min()
                                                 : static_cast<long long>(std::trunc(value));
    const std::string shown = FormatNumber("%d", value);
    Check(shown == std::to_string(expected), "%d shows the wrong integer",
          [&] { return Show(value, shown); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzInput::Cases(data, size, [](FuzzInput& in) {
        const double inches = in.TakeDouble(), mm = in.TakeDouble();
        for (const double value : {inches, mm}) {
            for (const char* format : kFixedFormats) {
                CheckFixed(format, value);
            }
            CheckInteger(value);
        }
        // The report's pair line: two conversions and the literal text between them.
        const std::string pair = FormatText("%4.4f inches / %4.4f millimeters", {inches, mm});
        Check(pair == FormatNumber("%4.4f", inches) + " inches / " + FormatNumber("%4.4f", mm) +
                          " millimeters",
              "the pair line differs from its two numbers", [&] { return Show(pair); });
    });
}
