#include "controls/number_filter.h"

#include <algorithm>

bool AcceptsNumberChar(std::string_view text, std::size_t caret, char ch) {
    caret = std::min(caret, text.size());
    if (ch >= '0' && ch <= '9') {
        return true;
    }
    const bool hasExponent = text.find_first_of("eE") != std::string_view::npos;
    switch (ch) {
    case '-':
        if (caret > 0) {
            return text[caret - 1] == 'e' || text[caret - 1] == 'E';
        }
        return text.empty() || text.front() != '-';
    case 'e':
    case 'E':
        if (caret == 0 || (caret == 1 && text.front() == '-')) {
            return false;
        }
        return !hasExponent;
    case '.':
        if (text.find('.') != std::string_view::npos) {
            return false;
        }
        return text.substr(0, caret).find_first_of("eE") == std::string_view::npos;
    default:
        return false;
    }
}
