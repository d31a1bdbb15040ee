// sprites.cpp — drawing and erasing the moving sprites on the visible page.
//
// A sprite is erased by copying its 40 x 40 block back from the background
// page, so erases must run before a sprite's cell or offsets change and the
// matching draw after.
//
// Writes: World::turnHold (drawWizard).
#include "game/world/scene.h"

#include "common/creature_pictures.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

// Entries 1..count of a table; a count outside 0..100 is never trusted.
int usedEntries(int count) { return std::clamp(count, 0, kMaxCreatures); }

// How one creature kind is drawn: its images for phase A and B.
struct CreatureLook {
    CreatureTable World::*table;
    int World::*count;
    Img phaseA;
    Img phaseB;
};

constexpr CreatureLook kPigLook{&World::pigs, &World::pigCount, gameImage(kPigPictures.phaseA),
                                gameImage(kPigPictures.phaseB)};
constexpr CreatureLook kFlameGhostLook{&World::flameGhosts, &World::flameGhostCount,
                                       gameImage(kFlameGhostPictures.phaseA), gameImage(kFlameGhostPictures.phaseB)};
constexpr CreatureLook kEyeLook{&World::eyes, &World::eyeCount, gameImage(kEyePictures.phaseA),
                                gameImage(kEyePictures.phaseB)};

bool phaseA() { return world.frameCounter < 20; }

template <typename Visit>
void forEachOnScreen(CreatureTable World::*table, int World::*count, Visit visit) {
    const CreatureTable& t = world.*table;
    const int n = usedEntries(world.*count);
    for (int k = 1; k <= n; ++k) {
        if (onCurrentScreen(t[k])) visit(t[k]);
    }
}

void eraseKind(CreatureTable World::*table, int World::*count, bool horizontalOnly) {
    forEachOnScreen(table, count, [horizontalOnly](const Creature& c) {
        const Pixel p = spritePixel(c.x, c.y, c.offsetX, horizontalOnly ? 0 : c.offsetY);
        restoreBlock(p.x, p.y);
    });
}

void drawKind(const CreatureLook& look) {
    const Image* img = image(phaseA() ? look.phaseA : look.phaseB);
    forEachOnScreen(look.table, look.count, [img](const Creature& c) {
        const Pixel p = spritePixel(c.x, c.y, c.offsetX, c.offsetY);
        drawImage(p.x, p.y, img, DrawMode::Xor);
    });
}

}  // namespace

void restoreBlock(int x, int y) { restoreArea(x, y, kCell, kCell); }

void restoreArea(int x, int y, int width, int height) {
    // Only the part of the area that lies on the page is copied back; a
    // block reaching past an edge is clipped, never painted as a key-coloured
    // square. The copy goes page to page and allocates nothing.
    copyBlock(kBackgroundPage, kVisiblePage, x, y, width, height);
}

void eraseWizard() {
    const Pixel p = spritePixel(world.playerX, world.playerY, world.playerOffsetX, world.playerOffsetY);
    restoreBlock(p.x, p.y);
}

void erasePigs() { eraseKind(&World::pigs, &World::pigCount, false); }
void eraseFlameGhosts() { eraseKind(&World::flameGhosts, &World::flameGhostCount, false); }
void eraseEyes() { eraseKind(&World::eyes, &World::eyeCount, false); }
void eraseCleaners() { eraseKind(&World::cleaners, &World::cleanerCount, true); }

void eraseSplinters() {
    for (int k = 1; k <= kSplinters; ++k) {
        restoreBlock((world.splinterX[k] - 1) * kCell, (world.splinterY[k] - 1) * kCell);
    }
}

void drawWizard() {
    // Between two sideways steps the front image would flash for one frame;
    // turnHold keeps it away until the wizard has really stopped.
    if (world.playerOffsetX == 0 && world.turnHold > 0) return;
    Img img;
    if (world.playerOffsetX > 0) {
        img = phaseA() ? Img::Zaub1L : Img::Zaub2L;
        world.turnHold = 4;
    } else if (world.playerOffsetX < 0) {
        img = phaseA() ? Img::Zaub1R : Img::Zaub2R;
        world.turnHold = 4;
    } else {
        img = phaseA() ? Img::Zaub1 : Img::Zaub2;
    }
    const Pixel p = spritePixel(world.playerX, world.playerY, world.playerOffsetX, world.playerOffsetY);
    drawImage(p.x, p.y, image(img), DrawMode::Transparent);
}

void drawPigs() { drawKind(kPigLook); }
void drawFlameGhosts() { drawKind(kFlameGhostLook); }
void drawEyes() { drawKind(kEyeLook); }

void drawCleaners() {
    // A cleaning man faces the wizard: the left images while the wizard is
    // to his left, else the right ones. He never moves vertically.
    forEachOnScreen(&World::cleaners, &World::cleanerCount, [](const Creature& c) {
        const CreaturePictures& look = kCleanerPictures;
        Picture picture;
        if (c.x > world.playerX)
            picture = phaseA() ? look.phaseA : look.phaseB;
        else
            picture = phaseA() ? look.rightA : look.rightB;
        const Pixel p = spritePixel(c.x, c.y, c.offsetX, 0);
        drawImage(p.x, p.y, image(gameImage(picture)), DrawMode::Xor);
    });
}

void drawSplinters() {
    for (int k = 1; k <= kSplinters; ++k) {
        drawImage((world.splinterX[k] - 1) * kCell, (world.splinterY[k] - 1) * kCell, image(Img::Splitter), DrawMode::Xor);
    }
}
