// editor_fixture.h — the editor on a headless mode-19 screen, its record at
// the start-up values, and every image filled with a colour of its own, so
// that a test can tell from a pixel which image was drawn where.
#pragma once

#include "editor/drawing.h"
#include "editor/editor_loop.h"
#include "editor/editor_state.h"
#include "editor/status_line.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

// The colour the fixture fills image id with: never black, white or the key
// colour.
inline Colour fixtureColour(EdImg id) {
    const auto n = static_cast<unsigned>(id) + 1;
    return 0xFF000000u | ((n * 37u) & 0x7Fu) << 16 | ((n * 91u + 40u) & 0xFFu) << 8 | ((n * 53u + 7u) & 0xFFu);
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        openScreenMode(19, 32, 1, 0);
        editor = EditorState{};
        createEditorImages();
        for (std::size_t i = 0; i < kEditorImageCount; ++i) {
            Image* img = editorImages()[i];
            std::fill(img->pixels.begin(), img->pixels.end(), fixtureColour(static_cast<EdImg>(i)));
        }
    }

    // Holds the keys together for `passes` passes of the command loop, then
    // lets them go.
    static void holdKeys(std::initializer_list<int> keys, int passes = 1) {
        for (int key : keys) headless::keyDown(key, headless::clock());
        for (int i = 0; i < passes; ++i) commandPass();
        for (int key : keys) headless::keyUp(key, headless::clock());
        headless::advance(0.001);
    }

    // The pixel at (dx, dy) inside screen cell (c, r).
    static Colour cellPixel(int c, int r, int dx = 20, int dy = 20) {
        return headless::pixel(0, 40 * (c - 1) + dx, 40 * (r - 1) + dy);
    }

    // True when the text grid shows text at (row, column), white on black:
    // printing it there again changes no pixel.
    static bool showsText(int row, int column, const std::string& text) {
        const Colour* page = headless::pagePixels(0);
        const std::vector<Colour> before(page, page + 800 * 600);
        setTextPos(row, column);
        printText(text, false);
        return std::equal(before.begin(), before.end(), page);
    }

    // True when nothing stale stands on the screen: drawing the map view, the
    // cursor and the status line afresh changes no pixel.
    static bool screenIsCurrent() {
        const Colour* page = headless::pagePixels(0);
        const std::vector<Colour> before(page, page + 800 * 600);
        drawMapView();
        drawCursorCell();
        drawStatusLine(true);
        return std::equal(before.begin(), before.end(), page);
    }

    // True when the status line's message, at the right of its second row,
    // is `text`, on the screen too.
    static bool messageShown(const std::string& text) {
        return editor.message == text && showsText(kMessageRow, kTextColumns + 1 - static_cast<int>(text.size()), text);
    }

    // Map cell the cursor stands on.
    static int cursorMapX() { return editor.viewX + editor.cursorX; }
    static int cursorMapY() { return editor.viewY + editor.cursorY; }
};

// Watches the screen while the editor runs, for text that shows only for a
// while (a dialog's prompt is gone once answered): seen() is true once the
// text stood at (row, column), white on black, at any moment the backend
// handled its events since the watch began. Several may watch at once.
class TextWatch {
public:
    TextWatch(int row, int column, const std::string& text)
        : x_(8 * (column - 1)), y_(16 * (row - 1)), width_(8 * static_cast<int>(text.size())) {
        // The text's pixels: printed once and taken back.
        const std::vector<Colour> before = region();
        setTextPos(row, column);
        printText(text, false);
        expected_ = region();
        for (int dy = 0; dy < 16; ++dy) {
            for (int dx = 0; dx < width_; ++dx)
                setPixel(x_ + dx, y_ + dy, before[static_cast<std::size_t>(dy * width_ + dx)]);
        }
        watches().push_back(this);
        headless::setWatcher([] {
            for (TextWatch* watch : watches()) watch->seen_ = watch->seen_ || watch->region() == watch->expected_;
        });
    }
    ~TextWatch() {
        std::erase(watches(), this);
        if (watches().empty()) headless::setWatcher({});
    }
    TextWatch(const TextWatch&) = delete;
    TextWatch& operator=(const TextWatch&) = delete;

    bool seen() const { return seen_; }

private:
    static std::vector<TextWatch*>& watches() {
        static std::vector<TextWatch*> active;
        return active;
    }

    std::vector<Colour> region() const {
        std::vector<Colour> pixels;
        for (int dy = 0; dy < 16; ++dy) {
            for (int dx = 0; dx < width_; ++dx) pixels.push_back(headless::pixel(0, x_ + dx, y_ + dy));
        }
        return pixels;
    }

    int x_;
    int y_;
    int width_;
    std::vector<Colour> expected_;
    bool seen_ = false;
};
