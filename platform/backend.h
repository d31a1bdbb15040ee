// backend.h — what the shared platform code needs from a host backend, and
// what a backend may call back into. Internal to platform/: neither program
// includes it.
//
// The shared code (platform/*.cpp) owns the pages, images, text grid, key
// state, key buffer, key-pressed mark, field reader and random numbers. A
// backend (platform/sdl/ or platform/headless/) owns the window or its
// in-memory stand-in, the clock, the devices and sound. Exactly one backend is
// linked into each program.
#pragma once

#include "platform.h"

#include <string>
#include <vector>

namespace backend {

// ---- Implemented by each backend ----------------------------------------------

// The screen was (re)opened: pages are allocated and black. fullScreen as
// passed to openScreen.
void screenOpened(int fullScreen);
// Title (UTF-8) and icon of the window now open and of those opened later;
// icon may be nullptr. The backend keeps its own copy of both.
void nameWindow(const std::string& title, const Image* icon);
// Handle pending window events and show the visible page if it is due. The
// shared code calls it at a bounded interval from inside its operations (see
// refreshDue below), never on every pixel.
void refresh();
// Seconds from a fixed origin, monotonic.
double now();
// A plain wait of ms milliseconds during which events keep flowing.
void sleepFor(int ms);
// A plain wait until now() reaches `seconds`; returns at once if it has.
void sleepUntil(double seconds);
JoystickState joystick(int id);
GamePadState gamePad();
// False after the window lost the focus or was minimised, until it is back.
bool windowActive();
MouseState mouse();
void setMouse(int x, int y, bool visible);
void playSound(const std::string& path);
[[noreturn]] void endProgram(int exitCode);
// runProgram of platform.h.
int runProgram(const std::string& name, const std::vector<std::string>& arguments);

}  // namespace backend

namespace core {

// ---- Implemented by the shared code, called by backends --------------------------

// A key went down (repeat: an auto-repeat event) or up. scancode is PC set 1,
// 1..127; extended keys (arrows etc.) use their set-1 code without the E0
// prefix. Key-down events set the key-pressed mark.
void keyEvent(int scancode, bool down, bool repeat);
// A typed character, already in code page 437. The editing keys arrive as
// control characters: Backspace as 8, Enter as 13, Esc as 27 (inputLine
// relies on these).
void typedChar(unsigned char cp437);
// An extended key for the key buffer ("\xFF" + code), e.g. 107 for the close
// request, 72/75/77/80 for the arrows. inputLine also understands Home 71,
// End 79 and Delete 83 (their set-1 codes).
void extendedKey(unsigned char code);
// The key labelled `letter` (a..z) in the user's keyboard layout went down or
// up; the same key also reaches keyEvent by its position.
void letterEvent(char letter, bool down);
// Every key of the key state released (the window lost focus).
void releaseAllKeys();

// The page a window should show: 800 x 600 colours, row-major.
const Colour* visiblePagePixels();
// Number of pages of the open screen; 0 before openScreen.
int pageCount();

}  // namespace core
