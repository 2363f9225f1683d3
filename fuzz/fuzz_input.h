// Shared by the fuzz targets: turning the fuzzer's bytes into values, and failing loudly.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

// Stops the run so that libFuzzer keeps the input as a crash artifact.
[[noreturn]] inline void Fail(std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "fuzz check failed: %.*s%s%.*s\n", static_cast<int>(what.size()),
                 what.data(), detail.empty() ? "" : ": ", static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// The detail is a callable so that the failure text is only built when a check fails.
template <typename Detail> void Check(bool ok, std::string_view what, const Detail& detail) {
    if (!ok) {
        Fail(what, detail());
    }
}

inline void Check(bool ok, std::string_view what) {
    if (!ok) {
        Fail(what);
    }
}

// A double spelled out exactly, for failure messages.
inline std::string Describe(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (%a)", v, v);
    return buf;
}

inline std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out.append(buf);
        }
    }
    return out + "\"";
}

// Same value, same sign of zero; any NaN equals any NaN.
inline bool SameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    return a == b && std::signbit(a) == std::signbit(b);
}

// Reads values off the fuzzer's bytes; once they run out, every value is 0.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ >= size_; }

    std::uint8_t TakeByte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // A value in [lo, hi], from two bytes.
    int TakeInt(int lo, int hi) {
        const unsigned raw = (static_cast<unsigned>(TakeByte()) << 8) | TakeByte();
        return lo + static_cast<int>(raw % static_cast<unsigned>(hi - lo + 1));
    }

    // Raw bit patterns alone would almost never hit the values that matter (zeros, halves of a
    // shown digit, the limits), so a leading byte picks a special value, a short fraction or raw
    // bits.
    double TakeDouble() {
        const std::uint8_t kind = TakeByte();
        if (kind < 0x40) {
            static constexpr double kSpecial[] = {
                0.0,
                -0.0,
                std::numeric_limits<double>::infinity(),
                -std::numeric_limits<double>::infinity(),
                std::numeric_limits<double>::quiet_NaN(),
                -std::numeric_limits<double>::quiet_NaN(),
                std::numeric_limits<double>::denorm_min(),
                -std::numeric_limits<double>::denorm_min(),
                std::numeric_limits<double>::min(),
                std::numeric_limits<double>::max(),
                -std::numeric_limits<double>::max(),
                std::numeric_limits<double>::epsilon(),
                1.0,
                -1.0,
                0.5,
                25.4,
                0.0625,
                0.03125,
                0.9995,
                9.9996,
                1e20,
                9007199254740993.0,
                0.00005,
                0.00004999,
                1e-300,
                1e300,
            };
            return kSpecial[kind % (sizeof kSpecial / sizeof kSpecial[0])];
        }
        if (kind < 0x80) {
            static constexpr double kDivisor[] = {1, 2, 4, 8, 16, 32, 64, 10, 100, 1000, 10000, 3};
            const int whole = TakeInt(-32768, 32767);
            return whole / kDivisor[kind % (sizeof kDivisor / sizeof kDivisor[0])];
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
