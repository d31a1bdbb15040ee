// contacts.cpp — what the wizard's cell does to his energy: flames cost,
// embers heal, every creature of the current screen on the cell costs; and
// the energy and score fields of the status line.
//
// Writes: World::energy, lastHarm.
#include "game/rules/contacts.h"

#include "common/run_end.h"
#include "common/tile_codes.h"
#include "game/rules/creature_glide.h"
#include "game/world/scene.h"
#include "game/world/sound_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

constexpr int kEmbersFastBelow = 90;  // below this, embers give 2 more
constexpr int kFlamePauseMs = 2;
constexpr int kEmbersPauseMs = 3;
constexpr int kCreaturePauseMs = 3;

// The creature tables in the order their contacts are charged.
struct ContactKind {
    CreatureTable World::*table;
    int World::*count;
    Harm harm;  // what a contact with one of them is, for the report of a death
};
constexpr ContactKind kContactOrder[] = {
    {&World::pigs, &World::pigCount, Harm::Pig},
    {&World::flameGhosts, &World::flameGhostCount, Harm::FlameGhost},
    {&World::eyes, &World::eyeCount, Harm::Eye},
    {&World::cleaners, &World::cleanerCount, Harm::Cleaner},
};

void loseEnergy(int pauseMs, Harm harm) {
    world.energy -= 1;
    world.lastHarm = static_cast<int>(harm);
    showEnergy();
    playCue(Snd::abzie);
    sleepMs(pauseMs);
}

}  // namespace

void contactStep() {
    const int px = world.playerX;
    const int py = world.playerY;
    const int code = cellAt(px, py);

    if (code == tile::Flame || code == tile::Flame2) loseEnergy(kFlamePauseMs, Harm::Flame);

    if (code == tile::Embers && world.energy < kFullEnergy) {
        if (world.energy < kEmbersFastBelow) world.energy += 2;
        if (world.energy < kFullEnergy) world.energy += 1;
        showEnergy();
        playCue(Snd::dazu);
        sleepMs(kEmbersPauseMs);
    }

    for (const ContactKind& kind : kContactOrder) {
        const CreatureTable& table = world.*kind.table;
        const int last = creatureLimit(world.*kind.count);
        for (int k = 1; k <= last; ++k) {
            const Creature& c = table[static_cast<std::size_t>(k)];
            if (onCurrentScreen(c) && c.x == px && c.y == py) loseEnergy(kCreaturePauseMs, kind.harm);
        }
    }
}

void showEnergy() {
    setTextPos(kStatusRow, kEnergyColumn);
    printPicture(kEnergyPicture, world.energy);
}

void showScore() {
    setTextPos(kStatusRow, kScoreColumn);
    printPicture(kScorePicture, world.score);
}
