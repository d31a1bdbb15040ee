// world.cpp — the one World record and the computations all modules share.
#include "game/world/world.h"

#include "common/tile_codes.h"
#include "game/world/game_constants.h"

World world;

int cellAt(int x, int y) {
    if (!isMapCell(x, y)) return tile::RedWall;
    return world.map[x][y];
}

bool isEnterable(int code) { return isEnterableCode(code); }

Pixel cellPixel(int x, int y) { return {(x - world.viewX - 1) * kCell, (y - world.viewY - 1) * kCell}; }

Pixel spritePixel(int x, int y, int ox, int oy) {
    return {(x - world.viewX) * kCell + ox - kCell, (y - world.viewY) * kCell + oy - kCell};
}

bool onCurrentScreen(const Creature& c) {
    // A killed creature and entry 0 belong to no screen, although their home
    // (0, 0) equals the first screen's offsets.
    return !isEmptyEntry(c) && c.homeViewX == world.viewX && c.homeViewY == world.viewY;
}

bool playerAtRest() { return world.playerOffsetX == 0 && world.playerOffsetY == 0; }

void putLevelIntoWorld(const LevelData& level) {
    for (int x = 1; x <= kLevelColumns; ++x) {
        for (int y = 1; y <= kLevelRows; ++y) world.map[x][y] = level.map[x][y];
    }
    world.playerX = level.playerX;
    world.playerY = level.playerY;
    world.viewX = level.viewX;
    world.viewY = level.viewY;
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        CreatureTable& table = world.*kCreatureKindFields[kind].table;
        for (int k = 0; k < kCreatureSlots; ++k) {
            const StoredCreature& stored = level.creatures[kind][k];
            table[k].x = stored.x;
            table[k].y = stored.y;
            table[k].homeViewX = stored.homeViewX;
            table[k].homeViewY = stored.homeViewY;
        }
        world.*kCreatureKindFields[kind].count = level.counts[kind];
    }
}

void takeLevelFromWorld(LevelData& level) {
    level.map = world.map;
    level.playerX = world.playerX;
    level.playerY = world.playerY;
    level.viewX = world.viewX;
    level.viewY = world.viewY;
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        const CreatureTable& table = world.*kCreatureKindFields[kind].table;
        for (int k = 0; k < kCreatureSlots; ++k) {
            level.creatures[kind][k] = {table[k].x, table[k].y, table[k].homeViewX, table[k].homeViewY};
        }
        level.counts[kind] = world.*kCreatureKindFields[kind].count;
    }
}

void resetForNewGame() {
    world.heldItem = 0;
    world.energy = kFullEnergy;
    world.sceneShown = 0;
    world.deathKind = 0;
    world.lastHarm = 0;
    world.stepsTaken = 0;
    world.level = 1;
    world.demoStep = 0;
    world.score = 0;
}
