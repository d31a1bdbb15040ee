// Scene renderer: what the full render, the sprite draws and erases and the
// tile animation leave on the two pages.
#include "game/world/scene.h"
#include "common/tile_codes.h"
#include "tests/support/virtual_time.h"
#include "tests/world/game_fixture.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Scene = GameFixture;

Colour at(int page, int x, int y) { return headless::pixel(page, x, y); }

// The full render with the wizard standing on (x, y) of the first screen.
void renderWithWizardOn(int x, int y) {
    world.playerX = x;
    world.playerY = y;
    renderScene();
}

// Does the 40 x 40 block at (x, y) on page hold a non-black pixel?
bool blockHasInk(int page, int x, int y) {
    for (int dy = 0; dy < 40; ++dy)
        for (int dx = 0; dx < 40; ++dx)
            if ((at(page, x + dx, y + dy) & 0xFFFFFF) != 0) return true;
    return false;
}

// Is any pixel of the text cell (row, column) of the 8 x 8 grid not black?
bool textCellHasInk(int page, int row, int column) {
    for (int dy = 0; dy < 8; ++dy)
        for (int dx = 0; dx < 8; ++dx)
            if ((at(page, 8 * (column - 1) + dx, 8 * (row - 1) + dy) & 0xFFFFFF) != 0) return true;
    return false;
}

TEST_F(Scene, FullRenderDrawsEachViewCellAtItsPlaceAndShowsItOnTheVisiblePage) {
    world.viewX = 19;
    world.viewY = 13;
    world.map[20][14] = tile::RedWall;  // view cell (1, 1)
    world.map[39][27] = tile::Water;    // view cell (20, 14): phase A image
    world.map[25][20] = tile::Door;     // view cell (6, 7)
    world.map[30][15] = 20;             // not in the tile table: nothing drawn
    renderScene();
    EXPECT_EQ(world.sceneShown, 1);
    EXPECT_EQ(at(1, 0, 0), drawn(Img::mauer01));
    EXPECT_EQ(at(1, 39, 39), drawn(Img::mauer01));
    EXPECT_EQ(at(1, 760, 520), drawn(Img::welle1));
    EXPECT_EQ(at(1, 5 * 40 + 3, 6 * 40 + 3), drawn(Img::tuer));
    EXPECT_EQ(at(1, 10 * 40 + 20, 1 * 40 + 20) & 0xFFFFFF, 0u) << "unknown code keeps the cleared page";
    EXPECT_EQ(at(1, 40, 0), drawn(Img::Schwarz)) << "floor elsewhere";
    EXPECT_TRUE(pagesEqual()) << "the dissolve and final copy leave the visible page equal to the background";
}

TEST_F(Scene, TheDissolveIsSeenOverASecondInTheOrderOfTheRandomNumbers) {
    const std::uint64_t seed = core::randomState;
    const Colour* visible = headless::pagePixels(0);
    std::vector<Colour> last(visible, visible + 800 * 600), half;
    int pictures = 0;
    const double start = headless::clock();
    headless::setWatcher([&] {  // where a window would show the page
        if (std::equal(last.begin(), last.end(), visible)) return;
        ++pictures;
        last.assign(visible, visible + 800 * 600);
        if (half.empty() && headless::clock() - start >= 0.5) half = last;
    });
    renderScene();
    headless::setWatcher({});
    EXPECT_GE(pictures, 30);
    EXPECT_NEAR(headless::clock() - start, 1.0, 0.05);
    // Half-way, the view (floor tiles on black) shows exactly the pixels of
    // the first draws of the random sequence.
    ASSERT_FALSE(half.empty());
    constexpr int kViewPixels = 800 * 560;
    const long shown = std::count_if(half.begin(), half.begin() + kViewPixels,
                                     [](Colour c) { return (c & 0xFFFFFF) != 0; });
    EXPECT_GT(shown, kViewPixels / 4);
    EXPECT_LT(shown, kViewPixels * 3 / 4);
    core::randomState = seed;
    std::vector<char> revealed(kViewPixels, 0);
    for (long marked = 0; marked < shown;) {
        const int x = static_cast<int>(random01() * 800);
        const int y = static_cast<int>(random01() * 600);
        if (y < 560 && !revealed[static_cast<std::size_t>(y * 800 + x)]++) ++marked;
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(kViewPixels); ++i)
        ASSERT_EQ(revealed[i] != 0, (half[i] & 0xFFFFFF) != 0) << "pixel " << i;
}

TEST_F(Scene, UnknownCodeKeepsThePreviousScreensTileAfterAFlip) {
    world.map[5][5] = tile::OldWall;
    renderScene();
    world.viewX = 19;
    world.map[24][5] = 17;  // same view cell (5, 5) after the flip, code not in the table
    renderScene();          // sceneShown is 1: no clear
    EXPECT_EQ(at(1, 4 * 40 + 1, 4 * 40 + 1), drawn(Img::altwand));
    EXPECT_EQ(at(0, 4 * 40 + 1, 4 * 40 + 1), drawn(Img::altwand));
}

TEST_F(Scene, StatusLineShowsDemoHintsOnlyInADemonstration) {
    world.energy = 99;
    world.level = 3;
    world.score = 1234;
    renderScene();
    EXPECT_TRUE(textCellHasInk(1, 72, 1)) << "Energie:";
    EXPECT_TRUE(textCellHasInk(1, 72, 11)) << "energy digits";
    EXPECT_TRUE(textCellHasInk(1, 72, 28)) << "level digit in column 28 of ###";
    EXPECT_FALSE(textCellHasInk(1, 72, 27));
    EXPECT_TRUE(textCellHasInk(1, 72, 56)) << "last score digit";
    for (int c = 32; c < 36; ++c) EXPECT_FALSE(textCellHasInk(1, 72, c)) << "no DEMO in a live game";
    for (int c = 65; c < 86; ++c) EXPECT_FALSE(textCellHasInk(1, 72, c));

    world.demoStep = 1;
    world.sceneShown = 0;
    renderScene();
    for (int c = 32; c < 36; ++c) EXPECT_TRUE(textCellHasInk(1, 72, c)) << "DEMO column " << c;
    EXPECT_TRUE(textCellHasInk(1, 72, 65)) << "LEERTASTE ZUM STARTEN";
    EXPECT_TRUE(textCellHasInk(1, 72, 85));
}

TEST_F(Scene, SpriteDrawsAndErasesNeverTouchTheBackground) {
    world.playerX = 5;
    world.playerY = 5;
    world.pigCount = 1;
    world.pigs[1] = {6, 5, 0, 0, -20, 0};
    world.flameGhostCount = 1;
    world.flameGhosts[1] = {7, 7, 0, 0, 0, 12};
    world.cleanerCount = 1;
    world.cleaners[1] = {9, 5, 0, 0, 8, 0};
    world.eyeCount = 1;
    world.eyes[1] = {3, 3, 0, 0, 0, 0};
    renderScene();
    const std::vector<Colour> background(headless::pagePixels(1), headless::pagePixels(1) + 800 * 600);

    drawWizard();
    drawPigs();
    drawFlameGhosts();
    drawCleaners();
    drawEyes();
    EXPECT_FALSE(pagesEqual());
    eraseWizard();
    erasePigs();
    eraseFlameGhosts();
    eraseCleaners();
    eraseEyes();
    EXPECT_TRUE(pagesEqual()) << "erases restore exactly what the draws covered";
    EXPECT_TRUE(std::equal(background.begin(), background.end(), headless::pagePixels(1)));
}

TEST_F(Scene, ExclusiveOrSpritesVanishWhenDrawnTwice) {
    world.pigCount = 2;
    world.pigs[1] = {4, 4, 0, 0, 0, 0};
    world.pigs[2] = {4, 4, 0, 0, 0, 0};  // two on one cell cancel each other
    world.eyeCount = 1;
    world.eyes[1] = {8, 2, 0, 0, 0, 0};
    renderScene();
    drawPigs();
    EXPECT_TRUE(pagesEqual()) << "two pigs on one cell cancel";
    drawEyes();
    EXPECT_FALSE(pagesEqual());
    drawEyes();
    EXPECT_TRUE(pagesEqual());
}

TEST_F(Scene, CreaturesOfAnotherScreenOrKilledAreNeitherDrawnNorErased) {
    world.pigCount = 3;
    world.pigs[1] = {4, 4, 19, 0, 0, 0};  // belongs to the screen to the right
    world.pigs[2] = {0, 0, 0, 0, 0, 0};   // killed: its home (0, 0) is not this screen
    world.pigs[3] = {6, 6, 0, 0, 0, 0};   // beyond the count below
    world.pigCount = 2;
    renderScene();
    drawPigs();
    EXPECT_TRUE(pagesEqual());
}

TEST_F(Scene, WizardImageFollowsOffsetAndTurnHold) {
    renderWithWizardOn(5, 5);
    const Pixel p = spritePixel(5, 5, 0, 0);

    world.playerOffsetX = 20;  // stepping left
    drawWizard();
    EXPECT_EQ(world.turnHold, 4);
    EXPECT_EQ(at(0, p.x + 25, p.y + 5), drawn(Img::Zaub1L) & 0xFFFFFF);
    eraseWizard();

    world.playerOffsetX = -20;  // stepping right, phase B
    world.frameCounter = 25;
    drawWizard();
    EXPECT_EQ(at(0, p.x - 15, p.y + 5), drawn(Img::Zaub2R) & 0xFFFFFF);
    eraseWizard();

    world.playerOffsetX = 0;  // at rest, but turnHold still above 0: nothing
    world.turnHold = 2;
    drawWizard();
    EXPECT_TRUE(pagesEqual());
    world.turnHold = 0;
    world.frameCounter = 0;
    drawWizard();
    EXPECT_EQ(at(0, p.x + 5, p.y + 5), drawn(Img::Zaub1) & 0xFFFFFF);
}

TEST_F(Scene, CleaningManFacesTheWizard) {
    world.playerX = 3;
    world.playerY = 5;
    world.cleanerCount = 1;
    world.cleaners[1] = {8, 5, 0, 0, 0, 0};
    renderScene();
    drawCleaners();
    const Colour floor = drawn(Img::Schwarz);
    EXPECT_EQ(at(0, 7 * 40 + 5, 4 * 40 + 5), floor ^ drawn(Img::putzenmannL2));
    eraseCleaners();
    world.playerX = 12;
    drawCleaners();
    EXPECT_EQ(at(0, 7 * 40 + 5, 4 * 40 + 5), floor ^ drawn(Img::putzenmannR2));
    eraseCleaners();
    world.playerX = 8;  // in his column: he faces right
    drawCleaners();
    EXPECT_EQ(at(0, 7 * 40 + 5, 4 * 40 + 5), floor ^ drawn(Img::putzenmannR2));
    eraseCleaners();
    world.frameCounter = 20;  // the second phase shows the other image
    drawCleaners();
    EXPECT_EQ(at(0, 7 * 40 + 5, 4 * 40 + 5), floor ^ drawn(Img::putzenmannR1));
}

TEST_F(Scene, EveryAnimationSwitchesPhaseBetweenCounterNineteenAndTwenty) {
    world.playerX = 2;
    world.playerY = 2;
    world.map[3][2] = tile::Flame;
    world.pigCount = 1;
    world.pigs[1] = {5, 2, 0, 0, 0, 0};
    renderScene();
    const Colour floor = drawn(Img::Schwarz);
    for (int counter : {19, 20, 40, 0}) {
        const bool phaseA = counter < 20;
        world.frameCounter = counter;
        animateTiles();
        EXPECT_EQ(at(0, 2 * 40 + 1, 41), drawn(phaseA ? Img::Flamm1 : Img::Flamm2)) << "counter " << counter;
        drawPigs();
        EXPECT_EQ(at(0, 4 * 40 + 1, 41), floor ^ drawn(phaseA ? Img::Schwein : Img::Schwein2)) << "counter " << counter;
        erasePigs();
        drawWizard();
        EXPECT_EQ(at(0, 1 * 40 + 1, 41), drawn(phaseA ? Img::Zaub1 : Img::Zaub2) & 0xFFFFFF) << "counter " << counter;
        eraseWizard();
    }
}

TEST_F(Scene, AnimateTilesSkipsTheWizardsCellAndLeavesTheBackgroundAlone) {
    world.playerX = 2;
    world.playerY = 2;
    world.map[2][2] = tile::Flame;
    world.map[3][2] = tile::Flame;
    world.map[4][2] = tile::Embers;
    renderScene();
    world.frameCounter = 20;
    animateTiles();
    EXPECT_EQ(at(0, 1 * 40 + 1, 41), drawn(Img::Flamm1)) << "under the wizard: not redrawn";
    EXPECT_EQ(at(0, 2 * 40 + 1, 41), drawn(Img::Flamm2));
    EXPECT_EQ(at(0, 3 * 40 + 1, 41), drawn(Img::glut2));
    EXPECT_EQ(at(1, 2 * 40 + 1, 41), drawn(Img::Flamm1)) << "background keeps phase A";
    world.frameCounter = 0;
    animateTiles();
    EXPECT_EQ(at(0, 2 * 40 + 1, 41), drawn(Img::Flamm1));
}

TEST_F(Scene, HeldItemSlotAndTheCellUnderTheWizard) {
    renderWithWizardOn(3, 3);
    EXPECT_EQ(at(0, 770, 570) & 0xFFFFFF, 0u) << "the render leaves the slot empty";
    world.heldItem = tile::Sword;
    world.map[3][3] = tile::Axe;  // just exchanged: the cell now shows the axe
    showHeldItem();
    EXPECT_EQ(at(0, 770, 570), drawn(Img::Schwert));
    EXPECT_EQ(at(0, 760, 560), kWhite) << "white frame";
    EXPECT_EQ(at(0, 799, 599), kWhite);
    EXPECT_EQ(at(1, 2 * 40 + 10, 2 * 40 + 10), drawn(Img::axt)) << "background repainted";
    EXPECT_EQ(at(0, 2 * 40 + 10, 2 * 40 + 10), drawn(Img::Schwarz)) << "visible page waits for an erase";

    world.map[3][3] = tile::Flame;  // other codes are not repainted
    world.heldItem = 0;
    showHeldItem();
    EXPECT_EQ(at(1, 2 * 40 + 10, 2 * 40 + 10), drawn(Img::axt));
    EXPECT_EQ(at(0, 770, 570), drawn(Img::Schwarz));

    world.map[3][3] = tile::Floor;  // the item picked up: floor under the wizard
    world.heldItem = tile::Axe;
    showHeldItem();
    EXPECT_EQ(at(1, 2 * 40 + 10, 2 * 40 + 10), drawn(Img::Schwarz)) << "the floor is repainted";
    EXPECT_EQ(at(0, 770, 570), drawn(Img::axt));
}

TEST_F(Scene, OpenedCellIsPaintedOnTheBackgroundEvenAcrossTheViewEdge) {
    world.map[4][4] = tile::Barrier;
    renderScene();
    world.openedCellX = 4;
    world.openedCellY = 4;
    paintOpenedCell();
    EXPECT_EQ(at(1, 3 * 40 + 1, 3 * 40 + 1), drawn(Img::Schwarz));
    EXPECT_EQ(at(0, 3 * 40 + 1, 3 * 40 + 1), drawn(Img::sperre)) << "visible until a sprite erase";
    world.openedCellX = 21;  // beyond the right edge: clipped, nothing breaks
    paintOpenedCell();
    world.openedCellX = 5;
    world.openedCellY = 15;  // into the status band
    paintOpenedCell();
    EXPECT_EQ(at(1, 4 * 40 + 1, 560 + 1), drawn(Img::Schwarz));
}

TEST_F(Scene, RestoreBlockAtThePageEdgeCopiesOnlyWhatIsOnThePage) {
    renderScene();
    setPixel(0, 0, 0x123456);
    restoreBlock(-20, -20);
    EXPECT_EQ(at(0, 0, 0), at(1, 0, 0)) << "the on-page quarter is restored, no key colour painted";
    restoreBlock(790, 590);
    EXPECT_EQ(at(0, 799, 599), at(1, 799, 599));
}

TEST_F(Scene, SplintersDrawAndEraseOnTheirViewCells) {
    renderScene();
    for (int k = 1; k <= 8; ++k) {
        world.splinterX[k] = k;
        world.splinterY[k] = 14;
    }
    drawSplinters();
    EXPECT_TRUE(blockHasInk(0, 0, 13 * 40));
    EXPECT_EQ(at(0, 7 * 40 + 3, 13 * 40 + 3), drawn(Img::Schwarz) ^ drawn(Img::Splitter));
    eraseSplinters();
    EXPECT_TRUE(pagesEqual());
}

TEST_F(Scene, WizardAppearsGrowingAndEndsWithTheFrontImage) {
    renderWithWizardOn(4, 4);
    const double took = secondsTaken(wizardAppear);
    EXPECT_GE(took, 0.010 + 0.050 * 3 + 0.060 * 2 + 0.070 + 0.080 + 0.090 - 1e-6);
    const Pixel p = spritePixel(4, 4, 0, 0);
    EXPECT_EQ(at(0, p.x + 39, p.y + 39), drawn(Img::Zaub1) & 0xFFFFFF);
}

}  // namespace
