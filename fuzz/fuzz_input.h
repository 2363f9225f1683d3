// Shared by the fuzz targets, with the standard headers they use: bytes to values, loud failures.
#pragma once

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

// Aborts so that libFuzzer keeps the input; the details are callables, built only on a failure.
template <typename... Detail> void Check(bool ok, const char* what, const Detail&... detail) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s: %s\n", what,
                     (std::string() + ... + detail()).c_str());
        std::abort();
    }
}

// Values for failure messages: numbers to 17 digits, texts quoted with odd bytes escaped.
template <typename... Values> std::string Show(const Values&... values) {
    std::string out;
    auto one = [&out](const auto& value) {
        char buf[40];
        out += out.empty() ? "" : ", ";
        if constexpr (std::is_convertible_v<decltype(value), std::string_view>) {
            out += '"';
            for (unsigned char c : std::string_view(value)) {
                const bool plain = c >= 0x20 && c < 0x7f && c != '"' && c != '\\';
                std::snprintf(buf, sizeof buf, plain ? "%c" : "\\x%02x", c);
                out += buf;
            }
            out += '"';
        } else {
            std::snprintf(buf, sizeof buf, "%.17g", static_cast<double>(value));
            out += buf;
        }
    };
    (one(values), ...);
    return out;
}

// Same value, same sign of zero; any NaN equals any NaN.
inline bool SameDouble(double a, double b) {
    return std::isnan(a) || std::isnan(b) ? std::isnan(a) && std::isnan(b)
                                          : a == b && std::signbit(a) == std::signbit(b);
}

// Whether v has n decimals: printf's exact rounding to them reads back as v (RoundTo may not).
inline bool RoundedTo(double v, int decimals) {
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return SameDouble(std::strtod(text, nullptr), v);
}

// Reads values off the fuzzer's bytes; once they run out, every value is 0.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // Runs one case at least once, and again while bytes are left.
    template <typename Case>
    static int Cases(const std::uint8_t* data, std::size_t size, Case one) {
        FuzzInput in(data, size);
        do {
            one(in);
        } while (in.pos_ < in.size_);
        return 0;
    }

    std::uint8_t TakeByte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // A value in [lo, hi], from two bytes.
    int TakeInt(int lo, int hi) {
        const unsigned raw = (static_cast<unsigned>(TakeByte()) << 8) | TakeByte();
        return lo + static_cast<int>(raw % static_cast<unsigned>(hi - lo + 1));
    }

    // Raw bits would seldom hit the values that matter (zeros, halves of a shown digit, limits): a
    // leading byte picks one of them, a short fraction or raw bits. Seeds rely on both tables.
    double TakeDouble() {
        constexpr double past53 = 9007199254740993.0; // 2^53 + 1, halfway between two doubles
        static constexpr double kSpecial[] = {
            0.0,           -0.0,    HUGE_VAL,   -HUGE_VAL, NAN,         -NAN,   DBL_TRUE_MIN,
            -DBL_TRUE_MIN, DBL_MIN, DBL_MAX,    -DBL_MAX,  DBL_EPSILON, 1.0,    -1.0,
            0.5,           25.4,    0.0625,     0.03125,   0.9995,      9.9996, 1e20,
            past53,        0.00005, 0.00004999, 1e-300,    1e300};
        static constexpr double kDivisor[] = {1, 2, 4, 8, 16, 32, 64, 10, 100, 1000, 10000, 3};
        const std::uint8_t kind = TakeByte();
        if (kind < 0x40) {
            return kSpecial[kind % std::size(kSpecial)];
        }
        if (kind < 0x80) {
            return TakeInt(-32768, 32767) / kDivisor[kind % std::size(kDivisor)];
        }
        std::uint64_t bits = 0;
        for (int shift = 0; shift < 64; shift += 8) {
            bits |= std::uint64_t{TakeByte()} << shift; // little-endian, as the seeds are written
        }
        return std::bit_cast<double>(bits);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
