// Shared by the fuzz targets: turning the fuzzer's bytes into values, and failing loudly.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

// Aborts so that libFuzzer keeps the input. The details are callables, so that their text is only
// built when the check fails.
template <typename... Detail> void Check(bool ok, std::string_view what, const Detail&... detail) {
    if (!ok) {
        const std::string text = (std::string() + ... + detail());
        std::fprintf(stderr, "fuzz check failed: %.*s%s%s\n", static_cast<int>(what.size()),
                     what.data(), text.empty() ? "" : ": ", text.c_str());
        std::abort();
    }
}

// Doubles spelled out exactly, for failure messages.
inline std::string Describe(std::initializer_list<double> values) {
    std::string out;
    for (double v : values) {
        char buf[80];
        std::snprintf(buf, sizeof buf, "%s%.17g (%a)", out.empty() ? "" : ", ", v, v);
        out += buf;
    }
    return out;
}

inline std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        char buf[8];
        const bool plain = c >= 0x20 && c < 0x7f && c != '"' && c != '\\';
        std::snprintf(buf, sizeof buf, plain ? "%c" : "\\x%02x", c);
        out += buf;
    }
    return out + "\"";
}

// Same value, same sign of zero; any NaN equals any NaN.
inline bool SameDouble(double a, double b) {
    return std::isnan(a) || std::isnan(b) ? std::isnan(a) && std::isnan(b)
                                          : a == b && std::signbit(a) == std::signbit(b);
}

// Whether v has n decimals: printf's exact rounding to them reads back as v. (RoundTo need not
// give v again: the rule's 17-digit step can move a 16-digit text by one unit.)
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
        } while (!in.Empty());
        return 0;
    }

    bool Empty() const { return pos_ >= size_; }

    std::uint8_t TakeByte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // A value in [lo, hi], from two bytes.
    int TakeInt(int lo, int hi) {
        const unsigned raw = (static_cast<unsigned>(TakeByte()) << 8) | TakeByte();
        return lo + static_cast<int>(raw % static_cast<unsigned>(hi - lo + 1));
    }

    // Raw bit patterns alone would almost never hit the values that matter (zeros, halves of a
    // shown digit, the limits), so a leading byte picks a special value, a short fraction or raw
    // bits. The seeds rely on the order of both tables.
    double TakeDouble() {
        using L = std::numeric_limits<double>;
        constexpr double inf = L::infinity(), nan = L::quiet_NaN(), tiny = L::denorm_min();
        constexpr double lo = L::min(), hi = L::max(), eps = L::epsilon();
        constexpr double past53 = 9007199254740993.0; // 2^53 + 1, halfway between two doubles
        static constexpr double kSpecial[] = {
            0.0,    -0.0,   inf,  -inf,   nan,     -nan,       tiny,   -tiny,  lo,
            hi,     -hi,    eps,  1.0,    -1.0,    0.5,        25.4,   0.0625, 0.03125,
            0.9995, 9.9996, 1e20, past53, 0.00005, 0.00004999, 1e-300, 1e300};
        static constexpr double kDivisor[] = {1, 2, 4, 8, 16, 32, 64, 10, 100, 1000, 10000, 3};
        const std::uint8_t kind = TakeByte();
        if (kind < 0x40) {
            return kSpecial[kind % std::size(kSpecial)];
        }
        if (kind < 0x80) {
            return TakeInt(-32768, 32767) / kDivisor[kind % std::size(kDivisor)];
        }
        std::uint8_t bytes[8] = {};
        for (std::uint8_t& b : bytes) {
            b = TakeByte();
        }
        double v = 0.0;
        std::memcpy(&v, bytes, sizeof v);
        return v;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
