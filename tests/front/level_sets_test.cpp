// Level sets in the game: a chosen set played from memory, its own table of
// best players beside the settings file's, the list of sets, a saved game
// that names its set, a set brought in from outside Data, and the title
// screen of a set.
#include "game/front/level_sets.h"
#include "common/level_list.h"
#include "common/level_set_import.h"
#include "game/front/best_players.h"
#include "game/front/demonstration.h"
#include "game/front/front.h"
#include "game/front/saved_game.h"
#include "game/front/title.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "tests/front/front_fixture.h"
#include "tests/support/level_set_fixture.h"

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr double kTitleKey = 0.1;  // a press the title screen sees once

class Sets : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        ASSERT_TRUE(writeLevelSet("Data\\welt.zset", world_));
        ASSERT_TRUE(writeLevelFile("Data\\001.dat", sets::corridor(15)));
    }
    // The door of the labyrinth now in the world: the cell of the corridor's end.
    static int doorColumn() {
        for (int x = 1; x <= 20; ++x) {
            if (world.map[x][2] == tile::Door) return x;
        }
        return 0;
    }
    std::vector<std::string> filesInData() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path() / "Data"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    const LevelSet world_ = sets::corridorSet();  // "Kleine Welt" by Anna, in Data\welt.zset
};

TEST_F(Sets, AChosenSetIsPlayedFromMemoryAndTheShippedFilesStayUntouched) {
    const std::string shipped = dir.readFile("Data/001.dat");
    std::string refusal;
    ASSERT_TRUE(chooseLevelSet("welt", refusal)) << refusal;
    dir.writeFile("Data/welt.zset", "");  // read when chosen, not again
    EXPECT_EQ(world.set.title, "Kleine Welt");

    for (int level = 1; level <= kLevelCount; ++level) {
        world.level = level;
        loadLevel();
        EXPECT_EQ(doorColumn(), 2 + level + 1) << "labyrinth " << level << " of the set";
    }
    world.level = kLevelCount + 1;  // through the door of the last
    loadLevel();
    EXPECT_EQ(world.level, 1);
    EXPECT_EQ(doorColumn(), 4);
    world.deathKind = 1;
    loadLevel();
    EXPECT_EQ(world.map[3][2], tile::Floor3) << "the set's own closing scene";
    EXPECT_EQ(dir.readFile("Data/001.dat"), shipped);
    EXPECT_EQ(filesInData(), (std::vector<std::string>{"001.dat", "welt.zset"}));

    world.deathKind = 0;
    ASSERT_TRUE(chooseLevelSet("", refusal));
    loadLevel();
    EXPECT_EQ(doorColumn(), 17) << "the shipped labyrinth 1 again, from its file";
}

TEST_F(Sets, EachSetKeepsItsOwnTableAndTheSettingsFileKeepsTheShippedOne) {
    resetBestPlayers();
    ASSERT_TRUE(writeSettings());
    const std::string settings = dir.readFile("Data/Einstellung.dat");
    std::string refusal;
    ASSERT_TRUE(chooseLevelSet("welt", refusal));
    EXPECT_EQ(world.bestNames[1], "") << "a set played the first time starts with an empty table";
    EXPECT_EQ(world.bestScores[10], 0);

    world.score = 700;
    world.deathKind = 1;
    headless::typeText("Bea\r", in(4.5));
    gameOver();
    EXPECT_EQ(world.bestNames[1], "Bea");
    EXPECT_EQ(dir.readFile("Data/welt.bestenliste").substr(0, 11), "\"Bea\",700\r\n");
    EXPECT_EQ(dir.readFile("Data/Einstellung.dat"), settings);
    ASSERT_TRUE(writeSettings());  // as at the program's end
    EXPECT_EQ(dir.readFile("Data/Einstellung.dat"), settings);

    ASSERT_TRUE(chooseLevelSet("", refusal));
    EXPECT_EQ(world.bestNames[1], "Talvin");
    ASSERT_TRUE(chooseLevelSet("welt", refusal));
    EXPECT_EQ(world.bestNames[1], "Bea");
    EXPECT_EQ(world.bestScores[1], 700);
}

TEST_F(Sets, TheListHasTheShippedLabyrinthsFirstThenTheSetsByTitleWithTheirFaults) {
    LevelSet unproven = sets::corridorSet("Abenteuer", "Bert");
    unproven.labyrinths[7].route.clear();
    ASSERT_TRUE(writeLevelSet("Data\\alpha.zset", unproven));
    ASSERT_TRUE(writeLevelSet("Data\\zauberlabyrinth.zset", sets::corridorSet(kShippedSetTitle)));
    dir.writeFile("Data/kaputt.zset", "\"Zauberlabyrinth-Sammlung\",1\r\n\"Titel\",\"Halb\"\r\n");
    const std::vector<SetListEntry> list = listLevelSets();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].name, "");
    EXPECT_EQ(list[0].title, "Das Zauberlabyrinth");
    EXPECT_EQ(list[1].title, "Abenteuer");
    EXPECT_EQ(list[1].author, "Bert");
    EXPECT_FALSE(list[1].proven);
    EXPECT_EQ(list[2].name, "welt");
    EXPECT_TRUE(list[2].proven);
    EXPECT_EQ(list[3].title, "kaputt") << "a damaged file goes by its name";
    EXPECT_NE(list[3].refusal.find("abgeschnitten"), std::string::npos) << list[3].refusal;
    std::string refusal;
    EXPECT_FALSE(chooseLevelSet("kaputt", refusal));
    EXPECT_EQ(world.setName, "");
}

// The shipped labyrinths are played from Data\001..008.dat: proven by the
// build only while each of them is the shipped file.
TEST_F(Sets, TheShippedLabyrinthsAreProvenOnlyWhileEachIsTheShippedFile) {
    fs::create_directories(dir.path() / "Data/.shipped");
    for (const char* name : kLevelNames) {
        const std::string file = std::string(name) + ".dat";
        dir.writeFile("Data/" + file, "geliefert " + file);
        dir.writeFile("Data/.shipped/" + file, "geliefert " + file);
    }
    SetListEntry shipped = listLevelSets().front();
    EXPECT_TRUE(shipped.proven);
    EXPECT_EQ(shipped.note, "");

    dir.writeFile("Data/003.dat", "von mir");  // changed in the editor
    fs::remove(dir.path() / "Data/006.dat");   // deleted: back only at the next start
    shipped = listLevelSets().front();
    EXPECT_FALSE(shipped.proven);
    EXPECT_EQ(shipped.note, "Von dir ge\x84ndert, daher ohne \xFB: Labyrinth 3, 6");
    EXPECT_EQ(shipped.refusal, "") << "they can be played all the same";
}

TEST_F(Sets, AGameOfASetNamesItsSetAndIsPlayedInItAgain) {
    std::string refusal;
    ASSERT_TRUE(chooseLevelSet("welt", refusal));
    world.level = 2;
    loadLevel();
    world.energy = 60;
    ASSERT_TRUE(saveGame("Data\\spiel.sav"));
    const std::string saved = dir.readFile("Data/spiel.sav");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), kSavedGameLines + 1);
    EXPECT_EQ(saved.substr(saved.size() - 18), "0,0,60,2\r\n\"welt\"\r\n");

    ASSERT_TRUE(chooseLevelSet("", refusal));
    ASSERT_TRUE(loadGame("Data\\spiel.sav", &refusal)) << refusal;
    EXPECT_EQ(world.setName, "welt");
    EXPECT_EQ(world.level, 2);
    world.level = 3;
    loadLevel();
    EXPECT_EQ(doorColumn(), 6) << "the door leads on in the set";

    // A game of the shipped labyrinths takes them back.
    ASSERT_TRUE(chooseLevelSet("", refusal));
    ASSERT_TRUE(saveGame("Data\\alt.sav"));
    ASSERT_TRUE(chooseLevelSet("welt", refusal));
    ASSERT_TRUE(loadGame("Data\\alt.sav", &refusal));
    EXPECT_EQ(world.setName, "");
}

TEST_F(Sets, AGameWhoseSetIsGoneOrDamagedIsNotLoadedAndSaysSo) {
    std::string refusal;
    ASSERT_TRUE(chooseLevelSet("welt", refusal));
    ASSERT_TRUE(saveGame("Data\\spiel.sav"));
    ASSERT_TRUE(chooseLevelSet("", refusal));
    world.energy = 42;
    fs::remove(dir.path() / "Data/welt.zset");
    EXPECT_FALSE(loadGame("Data\\spiel.sav", &refusal));
    EXPECT_EQ(refusal, "Sammlung fehlt: welt");
    EXPECT_EQ(world.energy, 42) << "the game goes on as it was";
    EXPECT_EQ(world.setName, "");

    dir.writeFile("Data/welt.zset", "\"Zauberlabyrinth-Sammlung\",1\r\n");
    EXPECT_FALSE(loadGame("Data\\spiel.sav", &refusal));
    EXPECT_EQ(refusal, "Sammlung besch\x84"
                       "digt: welt");

    // The menu's dialog shows it where the name was typed.
    headless::typeText("spiel\r", in(0.1));
    EXPECT_FALSE(loadGameDialog());
    EXPECT_TRUE(textShown(37, 38,
                          "Sammlung besch\x84"
                          "digt: welt"));
}

class SetFromOutside : public Sets {
protected:
    // A file outside Data, as a browser's download folder holds it.
    std::string outside(const std::string& relative, const LevelSet& set) {
        const fs::path path = dir.path() / "Downloads" / relative;
        fs::create_directories(path.parent_path());
        EXPECT_TRUE(writeLevelSet("Data\\scratch.zset", set));
        fs::rename(dir.path() / "Data/scratch.zset", path);
        return path.string();
    }
    // The name the set at hostPath is brought in as, after it came to `how`.
    std::string imported(const std::string& hostPath, SetImport how = SetImport::Added) {
        std::string name = "?";
        std::string refusal;
        EXPECT_EQ(importLevelSet(hostPath, name, refusal), how) << refusal;
        return name;
    }
};

TEST_F(SetFromOutside, ASetFromAnywhereIsCopiedInUnderAFreeNameAndReplacesNoFileOfThePlayers) {
    const std::string mine = dir.readFile("Data/welt.zset");
    const LevelSet friends = sets::corridorSet("Vom Freund", "Cem");
    const std::string download = outside("welt.zset", friends);
    EXPECT_EQ(imported(download), "welt-2") << "the player's own welt.zset stays";
    EXPECT_EQ(dir.readFile("Data/welt.zset"), mine);
    EXPECT_EQ(dir.readFile("Data/welt-2.zset"), dir.readFile("Downloads/welt.zset")) << "the same bytes";
    EXPECT_EQ(imported(download, SetImport::Present), "welt-2") << "opened again: the same set, not a third copy";

    // A name whose table is still there from a set deleted since is not taken.
    dir.writeFile("Data/neu.bestenliste", "\"Alt\",99999\r\n");
    EXPECT_EQ(imported(outside("neu.zset", friends)), "neu-2");
    // Names of any encoding become plain ones.
    EXPECT_EQ(imported(outside("H\xC3\xB6hlen und Gr\xC3\xBC"
                               "fte.zset",
                               friends)),
              "H_hlen_und_Gr_fte");
    EXPECT_EQ(imported(outside(".versteckt.zset", friends)), "versteckt");
    EXPECT_EQ(imported(outside("GROSS.ZSET", friends)), "GROSS") << "the ending in any case";

    // The shipped labyrinths' own file means them.
    ASSERT_TRUE(writeLevelSet("Data\\zauberlabyrinth.zset", world_));
    EXPECT_EQ(imported(outside("zauberlabyrinth.zset", world_), SetImport::Shipped), "");
    EXPECT_EQ(imported(outside("x/zauberlabyrinth.zset", friends)), "zauberlabyrinth-2")
        << "another set under that name is a set of the player's";
}

TEST_F(SetFromOutside, AFileThatIsNoSetIsRefusedAndNothingIsWritten) {
    const std::vector<std::string> before = filesInData();
    fs::create_directories(dir.path() / "Downloads");
    dir.writeFile("Downloads/bild.zset", "GIF89a");
    std::string name = "?";
    std::string refusal;
    EXPECT_EQ(importLevelSet((dir.path() / "Downloads/bild.zset").string(), name, refusal), SetImport::Refused);
    EXPECT_EQ(refusal, "Keine Sammlung: die Datei beginnt nicht mit \"Zauberlabyrinth-Sammlung\".");
    EXPECT_EQ(importLevelSet((dir.path() / "Downloads/fehlt.zset").string(), name, refusal), SetImport::Refused);
    EXPECT_EQ(refusal, "Die Datei fehlt oder kann nicht gelesen werden.");
    EXPECT_EQ(importLevelSet((dir.path() / "Downloads").string(), name, refusal), SetImport::Refused)
        << "a folder is no file";
    EXPECT_EQ(filesInData(), before);
    EXPECT_EQ(name, "?");
}

// The title screen over a set.
class SetTitle : public Sets {
protected:
    void SetUp() override {
        Sets::SetUp();
        std::string refusal;
        ASSERT_TRUE(chooseLevelSet("welt", refusal));
        world.level = 1;
        loadLevel();
        renderScene();
    }
};

TEST_F(SetTitle, TheSetsTitleAndAuthorStandWhereTheMakerIsNamedAndTheStatusLineNamesF2) {
    TitleState state;
    state.start = timerSeconds();
    ASSERT_EQ(titlePass(state), TitleExit::Stay);
    const auto colour = static_cast<Colour>(state.colour);
    EXPECT_TRUE(textShown(40, 44, "        Kleine Welt        ", colour));
    EXPECT_TRUE(textShown(42, 44, "         von Anna          ", colour));
    EXPECT_EQ(headless::pixel(0, 330, 235), drawn(Img::titel));
    EXPECT_NE(headless::pixel(0, 390, 345), drawn(Img::zk)) << "the shipped labyrinths' signature is theirs";
    EXPECT_TRUE(textShown(52, 44,
                          "  Dr\x81"
                          "cke Leertaste um das ",
                          colour));
    EXPECT_TRUE(textShown(kStatusRow, 71, "F2: Sammlungen", colour));
    EXPECT_TRUE(textShown(kStatusRow, 86, "F1: Tastenhilfe", colour));
}

TEST_F(SetTitle, ItsOwnDemonstrationsPlayInTurnAndWithoutAnyTheTitleWaitsForAStart) {
    startDemonstration();
    EXPECT_EQ(world.level, 1);
    EXPECT_EQ(world.demoMoves[1], 2);
    EXPECT_EQ(world.demoMoves[2], 0);
    startDemonstration();
    EXPECT_EQ(world.level, 2);
    EXPECT_EQ(world.demoMoves[2], 2);
    startDemonstration();
    EXPECT_EQ(world.level, 1);

    ASSERT_TRUE(writeLevelSet("Data\\still.zset", sets::corridorSet("Still", "Anna", 0)));
    std::string refusal;
    ASSERT_TRUE(chooseLevelSet("still", refusal));
    world.demoStep = 0;
    tap(scancode::Space, in(45), kTitleKey);
    EXPECT_GT(timedTitle(), 45.0);
    EXPECT_EQ(world.demoStep, 0);
}

TEST_F(SetTitle, F2ListsTheSetsAndEnterPlaysTheChosenOneBehindTheTitle) {
    ASSERT_TRUE(writeLevelSet("Data\\zweite.zset", sets::corridorSet("Zweite Welt", "Cem")));
    // The list opens on the set played, "Kleine Welt" (2nd); Down chooses
    // "Zweite Welt", Enter plays it, Space then starts.
    tap(scancode::F2, in(1), kTitleKey);
    tap(scancode::Down, in(2), kTitleKey);
    tap(scancode::Enter, in(3), kTitleKey);
    tap(scancode::Space, in(5), kTitleKey);
    const double took = timedTitle();
    EXPECT_GT(took, 5.0);
    EXPECT_LT(took, 5.5) << "the Enter that chose started nothing";
    EXPECT_EQ(world.setName, "zweite");
    EXPECT_EQ(world.level, 1);
    EXPECT_EQ(doorColumn(), 4) << "the new set's labyrinth 1 is played";
}

TEST_F(SetTitle, ASetHandedInWhileTheListIsOpenJoinsItAndCanBeChosen) {
    // A friend's set dropped on the browser's page while the list is open:
    // the page hands it to the program in one of its sleeps.
    ASSERT_TRUE(writeLevelSet("Data\\scratch.zset", sets::corridorSet("Aus der Ferne", "Cem")));
    fs::create_directories(dir.path() / "handed");
    const fs::path dropped = dir.path() / "handed/ferne.zset";
    fs::rename(dir.path() / "Data/scratch.zset", dropped);
    const double drop = in(0.4);
    bool handed = false;
    headless::setWatcher([&] {
        if (handed || headless::clock() < drop) return;
        handed = true;
        std::string answer;
        EXPECT_TRUE(takeHandedLevelSet(dropped.string(), answer)) << answer;
    });
    // Listed by title: the shipped line, "Aus der Ferne", "Kleine Welt" (the
    // set played, chosen). Up then chooses the new set.
    tap(scancode::Up, in(0.8), kTitleKey);
    tap(scancode::Enter, in(1.0), kTitleKey);
    double seconds = 0;
    EXPECT_TRUE(setListScreen(seconds));
    headless::setWatcher({});
    EXPECT_TRUE(handed);
    EXPECT_EQ(world.setName, "ferne");
}

TEST_F(SetTitle, TheListSaysWhichShippedLabyrinthsThePlayerChanged) {
    // Data\001.dat is the test's own corridor, the others are missing: none
    // is the shipped file. Up from the set played chooses the shipped line.
    tap(scancode::Up, in(0.2), kTitleKey);
    tap(scancode::Esc, in(0.6), kTitleKey);
    std::vector<Colour> shown;  // the visible page while the shipped line is chosen
    const double look = in(0.4);
    headless::setWatcher([&shown, look] {
        if (shown.empty() && headless::clock() > look)
            shown.assign(headless::pagePixels(0), headless::pagePixels(0) + 800 * 600);
    });
    double seconds = 0;
    EXPECT_FALSE(setListScreen(seconds));
    headless::setWatcher({});
    ASSERT_FALSE(shown.empty());
    EXPECT_TRUE(textShownIn(shown.data(), 48, 12, "Von dir ge\x84ndert, daher ohne \xFB: Labyrinth 1, 2, 3, 4, 5, 6, 7, 8"));
    constexpr Colour kChosen = 0xFFFFFF00u;
    EXPECT_TRUE(textShownIn(shown.data(), 18, 16, "Das Zauberlabyrinth", kChosen));
    EXPECT_TRUE(textShownIn(shown.data(), 18, 14, " ", kChosen)) << "without the mark";
}

TEST_F(SetTitle, EscClosesTheListAndPutsTheScreenBackAsItWas) {
    dir.writeFile("Data/kaputt.zset", "x");
    TitleState state;
    state.start = timerSeconds();
    ASSERT_EQ(titlePass(state), TitleExit::Stay);
    const std::vector<Colour> before(headless::pagePixels(0), headless::pagePixels(0) + 800 * 600);
    // Down to the damaged file: Enter cannot choose it.
    tap(scancode::Down, in(0.2), kTitleKey);
    tap(scancode::Enter, in(0.4), kTitleKey);
    tap(scancode::Esc, in(0.6), kTitleKey);
    double seconds = 0;
    EXPECT_FALSE(setListScreen(seconds));
    EXPECT_GT(seconds, 0.6);
    EXPECT_EQ(world.setName, "welt");
    EXPECT_TRUE(std::equal(before.begin(), before.end(), headless::pagePixels(0)));
}

}  // namespace
