// Reading a box: any bytes, checked against the C library's own decimal reader.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The leading white space and the run of characters a decimal number can be made of. strtod on
// this gives the box's reading without its hexadecimal, "inf" and "nan" forms, which need letters
// other than e and E (or an x) that the cut leaves out.
std::string DecimalCharacters(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    while (i < text.size() && (IsDigit(text[i]) || text[i] == '.' || text[i] == 'e' ||
                               text[i] == 'E' || text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    return std::string(text.substr(0, i));
}

// A plain short decimal: digits, optionally a point and more digits, nothing else.
bool IsPlainDecimal(std::string_view text) {
    if (text.empty() || text.size() > 32) {
        return false;
    }
    std::size_t i = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    if (i == 0) {
        return false;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
        }
    }
    return i == text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ReadNumber(text);

    Check(!std::isnan(value), "ReadNumber gave NaN", [&] { return Quote(text); });

    // Without a digit ahead of the first exponent letter there is no mantissa to read.
    const std::size_t firstE = text.find_first_of("eE");
    if (text.substr(0, firstE).find_first_of("0123456789") == std::string_view::npos) {
        Check(value == 0.0, "a text with no digit before the exponent read as non-zero",
              [&] { return Quote(text) + " -> " + Describe(value); });
    }

    // glibc's strtod in the "C" locale: the standard reading rule, correctly rounded, with
    // overflow to an infinity and underflow to a denormal or zero, as the box reads.
    const std::string decimal = DecimalCharacters(text);
    const double expected = std::strtod(decimal.c_str(), nullptr);
    Check(SameDouble(value, expected), "ReadNumber disagrees with strtod", [&] {
        return Quote(text) + " -> " + Describe(value) + ", strtod " + Describe(expected);
    });

    if (IsPlainDecimal(text)) {
        double direct = 0.0;
        const auto res = std::from_chars(text.data(), text.data() + text.size(), direct);
        Check(res.ec == std::errc() && res.ptr == text.data() + text.size(),
              "from_chars refused a plain decimal", [&] { return Quote(text); });
        Check(SameDouble(value, direct), "ReadNumber disagrees with from_chars", [&] {
            return Quote(text) + " -> " + Describe(value) + ", from_chars " + Describe(direct);
        });
    }

    // A short run of digits is an integer that a double holds exactly.
    if (!text.empty() && text.size() <= 15 &&
        text.find_first_not_of("0123456789") == std::string_view::npos) {
        long long n = 0;
        for (char c : text) {
            n = n * 10 + (c - '0');
        }
        Check(value == static_cast<double>(n), "an integer read inexactly",
              [&] { return Quote(text); });
    }
    return 0;
}
