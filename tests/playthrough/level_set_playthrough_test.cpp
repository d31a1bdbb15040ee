// A level set from its making to a friend's game: eight labyrinths built
// with the editor's keys and put into the set's places, the set checked and
// saved, the file read back byte for byte, brought into a fresh player's
// folder from a download folder and played there through all eight doors
// on the ways the solver found, with its own table of best players beside
// the untouched settings file. The shipped set the build makes is checked
// against the shipped labyrinths.
#include "common/level_set.h"
#include "common/level_set_import.h"
#include "editor/commands.h"
#include "editor/level_set.h"
#include "game/front/front.h"
#include "game/front/level_sets.h"
#include "tests/editor/editor_fixture.h"
#include "tests/playthrough/route_player.h"
#include "tests/support/catalogue_images.h"
#include "tests/support/scratch_dir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kShippedLevels = 8;

class LevelSetStory : public EditorTest {
protected:
    static void tap(int key, double at) {
        headless::keyDown(key, at);
        headless::keyUp(key, at + 0.1);
    }
    static void press(int key, int times = 1) {
        for (int i = 0; i < times; ++i) holdKeys({key});
    }
    // Labyrinth n as a player builds it: a new level, the start, a wall or
    // two in the way, the door n + 1 cells to the right (the eighth one
    // screen further, behind the view's edge).
    static void buildLabyrinth(int n) {
        const double t = headless::clock();
        headless::keyDown(scancode::Ctrl, t);
        headless::keyDown(scancode::N, t + 0.01);
        commandPass();
        headless::keyUp(scancode::N, headless::clock());
        headless::keyUp(scancode::Ctrl, headless::clock());
        press(scancode::S);
        const int distance = n == 8 ? 21 : n + 1;
        if (n % 2 == 0) {
            press(scancode::Right);
            press(scancode::Digit1);  // a red wall right of the start: the way goes round
            press(scancode::Space);
            press(scancode::Right, distance - 1);
        } else {
            press(scancode::Right, distance);
        }
        press(scancode::E);
        press(scancode::Space);
    }
    // On the set's screen, which keeps its choice from the last time: the
    // cursor on to place n, the level into it.
    static void putIntoPlace(int n) {
        double t = headless::clock();
        tap(scancode::F8, t);
        if (n > 1) tap(scancode::Down, t += 0.3);
        tap(scancode::Space, t += 0.3);
        tap(scancode::Esc, t + 0.3);
        commandPass();
    }
};

TEST_F(LevelSetStory, MadeInTheEditorSavedAndPlayedThroughInAFriendsFolder) {
    std::string file;
    {
        ScratchDir maker;
        // A new set with its title and author.
        double t = headless::clock();
        tap(scancode::F8, t);
        tap(scancode::N, t + 0.3);
        headless::typeText("F\x81r Freunde\r", t + 0.6);
        headless::typeText("Anna\r", t + 0.9);
        tap(scancode::Esc, t + 1.5);
        commandPass();
        EXPECT_EQ(editor.set.title, "F\x81r Freunde");

        for (int n = 1; n <= kLevelCount; ++n) {
            buildLabyrinth(n);
            putIntoPlace(n);
            EXPECT_EQ(editor.setPlace, n);
        }
        t = headless::clock();
        tap(scancode::F8, t);
        tap(scancode::F1, t + 0.3);
        headless::typeText("freunde\r", t + 0.6);
        tap(scancode::Esc, t + 2.0);
        commandPass();
        ASSERT_EQ(editor.setName, "freunde");
        file = maker.readFile("Data/freunde.zset");

        // Read back, it is the same set and writes the same bytes.
        LevelSet back;
        std::string refusal;
        ASSERT_TRUE(readLevelSet("Data\\freunde.zset", back, refusal)) << refusal;
        EXPECT_TRUE(back == editor.set);
        EXPECT_TRUE(isProven(back));
        ASSERT_TRUE(writeLevelSet("Data\\wieder.zset", back));
        EXPECT_EQ(maker.readFile("Data/wieder.zset"), file);
    }

    // The friend's folder: the shipped labyrinths and his own settings.
    ScratchDir friendsFolder;
    for (int n = 1; n <= kShippedLevels; ++n) {
        const std::string name = "00" + std::to_string(n) + ".dat";
        fs::copy_file(fs::path(ZL_LEVEL_STAGE_DIR) / name, friendsFolder.path() / "Data" / name);
    }
    fs::copy_file(fs::path(ZL_SOURCE_DIR) / "assets/defaults/Einstellung.dat",
                  friendsFolder.path() / "Data/Einstellung.dat");
    fs::create_directories(friendsFolder.path() / "Downloads");
    friendsFolder.writeFile("Downloads/freunde.zset", file);
    const std::string settings = friendsFolder.readFile("Data/Einstellung.dat");
    const std::string shipped = friendsFolder.readFile("Data/001.dat");

    headless::reset();
    world = World{};
    openScreen(800, 600, 32, 2, 0);
    createCatalogueImages(ImageFill::Painted);
    readSettings();
    std::string name;
    std::string refusal;
    ASSERT_EQ(importLevelSet((friendsFolder.path() / "Downloads/freunde.zset").string(), name, refusal), SetImport::Added)
        << refusal;
    EXPECT_EQ(name, "freunde");
    EXPECT_EQ(friendsFolder.readFile("Data/freunde.zset"), file);
    ASSERT_TRUE(chooseLevelSet(name, refusal)) << refusal;

    startLevel(1);
    for (int level = 1; level <= kLevelCount; ++level) {
        std::vector<RouteStep> steps;
        for (const Command command : world.set.labyrinths[static_cast<std::size_t>(level - 1)].route)
            steps.push_back({routeCommandOf(command), level});
        const PlayResult result = playRoute(level, steps);
        ASSERT_TRUE(result.finished) << result.failure;
    }
    EXPECT_EQ(world.level, 1) << "after the eighth door the set's first labyrinth";
    EXPECT_EQ(world.playerX, world.set.labyrinths[0].level.playerX);
    EXPECT_EQ(friendsFolder.readFile("Data/001.dat"), shipped);

    // A game lost with a good score goes into the set's own table.
    world.score = 4200;
    world.deathKind = 1;
    headless::typeText("Freund\r", headless::clock() + 4.5);
    gameOver();
    EXPECT_EQ(friendsFolder.readFile("Data/freunde.bestenliste").substr(0, 14), "\"Freund\",4200\r");
    ASSERT_TRUE(writeSettings());  // as the program ends
    EXPECT_EQ(friendsFolder.readFile("Data/Einstellung.dat"), settings);
    destroyCatalogueImages();
}

TEST(ShippedLevelSet, TheBuildsSetHoldsTheShippedLabyrinthsProvenWithTheirDemonstrations) {
    ScratchDir dir;
    const fs::path staged(ZL_LEVEL_STAGE_DIR);
    fs::copy_file(staged / "zauberlabyrinth.zset", dir.path() / "Data/zauberlabyrinth.zset");
    LevelSet set;
    std::string refusal;
    ASSERT_TRUE(readLevelSet("Data\\zauberlabyrinth.zset", set, refusal)) << refusal;
    EXPECT_EQ(set.title, "Das Zauberlabyrinth");
    EXPECT_TRUE(isProven(set));
    EXPECT_EQ(set.labyrinths[0].name, "Der Keller");
    for (int n = 1; n <= kShippedLevels; ++n) {
        const std::string name = "00" + std::to_string(n) + ".dat";
        fs::copy_file(staged / name, dir.path() / "Data" / name);
        LevelData level;
        ASSERT_TRUE(readLevelFile("Data\\" + name.substr(0, 3) + ".dat", level));
        EXPECT_TRUE(level == set.labyrinths[static_cast<std::size_t>(n - 1)].level) << name;
    }
    ASSERT_EQ(set.demonstrations.size(), 4u);
    for (int n = 1; n <= 4; ++n) {
        RecordingMoves moves{};
        fs::copy_file(staged / fs::path(recordingPath(n).substr(5)), dir.path() / "Data" / recordingPath(n).substr(5));
        ASSERT_TRUE(readRecording(recordingPath(n), moves));
        EXPECT_EQ(set.demonstrations[static_cast<std::size_t>(n - 1)].place, n);
        EXPECT_TRUE(set.demonstrations[static_cast<std::size_t>(n - 1)].moves == moves) << n;
    }
    ASSERT_EQ(set.closingScene.size(), 1u);
}

}  // namespace
