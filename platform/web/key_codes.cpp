// key_codes.cpp — the table from the browser's physical key names to PC set-1
// scancodes, key for key the same as the desktop's table: the browser names a
// key by its place on a US keyboard, as set 1 does, so the German Z (US Y) is
// "KeyY" and set-1 code 21. Extended keys carry their set-1 code without the
// E0 prefix, so the cursor up key and keypad 8 both give 72.
#include "platform/web/key_codes.h"

#include <cstring>

namespace web {

namespace {

constexpr BufferEntry No = BufferEntry::None;
constexpr BufferEntry Chr = BufferEntry::Character;
constexpr BufferEntry Ext = BufferEntry::Extended;
constexpr BufferEntry Pad = BufferEntry::KeypadNav;

const KeyMapping kKeyMappings[] = {
    // code              set 1  buffer typed
    {"Escape",             1, Chr,  27},
    {"Digit1",             2, No,   0},
    {"Digit2",             3, No,   0},
    {"Digit3",             4, No,   0},
    {"Digit4",             5, No,   0},
    {"Digit5",             6, No,   0},
    {"Digit6",             7, No,   0},
    {"Digit7",             8, No,   0},
    {"Digit8",             9, No,   0},
    {"Digit9",            10, No,   0},
    {"Digit0",            11, No,   0},
    {"Minus",             12, No,   0},   // German: sharp s
    {"Equal",             13, No,   0},   // German: acute accent
    {"Backspace",         14, Chr,  8},
    {"Tab",               15, Chr,  9},
    {"KeyQ",              16, No,   0},
    {"KeyW",              17, No,   0},
    {"KeyE",              18, No,   0},
    {"KeyR",              19, No,   0},
    {"KeyT",              20, No,   0},
    {"KeyY",              21, No,   0},   // German: Z
    {"KeyU",              22, No,   0},
    {"KeyI",              23, No,   0},
    {"KeyO",              24, No,   0},
    {"KeyP",              25, No,   0},
    {"BracketLeft",       26, No,   0},   // German: u umlaut
    {"BracketRight",      27, No,   0},   // German: plus
    {"Enter",             28, Chr,  13},
    {"NumpadEnter",       28, Chr,  13},
    {"ControlLeft",       29, No,   0},
    {"ControlRight",      29, No,   0},
    {"KeyA",              30, No,   0},
    {"KeyS",              31, No,   0},
    {"KeyD",              32, No,   0},
    {"KeyF",              33, No,   0},
    {"KeyG",              34, No,   0},
    {"KeyH",              35, No,   0},
    {"KeyJ",              36, No,   0},
    {"KeyK",              37, No,   0},
    {"KeyL",              38, No,   0},
    {"Semicolon",         39, No,   0},   // German: o umlaut
    {"Quote",             40, No,   0},   // German: a umlaut
    {"Backquote",         41, No,   0},   // German: circumflex
    {"ShiftLeft",         42, No,   0},
    {"Backslash",         43, No,   0},   // German: hash, left of Enter
    {"KeyZ",              44, No,   0},   // German: Y
    {"KeyX",              45, No,   0},
    {"KeyC",              46, No,   0},
    {"KeyV",              47, No,   0},
    {"KeyB",              48, No,   0},
    {"KeyN",              49, No,   0},
    {"KeyM",              50, No,   0},
    {"Comma",             51, No,   0},
    {"Period",            52, No,   0},
    {"Slash",             53, No,   0},   // German: minus
    {"NumpadDivide",      53, No,   0},
    {"ShiftRight",        54, No,   0},
    {"NumpadMultiply",    55, No,   0},
    {"AltLeft",           56, No,   0},
    {"AltRight",          56, No,   0},   // German: AltGr
    {"Space",             57, No,   0},
    {"CapsLock",          58, No,   0},
    {"F1",                59, Ext,  0},
    {"F2",                60, Ext,  0},
    {"F3",                61, Ext,  0},
    {"F4",                62, Ext,  0},
    {"F5",                63, Ext,  0},
    {"F6",                64, Ext,  0},
    {"F7",                65, Ext,  0},
    {"F8",                66, Ext,  0},
    {"F9",                67, Ext,  0},
    {"F10",               68, Ext,  0},
    {"NumLock",           69, No,   0},
    {"ScrollLock",        70, No,   0},
    {"Home",              71, Ext,  0},
    {"Numpad7",           71, Pad,  0},
    {"ArrowUp",           72, Ext,  0},
    {"Numpad8",           72, Pad,  0},
    {"PageUp",            73, Ext,  0},
    {"Numpad9",           73, Pad,  0},
    {"NumpadSubtract",    74, No,   0},
    {"ArrowLeft",         75, Ext,  0},
    {"Numpad4",           75, Pad,  0},
    {"Numpad5",           76, No,   0},
    {"ArrowRight",        77, Ext,  0},
    {"Numpad6",           77, Pad,  0},
    {"NumpadAdd",         78, No,   0},
    {"End",               79, Ext,  0},
    {"Numpad1",           79, Pad,  0},
    {"ArrowDown",         80, Ext,  0},
    {"Numpad2",           80, Pad,  0},
    {"PageDown",          81, Ext,  0},
    {"Numpad3",           81, Pad,  0},
    {"Insert",            82, Ext,  0},
    {"Numpad0",           82, Pad,  0},
    {"Delete",            83, Ext,  0},
    {"NumpadDecimal",     83, Pad,  0},
    {"IntlBackslash",     86, No,   0},   // German: the < > | key
    {"F11",               87, Ext,  0},
    {"F12",               88, Ext,  0},
    {"MetaLeft",          91, No,   0},
    {"MetaRight",         92, No,   0},
    {"ContextMenu",       93, No,   0},
};

}  // namespace

const KeyMapping* findKeyMapping(const char* code) {
    for (const KeyMapping& mapping : kKeyMappings) {
        if (std::strcmp(mapping.code, code) == 0) return &mapping;
    }
    return nullptr;
}

}  // namespace web
