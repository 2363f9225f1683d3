// The typing rule of a numeric entry field: which characters may enter a number's text.
#pragma once

#include <cstddef>
#include <string_view>

// Decides one typed character. `text` is the box's text once the selection has been deleted and
// `caret` the position where the character would be inserted. Only digits, one point and an
// exponent with an optional sign get in; the rule looks at nothing but this text and position.
bool AcceptsNumberChar(std::string_view text, std::size_t caret, char ch);
