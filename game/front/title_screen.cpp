// title_screen.cpp — the title screen with attract mode.
//
// A loop of passes (titlePass), about eight a second, over the labyrinth. What
// a pass draws depends on the time since the screen opened (or the menu last
// closed): below ten seconds the credits, above ten the best players, above
// twenty the next demonstration starts and the screen returns. Between the
// draws the pass looks at the start keys, Esc (menu), H (reset the table),
// L (next labyrinth), F1 (the key help, during which the clock stands),
// F2 (the list of level sets, likewise) and F3 (the next language); the
// status line names F1, F2 and F3 meanwhile. While a set of the player's is played, its title and author
// stand where the shipped labyrinths name their maker, and with no
// demonstration of its own the title stays until a key is pressed. The texts cycle through 1,001
// colours, one step per pass: the blue part changes every pass, so they
// flicker, while green and red fall slowly from orange-red to red and on to
// yellow.
//
// Writes: World::frameCounter (tile animation), joystickOn and the
// best-player table (H), sceneShown and level (L); what the menu,
// startDemonstration, the list of sets and the language switch write.
#include "game/front/best_players.h"
#include "game/front/demonstration.h"
#include "game/front/front.h"
#include "game/front/key_help.h"
#include "game/front/language_switch.h"
#include "game/front/level_sets.h"
#include "game/front/title.h"

#include "common/language.h"
#include "common/level_list.h"
#include "common/text_fit.h"
#include "game/world/command_table.h"
#include "game/world/frame_log.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/sound_catalogue.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>

namespace {

constexpr double kCreditsSeconds = 10.0;        // credits before, best players after
constexpr double kDemonstrationSeconds = 20.0;  // then a demonstration starts
constexpr int kPassPauseMs = 120;
constexpr int kFirstButtonOnly = 1;  // joystick: the first button alone

// The text colour, as a signed value: lowered by 10 each pass from
// kColourTop; once below kColourBottom it starts again at the top.
constexpr std::int32_t kColourTop = TitleState{}.colour;
constexpr std::int32_t kColourBottom = static_cast<std::int32_t>(0xFFF6FB01u);
constexpr std::int32_t kColourStep = 10;

constexpr int kTextColumn = 44;

// The credits: the title picture, the signature and these lines.
struct TitleText {
    int row;
    const char* text;  // German, padded with blanks: printing it erases what lay below; a translation is fitted to its width
};
constexpr TitleText kMaker[] = {
    {40, trMark(" programmiert in Nordlicht ")},
    {42, trMark("          von              ")},
};
constexpr TitleText kPrompt[] = {
    {52, trMark("  Dr\x81"
                "cke Leertaste um das ")},
    {54, trMark("    Spiel zu Starten.      ")},
};
// A set of the player's names itself there instead: its title and its
// author, each centred in the width of the maker's lines.
constexpr int kSetTitleRow = 40;
constexpr int kSetAuthorRow = 42;
constexpr std::size_t kCreditWidth = 27;
constexpr int kTitleX = 330, kTitleY = 235;          // titel, 250 x 80
constexpr int kSignatureX = 390, kSignatureY = 345;  // zk, 100 x 40

// The best players: a heading, then entry i on row 39 + 2i, each line with
// blanks before and above it that wipe the credits.
constexpr TitleText kTableHeading = {39, trMark("    DIE BESTEN SPIELER     ")};
constexpr int kTableScoreColumn = 64;                               // the scores of the table
constexpr const char* kNameBlank = "                            ";  // 28 blanks
constexpr const char* kGapBlank = "                             ";  // 29 blanks

std::int32_t nextColour(std::int32_t colour) {
    colour -= kColourStep;
    return colour < kColourBottom ? kColourTop : colour;
}

void printAt(int row, int column, const char* text) {
    setTextPos(row, column);
    printText(text, true);
}

// text in the middle of a credit line, cut to it, blanks around.
std::string centred(const std::string& text) {
    const std::string cut = text.substr(0, kCreditWidth);
    std::string line((kCreditWidth - cut.size()) / 2, ' ');
    line += cut;
    line.resize(kCreditWidth, ' ');
    return line;
}

void drawCredits() {
    drawImage(kTitleX, kTitleY, image(Img::titel), DrawMode::Opaque);
    if (world.setName.empty()) {
        drawImage(kSignatureX, kSignatureY, image(Img::zk), DrawMode::Opaque);
        for (const TitleText& line : kMaker) printAt(line.row, kTextColumn, trFitted(line.text).c_str());
    } else {
        printAt(kSetTitleRow, kTextColumn, centred(world.set.title).c_str());
        const std::string author = world.set.author.empty() ? "" : trFormat("von {0}", {world.set.author});
        printAt(kSetAuthorRow, kTextColumn, centred(author).c_str());
    }
    for (const TitleText& line : kPrompt) printAt(line.row, kTextColumn, trFitted(line.text).c_str());
}

void drawBestPlayers() {
    printAt(kTableHeading.row, kTextColumn, trFitted(kTableHeading.text).c_str());
    for (int i = 1; i <= kBestPlayers; ++i) {
        const int row = kTableHeading.row + 2 * i;
        printAt(row, kTextColumn, kNameBlank);
        printAt(row, kTextColumn, world.bestNames[i].c_str());
        setTextPos(row, kTableScoreColumn);
        printPicture(kScorePicture, world.bestScores[i]);
        printAt(row - 1, kTextColumn, kGapBlank);
    }
}

// L: the next labyrinth is shown behind the title and is the one played.
void nextLabyrinth() {
    world.sceneShown = 0;
    world.level = world.level + 1 > kLevelCount ? 1 : world.level + 1;
    loadLevel();
    renderScene();
}

bool startButtonPressed() {
    if (readMouse().buttons == kMouseLeft) return true;  // the left button alone
    if (world.joystickOn != 1) return false;
    return readJoystick(0).buttons == kFirstButtonOnly || readGamePad().south;
}

// Esc, or the game pad's Start while the joystick is on.
bool menuKeyHeld() {
    return gameKeyHeld(kOnTitle, GameCommand::Menu) || (world.joystickOn == 1 && readGamePad().start);
}

}  // namespace

TitleExit titlePass(TitleState& state) {
    quitOnCloseRequest();
    state.colour = nextColour(state.colour);
    setTextColour(static_cast<Colour>(state.colour));
    if (state.now - state.start < kCreditsSeconds) drawCredits();
    if (state.now - state.start > kCreditsSeconds) drawBestPlayers();
    printKeyHelpHint();
    printSetListHint();
    printLanguageHint();
    logFirstPicture();  // the diagnostic start-up mark, once per run
    state.now = timerSeconds();
    // The time-out is looked at before any key, so a start key held in the
    // same pass still gets the demonstration.
    if (state.now - state.start > kDemonstrationSeconds && demonstrationAvailable()) {
        startDemonstration();
        return TitleExit::Demonstration;
    }
    if (startButtonPressed()) return TitleExit::Start;
    sleepMs(kPassPauseMs);
    world.frameCounter = world.frameCounter == 0 ? 40 : 0;
    animateTiles();
    if (menuKeyHeld()) {
        const bool loaded = gameMenu();
        state.start = timerSeconds();  // the ten and twenty seconds count again
        if (loaded) return TitleExit::Loaded;
    }
    // The help holds the title's clock: its seconds are not counted.
    if (gameKeyHeld(kOnTitle, GameCommand::KeyHelp)) state.start += showKeyHelp();
    // F2: the list of level sets, likewise; a set chosen there starts the
    // title afresh over its first labyrinth.
    if (gameKeyPressed(kOnTitle, GameCommand::ChooseSet)) {
        double seconds = 0;
        if (setListScreen(seconds)) {
            state = TitleState{};
            state.start = timerSeconds();
        } else {
            state.start += seconds;
        }
    }
    // H and L act once per tap and repeat when held (keyPressed).
    if (gameKeyPressed(kOnTitle, GameCommand::ResetTable)) {
        world.joystickOn = 0;
        resetBestPlayers();
    }
    if (gameKeyPressed(kOnTitle, GameCommand::NextLabyrinth)) nextLabyrinth();
    if (gameKeyPressed(kOnTitle, GameCommand::SwitchLanguage)) switchLanguage();
    // A start key held now starts (also the Space still held after a
    // demonstration), and so does one tapped and let go within the pass.
    const bool tapped = gameKeyPressed(kOnTitle, GameCommand::Start);
    return tapped || gameKeyHeld(kOnTitle, GameCommand::Start) ? TitleExit::Start : TitleExit::Stay;
}

bool titleScreen() {
    flushKeys();
    // Presses made before the title showed are forgotten (a key still held
    // is still seen as held).
    for (const GameCommand command : {GameCommand::ResetTable, GameCommand::NextLabyrinth, GameCommand::ChooseSet,
                                      GameCommand::SwitchLanguage, GameCommand::Start}) {
        gameKeyPressed(kOnTitle, command);
    }
    TitleState state;
    state.start = timerSeconds();
    // The music starts after the first pass, once; it is not repeated. The
    // first pass has drawn and shown the title by then, so the player does not
    // wait for the sound library, loaded with the first sound, to see it.
    TitleExit exit = titlePass(state);
    playCue(Snd::titelm);
    while (exit == TitleExit::Stay) exit = titlePass(state);
    // The scene wipes the title's texts.
    setTextColour(kWhite);
    renderScene();
    return exit == TitleExit::Loaded;
}
