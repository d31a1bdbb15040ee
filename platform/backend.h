// backend.h — what the shared platform code needs from a host backend, and
// what a backend may call back into. Internal to platform/: neither program
// includes it.
//
// The core decides, the backends translate. The shared code (platform/*.cpp,
// the core) owns the pages, images, text grid, key state, key buffer,
// key-pressed mark, the mouse buttons with their latched clicks, typed text
// and its conversion to code page 437, when a page is shown, the paths of
// files and reading them (pictures, sounds, data files), the field reader
// and random numbers. A backend (platform/sdl/ for players, platform/web/
// for the browser, platform/headless/ for tests) owns the window or its
// stand-in, the clock and the devices: it turns its host's events into the
// core's calls below and shows, plays and reports what the core says.
// Exactly one backend is linked into each program.
#pragma once

#include "platform/platform.h"

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
// Handle pending window events and show the visible page when
// core::presentDue says so. The shared code calls it at a bounded interval
// from inside its operations (refresh.h), never on every pixel.
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
// Where the pointer is, in the picture's own pixels with their fractions
// (the picture may be scaled on the host); unavailable while the window is
// not active or the pointer is off the picture.
struct PointerPosition {
    bool available = false;  // over the picture of an active window
    double x = 0.0;          // 0..800 from the picture's left edge
    double y = 0.0;          // 0..600 from its top edge
};
PointerPosition pointer();
// Puts the pointer at (x, y) in picture pixels (the core aims at the middle
// of a pixel) and shows or hides it.
void setMouse(double x, double y, bool visible);
// Ends the playing sound and plays the sound `name` (the program's path of
// its file). `wav` is its whole file, read and checked by the core
// (sound.cpp), or empty when there is no playable file, which only ends the
// playing sound; it is null when the backend answered true for this name
// before. Returns true when later plays of the name need no bytes: the
// backend keeps the sound (or has no way to play any).
bool playSound(const std::string& name, const std::string* wav);
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
// Text the host's keyboard typed, in UTF-8 (the user's own layout, accents
// and umlauts included): its printable characters go into the key buffer in
// code page 437; characters the code page lacks and control characters are
// dropped (the editing keys come from their key events as typedChar).
void typedText(const std::string& utf8);
// An extended key for the key buffer ("\xFF" + code), e.g. 107 for the close
// request, 72/75/77/80 for the arrows. inputLine also understands Home 71,
// End 79 and Delete 83 (their set-1 codes).
void extendedKey(unsigned char code);
// The key labelled `letter` (a..z) in the user's keyboard layout went down or
// up; the same key also reaches keyEvent by its position.
void letterEvent(char letter, bool down);
// Every key of the key state and every mouse button released (the window
// lost focus).
void releaseAllKeys();
// A mouse button (kMouseLeft, kMouseRight, kMouseMiddle) went down or up.
// A press is latched: readMouse shows it once even when the button is up
// again before the program reads the mouse.
void mouseButtonEvent(int button, bool down);
// The mouse wheel turned by `steps` notches, away from the user positive.
void mouseWheelEvent(int steps);

// True when the backend is to show the visible page now (`now` its clock in
// seconds); the answer true counts as shown. See refresh.cpp for the rule.
bool presentDue(double now);
// The window lost its picture (exposed, resized, restored) or was just
// opened: the next presentDue answers true.
void repaintSoon();

// The page a window should show: 800 x 600 colours, row-major.
const Colour* visiblePagePixels();
// Number of pages of the open screen; 0 before openScreen.
int pageCount();

}  // namespace core
