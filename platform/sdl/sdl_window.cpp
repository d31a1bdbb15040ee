// sdl_window.cpp — the window, presenting the visible page, the event pump
// and the end of the program.
//
// Threading: everything SDL does here (the window, its events and
// presenting) runs on the program's own thread. The shared platform code
// calls backend::refresh from inside its operations at a bounded interval
// (at most about sixty times a second, never per pixel), and sleepFor calls
// it between the short slices of a wait, so the window keeps following the
// user and the visible page keeps reaching the screen even while the
// program sits in a busy loop of setPixel calls. The alternative, a presenter
// thread of our own, would share the page buffers, the key state and the key
// buffer with it and so need a lock around every pixel write of the dissolve
// effects, a million of them in a row. One thread needs no locks at all, and
// SDL prefers its video calls on the main thread anyway.
//
// When to show the page is the core's decision (core::presentDue); the
// mouse's buttons and wheel go to the core as events.
//
// Writes: sdl::host (video, window, renderer, texture, scaled surface,
// picture place, mode, focus, title and icon); the LazySubsystem it is
// handed by startOnce.
#include "platform/backend.h"
#include "platform/sdl/sdl_host.h"

#include <SDL.h>

#include <algorithm>
#include <clocale>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include <langinfo.h>

namespace sdl {

namespace {

// The title of a window whose program has not named it.
constexpr const char* kDefaultTitle = "Zauberlabyrinth";

// SDL's mouse buttons and ours.
struct ButtonName {
    Uint8 sdl;   // SDL_BUTTON_...
    int button;  // kMouseLeft, ...
};
constexpr ButtonName kButtons[] = {
    {SDL_BUTTON_LEFT, kMouseLeft},
    {SDL_BUTTON_RIGHT, kMouseRight},
    {SDL_BUTTON_MIDDLE, kMouseMiddle},
};

void handleButton(const SDL_MouseButtonEvent& event) {
    for (const ButtonName& name : kButtons) {
        if (name.sdl == event.button) core::mouseButtonEvent(name.button, event.state == SDL_PRESSED);
    }
}

const char* windowTitle() { return host.title.empty() ? kDefaultTitle : host.title.c_str(); }

// Gives the open window the named icon, if there is one.
void applyIcon() {
    if (!host.window || host.iconPixels.empty()) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(host.iconPixels.data(), host.iconWidth, host.iconHeight,
                                                              32, host.iconWidth * static_cast<int>(sizeof(Uint32)),
                                                              SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(host.window, surface);
    SDL_FreeSurface(surface);
}

void destroyWindow() {
    if (host.scaled) SDL_FreeSurface(host.scaled);
    host.scaled = nullptr;
    if (host.texture) SDL_DestroyTexture(host.texture);
    if (host.renderer) SDL_DestroyRenderer(host.renderer);
    if (host.window) SDL_DestroyWindow(host.window);
    host.texture = nullptr;
    host.renderer = nullptr;
    host.window = nullptr;
    host.direct = false;
    host.fullScreen = -1;
}

// In a window the picture needs no graphics processor: it is copied into
// the window's own surface, which on X11 is shared memory the X server reads
// directly; 1:1 at the window's first size, enlarged (nearest-neighbour, in
// software) when the player makes the window larger. A renderer there would
// cost more than it saves: where OpenGL runs in software (a virtual display,
// a machine without a graphics driver) its presents took most of the
// processor time of a walking game and its libraries four fifths of the
// game's memory. The window surface is made without a renderer behind it
// (SDL would otherwise build one); where the video driver has no surface of
// its own (Wayland), the window falls back to the renderer.
bool useWindowSurface() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!SDL_GetWindowSurface(host.window)) return false;
    host.direct = true;
    return true;
}

// SDL's X11 code hands the UTF-8 title to Xlib, which converts it by the C
// library's character type into the window's old-style name. In the "C"
// locale a title beyond ASCII (the editor's en dash) is dropped there; under
// a UTF-8 character type it is kept, but as a name of type "UTF-8" that
// tools reading only plain names do not find. So an ASCII title is set in
// the "C" character type, and only a title beyond ASCII under UTF-8 (the
// user's if it is UTF-8, else C.UTF-8), the character type restored after.
// Nothing else of ours looks at the locale: the texts on the screen are code
// page 437 bytes.
template <typename SetTitle>
void withTitleCharacterType(const char* title, SetTitle setTitle) {
    bool ascii = true;
    for (const char* c = title; *c; ++c) ascii = ascii && static_cast<unsigned char>(*c) < 0x80;
    if (ascii) {
        setTitle();
        return;
    }
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    const std::string previous = current ? current : "C";
    if (!(std::setlocale(LC_CTYPE, "") && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0)) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
    setTitle();
    std::setlocale(LC_CTYPE, previous.c_str());
}

// Opens a window of the given mode: in a window with its own surface, in
// full screen (or without a surface) with a renderer and streaming texture.
// On any failure nothing is left half made: the program then draws into its
// pages as before and simply shows nothing.
void createWindow(int fullScreen) {
    Uint32 flags = fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE;
    withTitleCharacterType(windowTitle(), [flags] {
        host.window = SDL_CreateWindow(windowTitle(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth,
                                       kScreenHeight, flags);
    });
    if (!host.window) return;
    applyIcon();
    if (!fullScreen && useWindowSurface()) {
        host.fullScreen = fullScreen;
        SDL_StartTextInput();
        return;
    }
    // No SDL_RENDERER_PRESENTVSYNC: a present must never hold the program up
    // for a whole display frame.
    host.renderer = SDL_CreateRenderer(host.window, -1, 0);
    if (!host.renderer) host.renderer = SDL_CreateRenderer(host.window, -1, SDL_RENDERER_SOFTWARE);
    if (host.renderer) {
        // The picture is scaled to its place in the window at each present
        // (picture_place.h); the rest is black.
        host.texture = SDL_CreateTexture(host.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                         kScreenWidth, kScreenHeight);
    }
    if (!host.texture) {
        destroyWindow();
        return;
    }
    // The top byte of our colours is not alpha: black is 0x00000000.
    SDL_SetTextureBlendMode(host.texture, SDL_BLENDMODE_NONE);
    host.fullScreen = fullScreen;
    SDL_StartTextInput();
}

constexpr int kPagePitch = kScreenWidth * static_cast<int>(sizeof(Colour));

SDL_Rect asRect(const core::PicturePlace& place) { return {place.x, place.y, place.width, place.height}; }

// Paints the window's area around the picture black: the bars left and
// right, above and below.
void fillAround(SDL_Surface* surface, const SDL_Rect& picture) {
    const Uint32 black = SDL_MapRGB(surface->format, 0, 0, 0);
    const SDL_Rect bars[] = {
        {0, 0, surface->w, picture.y},
        {0, picture.y + picture.h, surface->w, surface->h - picture.y - picture.h},
        {0, picture.y, picture.x, picture.h},
        {picture.x + picture.w, picture.y, surface->w - picture.x - picture.w, picture.h},
    };
    for (const SDL_Rect& bar : bars) {
        if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface, &bar, black);
    }
}

// The page into the window's surface, converted to its pixel format (on
// X11 the same layout, so a copy row by row): straight into the surface
// when the picture fills it 1:1, else into an 800 x 600 surface of that
// format that is then scaled to the picture's place.
void presentDirect(const Colour* pixels) {
    SDL_Surface* surface = SDL_GetWindowSurface(host.window);
    if (!surface) return;
    host.place = core::placePicture(surface->w, surface->h);
    const SDL_Rect place = asRect(host.place);
    const bool oneToOne = place.x == 0 && place.y == 0 && place.w == kScreenWidth && place.h == kScreenHeight;
    if (oneToOne) {
        if (SDL_LockSurface(surface) != 0) return;
        SDL_ConvertPixels(kScreenWidth, kScreenHeight, SDL_PIXELFORMAT_ARGB8888, pixels, kPagePitch,
                          surface->format->format, surface->pixels, surface->pitch);
        SDL_UnlockSurface(surface);
    } else {
        const Uint32 format = surface->format->format;
        if (host.scaled && host.scaled->format->format != format) {
            SDL_FreeSurface(host.scaled);
            host.scaled = nullptr;
        }
        if (!host.scaled) host.scaled = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 32, format);
        if (!host.scaled) return;
        SDL_ConvertPixels(kScreenWidth, kScreenHeight, SDL_PIXELFORMAT_ARGB8888, pixels, kPagePitch, format,
                          host.scaled->pixels, host.scaled->pitch);
        fillAround(surface, place);
        SDL_Rect to = place;
        SDL_BlitScaled(host.scaled, nullptr, surface, &to);
    }
    SDL_UpdateWindowSurface(host.window);
}

void present() {
    if (core::pageCount() <= 0) return;
    const Colour* pixels = core::visiblePagePixels();
    if (!pixels) return;
    if (host.direct) {
        presentDirect(pixels);
    } else if (host.texture) {
        int width = 0;
        int height = 0;
        SDL_GetRendererOutputSize(host.renderer, &width, &height);
        host.place = core::placePicture(width, height);
        const SDL_Rect place = asRect(host.place);
        SDL_UpdateTexture(host.texture, nullptr, pixels, kPagePitch);
        SDL_SetRenderDrawColor(host.renderer, 0, 0, 0, 255);
        SDL_RenderClear(host.renderer);
        SDL_RenderCopy(host.renderer, host.texture, nullptr, &place);
        SDL_RenderPresent(host.renderer);
    }
}

void handleWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            // The close control does not close the window: it arrives as the
            // extended key 107 and counts as a key press.
            core::extendedKey(kCloseRequestKey);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
            // Key-up events of keys released elsewhere never reach us.
            core::releaseAllKeys();
            host.active = false;
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: host.active = true; break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
            core::repaintSoon();
            if (event.event == SDL_WINDOWEVENT_RESTORED) host.active = true;
            break;
        default: break;
    }
}

}  // namespace

bool windowShowsPage() { return host.window && (host.direct || host.renderer); }

void windowToPicture(int windowX, int windowY, float& pictureX, float& pictureY) {
    const core::PicturePlace& place = host.place;
    pictureX = static_cast<float>(windowX - place.x) * kScreenWidth / static_cast<float>(place.width);
    pictureY = static_cast<float>(windowY - place.y) * kScreenHeight / static_cast<float>(place.height);
}

void pictureToWindow(float pictureX, float pictureY, int& windowX, int& windowY) {
    const core::PicturePlace& place = host.place;
    windowX = place.x + static_cast<int>(pictureX * static_cast<float>(place.width) / kScreenWidth);
    windowY = place.y + static_cast<int>(pictureY * static_cast<float>(place.height) / kScreenHeight);
}

bool ensureVideo() {
    if (!host.video.ready && !host.video.failed) {
        // Closing the window must not end the program by itself.
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        // Nearest-neighbour scaling keeps the pixels sharp in full screen.
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    }
    return startOnce(host.video, SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool startOnce(LazySubsystem& subsystem, Uint32 flags) {
    if (subsystem.ready) return true;
    if (subsystem.failed) return false;
    // Leave SIGINT and SIGTERM to their defaults so they keep ending the
    // process; SDL would otherwise turn them into a quit event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    subsystem.ready = SDL_InitSubSystem(flags) == 0;
    subsystem.failed = !subsystem.ready;
    return subsystem.ready;
}

void handleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT: core::extendedKey(kCloseRequestKey); break;
        case SDL_WINDOWEVENT: handleWindowEvent(event.window); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            // Keys reach only a window with the focus, whatever was missed.
            if (event.type == SDL_KEYDOWN) host.active = true;
            handleKey(event.key);
            break;
        case SDL_TEXTINPUT: handleText(event.text.text); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: handleButton(event.button); break;
        case SDL_MOUSEWHEEL:
            core::mouseWheelEvent(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y);
            break;
        default: break;
    }
}

}  // namespace sdl

namespace backend {

void screenOpened(int fullScreen) {
    using sdl::host;
    int mode = fullScreen ? 1 : 0;
    if (!sdl::ensureVideo()) return;
    if (host.window && host.fullScreen != mode) sdl::destroyWindow();
    if (!host.window) sdl::createWindow(mode);
    core::repaintSoon();
    if (core::presentDue(now())) sdl::present();
}

void nameWindow(const std::string& title, const Image* icon) {
    using sdl::host;
    host.title = title;
    host.iconPixels.clear();
    host.iconWidth = host.iconHeight = 0;
    if (icon && icon->width > 0 && icon->height > 0 &&
        icon->pixels.size() == static_cast<std::size_t>(icon->width) * static_cast<std::size_t>(icon->height)) {
        host.iconWidth = icon->width;
        host.iconHeight = icon->height;
        host.iconPixels.reserve(icon->pixels.size());
        // Our top byte is not alpha: the key colour becomes see-through, every
        // other pixel opaque.
        for (Colour c : icon->pixels) {
            const Uint32 rgb = c & 0x00FFFFFFu;
            host.iconPixels.push_back(rgb == kKeyColour ? 0u : (0xFF000000u | rgb));
        }
    }
    if (!host.window) return;
    sdl::withTitleCharacterType(sdl::windowTitle(), [] { SDL_SetWindowTitle(host.window, sdl::windowTitle()); });
    sdl::applyIcon();
}

void refresh() {
    using sdl::host;
    if (!host.video.ready) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) sdl::handleEvent(event);
    if (host.window && core::presentDue(now())) sdl::present();
}

bool windowActive() { return sdl::host.active; }

void endProgram(int exitCode) {
    sdl::closeAudio();
    sdl::closeJoystick();
    sdl::closeGamePad();
    sdl::destroyWindow();
    SDL_Quit();
    std::exit(exitCode);
}

}  // namespace backend
