// held_item.cpp — the held-item slot and the single-cell repaints of the
// background page.
#include "game/world/scene.h"

#include "common/tile_codes.h"
#include "game/world/tile_images.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

// Codes whose cell under the wizard may have changed through an exchange, a
// use or a kill: floor, corpses, smoke and items.
bool repaintedUnderWizard(int code) {
    return code == tile::Floor || (code >= tile::DeadEye && code <= tile::DeadPig) || isItemCode(code);
}

}  // namespace

void showHeldItem() {
    Img slot = Img::Schwarz;
    if (world.heldItem != 0) {
        const Img item = tileImages(world.heldItem).phaseA;
        if (item != Img::Count) slot = item;
    }
    drawImage(kHeldItemX, kHeldItemY, image(slot), DrawMode::Opaque);
    drawBox(kHeldItemX, kHeldItemY, kHeldItemX + kCell - 1, kHeldItemY + kCell - 1, kWhite);

    const int code = cellAt(world.playerX, world.playerY);
    if (repaintedUnderWizard(code)) {
        const Pixel p = cellPixel(world.playerX, world.playerY);
        setPages(kBackgroundPage, kVisiblePage);
        drawImage(p.x, p.y, image(tileImages(code).phaseA), DrawMode::Opaque);
        setPages(kVisiblePage, kVisiblePage);
    }
}

void paintOpenedCell() {
    setPages(kBackgroundPage, kVisiblePage);
    drawImage((world.openedCellX - 1) * kCell, (world.openedCellY - 1) * kCell, image(Img::Schwarz), DrawMode::Opaque);
    setPages(kVisiblePage, kVisiblePage);
}
