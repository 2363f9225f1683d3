#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// White space as the C library's isspace sees it in the "C" locale.
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Decimal exponent of the leading significant digit of a digit run with an optional point,
// shifted by an exponent; used only to tell overflow from underflow.
long long LeadingMagnitude(std::string_view mantissa, long long exponent) {
    long long intDigits = 0;
    long long leadingFractionZeros = 0;
    bool seenPoint = false;
    bool seenNonZero = false;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (!seenNonZero && c != '0') {
            seenNonZero = true;
        }
        if (!seenPoint) {
            if (seenNonZero) {
                ++intDigits;
            }
        } else if (!seenNonZero) {
            ++leadingFractionZeros;
        } else {
            break;
        }
    }
    long long magnitude = intDigits > 0 ? intDigits - 1 : -(leadingFractionZeros + 1);
    return magnitude + exponent;
}

__extension__ typedef unsigned __int128 Wide;

constexpr auto kPowersOfTen = [] {
    std::array<Wide, 23> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) {
        p[i] = p[i - 1] * 10;
    }
    return p;
}();

// The seventeen significant digits of a positive value, correctly rounded (ties to even, as
// to_chars rounds), and the decimal exponent of the first. Exact integer arithmetic for the
// values boxes hold, from 1e-6 up to 2^53; false for any other value, which to_chars then writes.
// to_chars with a precision is several times slower, and every shown figure and every rounding
// in a solver comes through here.
bool SeventeenDigits(double value, char (&digits)[18], int& exponent) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0 || biased == 0x7FF || value < 1e-6) {
        return false;
    }
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    const int shift = 1075 - biased; // value = mantissa / 2^shift
    if (shift <= 0 || shift > 127) {
        return false;
    }
    constexpr std::uint64_t kLow = 10'000'000'000'000'000ULL; // 10^16
    // 78913 / 2^18 is log10(2) from below: the estimate is the exponent or one under it.
    int e = ((biased - 1023) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 16 - e; // the digits are value * 10^k, rounded
        if (k < 0 || k > 22) {
            return false;
        }
        const Wide product = static_cast<Wide>(mantissa) * kPowersOfTen[k];
        Wide n = product >> shift;
        const Wide rest = product - (n << shift);
        const Wide half = Wide{1} << (shift - 1);
        if (rest > half || (rest == half && (n & 1) != 0)) {
            ++n;
        }
        if (n < kLow) {
            --e;
        } else if (n >= Wide{kLow} * 10) {
            ++e;
        } else {
            std::uint64_t d = static_cast<std::uint64_t>(n);
            for (int i = 16; i >= 0; --i) {
                digits[i] = static_cast<char>('0' + d % 10);
                d /= 10;
            }
            exponent = e;
            return true;
        }
    }
    return false;
}

// Shows |value| (finite) in fixed point with the given decimals.
void AppendFixed(std::string& out, double value, int decimals) {
    const bool negative = std::signbit(value);
    value = std::fabs(value);

    // Seventeen significant digits of the value, then the system's own rounding on those digits.
    char digits[18];
    int digitCount = 17;
    int exponent = 0;
    if (!SeventeenDigits(value, digits, exponent)) {
        char buf[40];
        auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 16);
        std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
        const std::size_t ePos = sci.find('e');
        digitCount = 0;
        for (std::size_t i = 0; i < ePos; ++i) {
            if (IsDigit(sci[i])) {
                digits[digitCount++] = sci[i];
            }
        }
        std::string_view e = sci.substr(ePos + 1);
        if (!e.empty() && e.front() == '+') {
            e.remove_prefix(1);
        }
        std::from_chars(e.data(), e.data() + e.size(), exponent);
    }

    // digits[k] has the place value 10^(exponent - k); keep those down to 10^-decimals.
    const long long keep = static_cast<long long>(exponent) + decimals + 1;
    if (keep < digitCount) {
        bool roundUp = keep >= 0 && digits[keep] >= '5';
        int kept = keep < 0 ? 0 : static_cast<int>(keep);
        digitCount = kept;
        if (roundUp) {
            int i = kept - 1;
            while (i >= 0 && digits[i] == '9') {
                digits[i] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[i];
            } else {
                // Carry out of the leading digit (or nothing kept at all): a new leading 1.
                std::copy_backward(digits, digits + kept, digits + kept + 1);
                digits[0] = '1';
                ++digitCount;
                ++exponent;
            }
        }
        if (digitCount == 0) {
            digits[0] = '0';
            digitCount = 1;
            exponent = 0;
        }
    }

    // Written in place at its final size: this runs for every figure shown and every rounding.
    auto digitAt = [&](long long k) { return k >= 0 && k < digitCount ? digits[k] : '0'; };
    const std::size_t intDigits = exponent < 0 ? 1 : static_cast<std::size_t>(exponent) + 1;
    const std::size_t start = out.size();
    out.resize(start + (negative ? 1 : 0) + intDigits +
               (decimals > 0 ? 1 + static_cast<std::size_t>(decimals) : 0));
    char* p = out.data() + start;
    if (negative) {
        *p++ = '-';
    }
    if (exponent < 0) {
        *p++ = '0';
    } else {
        for (long long k = 0; k <= exponent; ++k) {
            *p++ = digitAt(k);
        }
    }
    if (decimals > 0) {
        *p++ = '.';
        for (long long j = 1; j <= decimals; ++j) {
            *p++ = digitAt(static_cast<long long>(exponent) + j);
        }
    }
}

// One conversion as this system writes them: an optional zero flag and width, a precision for
// %f, and the conversion itself (%f, %d or %s).
struct ConversionSpec {
    bool zeroPad = false;
    int width = 0;
    int precision = -1;
    char conversion = 0;
};

// Formats bound the widths a format can ask for, so a bad format cannot exhaust memory.
constexpr int kMaxWidth = 1000;

int ReadSmallInt(std::string_view f, std::size_t& i) {
    int n = 0;
    while (i < f.size() && IsDigit(f[i])) {
        n = std::min(kMaxWidth, n * 10 + (f[i] - '0'));
        ++i;
    }
    return n;
}

double AsDouble(const FormatArg* arg) {
    if (arg == nullptr) {
        return 0.0;
    }
    if (const auto* d = std::get_if<double>(arg)) {
        return *d;
    }
    if (const auto* n = std::get_if<long long>(arg)) {
        return static_cast<double>(*n);
    }
    return ReadNumber(std::get<std::string_view>(*arg));
}

long long AsInteger(const FormatArg* arg) {
    if (arg == nullptr) {
        return 0;
    }
    if (const auto* n = std::get_if<long long>(arg)) {
        return *n;
    }
    const double d = AsDouble(arg);
    if (std::isnan(d)) {
        return 0;
    }
    // Truncates toward zero, saturating where the value does not fit.
    if (d >= 9.2233720368547758e18) {
        return std::numeric_limits<long long>::max();
    }
    if (d <= -9.2233720368547758e18) {
        return std::numeric_limits<long long>::min();
    }
    return static_cast<long long>(d);
}

// Pads on the left to the width: with zeros after the sign for a zero-padded number, else blanks.
void AppendPadded(std::string& out, const ConversionSpec& conv, std::string_view body,
                  bool numeric) {
    const std::size_t width = static_cast<std::size_t>(conv.width);
    if (body.size() >= width) {
        out.append(body);
        return;
    }
    const std::size_t pad = width - body.size();
    if (conv.zeroPad && numeric) {
        const std::size_t signLen = !body.empty() && body[0] == '-' ? 1 : 0;
        out.append(body.substr(0, signLen));
        out.append(pad, '0');
        out.append(body.substr(signLen));
    } else {
        out.append(pad, ' ');
        out.append(body);
    }
}

void AppendConversion(std::string& out, const ConversionSpec& conv, const FormatArg* arg) {
    std::string body;
    switch (conv.conversion) {
    case 'f': {
        const double v = AsDouble(arg);
        if (std::isnan(v)) {
            out.append("nan");
            return;
        }
        if (std::isinf(v)) {
            out.append(v < 0 ? "-inf" : "inf");
            return;
        }
        AppendFixed(body, v, conv.precision < 0 ? 6 : conv.precision);
        AppendPadded(out, conv, body, true);
        return;
    }
    case 'd': {
        char buf[24];
        auto res = std::to_chars(buf, buf + sizeof buf, AsInteger(arg));
        AppendPadded(out, conv, std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)),
                     true);
        return;
    }
    case 's': {
        std::string numberText;
        std::string_view text;
        if (arg != nullptr) {
            if (const auto* s = std::get_if<std::string_view>(arg)) {
                text = *s;
            } else {
                numberText = FormatNumber("%f", AsDouble(arg));
                text = numberText;
            }
        }
        AppendPadded(out, conv, text, false);
        return;
    }
    default:
        break;
    }
}

} // namespace

double ReadNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    const std::size_t mantissaEnd = i;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                // Saturates: any exponent this large is already far outside the double range.
                exponent =
                    std::min<long long>(1'000'000'000'000LL, exponent * 10 + (text[j] - '0'));
                ++j;
            }
            if (expNegative) {
                exponent = -exponent;
            }
            i = j;
        }
    }

    double value = 0.0;
    auto res =
        std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        const long long magnitude =
            LeadingMagnitude(text.substr(start, mantissaEnd - start), exponent);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (res.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    out.reserve(format.size() + 16);
    const FormatArg* next = args.begin();
    auto take = [&]() -> const FormatArg* { return next != args.end() ? next++ : nullptr; };

    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%') {
            out.push_back(c);
            ++i;
            continue;
        }
        const std::size_t specStart = i++;
        if (i < format.size() && format[i] == '%') {
            out.push_back('%');
            ++i;
            continue;
        }
        ConversionSpec conv;
        if (i < format.size() && format[i] == '0') {
            conv.zeroPad = true;
            ++i;
        }
        conv.width = ReadSmallInt(format, i);
        if (i < format.size() && format[i] == '.') {
            ++i;
            conv.precision = ReadSmallInt(format, i);
        }
        if (i >= format.size()) {
            out.append(format.substr(specStart));
            break;
        }
        conv.conversion = format[i++];
        switch (conv.conversion) {
        case 'f':
        case 'd':
        case 's':
            AppendConversion(out, conv, take());
            break;
        default:
            // Not a conversion this system uses: keep the text as it stands.
            out.append(format.substr(specStart, i - specStart));
            break;
        }
    }
    return out;
}

std::string FormatNumber(std::string_view format, double value) {
    return FormatText(format, {FormatArg{value}});
}

double RoundTo(double value, int decimals) {
    // The text "inf" does not read back as a number; a non-finite value stays what it is so that a
    // division by zero in a solver shows as such instead of turning into a plausible 0.
    if (!std::isfinite(value)) {
        return value;
    }
    // The value as "%4.<N>f" shows it, read back: the width adds only blanks, which reading skips.
    std::string shown;
    AppendFixed(shown, value, std::clamp(decimals, 0, kMaxWidth));
    return ReadNumber(shown);
}
