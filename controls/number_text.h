// Number text: how a box's text becomes a number and a number becomes a box's text.
// Locale-free and identical on every platform; every window, solver and report goes through here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// Unit conversion factors. A reverse conversion multiplies by a stored reciprocal, never divides;
// where a pair is not reciprocal (pounds and kilograms) that is deliberate and users rely on it.
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kInchesPerMm = 0.03937007874015748; // nearest double to 1/25.4
inline constexpr double kMetersPerFoot = 0.3048;
inline constexpr double kFeetPerMeter = 3.280839895013123; // nearest double to 1/0.3048
inline constexpr double kInchesPerFoot = 12.0;
inline constexpr double kFeetPerInch = 0.08333333333333333; // nearest double to 1/12
inline constexpr double kKgPerPound = 0.4536;
inline constexpr double kPoundsPerKg = 2.2046; // deliberately not 1/0.4536: the pair drifts
inline constexpr double kKgM3PerLbFt3 = 16.01846;
inline constexpr double kLbFt3PerKgM3 = 0.06242797372531442; // nearest double to 1/16.01846
inline constexpr double kGCm3PerLbIn3 = 27.6799;
inline constexpr double kLbIn3PerGCm3 = 0.03612729814775342; // nearest double to 1/27.6799
inline constexpr double kLbIn3PerSpecificGravity = 0.0361;
inline constexpr double kSpecificGravityPerLbIn3 = 27.700831024930746; // nearest double to 1/0.0361
inline constexpr double kCubicInchesPerCubicFoot = 1728.0;
inline constexpr double kCubicFeetPerCubicInch = 0.0005787037037037037; // nearest double to 1/1728
// The two specific gravity boxes copy each other.
inline constexpr double kSpecificGravityCopy = 1.0;

// Reads the text of a box: leading white space, then the longest decimal number prefix
// (sign, digits with at most one point, optional exponent). No prefix reads as 0; a number beyond
// the double range reads as an infinity of its sign, one below it as 0. Never fails.
double ReadNumber(std::string_view text);

// Shows a number through a box's format ("%4.2f", "%4.3f", "%4.4f", "%f", "%d", with literal text
// around the conversion). The last digit rounds half away from zero on the 17-significant-digit
// expansion; non-finite values show as "inf", "-inf" or "nan".
std::string FormatNumber(std::string_view format, double value);

// One argument of FormatText: a number for %f and %d, a text for %s.
using FormatArg = std::variant<double, long long, std::string_view>;

// printf-style text with the conversions this system writes (%f, %d, %s, %%, each with an optional
// zero flag and width, and a precision for %f), on the same rules as FormatNumber. Any other
// conversion stays in the text as it stands; a missing argument formats as 0 or the empty text.
std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args);

// Rounds to the given number of decimals as "%4.<N>f" would show the value, read back.
// Non-finite values come back unchanged.
double RoundTo(double value, int decimals);
