// key_help.cpp — the key help: a panel of every key, drawn over the scene
// in the menu's style (old masonry around black cells, white 8 x 8 text).
//
// The panel's block of the visible page is kept in an image while it is
// open and drawn back when it closes: nothing else of the screen changes,
// so play and the title screen go on with exactly the scene they had.
//
// Writes: nothing of World.
#include "game/front/key_help.h"

#include "game/front/front.h"
#include "game/world/scene.h"
#include "game/world/sprite_catalogue.h"
#include "platform/platform.h"

namespace {

// The panel in view cells: masonry around 12 x 9 black cells, x 120..679,
// y 80..519.
constexpr int kPanelLeft = 4, kPanelRight = 17;  // cell columns
constexpr int kPanelTop = 3, kPanelBottom = 13;  // cell rows
constexpr int kCellSize = 40;
constexpr int kPassPauseMs = 20;

// One line of the panel, in code page 437: a key and what it does, printed
// apart so that no run of blanks paints over the black cells between them.
struct HelpLine {
    int row;           // text row; the panel's black area holds rows 16..60 and columns 21..80
    const char* keys;  // from column kKeyColumn; "" for none
    const char* what;  // from column kWhatColumn; "" for none
};
constexpr int kKeyColumn = 22;
constexpr int kWhatColumn = 42;
constexpr HelpLine kHelpLines[] = {
    {22, "Pfeiltasten", "Zauberer gehen"},
    {24, "Leertaste, Enter", "Gegenstand nehmen, benutzen"},
    {26, "Esc", "Men\x81"},
    {28, "F1", "diese Hilfe"},
    {30, "E", "Energie wieder voll"},
    {32, "Maus", "schieben: gehen, Taste: Leertaste"},
    {34, "Joystick, Gamepad", "gehen, A: Leertaste, Start: Men\x81"},
    {36, "", "(im Men\x81 Joystick EIN w\x84hlen)"},
    {40, "Im Titelbild:", ""},
    {42, "Leertaste, Enter", "Spiel starten"},
    {44, "L", "n\x84" "chstes Labyrinth"},
    {46, "H", "Bestenliste zur\x81" "cksetzen"},
    {48, "F2", "Sammlung w\x84hlen"},
};
// The heading and the closing line, centred over the black area.
constexpr int kHeadingRow = 18, kHeadingColumn = 45;
constexpr const char* kHeading = "T A S T E N";
constexpr int kClosingRow = 54, kClosingColumn = 35;
constexpr const char* kClosing = "F1 oder Esc schlie\xE1t die Hilfe.";

// Where the title screen names the help: status line columns 86..100,
// which only a demonstration's hint would use.
constexpr int kHintColumn = 86;
constexpr const char* kHint = "F1: Tastenhilfe";

// The block under the panel, kept while it is open.
struct KeptBlock {
    Image* image = createImage(1, 1);
    KeptBlock() {
        grabImage((kPanelLeft - 1) * kCellSize, (kPanelTop - 1) * kCellSize, kPanelRight * kCellSize - 1,
                  kPanelBottom * kCellSize - 1, image);
    }
    ~KeptBlock() {
        drawImage((kPanelLeft - 1) * kCellSize, (kPanelTop - 1) * kCellSize, image, DrawMode::Opaque);
        destroyImage(image);
    }
    KeptBlock(const KeptBlock&) = delete;
    KeptBlock& operator=(const KeptBlock&) = delete;
};

void printAt(int row, int column, const char* text) {
    setTextPos(row, column);
    printText(text, false);
}

void drawPanel() {
    for (int i = kPanelLeft; i <= kPanelRight; ++i) {
        for (int j = kPanelTop; j <= kPanelBottom; ++j) {
            const bool wall = i == kPanelLeft || i == kPanelRight || j == kPanelTop || j == kPanelBottom;
            drawImage((i - 1) * kCellSize, (j - 1) * kCellSize, image(wall ? Img::altmauer : Img::Schwarz),
                      DrawMode::Opaque);
        }
    }
    setTextColour(kWhite);
    printAt(kHeadingRow, kHeadingColumn, kHeading);
    for (const HelpLine& line : kHelpLines) {
        printAt(line.row, kKeyColumn, line.keys);
        printAt(line.row, kWhatColumn, line.what);
    }
    printAt(kClosingRow, kClosingColumn, kClosing);
}

bool closeKeyHeld() { return isKeyDown(scancode::F1) || isKeyDown(scancode::Esc); }

// Waits, the game standing still, while the condition holds.
void waitWhile(bool (*condition)()) {
    while (condition()) {
        quitOnCloseRequest();
        flushKeys();
        sleepMs(kPassPauseMs);
    }
}

}  // namespace

double showKeyHelp() {
    const double opened = timerSeconds();
    {
        const KeptBlock under;
        drawPanel();
        // The F1 that opened it is let go first; then F1 or Esc closes it,
        // and is let go too, so it neither opens the help again nor the menu.
        waitWhile(closeKeyHeld);
        waitWhile([] { return !closeKeyHeld(); });
        waitWhile(closeKeyHeld);
    }
    flushKeys();
    return timerSeconds() - opened;
}

void printKeyHelpHint() {
    setTextPos(kStatusRow, kHintColumn);
    printText(kHint, false);
}
