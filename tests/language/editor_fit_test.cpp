// Every screen of the editor drawn in every language: each text inside the
// box its German text has (screen_fit.h). The editor runs in a scratch
// folder with the pictures of the ready-to-run folder.
#include "common/level_file.h"
#include "common/level_list.h"
#include "common/run_end.h"
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_state.h"
#include "editor/level_set.h"
#include "editor/status_line.h"
#include "tests/language/run_folder.h"
#include "tests/language/screen_fit.h"
#include "tests/support/scratch_dir.h"

#include <optional>

namespace {

using fit::Box;

const Box kStatusRows = {36, 37, 1, 100, "the status line"};
const Box kDialogRows = {1, 35, 1, 100, "the dialog's rows"};

class EditorScreens : public ::testing::Test {
protected:
    void TearDown() override {
        dir.reset();
        headless::setProgramRunner({});
    }

    // A fresh editor on an empty level, its pictures loaded, nothing drawn.
    void prepare(const std::function<void()>& more) {
        dir.reset();
        dir.emplace();
        takeRunFolder();
        headless::reset();
        editor = EditorState{};
        openScreenMode(19, 32, 1, 0);
        loadEditorImages();
        if (more) more();
    }

    fit::Shown check(const std::string& screen, const std::vector<Box>& boxes, const std::function<void()>& more,
                     const std::function<void()>& draw, const std::set<std::string>& data = {}, double pictureAt = -1) {
        return fit::checkScreen(
            screen, boxes, [&] { prepare(more); }, draw, data, pictureAt);
    }

    static void tap(int key, double at) {
        headless::keyDown(key, at);
        headless::keyUp(key, at + 0.05);
    }
    static double now() { return headless::clock(); }
    static void redraw() {
        drawMapView();
        drawCursorCell();
        drawStatusLine(true);
    }

    std::optional<ScratchDir> dir;
};

// A start at (2, 2) and the door three cells to the right.
void smallLevel() {
    editor.level.playerX = 2;
    editor.level.playerY = 2;
    editor.level.map[5][2] = tile::Door;
}

TEST_F(EditorScreens, TheMapWithTheHelpPanelTheKeyPageAndTheStartHint) {
    const std::vector<Box> boxes = {
        {1, 7, 1, 19, "the panel's counts"},         {1, 9, 20, 39, "the panel's first column of keys"},
        {1, 9, 40, 63, "the panel's second column"}, {1, 30, 64, 100, "the key page"},
        {16, 27, 30, 100, "the start hint"},         kStatusRows,
    };
    check(
        "Karte mit Hilfe und Tastenseite", boxes,
        [] {
            editor.panelVisible = 1;
            editor.keyPageVisible = 1;
        },
        redraw);
    check("Karte mit Starthinweis", boxes, {}, [] {
        redraw();
        showStartHint();
    });
}

TEST_F(EditorScreens, TheStatusLineWithTheLongestNamesAndEveryVerdictOfATestRun) {
    check(
        "Statuszeile", {kDialogRows, kStatusRows},
        [] {
            smallLevel();
            editor.fileName = "ein-recht-langer-Dateiname-hier";
            editor.brush = 134;  // "Alte Mauer, Bogen rechts"
            editor.viewX = 190;
            editor.viewY = 130;
            editor.cursorX = 1;
            editor.cursorY = 1;
            // The start and a creature of each kind on the cursor's cell.
            editor.level.playerX = 191;
            editor.level.playerY = 131;
            for (int kind = 0; kind < kCreatureKinds; ++kind) {
                editor.level.creatures[kind][1] = {191, 131, 190, 130};
                editor.level.counts[kind] = 1;
            }
            editor.level.map[191][131] = 5;  // "Alte Mauer, begehbar"
            editor.level.map[195][131] = tile::Door;
        },
        [] {
            // Every end of a test run (F5), each with and without its steps.
            for (const int status : {0, 10, 20, 21, 22, 23, 24, 25, 30, 77, -1}) {
                for (const int steps : {0, 1, 1234}) {
                    headless::setProgramRunner([status, steps](const std::string&, const std::vector<std::string>&) {
                        if (steps > 0) writeRunReport(kProbeLevelName, {status, steps});
                        return status;
                    });
                    playLevelCommand();
                    drawStatusLine(true);
                }
            }
            // Without a door, and without a start.
            editor.level.map[195][131] = 0;
            playLevelCommand();
            drawStatusLine(true);
            editor.level.playerX = 0;
            editor.level.playerY = 0;
            playLevelCommand();
            drawStatusLine(true);
        });
}

TEST_F(EditorScreens, ThePaletteOnABarrierATileOfNoKeyAndOneOfSeveralPresses) {
    const std::vector<Box> boxes = {{1, 1, 1, 100, "the palette's title"},
                                    {2, 31, 1, 100, "the tiles and their codes"},
                                    {32, 34, 1, 100, "the rows below the tiles"},
                                    kStatusRows};
    for (const int brush : {51, 110, 132}) {
        check(
            "Palette " + std::to_string(brush), boxes, [brush] { editor.brush = brush; },
            [] {
                tap(scancode::Esc, now() + 0.2);
                paletteCommand();
            },
            {}, 0.1);
    }
}

TEST_F(EditorScreens, TheOverview) {
    check(
        "\x9A"
        "bersicht",
        {{1, 2, 1, 100, "the overview's title"}, kStatusRows}, {},
        [] {
            tap(scancode::Esc, now() + 0.2);
            overviewCommand();
        },
        {}, 0.1);
}

TEST_F(EditorScreens, TheFileDialogsAndWhatTheyLeaveInTheStatusLine) {
    check(
        "Datei-Dialoge", {kDialogRows, kStatusRows}, {},
        [] {
            redraw();
            headless::typeText("meins\r", now() + 0.1);
            saveLevelCommand();
            drawStatusLine(true);
            headless::typeText("keins\r", now() + 0.2);
            loadLevelCommand();
            drawStatusLine(true);
            headless::typeText("a/b\r", now() + 0.1);
            loadLevelCommand();
            drawStatusLine(true);
        },
        {"001  002  003  004  005  006  007  008  ende  meins"}, 0.4);
}

TEST_F(EditorScreens, TheCheckOfEveryKindOfLevel) {
    const struct {
        const char* name;
        void (*level)();
    } kLevels[] = {
        {"Pr\x81"
         "fung leer",
         [] {}},
        {"Pr\x81"
         "fung Sperre",
         [] {
             smallLevel();
             editor.level.map[4][2] = 50;  // a barrier whose key lies nowhere
         }},
        {"Pr\x81"
         "fung schaffbar",
         [] {
             smallLevel();
             // Six creatures by the way: five named, the sixth counted.
             for (int k = 1; k <= 6; ++k) editor.level.pigs()[static_cast<std::size_t>(k)] = {2 + k % 3, 3, 0, 0};
             editor.level.pigCount() = 6;
         }},
        {"Pr\x81"
         "fung ein Schritt",
         [] {
             smallLevel();
             editor.level.map[5][2] = 0;
             editor.level.map[3][2] = tile::Door;
             editor.level.pigs()[1] = {3, 3, 0, 0};
             editor.level.pigCount() = 1;
         }},
        {"Pr\x81"
         "fung unerreichbar",
         [] {
             smallLevel();
             for (const auto& [x, y] : {std::pair{5, 1}, std::pair{4, 2}, std::pair{6, 2}, std::pair{5, 3}}) {
                 editor.level.map[x][y] = 100;
             }
         }},
    };
    for (const auto& level : kLevels) {
        check(
            level.name, {kDialogRows, kStatusRows}, level.level,
            [] {
                redraw();
                headless::typeText(" ", now() + 0.2);
                checkLevelCommand();
            },
            {}, 0.1);
    }
}

TEST_F(EditorScreens, TheQuestionsBeforeChangesAreLost) {
    check(
        "Fragen", {kDialogRows, kStatusRows}, [] { editor.levelChanged = 1; },
        [] {
            redraw();
            tap(scancode::N, now() + 0.2);
            quitCommand();
            tap(scancode::N, now() + 0.2);
            newLevelCommand();
            smallLevel();
            for (const auto& [x, y] : {std::pair{5, 1}, std::pair{4, 2}, std::pair{6, 2}, std::pair{5, 3}}) {
                editor.level.map[x][y] = 100;
            }
            tap(scancode::N, now() + 0.2);
            playLevelCommand();  // the door out of reach: played anyway?
        },
        {}, 0.1);
}

TEST_F(EditorScreens, TheLevelSetsScreenWithItsDialogs) {
    const std::vector<Box> boxes = {
        {1, 5, 2, 100, "the set's title, author and file"},
        {7, 14, 2, 3, "the chosen place's mark"},
        {7, 14, 4, 6, "the places' numbers"},
        {7, 14, 7, 49, "the places' names"},
        {7, 14, 50, 62, "the column of the proof"},
        {7, 14, 63, 100, "the column of the place edited"},
        {16, 20, 2, 100, "the keys"},
        {22, 37, 1, 100, "the rows of the dialogs"},
        kStatusRows,
    };
    const fit::Shown german = check(
        "Sammlung", boxes,
        [] {
            smallLevel();
            editor.levelChanged = 1;
            // A set file that cannot be read.
            openFile("Data\\kaputt.zset", FileMode::Output, 1);
            writeStringField(1, "Zauberlabyrinth-Sammlung", false);
            writeIntField(1, 9, true);
            closeFile(1);
        },
        [] {
            // The answer yes is the language's own letter: J, or Y in English.
            const int yes = languageState.current == kGerman ? scancode::J : scancode::Y;
            double t = now() + 0.2;
            tap(scancode::Enter, t);  // the changed level stands in no place: asked first
            tap(scancode::N, t += 0.3);
            tap(scancode::Space, t += 0.3);  // the level into place 1
            tap(scancode::U, t += 0.3);
            headless::typeText("Keller\r", t += 0.3);
            tap(scancode::T, t += 0.3);
            headless::typeText("Wilde Wiesen\r", t += 0.3);
            headless::typeText("Anna\r", t += 0.3);
            tap(scancode::Down, t += 0.3);
            tap(scancode::F1, t += 0.3);
            headless::typeText("wiesen\r", t += 0.3);
            tap(scancode::F1, t += 20.0);  // after the proof of the eight places
            // The shipped set's name: a key buffer's fill, the Enter after it.
            headless::typeText("zauberlabyrinth", t += 0.3);
            headless::typeText("\r", t += 0.1);
            tap(scancode::Delete, t += 0.3);
            tap(scancode::N, t += 0.3);
            tap(scancode::N, t += 0.3);  // the set changed: not a new one
            tap(scancode::F2, t += 0.3);
            tap(yes, t += 0.3);  // another one all the same: the damaged file
            headless::typeText("kaputt\r", t += 0.3);
            tap(scancode::F2, t += 0.3);
            tap(yes, t += 0.3);
            headless::typeText("wiesen\r", t += 0.3);
            tap(scancode::N, t += 0.5);  // a new set, unasked
            headless::typeText("Neu\r", t += 0.3);
            headless::typeText("Ich\r", t += 0.3);
            tap(scancode::Esc, t += 0.5);
            levelSetCommand();
            drawStatusLine(true);
        },
        {"Labyrinth 1", "Keller", "wiesen", "kaputt", "Neu", "Ich", "kaputt  zauberlabyrinth",
         "kaputt  wiesen  zauberlabyrinth"},
        3.2);
    // Every dialog was reached.
    for (const char* text : {"Pr\x81"
                             "fe Labyrinth 8 von 8",
                             "Gespeichert als Data/wiesen.zset.", "Nicht bewiesen:", "Sammlung nicht gespeichert. Neue",
                             "Sammlung nicht gespeichert. Andere", "Die Sammlung hat Format 9", "Geladen: Data/wiesen.zset",
                             "Titel der neuen Sammlung", "Level nicht gespeichert. Trotzdem", "Dieser Name geh\x94rt"}) {
        EXPECT_TRUE(fit::showed(german, text)) << textForHost(text);
    }
}

}  // namespace
