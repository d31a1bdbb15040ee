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

// An SDL subsystem started when first needed, not at start-up (the editor
// never reads a joystick, and scanning for devices takes a moment), and
// never tried again once it failed.
struct LazySubsystem {
    bool ready = false;   // SDL_InitSubSystem succeeded
    bool failed = false;  // it failed once; the program runs on without it
};

struct Host {
    LazySubsystem video;  // video and events; failed: the program runs on without a window
    SDL_Window* window = nullptr;
    // Full screen: the renderer scales the streamed texture to the display.
    // In a window both stay null and the page is copied 1:1 into the
    // window's own surface (see createWindow in sdl_window.cpp).
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;  // 800 x 600 ARGB8888, streamed from the visible page
    bool direct = false;             // the window shows its own surface, no renderer
    SDL_Surface* scaled = nullptr;  // 800 x 600 in the window surface's format, enlarged from there when the window is larger
    core::PicturePlace place;  // where the picture stands in the window (window pixels), as last shown
    int fullScreen = -1;       // mode of the open window; -1 before the first
    bool active = true;        // false from a focus loss or minimising until the window is back
    std::string title;         // window title (UTF-8) as named; "" for the default
    int iconWidth = 0;         // size of the named icon; 0 for none
    int iconHeight = 0;
    std::vector<Uint32> iconPixels;  // ARGB8888, the key colour made transparent
};

inline Host host;

// Starts the subsystem `flags` on the first call (sdl_window.cpp) and says
// whether it runs.
bool startOnce(LazySubsystem& subsystem, Uint32 flags);

// A kind of device that may be plugged in or out while the program runs
// (joysticks, game controllers): its subsystem and SDL's calls for it.
template <typename Device>
struct DeviceKind {
    Uint32 subsystem;               // SDL_INIT_JOYSTICK, SDL_INIT_GAMECONTROLLER
    void (*update)();               // reads the devices' state; also notices plugging
    SDL_bool (*attached)(Device*);  // the opened device is still there
    Device* (*openFirst)();         // the device to read, opened; null when there is none
    void (*close)(Device*);
};

// The one device of a kind that is read, opened when it appears and closed
// when it goes. Touched from the program's thread only.
template <typename Device>
struct PluggedDevice {
    LazySubsystem started;     // the kind's subsystem, started on the first read
    Device* device = nullptr;  // the opened device; null while none is attached

    // Reads the devices' state; the opened device, or null when none is
    // attached (or the subsystem cannot start).
    Device* current(const DeviceKind<Device>& kind) {
        if (!startOnce(started, kind.subsystem)) return nullptr;
        kind.update();
        if (device && !kind.attached(device)) close(kind);
        if (!device) device = kind.openFirst();
        return device;
    }
    void close(const DeviceKind<Device>& kind) {
        if (device) kind.close(device);
        device = nullptr;
    }
};

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
