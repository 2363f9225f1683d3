// The typing rule: keystrokes, caret moves, selections and deletions on an edit box's text.
#include <tuple>

#include "fuzz/fuzz_input.h"
#include "numbers/number_filter.h"

namespace {

// An edit box as the platform keeps it: text, and a selection [start, end) with the caret at end.
struct EditBox {
    std::string text;
    std::size_t selStart = 0, selEnd = 0;

    void DeleteSelection() {
        text.erase(selStart, selEnd - selStart);
        selEnd = selStart;
    }
    // Backspace or Delete: the selection, or else the character before or after the caret.
    void Erase(bool forward) {
        if (selStart == selEnd && (forward ? selEnd < text.size() : selStart > 0)) {
            forward ? ++selEnd : --selStart;
        }
        DeleteSelection();
    }
};

// The rule as it is written for a user, kept apart from the code under test.
bool RuleAccepts(std::string_view t, std::size_t p, char k) {
    auto isE = [](char c) { return c == 'e' || c == 'E'; };
    if (k >= '0' && k <= '9') {
        return true;
    }
    if (k == '-') {
        return p > 0 ? isE(t[p - 1]) : (t.empty() || t[0] != '-');
    }
    if (isE(k)) {
        return !(p == 0 || (p == 1 && t[0] == '-') || std::any_of(t.begin(), t.end(), isE));
    }
    return k == '.' && t.find('.') == std::string_view::npos &&
           !std::any_of(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(p), isE);
}

// Mostly the characters the rule cares about, sometimes any byte at all.
char PickChar(FuzzInput& in) {
    static constexpr char kKeys[] = "0123456789.-eE+ x,\b\x01\x03\x16\x18\x1a";
    const std::uint8_t b = in.TakeByte();
    return static_cast<char>(b >= 0xf0 ? in.TakeByte() : kKeys[b % (sizeof kKeys - 1)]);
}

void Type(EditBox& box, char k) {
    if (k == '\b') {
        box.Erase(false);
    }
    box.DeleteSelection();
    const std::size_t p = box.selStart;
    const bool accepted = AcceptsNumberChar(box.text, p, k);
    auto where = [&] { return Show(box.text, p, std::string_view(&k, 1)); };
    Check(accepted == RuleAccepts(box.text, p, k), "the typing rule decided wrongly", where);
    if (accepted) {
        box.text.insert(p, 1, k);
        box.selStart = box.selEnd = p + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EditBox box;
    return FuzzInput::Cases(data, size, [&](FuzzInput& in) {
        const std::uint8_t op = in.TakeByte() % 8;
        const std::size_t room = box.text.size() + 1;
        if (op < 4) {
            Type(box, PickChar(in));
        } else if (op == 4) { // click or arrow key: a caret, no selection
            box.selStart = box.selEnd = in.TakeByte() % room;
        } else if (op == 5) { // drag or shift-arrows
            std::tie(box.selStart, box.selEnd) =
                std::minmax({in.TakeByte() % room, in.TakeByte() % room});
        } else {
            box.Erase(op == 7);
        }
        if (op == 7) {
            // A caret the rule is handed from outside may lie past the end; it must not read there.
            const std::size_t past = box.text.size() + in.TakeByte();
            (void)AcceptsNumberChar(box.text, past, PickChar(in));
        }
        const std::string& t = box.text;
        Check(t.find_first_not_of("0123456789.-eE") == t.npos && t.find('.') == t.rfind('.') &&
                  t.find_first_of("eE") == t.find_last_of("eE"),
              "the text holds a refused character, a second point or a second exponent letter",
              [&] { return Show(t); });
    });
}
