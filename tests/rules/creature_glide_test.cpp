// The creature glide draws in one pass what the plain rule draws with an
// erase and a draw of the whole kind per moving creature: the two must leave
// identical pixels, also where creatures overlap each other and the wizard.
#include "game/rules/creatures.h"
#include "game/world/scene.h"
#include "tests/rules/rules_fixture.h"

#include <random>
#include <vector>

namespace {

class GlideEquivalence : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        // Patterned images, so that overlapping exclusive-or sprites and the
        // wizard leave pixels that depend on the order of the drawing.
        std::mt19937 rng(7);
        for (Image* img : spriteImages())
            for (Colour& p : img->pixels) p = rng() & 0xFFFFFFu;
        for (int x = 1; x <= 20; ++x)
            for (int y = 1; y <= 14; ++y) world.map[x][y] = (x * 7 + y * 3) % 4;
        world.sceneShown = 1;
        renderScene();
    }

    // Creatures crowded around the wizard with offsets of every sign and size.
    void crowd(CreatureTable& table, int& count, bool horizontalOnly) {
        std::mt19937 rng(11);
        count = 60;
        for (int k = 1; k <= count; ++k) {
            Creature& c = table[static_cast<std::size_t>(k)];
            c = Creature{};
            c.x = 3 + static_cast<int>(rng() % 5);
            c.y = 3 + static_cast<int>(rng() % 5);
            const int offsets[] = {-40, -20, -2, 0, 0, 4, 18, 40};
            c.offsetX = offsets[rng() % 8];
            c.offsetY = horizontalOnly ? 0 : offsets[rng() % 8];
        }
        table[9] = Creature{};     // a killed one among them
        table[12].homeViewX = 19;  // and one of another screen
    }

    static std::vector<Colour> visible() {
        return {headless::pagePixels(0), headless::pagePixels(0) + kScreenWidth * kScreenHeight};
    }
    static void putVisible(const std::vector<Colour>& page) {
        setPages(0, 0);
        for (int y = 0; y < kScreenHeight; ++y)
            for (int x = 0; x < kScreenWidth; ++x) setPixel(x, y, page[static_cast<std::size_t>(y * kScreenWidth + x)]);
    }

    // The plain rule, written out.
    static void plainGlide(CreatureTable& table, int count, int pixels, bool horizontalOnly, void (*erase)(),
                           void (*draw)()) {
        for (int k = 1; k <= count; ++k) {
            Creature& c = table[static_cast<std::size_t>(k)];
            if (!onCurrentScreen(c)) continue;
            for (int* offset : {&c.offsetX, horizontalOnly ? nullptr : &c.offsetY}) {
                if (offset == nullptr) continue;
                if (*offset > 0) {
                    erase();
                    *offset = std::max(0, *offset - pixels);
                    draw();
                }
                if (*offset < 0) {
                    erase();
                    *offset = std::min(0, *offset + pixels);
                    draw();
                }
            }
        }
    }

    void expectSamePixels(CreatureTable World::*kind, int World::*kindCount, int pixels, bool horizontalOnly,
                          void (*erase)(), void (*draw)(), void (*step)()) {
        crowd(world.*kind, world.*kindCount, horizontalOnly);
        expectSameAsPlainRule(kind, kindCount, pixels, horizontalOnly, erase, draw, step);
    }

    void expectSameAsPlainRule(CreatureTable World::*kind, int World::*kindCount, int pixels, bool horizontalOnly,
                               void (*erase)(), void (*draw)(), void (*step)()) {
        CreatureTable& table = world.*kind;
        int& count = world.*kindCount;
        drawWizard();
        draw();
        const World before = world;
        const std::vector<Colour> start = visible();

        plainGlide(table, count, pixels, horizontalOnly, erase, draw);
        const std::vector<Colour> expected = visible();
        const World after = world;

        world = before;
        putVisible(start);
        step();
        EXPECT_TRUE(visible() == expected);
        for (int k = 1; k <= count; ++k) {
            EXPECT_EQ(table[k].offsetX, (after.*kind)[k].offsetX);
            EXPECT_EQ(table[k].offsetY, (after.*kind)[k].offsetY);
        }
    }
};

TEST_F(GlideEquivalence, PigsLeaveThePixelsOfThePlainRule) {
    expectSamePixels(&World::pigs, &World::pigCount, 2, false, erasePigs, drawPigs, stepPigs);
}

TEST_F(GlideEquivalence, CleaningMenLeaveThePixelsOfThePlainRule) {
    expectSamePixels(&World::cleaners, &World::cleanerCount, 2, true, eraseCleaners, drawCleaners, stepCleaners);
}

// Over the wizard: the strip that a creature's move uncovers is restored
// from the background unless it is the kind's last move, whose strip keeps
// the wizard's pixels under the exclusive-or image.
TEST_F(GlideEquivalence, OnlyTheLastMoveLeavesItsNewStripUnrestored) {
    place(world.eyes, world.eyeCount, 1, 5, 5).offsetY = -8;  // glides down over the wizard
    place(world.eyes, world.eyeCount, 2, 5, 5).offsetX = 8;   // glides left over him: the last move
    expectSameAsPlainRule(&World::eyes, &World::eyeCount, 4, false, eraseEyes, drawEyes, stepEyes);
}

TEST_F(GlideEquivalence, NothingIsDrawnWhenNoCreatureMoves) {
    world.pigCount = 2;
    world.pigs[1] = {4, 4, 0, 0, 0, 0};
    world.pigs[2] = {5, 4, 0, 0, 0, 0};
    const std::vector<Colour> start = visible();
    stepPigs();
    EXPECT_TRUE(visible() == start);
}

}  // namespace
