// key_help.cpp — the key help: a panel of every key of the game's command
// table, drawn over the scene in the menu's style (old masonry around black
// cells, white 8 x 8 text).
//
// The panel's block of the visible page is kept in an image while it is
// open and drawn back when it closes: nothing else of the screen changes,
// so play and the title screen go on with exactly the scene they had.
//
// Writes: nothing of World.
#include "game/front/key_help.h"

#include "game/front/front.h"
#include "game/front/panel_walls.h"

#include "common/language.h"
#include "common/map_geometry.h"
#include "game/world/command_table.h"
#include "game/world/scene.h"
#include "game/world/sprite_catalogue.h"
#include "platform/platform.h"

#include <string>
#include <string_view>

namespace {

// The panel in view cells: masonry around 12 x 9 black cells, x 120..679,
// y 80..519.
constexpr int kPanelLeft = 4, kPanelRight = 17;  // cell columns
constexpr int kPanelTop = 3, kPanelBottom = 13;  // cell rows
constexpr int kPassPauseMs = 20;

// The lines come from the game's command table: a key and what it does,
// printed apart so that no run of blanks paints over the black cells
// between them. The black area holds text rows 16..60 and columns 21..80.
constexpr int kKeyColumn = 22;
constexpr int kWhatColumn = 42;
constexpr int kFirstLineRow = 22;
constexpr int kLineStep = 2;    // a blank row between two lines
constexpr int kSectionGap = 4;  // rows from the play keys' last line to the title's heading
constexpr const char* kTitleHeading = trMark("Im Titelbild:");
// The heading and the closing line, centred over the black area.
constexpr int kHeadingRow = 18, kHeadingColumn = 45;
constexpr const char* kHeading = trMark("T A S T E N");
constexpr int kClosingRow = 54, kClosingColumn = 35;

// Where the title screen names the help: status line columns 86..100,
// which only a demonstration's hint would use.
constexpr int kHintColumn = 86;

// The block under the panel, kept while it is open.
struct KeptBlock {
    Image* image = createImage(1, 1);
    KeptBlock() {
        grabImage((kPanelLeft - 1) * kCell, (kPanelTop - 1) * kCell, kPanelRight * kCell - 1, kPanelBottom * kCell - 1,
                  image);
    }
    ~KeptBlock() {
        drawImage((kPanelLeft - 1) * kCell, (kPanelTop - 1) * kCell, image, DrawMode::Opaque);
        destroyImage(image);
    }
    KeptBlock(const KeptBlock&) = delete;
    KeptBlock& operator=(const KeptBlock&) = delete;
};

void printAt(int row, int column, const std::string& text) {
    setTextPos(row, column);
    printText(text, false);
}

// Prints the rows of the table that `shows` picks, from `row` on; returns
// the row after the last line.
int printKeyLines(int row, bool (*shows)(const GameKey&)) {
    for (const GameKey& key : gameKeys()) {
        if (!key.label || !shows(key)) continue;
        printAt(row, kKeyColumn, tr(key.label));
        std::string_view help = tr(key.help);
        for (std::size_t end = help.find('\n');; end = help.find('\n')) {
            printAt(row, kWhatColumn, std::string(help.substr(0, end)));
            row += kLineStep;
            if (end == std::string_view::npos) break;
            help.remove_prefix(end + 1);
        }
    }
    return row;
}

std::string labelOf(GameCommand command) {
    const GameKey* key = namedGameKey(kInPlay, command);
    return key ? tr(key->label) : "";
}

// "F1 oder Esc schließt die Hilfe.", by the keys of the table.
std::string closingLine() {
    return trFormat("{0} oder {1} schlie\xE1t die Hilfe.", {labelOf(GameCommand::KeyHelp), labelOf(GameCommand::Menu)});
}

void drawPanel() {
    drawPanelWalls(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom);
    for (int i = kPanelLeft + 1; i < kPanelRight; ++i) {
        for (int j = kPanelTop + 1; j < kPanelBottom; ++j) {
            drawImage((i - 1) * kCell, (j - 1) * kCell, image(Img::Schwarz), DrawMode::Opaque);
        }
    }
    setTextColour(kWhite);
    printAt(kHeadingRow, kHeadingColumn, tr(kHeading));
    // The keys of play (those that also act on the title screen among
    // them), then those of the title screen alone.
    const int end = printKeyLines(kFirstLineRow, [](const GameKey& key) { return (key.places & kInPlay) != 0; });
    const int titleRow = end - kLineStep + kSectionGap;
    printAt(titleRow, kKeyColumn, tr(kTitleHeading));
    printKeyLines(titleRow + kLineStep, [](const GameKey& key) { return key.places == kOnTitle; });
    printAt(kClosingRow, kClosingColumn, closingLine());
}

// The key that opens the help closes it, and so does the menu's.
bool closeKeyHeld() { return gameKeyHeld(kInPlay, GameCommand::KeyHelp) || gameKeyHeld(kInPlay, GameCommand::Menu); }

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
    // "F1: Tastenhilfe": the help's row of the table.
    const GameKey* key = namedGameKey(kOnTitle, GameCommand::KeyHelp);
    if (!key) return;
    setTextPos(kStatusRow, kHintColumn);
    printText(std::string(tr(key->label)) + ": " + tr(key->help), false);
}
