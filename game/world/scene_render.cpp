// scene_render.cpp — the full render of view and status line with its
// dissolve, and the tile animation.
//
// Writes: World::sceneShown.
#include "game/world/scene.h"

#include "common/language.h"
#include "game/world/paced_dissolve.h"
#include "game/world/tile_images.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

// The status line on the work page: labels, numbers and, in a
// demonstration, the hints.
void printStatusLine() {
    setTextPos(kStatusRow, 1);
    printText(tr("Energie:"), false);
    setTextPos(kStatusRow, kEnergyColumn);
    printPicture(kEnergyPicture, world.energy);
    setTextPos(kStatusRow, 13);
    printText("%", false);
    setTextPos(kStatusRow, 16);
    printText(tr("Labyrinth:"), false);
    setTextPos(kStatusRow, 26);
    printPicture("###", world.level);
    if (world.demoStep > 0) {
        setTextPos(kStatusRow, 32);
        printText(tr("DEMO"), false);
    }
    setTextPos(kStatusRow, 42);
    printText(tr("Punkte:"), false);
    setTextPos(kStatusRow, kScoreColumn);
    printPicture(kScorePicture, world.score);
    if (world.demoStep > 0) {
        setTextPos(kStatusRow, 65);
        printText(tr("LEERTASTE ZUM STARTEN"), false);
    }
}

// Reveals the background page on the visible page one random pixel at a
// time, paced over about a second so that it is seen (paced_dissolve.h).
void dissolve() {
    pacedDissolve(kDissolvePixels, [] {
        const double r1 = random01();
        const double r2 = random01();
        const int x = static_cast<int>(r1 * kScreenWidth);
        const int y = static_cast<int>(r2 * kScreenHeight);
        setPages(kBackgroundPage, kVisiblePage);
        const Colour c = getPixel(x, y);
        setPages(kVisiblePage, kVisiblePage);
        setPixel(x, y, c);
    });
}

}  // namespace

void renderScene() {
    setPages(kBackgroundPage, kVisiblePage);
    if (world.sceneShown == 0) clearPage();
    for (int i = 1; i <= kViewColumns; ++i) {
        for (int j = 1; j <= kViewRows; ++j) {
            const Img img = tileImages(cellAt(world.viewX + i, world.viewY + j)).phaseA;
            // A code without an image keeps what the page held there.
            if (img != Img::Count) drawImage((i - 1) * kCell, (j - 1) * kCell, image(img), DrawMode::Opaque);
        }
    }
    printStatusLine();
    if (world.sceneShown == 0) {
        dissolve();
        world.sceneShown = 1;
    }
    setPages(kVisiblePage, kVisiblePage);
    copyPage(kBackgroundPage, kVisiblePage);
}

void animateTiles() {
    const int wizardColumn = world.playerX - world.viewX;
    const int wizardRow = world.playerY - world.viewY;
    const bool phaseA = world.frameCounter < 20;
    for (int i = 1; i <= kViewColumns; ++i) {
        for (int j = 1; j <= kViewRows; ++j) {
            if (i == wizardColumn && j == wizardRow) continue;
            const int code = cellAt(world.viewX + i, world.viewY + j);
            if (!isAnimatedTile(code)) continue;
            const TileImages t = tileImages(code);
            drawImage((i - 1) * kCell, (j - 1) * kCell, image(phaseA ? t.phaseA : t.phaseB), DrawMode::Opaque);
        }
    }
}
