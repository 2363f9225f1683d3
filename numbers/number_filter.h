// The typing rule of a numeric entry field: which characters may enter a number's text.
#pragma once

#include <cstddef>
#include <string_view>

// Decides one typed character. `text` is the box's text once the selection has been deleted and
// `caret` the position where the character would be inserted. Only digits, one point and an
// exponent with an optional sign get in; the rule looks at nothing but this text and position.
bool AcceptsNumberChar(std::string_view text, std::size_t caret, char ch);

// The character a typed or pasted one stands for in a box: a comma is the decimal point.
inline char NumberCharFor(char ch) {
    return ch == ',' ? '.' : ch;
}

// Whether a whole text may stand in a box after a paste: empty, or one complete number the
// typing rule could have produced (optional minus, digits with at most one point, optional
// exponent with an optional minus), so that what the box shows is what it counts.
bool IsNumberText(std::string_view text);
