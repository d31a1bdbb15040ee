// node_page.cpp — what the frame-step benchmark has in place of the page:
// under node there is no canvas to show the picture and no browser to hand
// the thread to. It defines every function of the browser backend's screen
// and clock (web_screen.cpp, web_clock.cpp), so the linker takes these and
// never those files from the backend's library; the rest of the backend
// (input, sound, files) is the real one.
//
// Writes: nothing.
#include "platform/backend.h"
#include "platform/web/web_host.h"

#include <emscripten.h>

#include <cstdlib>

namespace {
const double kOriginMs = emscripten_get_now();
}  // namespace

namespace web {

void present() {}
void yieldToBrowser(int) {}

}  // namespace web

namespace backend {

void screenOpened(int) {}
void nameWindow(const std::string&, const Image*) {}
void refresh() {}
[[noreturn]] void endProgram(int exitCode) { std::exit(exitCode); }

double now() { return (emscripten_get_now() - kOriginMs) / 1000.0; }
// The waits take no time, as on the desktop figure's virtual clock.
void sleepFor(int) {}
void sleepUntil(double) {}

}  // namespace backend
