// platform_demo — shows the platform library at work in a window.
//
// Page 1 holds a still test pattern: colour bars, a grey ramp, boxes, a
// single-pixel checkerboard and text in white and in the title's yellow. It
// is copied to page 0, where a box glides to and fro (drawn with Xor, so
// drawing it again erases it). The row under the pattern shows the scancode
// of the last key pressed, the last entry of the key buffer and the mouse.
// F4 switches between window and full screen, the way the game's menu does
// (open the screen again, redraw). Esc ends it. Started with the argument
// "full" it opens the full screen first.
#include "platform/platform.h"

#include <cstdio>
#include <string>

namespace {

const std::string kF4 = "\xFF\x3E";  // the key buffer's entry for F4
constexpr Colour kTitleYellow = 0xFFF6FB01;
constexpr Colour kBars[] = {0xFFFFFFFF, 0xFFFFFF00, 0xFF00FFFF, 0xFF00FF00,
                            0xFFFF00FF, 0xFFFF0000, 0xFF0000FF, 0xFF000000};

void drawPattern() {
    setPages(1, 0);
    clearPage();
    // Eight colour bars of 100 x 100 pixels.
    for (int bar = 0; bar < 8; ++bar) {
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) setPixel(bar * 100 + x, y, kBars[bar]);
        }
    }
    // A grey ramp, 0 to 255 over 256 columns, twice as wide.
    for (int y = 110; y < 140; ++y) {
        for (int x = 0; x < 512; ++x) {
            Colour v = static_cast<Colour>(x / 2);
            setPixel(x, y, 0xFF000000u | (v << 16) | (v << 8) | v);
        }
    }
    // A checkerboard of single pixels: any scaling blur shows at once.
    for (int y = 110; y < 140; ++y) {
        for (int x = 540; x < 800; ++x) setPixel(x, y, ((x + y) % 2) ? kWhite : kBlack);
    }
    // Nested outlines and the frame of the screen.
    for (int i = 0; i < 5; ++i) drawBox(20 + 8 * i, 160 + 8 * i, 220 - 8 * i, 260 - 8 * i, kWhite);
    drawBox(0, 0, 799, 599, kWhite);

    setTextPos(19, 30);
    setTextColour(kWhite);
    printText("Zauberlabyrinth \x81 \x9A", true);
    setTextPos(21, 30);
    setTextColour(kTitleYellow);
    printText("Zauberlabyrinth \x81 \x9A", true);
    setTextPos(23, 30);
    setTextColour(kWhite);
    printText("Esc beendet, F4 wechselt Fenster/Vollbild. Tasten und Maus ausprobieren.", true);
    copyPage(1, 0);
    setPages(0, 0);
}

void showStatus(int scancode, const std::string& bufferEntry, const MouseState& mouse) {
    char line[100];
    std::string entry;
    for (unsigned char c : bufferEntry) {
        char part[8];
        std::snprintf(part, sizeof part, "%u ", static_cast<unsigned>(c));
        entry += part;
    }
    std::snprintf(line, sizeof line, "Taste: %3d   Puffer: %-10s  Maus: %4d %4d %3d %2d   ", scancode,
                  entry.c_str(), mouse.x, mouse.y, mouse.wheel, mouse.buttons);
    setTextPos(70, 3);
    setTextColour(kWhite);
    printText(line, false);
}

}  // namespace

int main(int argc, char** argv) {
    int fullScreen = (argc > 1 && std::string(argv[1]) == "full") ? 1 : 0;
    openScreen(800, 600, 32, 2, fullScreen);
    setMouse(400, 300, true);
    drawPattern();

    Image* box = createImage(40, 40);
    for (Colour& c : box->pixels) c = 0x00FFFFFF;  // Xor with this inverts the colours
    int boxX = 0;
    int step = 4;
    const int boxY = 440;
    drawImage(boxX, boxY, box, DrawMode::Xor);

    int lastScancode = 0;
    std::string lastEntry;
    MouseState lastMouse;
    showStatus(lastScancode, lastEntry, lastMouse);
    double lastFrame = timerSeconds();
    for (;;) {
        if (isKeyDown(1)) {
            destroyImage(box);
            endProgram();
        }
        bool changed = false;
        for (int code = 1; code < 128; ++code) {
            if (isKeyDown(code) && code != lastScancode) {
                lastScancode = code;
                changed = true;
            }
        }
        bool switchScreen = false;
        for (std::string key = takeKey(); !key.empty(); key = takeKey()) {
            lastEntry = key;
            changed = true;
            if (key == kF4) switchScreen = true;
        }
        if (switchScreen) {
            fullScreen = 1 - fullScreen;
            openScreen(800, 600, 32, 2, fullScreen);
            setMouse(400, 300, true);
            drawPattern();
            drawImage(boxX, boxY, box, DrawMode::Xor);
        }
        MouseState mouse = readMouse();
        if (mouse.x != lastMouse.x || mouse.y != lastMouse.y || mouse.wheel != lastMouse.wheel ||
            mouse.buttons != lastMouse.buttons) {
            lastMouse = mouse;
            changed = true;
        }
        if (changed) showStatus(lastScancode, lastEntry, lastMouse);

        if (timerSeconds() - lastFrame >= 0.02) {
            lastFrame = timerSeconds();
            drawImage(boxX, boxY, box, DrawMode::Xor);
            boxX += step;
            if (boxX <= 0 || boxX >= 760) step = -step;
            drawImage(boxX, boxY, box, DrawMode::Xor);
        }
        sleepMs(2);
    }
}
