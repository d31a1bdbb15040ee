// items.cpp — the held item: exchanging it with the item on the wizard's
// cell, and using it (firing the shooting star or killing one creature of the
// weapon's kind on the wizard's cell).
//
// Writes: World::heldItem, map (exchange, corpses), creature entries and
// score (weapon kills), splinterX/Y and splinterTimer (firing).
#include "game/rules/items.h"

#include "common/tile_codes.h"
#include "game/rules/contacts.h"
#include "game/rules/creature_glide.h"
#include "game/rules/kill_table.h"
#include "game/rules/map_edit.h"
#include "game/world/scene.h"
#include "game/world/sound_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

constexpr int kBurstFrames = 20;
constexpr int kSwapSoundPauseMs = 20;
constexpr int kSwapSettlePauseMs = 50;
constexpr int kFirePauseMs = 20;
constexpr int kWeaponKillPauseMs = 10;

void fireShootingStar() {
    world.splinterTimer = kBurstFrames;
    for (int k = 1; k <= kSplinters; ++k) {
        world.splinterX[static_cast<std::size_t>(k)] = world.playerX - world.viewX;
        world.splinterY[static_cast<std::size_t>(k)] = world.playerY - world.viewY;
    }
    drawSplinters();
    world.heldItem = 0;
    showHeldItem();
    playCue(Snd::zisch);
    sleepMs(kFirePauseMs);
}

// Kills the first creature of the weapon's kind on the wizard's cell, of any
// screen; the weapon is used up by that one kill.
void strikeWithWeapon() {
    const int px = world.playerX;
    const int py = world.playerY;
    for (const KillRule& rule : kKillTable) {
        CreatureTable& table = world.*rule.table;
        const int last = creatureLimit(world.*rule.count);
        for (int k = 1; k <= last; ++k) {
            Creature& c = table[static_cast<std::size_t>(k)];
            if (isEmptyEntry(c) || c.x != px || c.y != py) continue;
            if (world.heldItem != rule.weapon) continue;
            playCue(rule.sound);
            sleepMs(kWeaponKillPauseMs);
            rule.erase();
            leaveCorpse(rule, c.x, c.y);
            emptyEntry(c);
            world.score += kWeaponKillPoints;
            world.heldItem = 0;
            showScore();
            showHeldItem();
        }
    }
}

}  // namespace

void swapHeldItem() {
    flushKeys();
    const int code = cellAt(world.playerX, world.playerY);
    if (!isExchangedCode(code)) return;
    writeCell(world.playerX, world.playerY, world.heldItem);
    world.heldItem = code;
    showHeldItem();
    playCue(Snd::tok);
    sleepMs(kSwapSoundPauseMs);
    flushKeys();
    sleepMs(kSwapSettlePauseMs);
}

void useHeldItem() {
    // With a burst still running, the star stays in hand.
    if (world.heldItem == tile::ShootingStar && world.splinterTimer == 0) fireShootingStar();
    strikeWithWeapon();
    flushKeys();
}
