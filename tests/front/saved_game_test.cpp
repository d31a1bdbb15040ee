// Saved games: the file layout, the round trip, loads and saves that fail,
// and the name dialog.
#include "game/front/saved_game.h"
#include "common/tile_codes.h"
#include "tests/front/front_fixture.h"

#include <algorithm>
#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SavedGames : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        world.map[1][1] = tile::RedWall;
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
    // The running game as a saved file: two equal files, two equal games.
    std::string savedNow() {
        EXPECT_TRUE(saveGame("Data\\jetzt.sav"));
        return dir.readFile("Data/jetzt.sav");
    }
    std::size_t filesInData() const {
        std::size_t n = 0;
        for (const auto& entry : fs::directory_iterator(dir.path() / "Data")) n += entry.is_regular_file();
        return n;
    }
};

TEST_F(SavedGames, OneValuePerLineAndTheGameFieldsOnTheLast) {
    const std::string text = savedNow();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), kSavedGameLines);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), kSavedGameLines) << "every line ends with CR LF";
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 3) << "only the last line holds several values";
    EXPECT_EQ(text.substr(0, 5), "100\r\n") << "map[1][1] first";
    EXPECT_EQ(text.substr(text.size() - 14), "1500,40,87,3\r\n");
}

TEST_F(SavedGames, ALoadBringsBackTheGameWithKilledCreaturesAndNoPoints) {
    const std::string saved = savedNow();
    world = World{};
    world.pigs[2] = {5, 5, 0, 0, 0, 0};
    world.score = 800;
    ASSERT_TRUE(loadGame("Data\\jetzt.sav"));
    EXPECT_TRUE(isEmptyEntry(world.pigs[2])) << "a killed pig stays killed";
    EXPECT_EQ(world.score, 0) << "a loaded game goes on without points";
    world.score = 1500;
    EXPECT_EQ(savedNow(), saved) << "every stored value came back";
}

TEST_F(SavedGames, ADamagedFileIsMadeSafeToPlay) {
    std::string text;
    for (int i = 1; i < kSavedGameLines; ++i) text += "500\r\n";
    dir.writeFile("Data/kaputt.sav", text + "9,999,300,42\r\n");
    ASSERT_TRUE(loadGame("Data\\kaputt.sav"));
    EXPECT_EQ(world.pigCount, 100);
    EXPECT_LE(world.playerX, 210);
    EXPECT_EQ(world.heldItem, 0) << "999 is no item";
    EXPECT_EQ(world.energy, 99);
    EXPECT_EQ(world.level, 1);
}

TEST_F(SavedGames, LoadingAMissingFileLeavesTheGameAsItWasAndSaysSo) {
    const std::string before = savedNow();
    EXPECT_FALSE(loadGame("Data\\weg.sav"));
    headless::typeText("weg\r", in(0.1));
    const double start = headless::clock();
    EXPECT_FALSE(loadGameDialog());
    EXPECT_GT(headless::clock() - start, 2.0) << "the message stays about two seconds";
    EXPECT_TRUE(textShown(37, 38, "Spielstand nicht gefunden"));
    EXPECT_EQ(savedNow(), before) << "score included";
}

TEST_F(SavedGames, TheDialogSavesUnderTheFirstFieldRefusesPathsAndCancelsOnEmpty) {
    headless::typeText("Spiel1, Test\r", in(0.1));
    saveGameDialog();
    EXPECT_TRUE(fs::exists(dir.path() / "Data" / "Spiel1.sav"));
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
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u) << "nothing but Spiel1.sav was written";
}

TEST_F(SavedGames, ANameWithAnUmlautIsTheUtf8FileNameAndLoadsBack) {
    world.score = 0;
    world.energy = 42;
    headless::typeText("gr\x81n\r", in(0.1));  // code page 437, as typed
    saveGameDialog();
    EXPECT_TRUE(fs::exists(dir.path() / "Data" / "gr\xC3\xBCn.sav"));
    world.energy = 7;
    headless::typeText("gr\x81n\r", in(0.1));
    EXPECT_TRUE(loadGameDialog());
    EXPECT_EQ(world.energy, 42);
}

TEST_F(SavedGames, AFailedSaveSaysSoAndKeepsTheOldFile) {
    const std::string old = savedNow();
    world.energy = 3;
    // Writes into Data fail: a read-only folder, or, for root, who writes
    // there all the same, a file size limit that fails like a full disk.
    const bool root = ::geteuid() == 0;
    const fs::path data = dir.path() / "Data";
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    if (root) {
        rlimit small = limit;
        small.rlim_cur = 4096;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    } else {
        fs::permissions(data, fs::perms::owner_read | fs::perms::owner_exec);
    }
    headless::typeText("jetzt\r", in(0.1));
    saveGameDialog();
    if (root)
        ::setrlimit(RLIMIT_FSIZE, &limit);
    else
        fs::permissions(data, fs::perms::owner_all);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_TRUE(textShown(37, 38, "Speichern fehlgeschlagen"));
    EXPECT_EQ(dir.readFile("Data/jetzt.sav"), old);
    EXPECT_EQ(filesInData(), 1u) << "no scratch file is left behind";
}

}  // namespace
