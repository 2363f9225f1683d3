#include "numbers/number_filter.h"

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

bool IsNumberText(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i - start;
    };
    if (text.empty()) {
        return true;
    }
    if (text[i] == '-') {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && text[i] == '-') {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == text.size();
}
