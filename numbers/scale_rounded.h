// Integer scaling with the rounding both the dialog-unit conversion and the report's font height
// take: the product in 64 bits, the quotient rounded half away from zero (12.5 pixels make 13).
#pragma once

#include <cstdlib>

constexpr int ScaleRounded(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(number) * numerator;
    long long quotient = product / denominator;
    const long long remainder = product % denominator;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(denominator))) {
        quotient += (product < 0) == (denominator < 0) ? 1 : -1;
    }
    return static_cast<int>(quotient);
}
