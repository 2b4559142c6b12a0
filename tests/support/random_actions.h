#pragma once
// Seeded random pilot actions on whatever screen is open: clicks, access keys, Enter, Escape, Tab,
// Space, arrows, digits and letters, typing, picking in a drop-down box, choosing an option, paging
// through a quiz and closing the window with its frame. An action names no control: its pick is
// taken modulo what the open screen offers when it is played, so one list plays on any screen.
// The long walk (tests/shell/random_use_test.cpp) and the differential test of the two screen
// backends (tests/diff/) draw their actions from here.
#include <iterator>
#include <random>
#include <string>

namespace brivan::testing {

enum class Kind { Click, AccessKey, Enter, Escape, Tab, Space, Arrow, Key, Type, Choose, Option, FrameClose, NextRun };

inline const char* kindName(Kind kind) {
    static const char* names[] = {"click", "access-key", "enter", "escape", "tab", "space", "arrow",
                                  "key", "type", "choose", "option", "frame-close", "next-run"};
    return names[static_cast<int>(kind)];
}

struct Action {
    Kind kind;
    unsigned pick;     // which control or key, taken modulo what the open screen offers
    std::string text;  // for Type
};

// What the pick of an action names where it is not a control. Tab: odd forward, even backward.
inline bool tabForward(const Action& a) { return a.pick % 2 != 0; }
// Arrow: Up, Down, Left or Right.
enum class Arrow { Up, Down, Left, Right };
inline Arrow arrowOf(const Action& a) { return static_cast<Arrow>(a.pick % 4); }
// Key: a digit or a lower-case letter, typed to whatever has the focus.
inline char keyOf(const Action& a) {
    static const char keys[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    return keys[a.pick % (sizeof keys - 1)];
}
// Choose: the item of the box's list, modulo the list's length.
inline unsigned itemOf(const Action& a) { return a.pick >> 8; }
// NextRun: how many times "Next" is pressed at most.
inline unsigned pressesOf(const Action& a) { return 20 + a.pick % 60; }
// Type: short plain text is typed key by key after selecting what the box holds; anything else
// replaces it at once, as pasted.
inline bool typedKeyByKey(const Action& a) {
    if (a.text.size() >= 12) return false;
    for (char c : a.text)
        if (c < ' ' || c >= 127) return false;
    return true;
}

inline std::string describe(const Action& a) {
    std::string s = kindName(a.kind);
    s += " #" + std::to_string(a.pick);
    if (a.kind == Kind::Type) {
        s += " \"";
        for (unsigned char c : a.text.substr(0, 24))
            s += (c < 0x20) ? std::string("\\x") + "0123456789abcdef"[c >> 4] + "0123456789abcdef"[c & 15]
                            : std::string(1, char(c));
        if (a.text.size() > 24) s += "...(" + std::to_string(a.text.size()) + " bytes)";
        s += "\"";
    }
    return s;
}

inline std::string randomText(std::mt19937& rng) {
    static const char* samples[] = {"", "A", "a", "b", " C", "D.", "AB", "63", "28660", "9.3", "96.7", "1", "2",
                                    "3", "4", "7", "02", " 2", "2 ", "<b>", "&x", "\t", "\x01\x1b",
                                    "\xC3\xA9\xC3\xA0", "\xE6\xBC\xA2\xE5\xAD\x97", "\xF0\x9F\x9B\xA9"};
    const unsigned roll = rng() % 40;
    if (roll < std::size(samples)) return samples[roll];
    if (roll < 34) return std::to_string(rng() % 100000);
    std::string s(rng() % 2000, 'x');
    for (char& c : s) c = static_cast<char>(' ' + rng() % 95);
    return s;
}

inline Action randomAction(std::mt19937& rng) {
    const unsigned roll = rng() % 100;
    const unsigned pick = static_cast<unsigned>(rng());
    Kind kind;
    if (roll < 20) kind = Kind::Click;
    else if (roll < 34) kind = Kind::AccessKey;
    else if (roll < 48) kind = Kind::Enter;
    else if (roll < 49) kind = Kind::Escape;
    else if (roll < 55) kind = Kind::Tab;
    else if (roll < 58) kind = Kind::Space;
    else if (roll < 62) kind = Kind::Arrow;
    else if (roll < 65) kind = Kind::Key;
    else if (roll < 79) kind = Kind::Type;
    else if (roll < 87) kind = Kind::Choose;
    else if (roll < 97) kind = Kind::Option;
    else if (roll < 99) kind = Kind::NextRun;
    else kind = Kind::FrameClose;
    return {kind, pick, kind == Kind::Type ? randomText(rng) : std::string()};
}

}  // namespace brivan::testing
