// burst.cpp — one frame of the shooting-star burst: eight splinters fly out
// from the wizard's view cell, one cell per frame, through walls, and kill
// every creature of the current screen whose cell they meet.
//
// Writes: World::splinterX/Y, map (corpses), creature entries, score.
#include "game/rules/items.h"

#include "game/rules/contacts.h"
#include "game/rules/creature_glide.h"
#include "game/rules/kill_table.h"
#include "game/world/scene.h"
#include "game/world/sound_catalogue.h"
#include "game/world/tile_images.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

constexpr int kBurstKillPauseMs = 4;

// The direction of each splinter, 1..8 clockwise from straight up. A
// splinter moves only while every axis it moves on stays inside the view;
// a diagonal one stops at the first edge it reaches instead of sliding.
struct SplinterCourse {
    int dx;  // column change per frame
    int dy;  // row change per frame
};
constexpr SplinterCourse kSplinterCourses[kSplinters + 1] = {
    {0, 0},                                // entry 0 unused
    {0, -1}, {+1, -1}, {+1, 0}, {+1, +1},  // up, up right, right, down right
    {0, +1}, {-1, +1}, {-1, 0}, {-1, -1},  // down, down left, left, up left
};

bool axisAllows(int cell, int delta, int cells) {
    if (delta > 0) return cell < cells;
    if (delta < 0) return cell > 1;
    return true;
}

void advanceSplinter(std::size_t i) {
    const SplinterCourse& course = kSplinterCourses[i];
    int& col = world.splinterX[i];
    int& row = world.splinterY[i];
    if (!axisAllows(col, course.dx, kViewColumns) || !axisAllows(row, course.dy, kViewRows)) return;
    col += course.dx;
    row += course.dy;
}

void killBySplinter(const KillRule& rule, Creature& c, int col, int row) {
    rule.erase();
    if (leaveCorpse(rule, c.x, c.y) && rule.burstDrawsCorpse) {
        const int px = (col - 1) * kCell;
        const int py = (row - 1) * kCell;
        const Image* corpse = image(tileImages(rule.corpseCode).phaseA);
        setPages(kBackgroundPage, kVisiblePage);
        drawImage(px, py, corpse, DrawMode::Opaque);
        setPages(kVisiblePage, kVisiblePage);
        drawImage(px, py, corpse, DrawMode::Opaque);
    }
    emptyEntry(c);
    world.score += kBurstKillPoints;
    showScore();
    playCue(rule.sound);
    sleepMs(kBurstKillPauseMs);
}

// Every creature of the current screen on splinter i's cell dies, tested by
// entry index first and, within one index, pig, cleaning man, flame ghost,
// eye.
void strikeWithSplinter(std::size_t i) {
    const int col = world.splinterX[i];
    const int row = world.splinterY[i];
    int highest = 0;
    for (const KillRule& rule : kKillTable) highest = std::max(highest, creatureLimit(world.*rule.count));
    for (int j = 1; j <= highest; ++j) {
        for (const KillRule& rule : kKillTable) {
            if (j > creatureLimit(world.*rule.count)) continue;
            Creature& c = (world.*rule.table)[static_cast<std::size_t>(j)];
            if (!onCurrentScreen(c)) continue;
            if (c.x - c.homeViewX != col || c.y - c.homeViewY != row) continue;
            killBySplinter(rule, c, col, row);
        }
    }
}

}  // namespace

void burstStep() {
    eraseSplinters();
    for (std::size_t i = 1; i <= kSplinters; ++i) {
        strikeWithSplinter(i);
        advanceSplinter(i);
    }
    drawSplinters();
}
