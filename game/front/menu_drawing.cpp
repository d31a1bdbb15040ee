// menu_drawing.cpp — drawMenu: the walled box, the heading, the lines and
// the frame of the chosen line.
//
// The box is drawn whole each time, which also wipes the previous frame.
//
// Writes: nothing of World.
#include "game/front/menu.h"

#include "common/language.h"
#include "common/map_geometry.h"
#include "game/world/sprite_catalogue.h"
#include "platform/platform.h"

namespace {

// The box in view cells: old masonry around 9 x 7 black cells, x 160..599,
// y 80..439.
constexpr int kBoxLeft = 5, kBoxRight = 15;  // cell columns
constexpr int kBoxTop = 3, kBoxBottom = 11;  // cell rows
constexpr int kHeadingRow = 18, kHeadingColumn = 44;
constexpr int kFirstLineRow = 22, kLineColumn = 38;
constexpr int kDrawPauseMs = 60;

const char* lineText(const MenuLine& line) {
    if (line.text != nullptr) return tr(line.text);
    const int value = world.*line.setting;
    if (value == 1) return tr(line.textOn);
    if (value == 0) return tr(line.textOff);
    return "";
}

}  // namespace

void drawMenu() {
    for (int i = kBoxLeft; i <= kBoxRight; ++i) {
        for (int j = kBoxTop; j <= kBoxBottom; ++j) {
            const bool wall = i == kBoxLeft || i == kBoxRight || j == kBoxTop || j == kBoxBottom;
            drawImage((i - 1) * kCell, (j - 1) * kCell, image(wall ? Img::altmauer : Img::Schwarz), DrawMode::Opaque);
        }
    }
    setTextPos(kHeadingRow, kHeadingColumn);
    printText(tr("M E N \x9A"), true);
    for (int k = 1; k <= kMenuLines; ++k) {
        setTextPos(kFirstLineRow + 2 * (k - 1), kLineColumn);
        printText(lineText(kMenu[k]), true);
    }
    if (world.menuCursor >= 1 && world.menuCursor <= kMenuLines) {
        const MenuFrame& f = kMenu[world.menuCursor].frame;
        drawBox(f.x1, f.y1, f.x2, f.y2, kWhite);
    }
    sleepMs(kDrawPauseMs);
}
