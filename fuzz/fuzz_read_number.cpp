// Reading a box: any bytes, checked against the C library's own decimal reader.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ReadNumber(text);
    auto read = [&] { return Quote(text) + " -> " + Describe({value}); };
    constexpr std::string_view kDigits = "0123456789";

    Check(!std::isnan(value), "ReadNumber gave NaN", read);
    // Without a digit ahead of the first exponent letter there is no mantissa to read.
    Check(text.substr(0, text.find_first_of("eE")).find_first_of(kDigits) != text.npos ||
              value == 0.0,
          "a text with no digit before the exponent read as non-zero", read);

    // glibc's strtod in the "C" locale: the standard reading rule, correctly rounded, with
    // overflow to an infinity and underflow to a denormal or zero, as the box reads. It is given
    // the leading white space and the run of characters a decimal number can be made of, which
    // leaves out the hexadecimal, "inf" and "nan" forms the box does not read.
    const std::size_t start = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    const std::string decimal(text.substr(0, text.find_first_not_of("0123456789.eE+-", start)));
    const double expected = std::strtod(decimal.c_str(), nullptr);
    Check(SameDouble(value, expected), "ReadNumber disagrees with strtod", read,
          [&] { return ", strtod " + Describe({expected}); });

    // A plain short decimal: digits, optionally a point and more digits, nothing else.
    if (!text.empty() && text.size() <= 32 && kDigits.find(text[0]) != text.npos &&
        text.find_first_not_of("0123456789.") == text.npos && text.find('.') == text.rfind('.')) {
        double direct = 0.0;
        const auto res = std::from_chars(text.data(), text.data() + text.size(), direct);
        Check(res.ec == std::errc() && res.ptr == text.data() + text.size() &&
                  SameDouble(value, direct),
              "ReadNumber disagrees with from_chars on a plain decimal", read,
              [&] { return ", from_chars " + Describe({direct}); });
    }

    // A short run of digits is an integer that a double holds exactly.
    if (!text.empty() && text.size() <= 15 && text.find_first_not_of(kDigits) == text.npos) {
        long long n = 0;
        std::from_chars(text.data(), text.data() + text.size(), n);
        Check(value == static_cast<double>(n), "an integer read inexactly", read);
    }
    return 0;
}
