// pictures.h — every picture the game and the editor load, written once.
//
// A picture is named by the base name of its file: `Schwein` is loaded from
// "sprites\Schwein.bmp". common/pictures.def lists them all with their size,
// the mode the game draws them in, and which program loads them. The game's
// image enum and catalogue (game/world/sprite_catalogue.h), the editor's
// image enum and load order (editor/drawing.h) and the tile table's pictures
// (common/tile_codes.cpp) are generated from that list; the art sources
// (assets/art) draw a picture of that name and size for every row.
#pragma once

#include "platform/platform.h"

#include <array>
#include <cstddef>

// Every picture, in the order of the list.
enum class Picture : int {
#define GAME_PICTURE(name, ...) name,
#define SHARED_PICTURE(name, ...) name,
#define EDITOR_PICTURE(name, ...) name,
#include "common/pictures.def"
    Count
};
constexpr Picture kNoPicture = Picture::Count;

// One row of the list.
struct PictureInfo {
    const char* name;  // base name of "sprites\<name>.bmp"
    int width;         // pixels
    int height;        // pixels
    DrawMode drawn;    // how the game draws it: Transparent keys out magenta
    bool inGame;       // the game loads it
    int editorSlot;    // place in the editor's load order, -1 when the editor does not load it
};

inline constexpr PictureInfo kPictures[] = {
#define GAME_PICTURE(name, w, h, drawn) {#name, w, h, DrawMode::drawn, true, -1},
#define SHARED_PICTURE(name, w, h, drawn, slot) {#name, w, h, DrawMode::drawn, true, slot},
#define EDITOR_PICTURE(name, w, h, drawn, slot) {#name, w, h, DrawMode::drawn, false, slot},
#include "common/pictures.def"
};
constexpr std::size_t kPictureCount = static_cast<std::size_t>(Picture::Count);
static_assert(std::size(kPictures) == kPictureCount);

constexpr const PictureInfo& pictureInfo(Picture p) { return kPictures[static_cast<std::size_t>(p)]; }

// How many pictures the game loads: its pictures are the first rows.
constexpr std::size_t kGamePictureCount = [] {
    std::size_t n = 0;
    while (n < kPictureCount && kPictures[n].inGame) ++n;
    for (std::size_t i = n; i < kPictureCount; ++i)
        if (kPictures[i].inGame) return std::size_t{0};  // a game picture after an editor one
    return n;
}();
static_assert(kGamePictureCount > 0, "the game's pictures come first in common/pictures.def");

// The editor's pictures in its load order; the slots must number them 0, 1, 2, ...
constexpr std::size_t kEditorPictureCount = [] {
    std::size_t n = 0;
    for (const PictureInfo& p : kPictures) n += p.editorSlot >= 0;
    return n;
}();
constexpr std::array<Picture, kEditorPictureCount> kEditorPictures = [] {
    std::array<Picture, kEditorPictureCount> order{};
    order.fill(Picture::Count);
    for (std::size_t i = 0; i < kPictureCount; ++i) {
        const int slot = kPictures[i].editorSlot;
        if (slot >= 0 && static_cast<std::size_t>(slot) < kEditorPictureCount && order[slot] == Picture::Count)
            order[slot] = static_cast<Picture>(i);
    }
    return order;
}();
static_assert(
    [] {
        for (Picture p : kEditorPictures)
            if (p == Picture::Count) return false;
        return true;
    }(),
    "the editor slots in common/pictures.def number its pictures 0, 1, 2, ... once each");
