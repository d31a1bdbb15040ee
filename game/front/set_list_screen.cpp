// set_list_screen.cpp — F2 on the title screen: the list of level sets in a
// walled panel over the labyrinth, in the style of the key help.
//
// One line per set: a mark when every labyrinth of it is proven, the title,
// the author. The shipped labyrinths come first; the list opens on the set
// played. The arrows choose (the list scrolls when it is longer than the
// panel), Enter or Space plays the chosen set, Esc or F2 goes back. A file
// that cannot be played is listed with what is wrong with it and cannot be
// chosen; what the list says of a set beside (the shipped labyrinths the
// player changed) stands in the same place. A set handed in while the list
// is open (dropped on the browser's page) joins it at once. The keys that
// closed the list are spent, so the title screen neither starts a game nor
// opens the menu with them.
//
// Writes: World::level, sceneShown (a new set's labyrinth 1 behind the
// title); what chooseLevelSet writes.
#include "game/front/front.h"
#include "game/front/level_sets.h"
#include "game/front/panel_walls.h"

#include "common/language.h"
#include "common/level_set_import.h"
#include "common/map_geometry.h"
#include "common/text_fit.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The panel in view cells: masonry around 16 x 10 black cells, x 80..719,
// y 80..479, which hold text columns 11..90 and rows 11..60.
constexpr int kPanelLeft = 2, kPanelRight = 19;  // cell columns
constexpr int kPanelTop = 2, kPanelBottom = 13;  // cell rows
constexpr int kPollMs = 20;

constexpr int kHeadingRow = 14;
constexpr const char* kHeading = trMark("S A M M L U N G E N");
constexpr int kFirstEntryRow = 18;
constexpr int kEntryRows = 14;  // lines shown at once, two text rows apart
constexpr int kPointerColumn = 12, kMarkColumn = 14, kTitleColumn = 16, kAuthorColumn = 52;
constexpr std::size_t kTitleWidth = 34, kAuthorWidth = 37;
constexpr int kDetailRow = 48;  // what is wrong with the chosen file, or its note, two rows
constexpr int kDetailColumn = 12;
constexpr std::size_t kDetailWidth = 78;
constexpr int kKeysRow = 54, kMarkNoteRow = 56;
constexpr const char* kKeys = trMark("Pfeile: w\x84hlen   Enter: spielen   Esc: zur\x81"
                                     "ck");
constexpr const char* kMarkNote = trMark("\xFB = jedes Labyrinth als schaffbar bewiesen");
constexpr const char* kProvenMark = "\xFB";
constexpr const char* kDamaged = trMark("besch\x84"
                                        "digt");

constexpr Colour kTextColour = kWhite;
constexpr Colour kChosenColour = 0xFFFFFF00u;
constexpr Colour kFaultColour = 0xFFFF6060u;

// Where the title screen names the list: status line columns 71..84, which
// only a demonstration's hint would use, left of the key help's.
constexpr int kHintColumn = 71;
constexpr const char* kHint = trMark("F2: Sammlungen");

// The block under the panel, put back when the list closes without a
// change.
class KeptBlock {
public:
    KeptBlock() {
        grabImage((kPanelLeft - 1) * kCell, (kPanelTop - 1) * kCell, kPanelRight * kCell - 1, kPanelBottom * kCell - 1,
                  image_);
    }
    ~KeptBlock() { destroyImage(image_); }
    KeptBlock(const KeptBlock&) = delete;
    KeptBlock& operator=(const KeptBlock&) = delete;
    void putBack() const { drawImage((kPanelLeft - 1) * kCell, (kPanelTop - 1) * kCell, image_, DrawMode::Opaque); }

private:
    Image* image_ = createImage(1, 1);
};

void printAt(int row, int column, const std::string& text, Colour colour) {
    setTextColour(colour);
    setTextPos(row, column);
    printText(text, false);
}

// Masonry around a black inside, as black as the text's background, so
// that the lines, wiped and written again as the list scrolls, leave no
// seams.
void drawFrame() {
    drawPanelWalls(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom);
    Image* inside = createImage(kCell * (kPanelRight - kPanelLeft - 1), kCell * (kPanelBottom - kPanelTop - 1));
    std::fill(inside->pixels.begin(), inside->pixels.end(), kBlack);
    drawImage(kPanelLeft * kCell, kPanelTop * kCell, inside, DrawMode::Opaque);
    destroyImage(inside);
    const std::string heading = tr(kHeading);
    printAt(kHeadingRow, (kTextColumns - static_cast<int>(heading.size())) / 2 + 1, heading, kTextColour);
    printAt(kKeysRow, kDetailColumn, tr(kKeys), kTextColour);
    printAt(kMarkNoteRow, kDetailColumn, tr(kMarkNote), kTextColour);
}

// A fault or a note over two rows, broken at a blank.
void drawDetail(const std::string& text, Colour colour) {
    std::string first = text;
    std::string second;
    if (text.size() > kDetailWidth) {
        std::size_t cut = text.rfind(' ', kDetailWidth);
        if (cut == std::string::npos) cut = kDetailWidth;
        first = text.substr(0, cut);
        second = text.substr(cut + (text[cut] == ' ' ? 1 : 0));
    }
    printAt(kDetailRow, kDetailColumn, fitToWidth(first, kDetailWidth), colour);
    printAt(kDetailRow + 2, kDetailColumn, fitToWidth(second, kDetailWidth), colour);
}

void drawEntries(const std::vector<SetListEntry>& sets, int chosen, int first) {
    for (int line = 0; line < kEntryRows; ++line) {
        const int row = kFirstEntryRow + 2 * line;
        const int index = first + line;
        if (index >= static_cast<int>(sets.size())) {
            printAt(row, kPointerColumn, fitToWidth("", kDetailWidth), kTextColour);
            continue;
        }
        const SetListEntry& entry = sets[static_cast<std::size_t>(index)];
        const bool isChosen = index == chosen;
        const Colour colour = isChosen ? kChosenColour : kTextColour;
        printAt(row, kPointerColumn, isChosen ? ">" : " ", colour);
        printAt(row, kMarkColumn, entry.proven ? kProvenMark : " ", colour);
        printAt(row, kTitleColumn, fitToWidth(entry.title, kTitleWidth), colour);
        if (entry.refusal.empty()) {
            printAt(row, kAuthorColumn, fitToWidth(entry.author, kAuthorWidth), colour);
        } else {
            printAt(row, kAuthorColumn, fitToWidth(tr(kDamaged), kAuthorWidth), kFaultColour);
        }
    }
    // The chosen set's fault, else its note.
    const SetListEntry& shown = sets[static_cast<std::size_t>(chosen)];
    if (shown.refusal.empty()) {
        drawDetail(shown.note, kTextColour);
    } else {
        drawDetail(shown.refusal, kFaultColour);
    }
}

// The set played, or the first line.
int lineOfSetPlayed(const std::vector<SetListEntry>& sets) {
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (sets[i].name == world.setName) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

void printSetListHint() {
    setTextPos(kStatusRow, kHintColumn);
    printText(tr(kHint), false);
}

bool setListScreen(double& seconds) {
    const double opened = timerSeconds();
    std::vector<SetListEntry> sets = listLevelSets();
    int last = static_cast<int>(sets.size()) - 1;
    int handed = levelSetsHanded();
    int chosen = lineOfSetPlayed(sets);
    int first = std::max(0, chosen - kEntryRows + 1);
    bool changed = false;
    {
        const KeptBlock under;
        drawFrame();
        drawEntries(sets, chosen, first);
        // Taps made before the list opened are forgotten; F2 acts once let go.
        for (const int key : {scancode::Up, scancode::Down, scancode::Enter, scancode::Space, scancode::Esc}) {
            keyPressed(key);
        }
        while (isKeyDown(scancode::F2)) {
            quitOnCloseRequest();
            sleepMs(kPollMs);
        }
        keyPressed(scancode::F2);
        for (;;) {
            quitOnCloseRequest();
            sleepMs(kPollMs);
            flushKeys();
            if (keyPressed(scancode::Esc) || keyPressed(scancode::F2)) break;
            if (handed != levelSetsHanded()) {
                // A set came in while the list was open (dropped on the
                // browser's page): listed at once, the same line kept chosen.
                handed = levelSetsHanded();
                const std::string chosenName = sets[static_cast<std::size_t>(chosen)].name;
                sets = listLevelSets();
                last = static_cast<int>(sets.size()) - 1;
                const auto kept = std::find_if(sets.begin(), sets.end(),
                                               [&](const SetListEntry& entry) { return entry.name == chosenName; });
                chosen = kept == sets.end() ? 0 : static_cast<int>(kept - sets.begin());
                first = std::clamp(first, chosen - kEntryRows + 1, chosen);
                drawEntries(sets, chosen, first);
            }
            int move = 0;
            if (keyPressed(scancode::Up)) move -= 1;
            if (keyPressed(scancode::Down)) move += 1;
            if (move != 0) {
                chosen = std::clamp(chosen + move, 0, last);
                first = std::clamp(first, chosen - kEntryRows + 1, chosen);
                drawEntries(sets, chosen, first);
            }
            const bool enter = keyPressed(scancode::Enter);
            const bool space = keyPressed(scancode::Space);
            if (!enter && !space) continue;
            const SetListEntry& entry = sets[static_cast<std::size_t>(chosen)];
            if (!entry.refusal.empty()) continue;  // its fault is shown already
            if (entry.name == world.setName) break;
            std::string refusal;
            if (chooseLevelSet(entry.name, refusal)) {
                changed = true;
                break;
            }
            // Changed or removed since the list was read.
            drawDetail(refusal, kFaultColour);
        }
        setTextColour(kWhite);
        if (!changed) under.putBack();
    }
    spendHeldKeys();
    flushKeys();
    if (changed) {
        // The new set's first labyrinth lies behind the title from now on.
        world.level = 1;
        world.sceneShown = 0;
        loadLevel();
        renderScene();
    }
    seconds = timerSeconds() - opened;
    return changed;
}
