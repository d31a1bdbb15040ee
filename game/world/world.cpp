// world.cpp — the one World record and the computations all modules share.
#include "game/world/world.h"

#include "common/tile_codes.h"

World world;

int cellAt(int x, int y) {
    if (x < 0 || x >= kMapColumns || y < 0 || y >= kMapRows) return RedWall;
    return world.map[x][y];
}

bool isEnterable(int code) { return isEnterableCode(code); }

Pixel cellPixel(int x, int y) {
    return {(x - world.viewX - 1) * kCell, (y - world.viewY - 1) * kCell};
}

Pixel spritePixel(int x, int y, int ox, int oy) {
    return {(x - world.viewX) * kCell + ox - kCell, (y - world.viewY) * kCell + oy - kCell};
}

bool isEmptyCreature(const Creature& c) {
    return c.x == 0 && c.y == 0 && c.homeViewX == 0 && c.homeViewY == 0;
}

bool onCurrentScreen(const Creature& c) {
    // A killed creature and entry 0 belong to no screen, although their home
    // (0, 0) equals the first screen's offsets.
    return !isEmptyCreature(c) && c.homeViewX == world.viewX && c.homeViewY == world.viewY;
}

bool playerAtRest() { return world.playerOffsetX == 0 && world.playerOffsetY == 0; }

Image* image(Img id) { return world.images[static_cast<std::size_t>(id)]; }
