// sdl_host.h — state and helpers shared by the files of the SDL backend.
// Private to platform/sdl/: nothing outside this folder includes it.
//
// Everything here is touched from the program's one thread only (see the
// comment at the top of sdl_window.cpp), so none of it is locked.
#pragma once

#include "platform/picture_place.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace sdl {

struct Host {
    bool videoReady = false;        // SDL_Init(SDL_INIT_VIDEO) succeeded
    bool videoFailed = false;       // it failed once; the program runs on without a window
    SDL_Window* window = nullptr;
    // Full screen: the renderer scales the streamed texture to the display.
    // In a window both stay null and the page is copied 1:1 into the
    // window's own surface (see createWindow in sdl_window.cpp).
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr; // 800 x 600 ARGB8888, streamed from the visible page
    bool direct = false;            // the window shows its own surface, no renderer
    SDL_Surface* scaled = nullptr;  // 800 x 600 in the window surface's format, enlarged from there when the window is larger
    core::PicturePlace place;       // where the picture stands in the window (window pixels), as last shown
    int fullScreen = -1;            // mode of the open window; -1 before the first
    bool active = true;             // false from a focus loss or minimising until the window is back
    std::string title;              // window title (UTF-8) as named; "" for the default
    int iconWidth = 0;              // size of the named icon; 0 for none
    int iconHeight = 0;
    std::vector<Uint32> iconPixels; // ARGB8888, the key colour made transparent
};

inline Host host;

// Initialises SDL's video subsystem once, with the hints the backend relies
// on; false when there is no display.
bool ensureVideo();
// Handles one event from the queue (keyboard, text, window, mouse buttons
// and wheel).
void handleEvent(const SDL_Event& event);
// A window is open and shows the page (through the renderer or directly).
bool windowShowsPage();
// A position in the window in picture pixels (800 x 600), and back; the
// picture stands where host.place says (picture_place.h: scaled to the
// window, centred).
void windowToPicture(int windowX, int windowY, float& pictureX, float& pictureY);
void pictureToWindow(float pictureX, float pictureY, int& windowX, int& windowY);
// Keyboard events, in sdl_keyboard.cpp.
void handleKey(const SDL_KeyboardEvent& key);
void handleText(const char* utf8);
// Sound, in sdl_sound.cpp: stops playback and releases the device.
void closeAudio();
// Joystick, in sdl_input.cpp: closes the opened device.
void closeJoystick();
// Game pad, in sdl_gamepad.cpp: closes the opened device.
void closeGamePad();

}  // namespace sdl
