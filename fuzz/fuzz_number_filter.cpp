// The typing rule: keystrokes, caret moves, selections and deletions on an edit box's text.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "numbers/number_filter.h"

namespace {

// An edit box as the platform keeps it: text, and a selection [start, end) with the caret at end.
struct EditBox {
    std::string text;
    std::size_t selStart = 0;
    std::size_t selEnd = 0;

    void DeleteSelection() {
        text.erase(selStart, selEnd - selStart);
        selEnd = selStart;
    }
    void Backspace() {
        if (selStart != selEnd) {
            DeleteSelection();
        } else if (selStart > 0) {
            text.erase(--selStart, 1);
            selEnd = selStart;
        }
    }
    void DeleteForward() {
        if (selStart != selEnd) {
            DeleteSelection();
        } else if (selStart < text.size()) {
            text.erase(selStart, 1);
        }
    }
};

// The rule as it is written for a user, kept apart from the code under test.
bool RuleAccepts(std::string_view t, std::size_t p, char k) {
    auto isE = [](char c) { return c == 'e' || c == 'E'; };
    const bool anyE = std::any_of(t.begin(), t.end(), isE);
    if (k >= '0' && k <= '9') {
        return true;
    }
    if (k == '-') {
        return p > 0 ? isE(t[p - 1]) : (t.empty() || t[0] != '-');
    }
    if (isE(k)) {
        return !(p == 0 || (p == 1 && t[0] == '-') || anyE);
    }
    if (k == '.') {
        return t.find('.') == std::string_view::npos &&
               !std::any_of(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(p), isE);
    }
    return false;
}

// Mostly the characters the rule cares about, sometimes any byte at all.
char PickChar(FuzzInput& in) {
    static constexpr char kKeys[] = "0123456789.-eE+ x,\b\x01\x03\x16\x18\x1a";
    const std::uint8_t b = in.TakeByte();
    if (b >= 0xf0) {
        return static_cast<char>(in.TakeByte());
    }
    return kKeys[b % (sizeof kKeys - 1)];
}

void Type(EditBox& box, char k) {
    if (k == '\b') {
        box.Backspace();
    }
    box.DeleteSelection();
    const std::size_t p = box.selStart;
    const bool accepted = AcceptsNumberChar(box.text, p, k);
    auto where = [&] {
        return Quote(box.text) + " at " + std::to_string(p) + " key " +
               Quote(std::string_view(&k, 1));
    };
    Check(accepted == RuleAccepts(box.text, p, k), "the typing rule decided wrongly", where);
    Check(!(accepted && k == '\b'), "backspace accepted as a character", where);
    if (accepted) {
        box.text.insert(p, 1, k);
        box.selStart = box.selEnd = p + 1;
    }
}

void CheckTypedText(const std::string& text) {
    const std::size_t bad = text.find_first_not_of("0123456789.-eE");
    Check(bad == std::string::npos, "a character the rule refuses got into the text",
          [&] { return Quote(text); });
    Check(std::count(text.begin(), text.end(), '.') <= 1, "more than one point",
          [&] { return Quote(text); });
    Check(std::count_if(text.begin(), text.end(), [](char c) { return c == 'e' || c == 'E'; }) <= 1,
          "more than one exponent letter", [&] { return Quote(text); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    EditBox box;
    while (!in.Empty()) {
        const std::uint8_t op = in.TakeByte();
        const std::size_t room = box.text.size() + 1;
        switch (op % 8) {
        case 0:
        case 1:
        case 2:
        case 3:
            Type(box, PickChar(in));
            break;
        case 4: // click or arrow key: a caret, no selection
            box.selStart = box.selEnd = in.TakeByte() % room;
            break;
        case 5: { // drag or shift-arrows
            const std::size_t a = in.TakeByte() % room;
            const std::size_t b = in.TakeByte() % room;
            box.selStart = std::min(a, b);
            box.selEnd = std::max(a, b);
            break;
        }
        case 6:
            box.Backspace();
            break;
        case 7: {
            box.DeleteForward();
            // A caret the rule is handed from outside may lie past the end; it must not read there.
            const std::size_t past = box.text.size() + in.TakeByte();
            (void)AcceptsNumberChar(box.text, past, PickChar(in));
            break;
        }
        }
        CheckTypedText(box.text);
    }
    return 0;
}
