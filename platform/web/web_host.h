// web_host.h — state and helpers shared by the files of the browser backend.
// Private to platform/web/: nothing outside this folder includes it.
//
// The program runs on the page's one thread. Its blocking loops stay as they
// are: every wait and every refresh hands the thread back to the browser for
// a moment (the build's asynchronous unwinding), which shows the canvas and
// runs the event handlers below; they write this state and the shared key
// state, and the program reads both when it resumes. Nothing here is locked.
#pragma once

#include <emscripten/html5.h>

#include <string>

namespace web {

struct Host {
    bool screenOpen = false;     // openScreen ran: the canvas shows the visible page
    int fullScreen = 0;          // mode last asked for by the program (0 window, 1 full screen)
    double lastYield = 0.0;      // now() when the thread was last handed to the browser
    bool pointerInside = false;  // the mouse is over the canvas
    double pointerX = 0.0;       // its last position in picture pixels (0..800)
    double pointerY = 0.0;       // (0..600)
    double warpX = 0.0;          // setMouse: picture position minus real position,
    double warpY = 0.0;          //   added to every reading (a page cannot move the pointer)
    bool handlersSet = false;    // the event handlers are registered
    bool pageActive = true;      // the page has the focus and is shown (false from a blur or hiding to a focus or key)
    bool inPageCall = false;     // the page's script has called into the program (zl_take_file), which may not wait
    std::string handedFileAnswer;  // the program's answer to the last file the page handed it, UTF-8
};

inline Host host;

// Registers the keyboard, mouse, focus and visibility handlers once.
void ensureHandlers();
// Keyboard, in web_keyboard.cpp: one key event from the browser; true when
// the page's own use of the key is to be suppressed.
bool handleKey(const EmscriptenKeyboardEvent& key, bool down);
// Hands the thread to the browser for `ms` milliseconds (0: one turn of its
// event loop) and notes when.
void yieldToBrowser(int ms);
// Shows the visible page on the canvas.
void present();

}  // namespace web
