// Save and load: the round trip, the written file, names that cancel or are
// refused, a missing file, a failed save, a hostile file, where the dialogs
// print and that they are gone once answered.
#include "common/level_file.h"
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/scratch_dir.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <tuple>

namespace {

class FileCommands : public EditorTest {
protected:
    ScratchDir dir;

    // The name the next dialog is given, Enter included.
    static void willType(const std::string& line) { headless::typeText(line + "\r", headless::clock() + 0.01); }
    // The same for a dialog a key opens in the next pass, after the pass has
    // waited and emptied the key buffer.
    static void willTypeInPass(const std::string& line) { headless::typeText(line + "\r", headless::clock() + 0.1); }

    // A level using every part of the file: cells beyond the reachable
    // area, a start, entries above the counts, a full table.
    static void buildLevel() {
        for (int x = 1; x <= kLevelColumns; ++x) {
            for (int y = 1; y <= kLevelRows; ++y) editor.level.map[x][y] = (x * 31 + y * 17) % 170 - 2;
        }
        editor.level.playerX = 22;
        editor.level.playerY = 17;
        editor.level.viewX = 19;
        editor.level.viewY = 13;
        editor.level.pigs()[1] = {22, 18, 19, 13};
        editor.level.pigs()[2] = {25, 18, 19, 13};  // removed: above the count
        editor.level.pigCount() = 1;
        for (int k = 1; k <= 100; ++k) editor.level.eyes()[k] = {k, 100, 0, 91};
        editor.level.eyeCount() = 100;
        editor.level.cleaners()[1] = {210, 144, 190, 130};
        editor.level.cleanerCount() = 1;
        editor.levelChanged = 1;
    }

    static std::unique_ptr<EditorState> copyOfRecord() { return std::make_unique<EditorState>(editor); }
    // The level content of two records is the same.
    static void expectSameLevel(const EditorState& a, const EditorState& b) { EXPECT_TRUE(a.level == b.level); }
};

TEST_F(FileCommands, SaveThenLoadRestoresTheLevelAndRewritesTheSameBytes) {
    buildLevel();
    const auto saved = copyOfRecord();
    willType("kopie");
    saveLevelCommand();
    EXPECT_EQ(editor.levelChanged, 0);
    const std::string bytes = dir.readFile("Data/kopie.dat");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1624) << "lines";

    editor = EditorState{};
    editor.brush = tile::Key;
    editor.panelVisible = 1;
    willType("  kopie ");
    loadLevelCommand();
    expectSameLevel(editor, *saved);
    EXPECT_EQ(editor.viewX, 19);
    EXPECT_EQ(editor.viewY, 13);
    EXPECT_EQ(editor.cursorX, 3) << "on the start";
    EXPECT_EQ(editor.cursorY, 4);
    EXPECT_EQ(editor.brush, tile::Key);
    EXPECT_EQ(editor.panelVisible, 1);

    willType("kopie2");
    saveLevelCommand();
    EXPECT_EQ(dir.readFile("Data/kopie2.dat"), bytes);
}

TEST_F(FileCommands, ALevelWithoutAStartLoadsWithoutOneAndTheCursorOnTheFirstCell) {
    editor.level.map[3][3] = tile::Door;
    willType("leer");
    saveLevelCommand();
    const std::string bytes = dir.readFile("Data/leer.dat");
    editor.viewX = 19;
    willType("leer");
    loadLevelCommand();
    EXPECT_EQ(editor.level.playerX, 0);
    EXPECT_EQ(editor.level.playerY, 0);
    EXPECT_EQ(editor.viewX, 0);
    EXPECT_EQ(editor.cursorX, 1);
    EXPECT_EQ(editor.cursorY, 1);
    willType("leer2");
    saveLevelCommand();
    EXPECT_EQ(dir.readFile("Data/leer2.dat"), bytes);
}

TEST_F(FileCommands, LoadingAMissingNameKeepsTheLevelCursorAndView) {
    buildLevel();
    editor.viewX = 38;
    editor.cursorX = 7;
    const auto before = copyOfRecord();
    willType("fehlt");
    loadLevelCommand();
    expectSameLevel(editor, *before);
    EXPECT_EQ(editor.viewX, 38);
    EXPECT_EQ(editor.cursorX, 7);
    EXPECT_EQ(editor.levelChanged, 1);
    drawStatusLine(false);
    EXPECT_TRUE(messageShown("Datei nicht gefunden"));
}

TEST_F(FileCommands, AnEmptyNameCancelsAndUnsafeNamesAreRefused) {
    editor.levelChanged = 1;
    willType("");
    saveLevelCommand();
    for (const char* name : {"../hinaus", "a/b", "a\\b", ".versteckt", "a\x7F"}) {
        const TextWatch prompt(editor.textRow + 1, 1, "Datei Name? ");
        willType(name);
        saveLevelCommand();
        EXPECT_TRUE(prompt.seen()) << name;
        EXPECT_FALSE(showsText(editor.textRow - 1, 1, "Datei Name? ")) << name << ": the prompt is gone";
        drawStatusLine(false);
        EXPECT_TRUE(messageShown("Ung\x81ltiger Name")) << name;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "Data"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1)
        << "only Data";
    EXPECT_EQ(editor.levelChanged, 1);
}

TEST_F(FileCommands, AFailedSaveSaysSoAndKeepsTheWorkUnsaved) {
    std::filesystem::create_directory(dir.path() / "Data" / "belegt.dat");  // cannot be replaced
    editor.levelChanged = 1;
    willType("belegt");
    saveLevelCommand();
    drawStatusLine(false);
    EXPECT_TRUE(messageShown("Speichern fehlgeschlagen"));
    EXPECT_EQ(editor.levelChanged, 1);
}

TEST_F(FileCommands, AHostileFileLoadsWithinTheMapAndTheTables) {
    std::string text = "abc,-2147483648,99999999999999999,1e300,,";  // five map values
    for (int i = 5; i < kLevelColumns * kLevelRows; ++i) text += "-7,";
    text += "-5\r\n99999\r\n-2000000000\r\n2000000000\r\n";
    for (int i = 0; i < 404; ++i) text += (i % 2 ? "-1000\r\n" : "1000000\r\n");
    text += "1000000000\r\n-7\r\n";  // the pig count; then the file ends among the flame ghosts
    dir.writeFile("Data/boese.dat", text);
    willType("boese");
    loadLevelCommand();
    for (int count : editor.level.counts) {
        EXPECT_GE(count, 0);
        EXPECT_LE(count, 100);
    }
    EXPECT_EQ(editor.level.pigCount(), 100);
    // Every command, many times over, stays inside the map and the tables
    // (the sanitizer build would catch a stray index).
    holdKeys({scancode::Down, scancode::Right}, 230);  // the first repeat waits 0.3 s
    for (int key : {scancode::Space, scancode::P, scancode::O, scancode::C, scancode::S}) holdKeys({key}, 30);
    EXPECT_LE(editor.viewX, kLastViewX);
    EXPECT_LE(editor.viewY, kLastViewY);
    EXPECT_EQ(cursorMapX(), kReachColumns);
    EXPECT_EQ(cursorMapY(), kReachRows);
    EXPECT_EQ(editor.level.playerX, cursorMapX());
}

TEST_F(FileCommands, AKeyHeldAsTheNameIsEnteredActsOnlyWhenPressedAgain) {
    headless::keyDown(scancode::P, headless::clock());
    willType("x");
    saveLevelCommand();
    for (int pass = 0; pass < 10; ++pass) commandPass();
    EXPECT_EQ(editor.level.pigCount(), 0);
    EXPECT_EQ(editor.levelChanged, 0) << "saved, and nothing added since";
    headless::keyUp(scancode::P, headless::clock());
    holdKeys({scancode::P});
    EXPECT_EQ(editor.level.pigCount(), 1);
}

// Each dialog is shown while it asks (TextWatch) and gone once answered.
TEST_F(FileCommands, DialogsFollowEachOtherAndStartAgainAtRowOneBeforeLeavingTheGrid) {
    struct DialogCase {
        int startRow;  // editor.textRow before it
        int key;       // F1 or F2
        int titleRow;  // where its title shows
        const char* title;
        int rowAfter;  // editor.textRow after it
    };
    const DialogCase kCases[] = {
        {1, scancode::F1, 1, "Speichern", 3},
        {3, scancode::F2, 3, "Laden", 5},
        {36, scancode::F1, 36, "Speichern", 38},  // rows 36 and 37 still fit
        {38, scancode::F2, 1, "Laden", 3},        // would need rows 38 and 39
    };
    for (const DialogCase& c : kCases) {
        SCOPED_TRACE(c.title + std::to_string(c.startRow));
        editor.textRow = c.startRow;
        const TextWatch title(c.titleRow, 1, c.title);
        const TextWatch prompt(c.titleRow + 1, 1, "Datei Name? ");
        willTypeInPass("");
        holdKeys({c.key});
        EXPECT_TRUE(title.seen());
        EXPECT_TRUE(prompt.seen());
        EXPECT_EQ(editor.textRow, c.rowAfter);
        EXPECT_TRUE(screenIsCurrent()) << "cancelled, the dialog is gone";
    }
    EXPECT_EQ(editor.levelChanged, 0);
}

// What a newcomer sees of the file: its name and the unsaved mark in the
// status line and the window's title, after a load, a change, the undo back
// to the loaded level, and a save under another name.
TEST_F(FileCommands, TheStatusLineAndTheTitleFollowTheFileAndItsUnsavedChanges) {
    startEditor(ScreenChoice::Window);
    dir.writeFile("Data/alt.dat", "0");
    struct Step {
        const char* what;
        void (*act)();
        const char* status;   // the start of the first status row
        const char* message;  // at the right of the second
    };
    const Step kSteps[] = {
        {"start-up", [] {}, "Unbenannt \xFA Seite 1/11 \xFA 1/11 \xFA Pinsel: 0 Boden", ""},
        {"load",
         [] {
             willTypeInPass("alt");
             holdKeys({scancode::F2});
         },
         "alt \xFA Seite 1/11 \xFA 1/11 \xFA Pinsel: 0 Boden", "Geladen: alt"},
        {"paint",
         [] {
             holdKeys({scancode::Digit1});
             holdKeys({scancode::Space});
         },
         "alt* \xFA Seite 1/11 \xFA 1/11 \xFA Pinsel: 100 Rote Mauer", ""},
        {"undo",
         [] {
             holdKeys({scancode::Ctrl, scancode::Z});
         },
         "alt \xFA Seite 1/11 \xFA 1/11 \xFA Pinsel: 100 Rote Mauer", ""},
        {"redo and save",
         [] {
             holdKeys({scancode::Ctrl, scancode::Y});
             willTypeInPass("neu");
             holdKeys({scancode::F1});
         },
         "neu \xFA Seite 1/11 \xFA 1/11 \xFA Pinsel: 100 Rote Mauer", "Gespeichert: neu"},
        {"next page",
         [] {
             for (int row = 1; row <= 14; ++row) holdKeys({scancode::Down});
         },
         "neu \xFA Seite 1/11 \xFA 2/11 \xFA Pinsel: 100 Rote Mauer", "Gespeichert: neu"},
    };
    for (const Step& step : kSteps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_TRUE(showsText(kStatusRow, 1, step.status));
        EXPECT_TRUE(*step.message == 0 ? editor.message.empty() : messageShown(step.message)) << editor.message;
        const std::string status = step.status;
        const std::string name = status.substr(0, status.find(' '));
        EXPECT_EQ(headless::windowTitle(), name + " \xE2\x80\x93 Zauberlabyrinth \xE2\x80\x93 Editor");
    }
    EXPECT_EQ(dir.readFile("Data/neu.dat").substr(0, 4), "100,") << "saved with the wall put back";
    EXPECT_TRUE(showsText(kMessageRow, 1, "Feld 1,14: 0 Boden")) << "the cursor's cell, on the next page";
}

}  // namespace
