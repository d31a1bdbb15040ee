// Moves of the wizard: steps, bounds, blocking, view flips and barriers.
#include "common/tile_codes.h"
#include "game/rules/player.h"
#include "tests/rules/rules_fixture.h"

#include <tuple>

namespace {

using MoveTest = RulesTest;

// Where the wizard stands: view (x, y), cell (x, y), glide (x, y).
using WizardPlace = std::tuple<int, int, int, int, int, int>;

// The world's fields that hold the wizard's place, to set and to read.
auto wizardPlace() {
    return std::tie(world.viewX, world.viewY, world.playerX, world.playerY, world.playerOffsetX, world.playerOffsetY);
}

TEST_F(MoveTest, StepsGlideFromTheOldPlaceAndTheViewFlipsFirstAtItsEdge) {
    const struct {
        const char* why;
        WizardPlace before;
        void (*move)();
        WizardPlace after;
    } kMoves[] = {
        {"a step right", {0, 0, 5, 5, 0, 0}, moveRight, {0, 0, 6, 5, -40, 0}},
        {"a step left", {0, 0, 5, 5, 0, 0}, moveLeft, {0, 0, 4, 5, 40, 0}},
        {"a step down", {0, 0, 5, 5, 0, 0}, moveDown, {0, 0, 5, 6, 0, -40}},
        {"a step up", {0, 0, 5, 5, 0, 0}, moveUp, {0, 0, 5, 4, 0, 40}},
        {"right at view column 20 flips", {0, 0, 20, 5, 0, 0}, moveRight, {19, 0, 20, 5, 0, 0}},
        {"then steps on", {19, 0, 20, 5, 0, 0}, moveRight, {19, 0, 21, 5, -40, 0}},
        {"left at view column 1 flips back", {19, 0, 20, 5, 0, 0}, moveLeft, {0, 0, 20, 5, 0, 0}},
        {"down at view row 14 flips", {0, 0, 5, 14, 0, 0}, moveDown, {0, 13, 5, 14, 0, 0}},
        {"up at view row 1 flips back", {0, 13, 5, 14, 0, 0}, moveUp, {0, 0, 5, 14, 0, 0}},
        {"then steps on", {0, 0, 5, 14, 0, 0}, moveUp, {0, 0, 5, 13, 0, 40}},
        // A move against each reachable bound changes nothing.
        {"the right bound", {190, 0, 210, 5, 0, 0}, moveRight, {190, 0, 210, 5, 0, 0}},
        {"the left bound", {0, 0, 1, 5, 0, 0}, moveLeft, {0, 0, 1, 5, 0, 0}},
        {"the lower bound", {0, 130, 5, 144, 0, 0}, moveDown, {0, 130, 5, 144, 0, 0}},
        {"the upper bound", {0, 0, 5, 1, 0, 0}, moveUp, {0, 0, 5, 1, 0, 0}},
    };
    for (const auto& m : kMoves) {
        SCOPED_TRACE(m.why);
        wizardPlace() = m.before;
        m.move();
        EXPECT_EQ(WizardPlace(wizardPlace()), m.after);
    }
}

TEST_F(MoveTest, EveryCodeBelowFiftyIsEnteredAndFiftyOrMoreBlocks) {
    setCell(6, 5, tile::SecretPillar);
    moveRight();
    EXPECT_EQ(world.playerX, 6);
    world.playerOffsetX = 0;
    setCell(7, 5, 49);
    moveRight();
    EXPECT_EQ(world.playerX, 7);
    world.playerOffsetX = 0;
    setCell(8, 5, tile::Barrier);
    moveRight();
    EXPECT_EQ(world.playerX, 7);
    EXPECT_EQ(world.playerOffsetX, 0);
    setCell(7, 4, tile::RedWall);
    moveUp();
    EXPECT_EQ(world.playerY, 5);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(MoveTest, NoFlipTowardASolidCell) {
    world.playerX = 20;
    setCell(21, 5, tile::RedWall);
    moveRight();
    EXPECT_EQ(world.viewX, 0);
    EXPECT_EQ(world.playerX, 20);
}

// ---- barriers: which held item opens which barrier from which side ----

struct BarrierCase {
    const char* why;
    int heldItem;
    WizardPlace before;
    int x, y, barrier;     // the barrier's cell and code
    void (*move)();        // the move toward it
    WizardPlace after;     // where the wizard stands when it opened; the same place when it did not
    int openedX, openedY;  // the opened cell in the view the wizard stood in
};

// The barrier opens (the item used up, the barrier's sound, the wizard
// gliding into its cell or, across the view's edge, the view flipping
// first), or nothing happens at all.
// clang-format off
const BarrierCase kBarrierCases[] = {
    {"a key opens a barrier from the side", tile::Key, {0, 0, 5, 5, 0, 0}, 4, 5, tile::Barrier, moveLeft,
     {0, 0, 4, 5, 40, 0}, 4, 5},
    {"a key does not open a barrier from above", tile::Key, {0, 0, 5, 5, 0, 0}, 5, 6, tile::Barrier, moveDown,
     {0, 0, 5, 5, 0, 0}, 0, 0},
    {"a cross barrier does not open from the side", tile::Key2, {0, 0, 5, 5, 0, 0}, 6, 5, tile::CrossBarrier2,
     moveRight, {0, 0, 5, 5, 0, 0}, 0, 0},
    {"a cross barrier opens from below", tile::Key2, {0, 0, 5, 5, 0, 0}, 5, 4, tile::CrossBarrier2, moveUp,
     {0, 0, 5, 4, 0, 40}, 5, 4},
    {"another key does not fit", tile::Key2, {0, 0, 5, 5, 0, 0}, 6, 5, tile::Barrier, moveRight, {0, 0, 5, 5, 0, 0},
     0, 0},
    {"the crown opens its barrier", tile::Crown, {0, 0, 5, 5, 0, 0}, 6, 5, tile::TreasureBarrier, moveRight,
     {0, 0, 6, 5, -40, 0}, 6, 5},
    {"across the right edge it opens, then the view flips", tile::Key, {0, 0, 20, 5, 0, 0}, 21, 5, tile::Barrier,
     moveRight, {19, 0, 20, 5, 0, 0}, 21, 5},
    {"across the lower edge", tile::Key, {0, 0, 5, 14, 0, 0}, 5, 15, tile::CrossBarrier, moveDown,
     {0, 13, 5, 14, 0, 0}, 5, 15},
    {"across the upper edge, from view row 1", tile::Key, {0, 13, 5, 14, 0, 0}, 5, 13, tile::CrossBarrier, moveUp,
     {0, 0, 5, 14, 0, 0}, 5, 0},
    {"none beyond the reachable bounds", tile::Key, {190, 0, 210, 5, 0, 0}, 211, 5, tile::Barrier, moveRight,
     {190, 0, 210, 5, 0, 0}, 0, 0},
};
// clang-format on

class BarrierTest : public RulesTest, public ::testing::WithParamInterface<BarrierCase> {};

TEST_P(BarrierTest, OpensOnlyForTheFittingItemFromItsSide) {
    const BarrierCase& c = GetParam();
    SCOPED_TRACE(c.why);
    wizardPlace() = c.before;
    world.heldItem = c.heldItem;
    setCell(c.x, c.y, c.barrier);
    c.move();
    EXPECT_EQ(WizardPlace(wizardPlace()), c.after);
    const bool opened = c.after != c.before;
    EXPECT_EQ(cell(c.x, c.y), opened ? tile::Floor : c.barrier);
    EXPECT_EQ(world.heldItem, opened ? 0 : c.heldItem);
    EXPECT_EQ(world.openedCellX, c.openedX);
    EXPECT_EQ(world.openedCellY, c.openedY);
    EXPECT_EQ(sounds(), opened ? std::vector<std::string>{"wave\\wszt.wav"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Table, BarrierTest, ::testing::ValuesIn(kBarrierCases));

TEST_F(MoveTest, ItemsBelowFortyOpenNothing) {
    // Not even where item + 10 lies next to them: the cross walks onto the
    // crown's cell and both stay.
    world.heldItem = tile::Cross;
    setCell(6, 5, tile::Cross + 10);
    moveRight();
    EXPECT_EQ(world.heldItem, tile::Cross);
    EXPECT_EQ(cell(6, 5), tile::Crown);
    EXPECT_EQ(world.playerX, 6);
}

TEST_F(MoveTest, BarrierOpensSilentlyWithSoundOff) {
    world.soundOn = 0;
    world.heldItem = tile::Key;
    setCell(6, 5, tile::Barrier);
    moveRight();
    EXPECT_EQ(cell(6, 5), tile::Floor);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(MoveTest, GlideBringsTheOffsetToRestInEightFrames) {
    moveRight();
    for (int frame = 1; frame <= 7; ++frame) {
        stepWizard();
        EXPECT_EQ(world.playerOffsetX, -40 + 5 * frame);
    }
    stepWizard();
    EXPECT_TRUE(playerAtRest());
    stepWizard();
    EXPECT_TRUE(playerAtRest());

    moveUp();
    for (int frame = 0; frame < 8; ++frame) stepWizard();
    EXPECT_EQ(world.playerOffsetY, 0);
}

}  // namespace
