// The move check, one case per answer: out of reach, blocked, a barrier that
// opens only with its item and from its side, the flip at the view's edge,
// the step, drowning and the door; and the action's exchange rule.
#include "common/move_check.h"

#include <gtest/gtest.h>

namespace {

struct MoveCase {
    const char* what;
    Command command;
    Walker from;
    int neighbour;  // the code of the cell the move looks at
    MoveResult result;
    bool opened;
    bool drowned;
    bool door;
};

constexpr Walker kMiddle{10, 7, 0, 0, 0};

// clang-format off
const MoveCase kMoveCases[] = {
    {"last reachable column", Command::Right, {210, 7, 190, 0, 0}, tile::Floor, MoveResult::OutOfReach, false, false, false},
    {"first row", Command::Up, {10, 1, 0, 0, 0}, tile::Floor, MoveResult::OutOfReach, false, false, false},
    {"wall", Command::Left, kMiddle, tile::RedWall, MoveResult::Blocked, false, false, false},
    {"barrier, empty hand", Command::Right, kMiddle, tile::Barrier, MoveResult::Blocked, false, false, false},
    {"barrier with its key", Command::Right, {10, 7, 0, 0, tile::Key}, tile::Barrier, MoveResult::Stepped, true, false, false},
    {"barrier from above", Command::Down, {10, 7, 0, 0, tile::Key}, tile::Barrier, MoveResult::Blocked, false, false, false},
    {"cross barrier from above", Command::Down, {10, 7, 0, 0, tile::Key}, tile::CrossBarrier, MoveResult::Stepped, true, false, false},
    {"view's right edge", Command::Right, {20, 7, 0, 0, 0}, tile::Floor, MoveResult::Flipped, false, false, false},
    {"opened at the view's edge", Command::Up, {10, 14, 0, 13, tile::Key}, tile::CrossBarrier, MoveResult::Flipped, true, false, false},
    {"floor", Command::Down, kMiddle, tile::Floor, MoveResult::Stepped, false, false, false},
    {"water", Command::Left, kMiddle, tile::Water, MoveResult::Stepped, false, true, false},
    {"door", Command::Up, kMiddle, tile::Door, MoveResult::Stepped, false, false, true},
};
// clang-format on

TEST(MoveCheck, EachCaseGivesItsAnswer) {
    for (const MoveCase& c : kMoveCases) {
        const WalkDirection& d = *walkDirection(c.command);
        const MoveOutcome out = checkMove(d, c.from, [&](int x, int y) {
            return x == c.from.x + d.dx && y == c.from.y + d.dy ? c.neighbour : tile::RedWall;
        });
        EXPECT_EQ(out.result, c.result) << c.what;
        EXPECT_EQ(out.opened, c.opened) << c.what;
        EXPECT_EQ(out.drowned, c.drowned) << c.what;
        EXPECT_EQ(out.door, c.door) << c.what;
        if (c.result != MoveResult::OutOfReach) {
            EXPECT_EQ(out.cellX, c.from.x + d.dx) << c.what;
            EXPECT_EQ(out.cellY, c.from.y + d.dy) << c.what;
        }
    }
}

TEST(MoveCheck, TheActionExchangesFromCodeTenUp) {
    EXPECT_FALSE(actionExchanges(tile::Floor));
    EXPECT_FALSE(actionExchanges(tile::Flame - 1));
    EXPECT_TRUE(actionExchanges(tile::Flame));
    EXPECT_TRUE(actionExchanges(tile::Axe));
}

}  // namespace
