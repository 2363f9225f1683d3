// Number text: how a box's text becomes a number and a number becomes a box's text.
// Locale-free and identical on every platform; every window, solver and report goes through here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

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
