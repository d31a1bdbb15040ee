// Every screen of the game drawn in every language: each text inside the
// box its German text has (screen_fit.h). The game runs in a scratch folder
// with the pictures and the files of the ready-to-run folder.
#include "common/level_set.h"
#include "game/front/front.h"
#include "game/front/key_help.h"
#include "game/front/level_sets.h"
#include "game/front/menu.h"
#include "game/front/saved_game.h"
#include "game/front/title.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/sprite_catalogue.h"
#include "game/world/world.h"
#include "tests/language/run_folder.h"
#include "tests/language/screen_fit.h"
#include "tests/support/scratch_dir.h"

#include <optional>

namespace {

using fit::Box;

// The status line, row 72: each field up to the next one.
const std::vector<Box> kStatusLine = {
    {72, 72, 1, 9, "the field of \"Energie:\""},  {72, 72, 10, 11, "the energy"},
    {72, 72, 12, 15, "the percent sign"},         {72, 72, 16, 25, "the field of \"Labyrinth:\""},
    {72, 72, 26, 28, "the labyrinth's number"},   {72, 72, 32, 41, "the field of \"DEMO\""},
    {72, 72, 42, 49, "the field of \"Punkte:\""}, {72, 72, 50, 56, "the score"},
    {72, 72, 65, 85, "the demonstration's hint"}, {72, 72, 59, 69, "the hint of F3"},
    {72, 72, 71, 84, "the hint of F2"},           {72, 72, 86, 100, "the hint of F1"},
};

std::vector<Box> withStatusLine(std::vector<Box> boxes) {
    boxes.insert(boxes.end(), kStatusLine.begin(), kStatusLine.end());
    return boxes;
}

class GameScreens : public ::testing::Test {
protected:
    void TearDown() override { dir.reset(); }

    // A fresh game over labyrinth 1, in a scratch folder holding the
    // ready-to-run folder's files and leading to its pictures.
    void prepare(const std::function<void()>& more = {}) {
        dir.reset();
        dir.emplace();
        takeRunFolder();
        headless::reset();
        world = World{};
        openScreen(kScreenWidth, kScreenHeight, 32, 2, 0);
        loadAllImages();
        readSettings();
        world.level = 1;
        world.energy = 99;
        if (more) more();
        loadLevel();
        world.sceneShown = 1;  // no dissolve: the scene stands at once
    }

    fit::Shown check(const std::string& screen, const std::vector<Box>& boxes, const std::function<void()>& more,
                     const std::function<void()>& draw, const std::set<std::string>& data = {}, double pictureAt = -1) {
        return fit::checkScreen(
            screen, boxes, [&] { prepare(more); }, draw, data, pictureAt);
    }

    // The names of the best players the shipped settings hold.
    std::set<std::string> bestPlayerNames() {
        prepare();
        return {world.bestNames.begin(), world.bestNames.end()};
    }

    static void tap(int key, double at) {
        headless::keyDown(key, at);
        headless::keyUp(key, at + 0.05);
    }
    static double now() { return headless::clock(); }

    std::optional<ScratchDir> dir;
};

// The title screen's passes at `seconds` since it opened.
void titleAt(double seconds) {
    renderScene();
    TitleState state;
    state.start = timerSeconds() - seconds;
    titlePass(state);
}

const Box kCredits = {39, 62, 44, 72, "the credits' and the best players' lines"};

TEST_F(GameScreens, TheTitleScreen) {
    check("Titelbild", withStatusLine({kCredits}), {}, [] { titleAt(1); });
    check(
        "Titelbild mit Bestenliste", withStatusLine({kCredits}), {}, [] { titleAt(12); }, bestPlayerNames());
    // A set of the player's names itself instead of the maker.
    check(
        "Titelbild einer Sammlung", withStatusLine({kCredits}),
        [] {
            LevelSet set = emptyLevelSet("Wilde Wiesen", "Anna");
            writeLevelSet(levelSetPath("wiesen"), set);
            std::string refusal;
            chooseLevelSet("wiesen", refusal);
        },
        [] { titleAt(1); }, {"       Wilde Wiesen        "});
}

TEST_F(GameScreens, TheStatusLineInPlayAndInADemonstration) {
    check("Statuszeile", kStatusLine, {}, [] { renderScene(); });
    check(
        "Statuszeile einer Vorf\x81hrung", kStatusLine, [] { world.demoStep = 1; }, [] { renderScene(); });
}

// The menu in its box, each line inside its frame.
const std::vector<Box> kMenuBoxes = {
    {16, 50, 26, 70, "the menu's box"},      {22, 22, 38, 60, "the frame of line 1"},
    {24, 24, 38, 53, "the frame of line 2"}, {26, 26, 38, 55, "the frame of line 3"},
    {28, 28, 38, 51, "the frame of line 4"}, {30, 30, 38, 45, "the frame of line 5"},
    {32, 32, 38, 50, "the frame of line 6"}, {34, 34, 38, 50, "the frame of line 7"},
    {37, 37, 38, 100, "the dialog's row"},
};

TEST_F(GameScreens, TheMenuWithItsSwitchesOnAndOff) {
    for (const int on : {0, 1}) {
        check(
            std::string("Men\x81 ") + (on ? "an" : "aus"), withStatusLine(kMenuBoxes),
            [on] {
                world.soundOn = on;
                world.joystickOn = on;
                world.fullScreen = on;
            },
            [] {
                renderScene();
                for (int line = 1; line <= kMenuLines; ++line) {
                    world.menuCursor = line;
                    drawMenu();
                }
            });
    }
}

TEST_F(GameScreens, TheSavedGamesDialogAndWhatItSays) {
    const fit::Shown german = check(
        "Spielstand-Dialoge", withStatusLine(kMenuBoxes),
        [] {
            // Saved games of a set deleted since and of one damaged since.
            for (const char* set : {"weg", "kaputt"}) {
                world.setName = set;
                saveGame(savedGamePath(set));
            }
            world.setName = "";
            openFile("Data\\kaputt.zset", FileMode::Output, 1);
            writeStringField(1, "Kaputt", true);
            closeFile(1);
        },
        [] {
            renderScene();
            drawMenu();
            headless::typeText("a/b\r", now() + 0.1);
            saveGameDialog();  // refused: "Ungültiger Name"
            headless::typeText("keiner\r", now() + 0.1);
            loadGameDialog();  // "Spielstand nicht gefunden"
            headless::typeText("weg\r", now() + 0.1);
            loadGameDialog();  // "Sammlung fehlt: weg"
            headless::typeText("kaputt\r", now() + 0.1);
            loadGameDialog();  // "Sammlung beschädigt: kaputt"
        },
        {}, 4.5);
    for (const char* text : {"Ung\x81ltiger Name", "Spielstand nicht gefunden", "Sammlung fehlt: weg",
                             "Sammlung besch\x84"
                             "digt: kaputt"}) {
        EXPECT_TRUE(fit::showed(german, text)) << textForHost(text);
    }
}

TEST_F(GameScreens, TheEndOfAGameWithANewBestPlayer) {
    const std::vector<Box> boxes = withStatusLine(
        {{65, 65, 25, 68, "the invitation's row"}, {67, 67, 35, 100, "the row of the name"}});
    for (const int deathKind : {1, 2}) {
        check(
            deathKind == 1 ? "Spielende (gestorben)" : "Spielende (ertrunken)", boxes,
            [deathKind] {
                world.deathKind = deathKind;
                world.score = 123456;
            },
            [] {
                headless::typeText("Anna\r", now() + 6.0);
                gameOver();
            },
            {}, 5.5);
    }
}

TEST_F(GameScreens, TheKeyHelp) {
    check(
        "Tastenhilfe", withStatusLine({{16, 60, 21, 80, "the panel of the keys"}}), {},
        [] {
            renderScene();
            tap(scancode::F1, now() + 0.2);
            showKeyHelp();
        },
        {}, 0.1);
}

TEST_F(GameScreens, TheListOfLevelSetsWithADamagedFile) {
    const std::vector<Box> boxes = withStatusLine({
        {11, 60, 11, 90, "the list's panel"},
        {18, 44, 16, 49, "the titles' column"},
        {18, 44, 52, 88, "the authors' column"},
        {48, 50, 12, 89, "the two rows of what is wrong with a file"},
        {54, 56, 12, 89, "the keys' and the mark's rows"},
    });
    check(
        "Sammlungen", boxes,
        [] {
            writeLevelSet(levelSetPath("wiesen"), emptyLevelSet("Wilde Wiesen", "Anna"));
            openFile("Data\\kaputt.zset", FileMode::Output, 1);
            writeStringField(1, "Zauberlabyrinth-Sammlung", false);
            writeIntField(1, 1, true);
            writeStringField(1, "Titel", false);
            closeFile(1);
        },
        [] {
            renderScene();
            // Down to the damaged file, whose fault shows, then back.
            const double t = now();
            tap(scancode::Down, t + 0.2);
            tap(scancode::Down, t + 0.4);
            tap(scancode::Esc, t + 0.6);
            double seconds = 0;
            setListScreen(seconds);
        },
        {"Wilde Wiesen                      ", "Anna                                 ", "kaputt                            "},
        0.5);
}

}  // namespace
