// web_input.cpp — the page's event handlers, storing the player's files,
// the mouse on the canvas and the first gamepad as joystick 0.
//
// The pointer is reported in the 800 x 600 picture's own pixels, whatever
// size the page scales the canvas to; a pointer outside the canvas is
// unavailable. A page cannot move the pointer, so setMouse moves the reading
// instead: from then on the pointer reads as (x, y) plus how far it moved
// since, which is all the game needs of a recentred pointer. The buttons
// and the wheel reach the core as events: every mouse event of the browser
// carries the buttons held, and each one that changed is reported.
//
// The game pad is the first gamepad the browser maps to its standard layout
// (D-pad buttons 12..15, A button 0, Start 9, left stick axes 0 and 1).
//
// The player's Data lives in the browser's storage, file by file
// (web/store.js): the data-file writer's hooks hand each committed file to
// it, let a read wait while changes of another page of the site come in,
// and tell the page when a typed line is wanted. A page that is hidden may
// be closed without a further word: the program's store-before-end runs
// then (whenHostMayEnd), as it does when the page is left. A file the page
// hands the program goes to what it registered (whenHostHandsFile).
//
// Writes: web::host (pointer, warp offset, handlers, page active, the call
// from the page and its answer), the data-file writer's hooks; the core's
// buttons and wheel through its calls.
#include "platform/backend.h"
#include "platform/host_hooks.h"
#include "platform/pointer_state.h"
#include "platform/web/web_host.h"
#include "platform/web/web_js.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <string>
#include <string_view>

namespace web {

namespace {

constexpr const char* kCanvas = "#screen";

// The browser's bits of MouseEvent.buttons and ours.
struct ButtonBit {
    unsigned short browser;  // MouseEvent.buttons: 1 primary, 2 secondary, 4 auxiliary
    int button;              // kMouseLeft, ...
};
constexpr ButtonBit kButtonBits[] = {{1, kMouseLeft}, {2, kMouseRight}, {4, kMouseMiddle}};

EM_BOOL onKeyDown(int, const EmscriptenKeyboardEvent* event, void*) { return handleKey(*event, true); }
EM_BOOL onKeyUp(int, const EmscriptenKeyboardEvent* event, void*) { return handleKey(*event, false); }

EM_BOOL onMouse(int type, const EmscriptenMouseEvent* event, void*) {
    double width = 0;
    double height = 0;
    emscripten_get_element_css_size(kCanvas, &width, &height);
    if (width > 0 && height > 0) {
        host.pointerX = event->targetX * kScreenWidth / width;
        host.pointerY = event->targetY * kScreenHeight / height;
    }
    host.pointerInside = type != EMSCRIPTEN_EVENT_MOUSELEAVE;
    for (const ButtonBit& bit : kButtonBits) {
        const bool down = (event->buttons & bit.browser) != 0;
        if (down != ((core::pointerButtons.held & bit.button) != 0)) core::mouseButtonEvent(bit.button, down);
    }
    return type == EMSCRIPTEN_EVENT_MOUSEDOWN;  // no text selection by dragging
}

EM_BOOL onWheel(int, const EmscriptenWheelEvent* event, void*) {
    core::mouseWheelEvent(event->deltaY < 0 ? 1 : event->deltaY > 0 ? -1 : 0);
    return EM_TRUE;  // the page does not scroll under the game
}

// Key-up events of keys released elsewhere never reach the page.
EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void*) {
    core::releaseAllKeys();
    host.pageActive = false;
    return EM_FALSE;
}

EM_BOOL onFocus(int, const EmscriptenFocusEvent*, void*) {
    host.pageActive = true;
    return EM_FALSE;
}

// A hidden page may be closed without a further word.
EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* event, void*) {
    if (event->hidden) {
        core::releaseAllKeys();
        core::hostMayEnd();
    }
    host.pageActive = !event->hidden;
    return EM_FALSE;
}

// Longest wait of a read for the changes of another page; they take
// milliseconds, and a storage that never answers must not stop the program.
constexpr int kLongestCatchUpMs = 3000;
constexpr int kCatchUpPollMs = 5;

void waitForOtherPagesChanges() {
    if (host.inPageCall) return;  // the page brought them in before it called
    for (int waited = 0; zl_js_store_busy() && waited < kLongestCatchUpMs; waited += kCatchUpPollMs) {
        yieldToBrowser(kCatchUpPollMs);
    }
}

// A gamepad axis in -1..1 as the desktop reads it: the nearest of the
// 65,536 steps of a device axis.
double axisValue(double raw) {
    if (!(raw >= -1.0)) return -1.0;
    if (raw > 1.0) return 1.0;
    return std::round(raw * 32768.0) / 32768.0;
}

}  // namespace

void ensureHandlers() {
    if (host.handlersSet) return;
    host.handlersSet = true;
    // Every file the data-file writer commits is stored at once, so a page
    // closed a moment after saving keeps the save; what the start brought
    // into Data (the shipped levels, the default settings) is stored now.
    core::afterFileCommitted = [](const std::string& path) { zl_js_file_changed(path.c_str()); };
    core::beforeDataRead = waitForOtherPagesChanges;
    core::textEntry = [](bool active) { zl_js_text_entry(active ? 1 : 0); };
    zl_js_store_start_files();
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(window, nullptr, EM_TRUE, onKeyDown);
    emscripten_set_keyup_callback(window, nullptr, EM_TRUE, onKeyUp);
    emscripten_set_blur_callback(window, nullptr, EM_TRUE, onBlur);
    emscripten_set_focus_callback(window, nullptr, EM_TRUE, onFocus);
    emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, onVisibility);
    emscripten_set_mousemove_callback(kCanvas, nullptr, EM_TRUE, onMouse);
    emscripten_set_mousedown_callback(kCanvas, nullptr, EM_TRUE, onMouse);
    emscripten_set_mouseup_callback(kCanvas, nullptr, EM_TRUE, onMouse);
    emscripten_set_mouseenter_callback(kCanvas, nullptr, EM_TRUE, onMouse);
    emscripten_set_mouseleave_callback(kCanvas, nullptr, EM_TRUE, onMouse);
    emscripten_set_wheel_callback(kCanvas, nullptr, EM_TRUE, onWheel);
}

}  // namespace web

// The page is being left (pagehide): called by the page's script.
extern "C" EMSCRIPTEN_KEEPALIVE void zl_page_leaving() { core::hostMayEnd(); }

// A file the page hands the program (a level set the player dropped on the
// page or picked), put at hostPath (UTF-8) outside Data: 1 when the program
// took it, 0 when it refused it, -1 when it takes no files. Reads made
// meanwhile do not wait for other pages' changes: a wait hands the thread
// to the browser, which a call from the page's script cannot, and the page
// brings those changes in before it calls.
extern "C" EMSCRIPTEN_KEEPALIVE int zl_take_file(const char* hostPath) {
    web::host.inPageCall = true;
    const core::HandedFile taken = core::hostHandsFile(hostPath ? hostPath : "", web::host.handedFileAnswer);
    web::host.inPageCall = false;
    switch (taken) {
        case core::HandedFile::Taken: return 1;
        case core::HandedFile::Refused: return 0;
        case core::HandedFile::NotTaken: break;
    }
    return -1;
}

// The program's answer to the last file handed (UTF-8): the name it took
// the file in as, or why it refused it.
extern "C" EMSCRIPTEN_KEEPALIVE const char* zl_taken_file_answer() { return web::host.handedFileAnswer.c_str(); }

namespace backend {

namespace {

// The first gamepad's state; false when there is none.
bool firstGamepad(EmscriptenGamepadEvent& pad) {
    if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return false;
    if (emscripten_get_num_gamepads() < 1) return false;
    return emscripten_get_gamepad_status(0, &pad) == EMSCRIPTEN_RESULT_SUCCESS && pad.connected;
}

}  // namespace

JoystickState joystick(int id) {
    JoystickState none;  // buttons -1, axes -1000
    EmscriptenGamepadEvent pad{};
    if (id != 0 || !firstGamepad(pad)) return none;
    JoystickState state;
    state.buttons = 0;
    for (int b = 0; b < pad.numButtons && b < 31; ++b) {
        if (pad.digitalButton[b]) state.buttons |= 1 << b;
    }
    // A pad without an axis reads as centred on it.
    state.x = pad.numAxes > 0 ? web::axisValue(pad.axis[0]) : 0.0;
    state.y = pad.numAxes > 1 ? web::axisValue(pad.axis[1]) : 0.0;
    return state;
}

GamePadState gamePad() {
    GamePadState state;
    EmscriptenGamepadEvent pad{};
    if (!firstGamepad(pad) || std::string_view(pad.mapping) != "standard") return state;
    const auto button = [&pad](int b) { return b < pad.numButtons && pad.digitalButton[b] != 0; };
    constexpr double kHalfWay = 0.5;
    const double x = pad.numAxes > 0 ? pad.axis[0] : 0.0;
    const double y = pad.numAxes > 1 ? pad.axis[1] : 0.0;
    state.attached = true;
    state.up = button(12) || y < -kHalfWay;
    state.down = button(13) || y > kHalfWay;
    state.left = button(14) || x < -kHalfWay;
    state.right = button(15) || x > kHalfWay;
    state.south = button(0);
    state.start = button(9);
    return state;
}

bool windowActive() { return web::host.pageActive; }

PointerPosition pointer() {
    using web::host;
    if (!host.pointerInside) return {};
    return {true, host.pointerX + host.warpX, host.pointerY + host.warpY};
}

void setMouse(double x, double y, bool visible) {
    using web::host;
    zl_js_show_pointer(visible ? 1 : 0);
    host.warpX = x - host.pointerX;
    host.warpY = y - host.pointerY;
}

}  // namespace backend
