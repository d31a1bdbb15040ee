// scancodes.cpp — the table from SDL's physical key codes to PC set-1
// scancodes. SDL names a key by its place on a US keyboard; set 1 does the
// same, so the German Z (US Y) is SDL_SCANCODE_Y and set-1 code 21.
// Extended keys (arrows, the block above them, right Ctrl and Alt, keypad
// Enter and slash) carry their set-1 code without the E0 prefix, so the cursor
// up key and keypad 8 both give 72.
#include "platform/sdl/scancodes.h"

namespace sdl {

namespace {
constexpr BufferEntry No = BufferEntry::None;
constexpr BufferEntry Chr = BufferEntry::Character;
constexpr BufferEntry Ext = BufferEntry::Extended;
constexpr BufferEntry Pad = BufferEntry::KeypadNav;
}  // namespace

const KeyMapping kKeyMappings[] = {
    // sdl scancode                 set 1  buffer typed
    {SDL_SCANCODE_ESCAPE,             1, Chr,  27},
    {SDL_SCANCODE_1,                  2, No,   0},
    {SDL_SCANCODE_2,                  3, No,   0},
    {SDL_SCANCODE_3,                  4, No,   0},
    {SDL_SCANCODE_4,                  5, No,   0},
    {SDL_SCANCODE_5,                  6, No,   0},
    {SDL_SCANCODE_6,                  7, No,   0},
    {SDL_SCANCODE_7,                  8, No,   0},
    {SDL_SCANCODE_8,                  9, No,   0},
    {SDL_SCANCODE_9,                 10, No,   0},
    {SDL_SCANCODE_0,                 11, No,   0},
    {SDL_SCANCODE_MINUS,             12, No,   0},   // German: sharp s
    {SDL_SCANCODE_EQUALS,            13, No,   0},   // German: acute accent
    {SDL_SCANCODE_BACKSPACE,         14, Chr,  8},
    {SDL_SCANCODE_TAB,               15, Chr,  9},
    {SDL_SCANCODE_Q,                 16, No,   0},
    {SDL_SCANCODE_W,                 17, No,   0},
    {SDL_SCANCODE_E,                 18, No,   0},
    {SDL_SCANCODE_R,                 19, No,   0},
    {SDL_SCANCODE_T,                 20, No,   0},
    {SDL_SCANCODE_Y,                 21, No,   0},   // German: Z
    {SDL_SCANCODE_U,                 22, No,   0},
    {SDL_SCANCODE_I,                 23, No,   0},
    {SDL_SCANCODE_O,                 24, No,   0},
    {SDL_SCANCODE_P,                 25, No,   0},
    {SDL_SCANCODE_LEFTBRACKET,       26, No,   0},   // German: u umlaut
    {SDL_SCANCODE_RIGHTBRACKET,      27, No,   0},   // German: plus
    {SDL_SCANCODE_RETURN,            28, Chr,  13},
    {SDL_SCANCODE_KP_ENTER,          28, Chr,  13},
    {SDL_SCANCODE_LCTRL,             29, No,   0},
    {SDL_SCANCODE_RCTRL,             29, No,   0},
    {SDL_SCANCODE_A,                 30, No,   0},
    {SDL_SCANCODE_S,                 31, No,   0},
    {SDL_SCANCODE_D,                 32, No,   0},
    {SDL_SCANCODE_F,                 33, No,   0},
    {SDL_SCANCODE_G,                 34, No,   0},
    {SDL_SCANCODE_H,                 35, No,   0},
    {SDL_SCANCODE_J,                 36, No,   0},
    {SDL_SCANCODE_K,                 37, No,   0},
    {SDL_SCANCODE_L,                 38, No,   0},
    {SDL_SCANCODE_SEMICOLON,         39, No,   0},   // German: o umlaut
    {SDL_SCANCODE_APOSTROPHE,        40, No,   0},   // German: a umlaut
    {SDL_SCANCODE_GRAVE,             41, No,   0},   // German: circumflex
    {SDL_SCANCODE_LSHIFT,            42, No,   0},
    {SDL_SCANCODE_BACKSLASH,         43, No,   0},
    {SDL_SCANCODE_NONUSHASH,         43, No,   0},   // German: hash, left of Enter
    {SDL_SCANCODE_Z,                 44, No,   0},   // German: Y
    {SDL_SCANCODE_X,                 45, No,   0},
    {SDL_SCANCODE_C,                 46, No,   0},
    {SDL_SCANCODE_V,                 47, No,   0},
    {SDL_SCANCODE_B,                 48, No,   0},
    {SDL_SCANCODE_N,                 49, No,   0},
    {SDL_SCANCODE_M,                 50, No,   0},
    {SDL_SCANCODE_COMMA,             51, No,   0},
    {SDL_SCANCODE_PERIOD,            52, No,   0},
    {SDL_SCANCODE_SLASH,             53, No,   0},   // German: minus
    {SDL_SCANCODE_KP_DIVIDE,         53, No,   0},
    {SDL_SCANCODE_RSHIFT,            54, No,   0},
    {SDL_SCANCODE_KP_MULTIPLY,       55, No,   0},
    {SDL_SCANCODE_LALT,              56, No,   0},
    {SDL_SCANCODE_RALT,              56, No,   0},   // German: AltGr
    {SDL_SCANCODE_SPACE,             57, No,   0},
    {SDL_SCANCODE_CAPSLOCK,          58, No,   0},
    {SDL_SCANCODE_F1,                59, Ext,  0},
    {SDL_SCANCODE_F2,                60, Ext,  0},
    {SDL_SCANCODE_F3,                61, Ext,  0},
    {SDL_SCANCODE_F4,                62, Ext,  0},
    {SDL_SCANCODE_F5,                63, Ext,  0},
    {SDL_SCANCODE_F6,                64, Ext,  0},
    {SDL_SCANCODE_F7,                65, Ext,  0},
    {SDL_SCANCODE_F8,                66, Ext,  0},
    {SDL_SCANCODE_F9,                67, Ext,  0},
    {SDL_SCANCODE_F10,               68, Ext,  0},
    {SDL_SCANCODE_NUMLOCKCLEAR,      69, No,   0},
    {SDL_SCANCODE_SCROLLLOCK,        70, No,   0},
    {SDL_SCANCODE_HOME,              71, Ext,  0},
    {SDL_SCANCODE_KP_7,              71, Pad,  0},
    {SDL_SCANCODE_UP,                72, Ext,  0},
    {SDL_SCANCODE_KP_8,              72, Pad,  0},
    {SDL_SCANCODE_PAGEUP,            73, Ext,  0},
    {SDL_SCANCODE_KP_9,              73, Pad,  0},
    {SDL_SCANCODE_KP_MINUS,          74, No,   0},
    {SDL_SCANCODE_LEFT,              75, Ext,  0},
    {SDL_SCANCODE_KP_4,              75, Pad,  0},
    {SDL_SCANCODE_KP_5,              76, No,   0},
    {SDL_SCANCODE_RIGHT,             77, Ext,  0},
    {SDL_SCANCODE_KP_6,              77, Pad,  0},
    {SDL_SCANCODE_KP_PLUS,           78, No,   0},
    {SDL_SCANCODE_END,               79, Ext,  0},
    {SDL_SCANCODE_KP_1,              79, Pad,  0},
    {SDL_SCANCODE_DOWN,              80, Ext,  0},
    {SDL_SCANCODE_KP_2,              80, Pad,  0},
    {SDL_SCANCODE_PAGEDOWN,          81, Ext,  0},
    {SDL_SCANCODE_KP_3,              81, Pad,  0},
    {SDL_SCANCODE_INSERT,            82, Ext,  0},
    {SDL_SCANCODE_KP_0,              82, Pad,  0},
    {SDL_SCANCODE_DELETE,            83, Ext,  0},
    {SDL_SCANCODE_KP_PERIOD,         83, Pad,  0},
    {SDL_SCANCODE_NONUSBACKSLASH,    86, No,   0},   // German: the < > | key
    {SDL_SCANCODE_F11,               87, Ext,  0},
    {SDL_SCANCODE_F12,               88, Ext,  0},
    {SDL_SCANCODE_LGUI,              91, No,   0},
    {SDL_SCANCODE_RGUI,              92, No,   0},
    {SDL_SCANCODE_APPLICATION,       93, No,   0},
};

const int kKeyMappingCount = static_cast<int>(sizeof(kKeyMappings) / sizeof(kKeyMappings[0]));

const KeyMapping* findKeyMapping(SDL_Scancode scancode) {
    for (int i = 0; i < kKeyMappingCount; ++i) {
        if (kKeyMappings[i].sdl == scancode) return &kKeyMappings[i];
    }
    return nullptr;
}

int pcScancode(SDL_Scancode scancode) {
    const KeyMapping* mapping = findKeyMapping(scancode);
    return mapping ? mapping->pc : 0;
}

}  // namespace sdl
