// web_screen.cpp — the canvas: presenting the visible page, the page's
// title, full screen, the picture's scale for the page, yielding to the
// browser and the end of the program.
//
// The visible page reaches the canvas from refresh() when the core's rule
// says so (core::presentDue: only a page drawn on since the last present,
// at most about eighty times a second); the browser shows the canvas when
// the program next hands it the thread. A
// refresh hands over the thread only every few milliseconds: a busy loop of
// drawing calls refreshes sixty times a second and should keep the page
// alive, not wait for the display at every call.
//
// Writes: web::host (screen, mode, yield time).
#include "platform/backend.h"
#include "platform/picture_place.h"
#include "platform/web/web_host.h"
#include "platform/web/web_js.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace web {

namespace {

// Longest time a refresh keeps the thread from the browser.
constexpr double kLongestHold = 0.008;

// The page as the canvas takes it: bytes red, green, blue, alpha.
std::vector<std::uint32_t> canvasPixels;

// Full screen shows the stage (the canvas and its black surround); the page's
// own style scales the canvas inside it.
void requestFullScreen() {
    EmscriptenFullscreenStrategy strategy{};
    strategy.scaleMode = EMSCRIPTEN_FULLSCREEN_SCALE_DEFAULT;
    strategy.canvasResolutionScaleMode = EMSCRIPTEN_FULLSCREEN_CANVAS_SCALE_NONE;
    strategy.filteringMode = EMSCRIPTEN_FULLSCREEN_FILTERING_NEAREST;
    // The browser grants full screen only inside a key or click handler, so
    // the request waits for the next one (the key that chose it is released).
    emscripten_request_fullscreen_strategy("#stage", 1, &strategy);
}

}  // namespace

void present() {
    if (core::pageCount() <= 0) return;
    const Colour* pixels = core::visiblePagePixels();
    if (!pixels) return;
    constexpr std::size_t kPixels = std::size_t{kScreenWidth} * kScreenHeight;
    canvasPixels.resize(kPixels);
    for (std::size_t i = 0; i < kPixels; ++i) {
        const std::uint32_t c = pixels[i];
        // 0x..RRGGBB to the bytes R, G, B, 255 of a little-endian word.
        canvasPixels[i] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
    zl_js_present(reinterpret_cast<const unsigned char*>(canvasPixels.data()));
}

void yieldToBrowser(int ms) {
    emscripten_sleep(static_cast<unsigned>(ms > 0 ? ms : 0));
    host.lastYield = backend::now();
}

}  // namespace web

namespace backend {

void screenOpened(int fullScreen) {
    using web::host;
    web::ensureHandlers();
    host.screenOpen = true;
    const int mode = fullScreen ? 1 : 0;
    if (mode != host.fullScreen) {
        if (mode) {
            web::requestFullScreen();
        } else {
            emscripten_exit_fullscreen();
        }
        host.fullScreen = mode;
    }
    core::repaintSoon();
    if (core::presentDue(now())) web::present();
}

void nameWindow(const std::string& title, const Image*) {
    // The page has its icon in its own head; only the title is taken.
    if (!title.empty()) zl_js_set_title(title.c_str());
}

void refresh() {
    using web::host;
    if (!host.screenOpen) return;
    if (core::presentDue(now())) web::present();
    if (now() - host.lastYield >= web::kLongestHold) web::yieldToBrowser(0);
}

void endProgram(int exitCode) {
    zl_js_tell_opener(exitCode);
    zl_js_program_ended();
    emscripten_force_exit(exitCode);
    std::abort();  // not reached: force_exit does not return
}

}  // namespace backend

// The page's scale of the picture in an area of that many device pixels
// (picture_place.h), for the page's script, which sizes the canvas.
extern "C" EMSCRIPTEN_KEEPALIVE double zl_picture_scale(int width, int height) {
    return core::pictureScale(width, height);
}
