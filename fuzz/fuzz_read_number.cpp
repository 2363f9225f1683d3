// Reading a box: any bytes, checked against the C library's own decimal reader.
#include <charconv>

#include "fuzz/fuzz_input.h"
#include "numbers/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ReadNumber(text);
    auto read = [&] { return Show(text, value); };
    constexpr std::string_view kDigits = "0123456789";

    Check(!std::isnan(value), "ReadNumber gave NaN", read);

    // glibc's strtod reads as the box does (correctly rounded, overflow to an infinity) once it is
    // kept off the hexadecimal, "inf" and "nan" forms the box does not read.
    const std::size_t start = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    const std::string decimal(text.substr(0, text.find_first_not_of("0123456789.eE+-", start)));
    const double expected = std::strtod(decimal.c_str(), nullptr);
    Check(SameDouble(value, expected), "ReadNumber disagrees with strtod", read,
          [&] { return ", strtod " + Show(expected); });

    // A plain short decimal (digits, at most one point) reads as from_chars reads it; a short one
    // without a point is an integer that a double holds exactly.
    const char* end = text.data() + text.size();
    if (!text.empty() && text.size() <= 32 && kDigits.find(text[0]) != text.npos &&
        text.find_first_not_of("0123456789.") == text.npos && text.find('.') == text.rfind('.')) {
        double direct = 0.0;
        const auto res = std::from_chars(text.data(), end, direct);
        Check(res.ec == std::errc() && res.ptr == end && SameDouble(value, direct),
              "ReadNumber disagrees with from_chars on a plain decimal", read,
              [&] { return ", from_chars " + Show(direct); });
        long long n = 0;
        if (text.size() <= 15 && std::from_chars(text.data(), end, n).ptr == end) {
            Check(value == static_cast<double>(n), "an integer read inexactly", read);
        }
    }
    return 0;
}
