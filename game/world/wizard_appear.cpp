// wizard_appear.cpp — the wizard's arrival at the start of a game: he grows
// from a dot to his full size on his start cell.
#include "game/world/scene.h"

#include "game/world/world.h"
#include "platform/platform.h"

namespace {

struct ArrivalFrame {
    Img img;      // the growing image, anchored at the cell's top-left corner
    int pauseMs;  // shown for this long
};

constexpr ArrivalFrame kArrival[] = {
    {Img::Zaub10, 50}, {Img::Zaub15, 50}, {Img::Zaub20, 50}, {Img::Zaub24, 60},
    {Img::Zaub28, 60}, {Img::Zaub31, 70}, {Img::Zaub34, 80}, {Img::Zaub37, 90},
};

}  // namespace

void wizardAppear() {
    const Pixel p = spritePixel(world.playerX, world.playerY, world.playerOffsetX, world.playerOffsetY);
    sleepMs(10);
    // The wizard pictures key their background with magenta, so they are
    // drawn transparently; drawn opaque they would show as magenta squares.
    for (const ArrivalFrame& f : kArrival) {
        eraseWizard();
        drawImage(p.x, p.y, image(f.img), DrawMode::Transparent);
        sleepMs(f.pauseMs);
    }
    eraseWizard();
    drawImage(p.x, p.y, image(Img::Zaub1), DrawMode::Transparent);
}
