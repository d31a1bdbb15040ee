// Items: the exchange, the action command, weapon kills and firing the star.
#include "game/rules/items.h"
#include "common/tile_codes.h"
#include "game/rules/player.h"
#include "tests/rules/rules_fixture.h"
#include "tests/support/virtual_time.h"

namespace {

using ItemTest = RulesTest;

// ---- exchange ----

TEST_F(ItemTest, ExchangeSwapsHandAndCell) {
    setCell(5, 5, tile::Axe);
    world.heldItem = tile::Sword;
    swapHeldItem();
    EXPECT_EQ(cell(5, 5), tile::Sword);
    EXPECT_EQ(world.heldItem, tile::Axe);
    EXPECT_EQ(sounds(), std::vector<std::string>{"wave\\tok.wav"});
}

TEST_F(ItemTest, ExchangeWithEmptyHandEmptiesTheCell) {
    setCell(5, 5, tile::Key);
    swapHeldItem();
    EXPECT_EQ(cell(5, 5), tile::Floor);
    EXPECT_EQ(world.heldItem, tile::Key);
}

TEST_F(ItemTest, ExchangeLeavesFlamesWaterAndDoorAlone) {
    world.heldItem = tile::Axe;
    for (int code : {int{tile::Flame}, int{tile::Flame2}, int{tile::Embers}, int{tile::Waterfall}, int{tile::Water}, 15,
                     int{tile::Door}}) {
        setCell(5, 5, code);
        swapHeldItem();
        EXPECT_EQ(cell(5, 5), code);
        EXPECT_EQ(world.heldItem, tile::Axe);
    }
    EXPECT_TRUE(sounds().empty());
}

TEST_F(ItemTest, ActionOnAFreeCellCannotPutAKeyDown) {
    world.heldItem = tile::Key;
    actionCommand();
    EXPECT_EQ(world.heldItem, tile::Key);
    EXPECT_EQ(cell(5, 5), tile::Floor);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(ItemTest, ActionOnFlameDoesNotUseTheWeapon) {
    setCell(5, 5, tile::Flame);
    world.heldItem = tile::Axe;
    Creature& p = pig(1, 5, 5);
    actionCommand();
    EXPECT_EQ(world.heldItem, tile::Axe);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(cell(5, 5), tile::Flame);
}

TEST_F(ItemTest, ActionOnAnItemCellExchanges) {
    setCell(5, 5, tile::Cross);
    world.heldItem = tile::Jug;
    actionCommand();
    EXPECT_EQ(world.heldItem, tile::Cross);
    EXPECT_EQ(cell(5, 5), tile::Jug);
}

// ---- weapons ----

TEST_F(ItemTest, AxeKillsTheLowestIndexedOfTwoPigs) {
    world.heldItem = tile::Axe;
    Creature& first = pig(2, 5, 5);
    Creature& second = pig(4, 5, 5);
    actionCommand();
    EXPECT_TRUE(isEmptyEntry(first));
    EXPECT_EQ(second.x, 5);
    EXPECT_EQ(world.score, 1000);
    EXPECT_EQ(world.heldItem, 0);
    EXPECT_EQ(cell(5, 5), tile::DeadPig);
    EXPECT_EQ(sounds(), std::vector<std::string>{"wave\\Sterb.wav"});
}

struct WeaponCase {
    int weapon;
    CreatureTable World::*table;
    int World::*count;
    int corpse;
    const char* sound;
};

TEST_F(ItemTest, EachWeaponKillsItsKindAndLeavesItsCorpse) {
    const WeaponCase cases[] = {
        {tile::Axe, &World::pigs, &World::pigCount, tile::DeadPig, "wave\\Sterb.wav"},
        {tile::Sword, &World::cleaners, &World::cleanerCount, tile::DeadCleaner, "wave\\schnitt.wav"},
        {tile::Jug, &World::flameGhosts, &World::flameGhostCount, tile::Smoke, "wave\\plop.wav"},
        {tile::Cross, &World::eyes, &World::eyeCount, tile::DeadEye, "wave\\plop.wav"},
    };
    for (const WeaponCase& w : cases) {
        world.score = 0;
        setCell(5, 5, tile::Floor2);
        headless::clearSounds();
        // One creature of every kind on the wizard's cell.
        pig(1, 5, 5);
        cleaner(1, 5, 5);
        ghost(1, 5, 5);
        eye(1, 5, 5);
        world.heldItem = w.weapon;
        useHeldItem();
        EXPECT_TRUE(isEmptyEntry((world.*w.table)[1])) << w.weapon;
        int living = 0;
        for (auto table : {&World::pigs, &World::cleaners, &World::flameGhosts, &World::eyes}) {
            if (!isEmptyEntry((world.*table)[1])) ++living;
        }
        EXPECT_EQ(living, 3) << w.weapon;
        EXPECT_EQ(cell(5, 5), w.corpse) << w.weapon;
        EXPECT_EQ(world.score, 1000);
        EXPECT_EQ(sounds(), std::vector<std::string>{w.sound});
    }
}

TEST_F(ItemTest, WeaponWithoutItsCreatureStaysInHand) {
    world.heldItem = tile::Sword;
    pig(1, 5, 5);
    cleaner(1, 6, 5);
    useHeldItem();
    EXPECT_EQ(world.heldItem, tile::Sword);
    EXPECT_EQ(world.score, 0);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(ItemTest, WeaponComparesCellsOnlyNotScreens) {
    world.heldItem = tile::Axe;
    const Creature& p = homeOn(pig(1, 5, 5), 19, 0);
    useHeldItem();
    EXPECT_TRUE(isEmptyEntry(p));
    EXPECT_EQ(world.score, 1000);
}

TEST_F(ItemTest, CorpseIsNotWrittenOnAFlame) {
    // Through the demonstration's path: use regardless of the cell.
    setCell(5, 5, tile::Flame);
    world.heldItem = tile::Axe;
    Creature& p = pig(1, 5, 5);
    useHeldItem();
    EXPECT_TRUE(isEmptyEntry(p));
    EXPECT_EQ(cell(5, 5), tile::Flame);
    EXPECT_EQ(world.score, 1000);
}

TEST_F(ItemTest, CorpseReplacesAnotherCorpseButNotCodeNine) {
    setCell(5, 5, tile::DeadEye);
    world.heldItem = tile::Axe;
    pig(1, 5, 5);
    useHeldItem();
    EXPECT_EQ(cell(5, 5), tile::DeadPig);

    world.heldItem = tile::Cross;
    eye(1, 5, 5);
    useHeldItem();
    EXPECT_EQ(cell(5, 5), tile::DeadPig);  // 9 is not below 9
}

TEST_F(ItemTest, WeaponKillPausesWithSoundOff) {
    world.soundOn = 0;
    world.heldItem = tile::Axe;
    pig(1, 5, 5);
    EXPECT_GE(secondsTaken(useHeldItem), 0.010);
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(world.score, 1000);
}

// ---- firing the star ----

TEST_F(ItemTest, FiringTheStarPutsAllSplintersOnTheWizardsViewCell) {
    world.viewX = 19;
    world.viewY = 13;
    world.playerX = 25;
    world.playerY = 20;
    world.heldItem = tile::ShootingStar;
    useHeldItem();
    EXPECT_EQ(world.splinterTimer, 20);
    EXPECT_EQ(world.heldItem, 0);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(world.splinterX[static_cast<std::size_t>(k)], 6);
        EXPECT_EQ(world.splinterY[static_cast<std::size_t>(k)], 7);
    }
    EXPECT_EQ(sounds(), std::vector<std::string>{"wave\\zisch.wav"});
}

TEST_F(ItemTest, StarStaysInHandWhileABurstRuns) {
    world.heldItem = tile::ShootingStar;
    world.splinterTimer = 5;
    useHeldItem();
    EXPECT_EQ(world.heldItem, tile::ShootingStar);
    EXPECT_EQ(world.splinterTimer, 5);
    EXPECT_TRUE(sounds().empty());
}

}  // namespace
