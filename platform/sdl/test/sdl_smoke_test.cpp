// Smoke tests of the SDL backend under SDL's offscreen video driver and dummy
// audio driver: the window shows the visible page, events reach the key state
// and key buffer, sounds neither crash nor block, and the key and character
// tables hold what the programs rely on.
#include "platform/platform.h"
#include "platform/sdl/scancodes.h"
#include "platform/sdl/sdl_host.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/test_files.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

// ---- tables ------------------------------------------------------------------

TEST(SdlScancodes, GermanLetterPositionsArrowsAndCommandKeys) {
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_Y), 21);  // German Z
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_Z), 44);  // German Y
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_UP), 72);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_LEFT), 75);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_RIGHT), 77);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_DOWN), 80);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_ESCAPE), 1);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_RETURN), 28);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_SPACE), 57);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_F1), 59);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_F3), 61);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_F10), 68);
    EXPECT_EQ(sdl::pcScancode(SDL_SCANCODE_AUDIOPLAY), 0);

    // The rows of the main block, as set 1 numbers them.
    const SDL_Scancode digits[] = {SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4, SDL_SCANCODE_5,
                                   SDL_SCANCODE_6, SDL_SCANCODE_7, SDL_SCANCODE_8, SDL_SCANCODE_9, SDL_SCANCODE_0};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(sdl::pcScancode(digits[i]), 2 + i);
    const char* rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    const int firstCode[] = {16, 30, 44};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; rows[r][i]; ++i) {
            SDL_Scancode sc = SDL_GetScancodeFromName(std::string(1, rows[r][i]).c_str());
            EXPECT_EQ(sdl::pcScancode(sc), firstCode[r] + i) << rows[r][i];
        }
    }
}

TEST(SdlScancodes, TableIsWellFormed) {
    std::set<int> seen;
    for (int i = 0; i < sdl::kKeyMappingCount; ++i) {
        const sdl::KeyMapping& m = sdl::kKeyMappings[i];
        EXPECT_TRUE(seen.insert(m.sdl).second) << "twice: " << SDL_GetScancodeName(m.sdl);
        EXPECT_GE(m.key.pc, 1);
        EXPECT_LE(m.key.pc, 127);
        EXPECT_EQ(m.key.typed != 0, m.key.buffer == core::BufferEntry::Character) << SDL_GetScancodeName(m.sdl);
    }
}

// ---- the backend with a window ------------------------------------------------

// The size SDL reports through `size` (a window's size, a renderer's
// logical size) is width x height.
template <typename Object>
void expectSize(void (*size)(Object*, int*, int*), Object* object, int width, int height) {
    int w = 0;
    int h = 0;
    size(object, &w, &h);
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, height);
}

class SdlBackend : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // No real display or sound device is needed, nor wanted. The test
        // environment names these drivers too; the defaults here make a run
        // by hand behave the same.
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_DEFAULT);
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_DEFAULT);
        // The software renderer keeps the presented picture readable.
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    }
    // Lets the backend pump its events: short waits are never cut short.
    static void pump() { sleepMs(30); }

    static void pushKey(SDL_Scancode scancode, bool down) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        event.key.windowID = SDL_GetWindowID(sdl::host.window);
        SDL_PushEvent(&event);
    }
    static void pushWindowEvent(SDL_WindowEventID id) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = static_cast<Uint8>(id);
        event.window.windowID = SDL_GetWindowID(sdl::host.window);
        SDL_PushEvent(&event);
    }
    static void pushText(const char* utf8) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
        event.text.windowID = SDL_GetWindowID(sdl::host.window);
        SDL_PushEvent(&event);
    }
    // The picture the window shows, 800 x 600 ARGB: in a window its own
    // surface, in full screen what the renderer drew.
    static std::vector<std::uint32_t> shownPixels() {
        std::vector<std::uint32_t> out(kScreenWidth * kScreenHeight);
        if (sdl::host.renderer) {
            SDL_RenderReadPixels(sdl::host.renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, out.data(), kScreenWidth * 4);
        } else if (SDL_Surface* surface = SDL_GetWindowSurface(sdl::host.window)) {
            SDL_ConvertPixels(kScreenWidth, kScreenHeight, surface->format->format, surface->pixels, surface->pitch,
                              SDL_PIXELFORMAT_ARGB8888, out.data(), kScreenWidth * 4);
        }
        return out;
    }
};

TEST_F(SdlBackend, WindowShowsTheVisiblePage) {
    openScreen(800, 600, 32, 2, 0);
    ASSERT_NE(sdl::host.window, nullptr);
    // A window needs no scaling: the page goes into its own surface, with no
    // renderer behind it.
    ASSERT_TRUE(sdl::host.direct);
    EXPECT_EQ(sdl::host.renderer, nullptr);
    expectSize(SDL_GetWindowSize, sdl::host.window, 800, 600);
    EXPECT_STREQ(SDL_GetWindowTitle(sdl::host.window), "Zauberlabyrinth");

    setPages(1, 0);
    setPixel(10, 20, 0x00123456);
    drawBox(100, 100, 140, 140, kWhite);
    EXPECT_EQ(getPixel(10, 20), 0x00123456u);
    setPages(0, 0);
    EXPECT_EQ(getPixel(10, 20), kBlack);
    setPixel(799, 599, 0xFFABCDEF);
    pump();
    std::vector<std::uint32_t> shown = shownPixels();
    EXPECT_EQ(shown[599 * 800 + 799] & 0xFFFFFF, 0xABCDEFu);
    EXPECT_EQ(shown[20 * 800 + 10] & 0xFFFFFF, 0u);

    // Showing page 1 shows what was drawn there, top byte or not.
    setPages(0, 1);
    pump();
    shown = shownPixels();
    EXPECT_EQ(shown[20 * 800 + 10] & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(shown[100 * 800 + 120] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown[599 * 800 + 799] & 0xFFFFFF, 0u);

    // Opening again in the same mode keeps the window and clears the pages.
    SDL_Window* before = sdl::host.window;
    openScreen(800, 600, 32, 2, 0);
    EXPECT_EQ(sdl::host.window, before);
    pump();
    shown = shownPixels();
    EXPECT_EQ(shown[100 * 800 + 120] & 0xFFFFFF, 0u);
}

TEST_F(SdlBackend, FullScreenScalesThePicture) {
    openScreen(800, 600, 32, 2, 1);
    ASSERT_NE(sdl::host.window, nullptr);
    EXPECT_TRUE(SDL_GetWindowFlags(sdl::host.window) & SDL_WINDOW_FULLSCREEN_DESKTOP);
    pump();
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(sdl::host.renderer, &width, &height);
    const core::PicturePlace expected = core::placePicture(width, height);
    EXPECT_EQ(sdl::host.place.width, expected.width);
    EXPECT_EQ(sdl::host.place.height, expected.height);
    // Back to a window of 800 x 600.
    openScreen(800, 600, 32, 2, 0);
    EXPECT_FALSE(SDL_GetWindowFlags(sdl::host.window) & SDL_WINDOW_FULLSCREEN);
    expectSize(SDL_GetWindowSize, sdl::host.window, 800, 600);
}

// A window the player made larger shows the picture enlarged in its middle
// (at 1700 x 1250 twice as large, from (50, 25)), black around it, and the
// pointer reads in the picture's own pixels.
TEST_F(SdlBackend, ALargerWindowShowsThePictureEnlargedAndThePointerFollows) {
    openScreen(800, 600, 32, 2, 0);
    ASSERT_NE(sdl::host.window, nullptr);
    EXPECT_TRUE(SDL_GetWindowFlags(sdl::host.window) & SDL_WINDOW_RESIZABLE);
    SDL_SetWindowSize(sdl::host.window, 1700, 1250);
    pushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED);
    setPages(0, 0);
    setPixel(10, 20, 0x00123456);
    pump();
    SDL_Surface* surface = SDL_GetWindowSurface(sdl::host.window);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->w, 1700);
    std::vector<std::uint32_t> shown(std::size_t(surface->w) * surface->h);
    SDL_ConvertPixels(surface->w, surface->h, surface->format->format, surface->pixels, surface->pitch,
                      SDL_PIXELFORMAT_ARGB8888, shown.data(), surface->w * 4);
    const auto at = [&](int x, int y) { return shown[std::size_t(y) * surface->w + x] & 0xFFFFFF; };
    for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) EXPECT_EQ(at(50 + 20 + dx, 25 + 40 + dy), 0x123456u);
    }
    EXPECT_EQ(at(50 + 22, 25 + 40), 0u) << "the next picture pixel";
    EXPECT_EQ(at(10, 10), 0u) << "black around the picture";

    float x = 0;
    float y = 0;
    sdl::windowToPicture(50 + 2 * 400 + 1, 25 + 2 * 300 + 1, x, y);
    EXPECT_FLOAT_EQ(x, 400.5f);
    EXPECT_FLOAT_EQ(y, 300.5f);
    int windowX = 0;
    int windowY = 0;
    sdl::pictureToWindow(400.5f, 300.5f, windowX, windowY);
    EXPECT_EQ(windowX, 50 + 801);
    EXPECT_EQ(windowY, 25 + 601);
    SDL_SetWindowSize(sdl::host.window, 800, 600);
    pushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED);
    pump();
}

TEST_F(SdlBackend, KeyEventsReachKeyStateAndBuffer) {
    openScreen(800, 600, 32, 2, 0);
    flushKeys();

    pushKey(SDL_SCANCODE_Y, true);  // the German Z key
    pushKey(SDL_SCANCODE_LEFT, true);
    pump();
    EXPECT_TRUE(isKeyDown(21));
    EXPECT_TRUE(isKeyDown(75));
    EXPECT_FALSE(isKeyDown(44));
    // The letter comes as text, the arrow as an extended key.
    EXPECT_EQ(takeKey(), std::string("\xFF") + static_cast<char>(75));
    EXPECT_EQ(takeKey(), "");

    pushKey(SDL_SCANCODE_Y, false);
    pump();
    EXPECT_FALSE(isKeyDown(21));
    EXPECT_TRUE(isKeyDown(75));

    // Losing the focus releases every key, and the window is inactive until
    // the focus comes back.
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    pump();
    EXPECT_FALSE(isKeyDown(75));
    EXPECT_FALSE(windowActive());
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    pump();
    EXPECT_TRUE(windowActive());

    pushText("\xC3\xBC\xE2\x82\xAC"
             "a");  // u umlaut, euro sign, a
    pushKey(SDL_SCANCODE_RETURN, true);
    pushKey(SDL_SCANCODE_BACKSPACE, true);
    pushKey(SDL_SCANCODE_F2, true);
    pump();
    EXPECT_EQ(takeKey(), "\x81");
    EXPECT_EQ(takeKey(), "a");
    EXPECT_EQ(takeKey(), "\r");
    EXPECT_EQ(takeKey(), "\b");
    EXPECT_EQ(takeKey(), std::string("\xFF") + static_cast<char>(60));
    EXPECT_EQ(takeKey(), "");
}

TEST_F(SdlBackend, CloseRequestIsAKeyAndKeepsTheWindow) {
    openScreen(800, 600, 32, 2, 0);
    flushKeys();
    pushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    pump();
    EXPECT_EQ(takeKey(), std::string("\xFF") + static_cast<char>(107));
    EXPECT_EQ(takeKey(), "");
    EXPECT_NE(sdl::host.window, nullptr);

    // It counts as a key press: a long wait after it ends at once.
    pushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    pump();
    double start = timerSeconds();
    sleepMs(3000);
    EXPECT_LT(timerSeconds() - start, 1.0);
}

TEST_F(SdlBackend, NoJoystickReadsAsAbsent) {
    for (int id : {0, 1}) {
        JoystickState js = readJoystick(id);
        EXPECT_EQ(js.buttons, -1);
        EXPECT_EQ(js.x, -1000);
        EXPECT_EQ(js.y, -1000);
    }
}

// A PCM WAV of `seconds` of a square wave.
std::string makeWav(int bits, int channels, int rate, double seconds) {
    const int frames = static_cast<int>(rate * seconds);
    std::string data;
    for (int f = 0; f < frames; ++f) {
        bool high = (f / 50) % 2 == 0;
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                data.push_back(static_cast<char>(high ? 0xC0 : 0x40));
            else
                putLe(data, static_cast<std::uint16_t>(high ? 8000 : -8000), 2);
        }
    }
    return wavFile({channels, rate, bits}, data);
}

TEST_F(SdlBackend, SoundsPlayOneAtATimeWithoutWaiting) {
    ScratchDir dir;
    dir.writeFile("wave/long.wav", makeWav(16, 1, 22050, 5.0));
    dir.writeFile("wave/short8.wav", makeWav(8, 2, 11025, 3.0));
    dir.writeFile("wave/broken.wav", "RIFF\x10\x00\x00\x00WAVEfmt garbage");

    double start = timerSeconds();
    playSound("wave\\long.wav");
    // It returns long before the five seconds of sound are over.
    EXPECT_LT(timerSeconds() - start, 2.5);
    EXPECT_EQ(Mix_Playing(0), 1);

    // A missing or broken file ends the playing sound and plays nothing.
    playSound("wave\\missing.wav");
    EXPECT_EQ(Mix_Playing(0), 0);
    playSound("wave\\short8.wav");
    EXPECT_EQ(Mix_Playing(0), 1);
    playSound("wave\\broken.wav");
    EXPECT_EQ(Mix_Playing(0), 0);
    // Again from the loaded copy, with the file gone.
    std::filesystem::remove(dir.path() / "wave" / "long.wav");
    playSound("wave\\long.wav");
    EXPECT_EQ(Mix_Playing(0), 1);

    // A data chunk claiming four gigabytes in a small file plays what is
    // there.
    std::string lying = makeWav(16, 1, 22050, 0.1);
    lying.replace(40, 4, std::string("\xF0\xFF\xFF\xFF", 4));
    dir.writeFile("wave/lying.wav", lying);
    playSound("wave\\lying.wav");
    EXPECT_EQ(Mix_Playing(0), 1);
}

}  // namespace
