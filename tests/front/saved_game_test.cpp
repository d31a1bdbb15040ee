// Saved games: the file layout, the round trip, loads and saves that fail,
// and the name dialog.
#include "common/tile_codes.h"
#include "game/front/saved_game.h"
#include "tests/front/front_fixture.h"

#include <algorithm>
#include <filesystem>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class SavedGames : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        world.map[1][1] = tile::RedWall;
        world.map[220][150] = tile::Door;
        world.playerX = 25;
        world.playerY = 17;
        world.viewX = 19;
        world.viewY = 13;
        world.pigs[1] = {30, 20, 19, 13, 0, 0};
        world.pigs[2] = {};  // killed
        world.pigCount = 2;
        world.eyes[100] = {200, 140, 190, 130, 0, 0};
        world.eyeCount = 100;
        world.score = 1500;
        world.heldItem = tile::Key;
        world.energy = 87;
        world.level = 3;
    }
    static void expectSameGame(const World& a, const World& b) {
        EXPECT_TRUE(a.map == b.map);
        EXPECT_EQ(a.playerX, b.playerX);
        EXPECT_EQ(a.playerY, b.playerY);
        EXPECT_EQ(a.viewX, b.viewX);
        EXPECT_EQ(a.viewY, b.viewY);
        for (const CreatureKindFields& kind : kCreatureKindFields) {
            EXPECT_EQ(a.*kind.count, b.*kind.count);
            for (int k = 0; k < kCreatureSlots; ++k) {
                const Creature& p = (a.*kind.table)[k];
                const Creature& q = (b.*kind.table)[k];
                EXPECT_TRUE(p.x == q.x && p.y == q.y && p.homeViewX == q.homeViewX && p.homeViewY == q.homeViewY)
                    << "entry " << k;
            }
        }
        EXPECT_EQ(a.heldItem, b.heldItem);
        EXPECT_EQ(a.energy, b.energy);
        EXPECT_EQ(a.level, b.level);
    }
};

TEST_F(SavedGames, OneValuePerLineAndTheGameFieldsOnTheLast) {
    ASSERT_TRUE(saveGame("Data\\Spiel1.sav"));
    const std::string text = dir.readFile("Data/Spiel1.sav");
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, static_cast<std::size_t>(kSavedGameLines));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), kSavedGameLines) << "every line ends with CR LF";
    EXPECT_EQ(text.substr(0, 5), "100\r\n") << "map[1][1] first";
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 3) << "only the last line holds several values";
    EXPECT_EQ(text.substr(text.size() - 14), "1500,40,87,3\r\n");
}

TEST_F(SavedGames, ALoadBringsBackTheGameWithKilledCreaturesAndNoPoints) {
    ASSERT_TRUE(saveGame("Data\\Spiel1.sav"));
    const World saved = world;
    world.map[1][1] = tile::Floor;
    world.playerX = 3;
    world.viewX = 0;
    world.pigs[2] = {5, 5, 0, 0, 0, 0};
    world.eyeCount = 0;
    world.heldItem = 0;
    world.energy = 12;
    world.level = 7;
    world.score = 800;

    ASSERT_TRUE(loadGame("Data\\Spiel1.sav"));
    expectSameGame(world, saved);
    EXPECT_TRUE(isEmptyCreature(world.pigs[2])) << "a killed pig stays killed";
    EXPECT_EQ(world.score, 0) << "a loaded game goes on without points";

    // Saving twice under one name keeps the second state only.
    world.energy = 50;
    ASSERT_TRUE(saveGame("Data\\Spiel1.sav"));
    world.energy = 1;
    ASSERT_TRUE(loadGame("Data\\Spiel1.sav"));
    EXPECT_EQ(world.energy, 50);
}

TEST_F(SavedGames, ADamagedFileIsMadeSafeToPlay) {
    std::string text;
    for (int i = 1; i < kSavedGameLines; ++i) text += "500\r\n";
    dir.writeFile("Data/kaputt.sav", text + "9,999,300,42\r\n");
    ASSERT_TRUE(loadGame("Data\\kaputt.sav"));
    EXPECT_EQ(world.pigCount, 100);
    EXPECT_LE(world.playerX, 210);
    EXPECT_LE(world.pigs[100].x, 220);
    EXPECT_EQ(world.heldItem, 0) << "999 is no item";
    EXPECT_EQ(world.energy, 99);
    EXPECT_EQ(world.level, 1);
}

TEST_F(SavedGames, LoadingAMissingFileLeavesTheGameAsItWasAndSaysSo) {
    const World before = world;
    EXPECT_FALSE(loadGame("Data\\weg.sav"));
    expectSameGame(world, before);
    EXPECT_EQ(world.score, 1500);

    headless::typeText("weg\r", in(0.1));
    const double start = headless::clock();
    EXPECT_FALSE(loadGameDialog());
    EXPECT_GT(headless::clock() - start, 2.0) << "the message stays about two seconds";
    EXPECT_TRUE(textShown(37, 38, "Spielstand nicht gefunden"));
    expectSameGame(world, before);
    EXPECT_EQ(world.score, 1500);
}

TEST_F(SavedGames, TheDialogSavesUnderTheFirstFieldAndRefusesPathsAndCancelsOnEmpty) {
    headless::typeText("Spiel1, Test\r", in(0.1));
    saveGameDialog();
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "Data" / "Spiel1.sav"));

    for (const char* typed : {"../weg\r", ".versteckt\r", "a\\b\r"}) {
        headless::typeText(typed, in(0.1));
        saveGameDialog();
        EXPECT_TRUE(textShown(37, 38, "Ung\x81ltiger Name")) << typed;
    }
    headless::typeText("   \r", in(0.1));
    const double start = headless::clock();
    saveGameDialog();
    EXPECT_LT(headless::clock() - start, 1.0) << "an empty name cancels at once";

    std::size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u) << "nothing but Spiel1.sav was written";
}

TEST_F(SavedGames, ASaveWithoutADataFolderSaysItFailed) {
    std::filesystem::remove_all(dir.path() / "Data");
    dir.writeFile("Data", "a file where the folder should be");
    headless::typeText("Spiel1\r", in(0.1));
    saveGameDialog();
    EXPECT_TRUE(textShown(37, 38, "Speichern fehlgeschlagen"));
}

// A save that cannot be completed leaves the earlier file of that name as
// it was; `blockWrites` makes writing fail, `unblock` undoes it.
template <typename Block, typename Unblock>
void expectOldFileKept(const ScratchDir& dir, Block blockWrites, Unblock unblock) {
    ASSERT_TRUE(saveGame("Data\\Spiel1.sav"));
    const std::string old = dir.readFile("Data/Spiel1.sav");
    world.energy = 3;
    blockWrites();
    const bool saved = saveGame("Data\\Spiel1.sav");
    unblock();
    EXPECT_FALSE(saved);
    EXPECT_EQ(dir.readFile("Data/Spiel1.sav"), old);
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "Data")) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u) << "no scratch file is left behind";
}

TEST_F(SavedGames, ASaveIntoAReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root, which writes into read-only folders; see the full-disk case";
    const auto data = dir.path() / "Data";
    expectOldFileKept(
        dir, [&] { std::filesystem::permissions(data, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec); },
        [&] { std::filesystem::permissions(data, std::filesystem::perms::owner_all); });
}

TEST_F(SavedGames, ASaveOntoAFullDiskKeepsTheOldFile) {
    // A file size limit makes every write past 4 KB fail as a full disk
    // would, for root as for anyone.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    expectOldFileKept(
        dir,
        [&] {
            rlimit small = before;
            small.rlim_cur = 4096;
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        },
        [&] { ::setrlimit(RLIMIT_FSIZE, &before); });
    std::signal(SIGXFSZ, oldSignal);
}

}  // namespace
