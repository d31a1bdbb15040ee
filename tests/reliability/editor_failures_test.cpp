// Failures injected under the editor, through the platform's file layer: no
// Data folder, a disk that fills part-way through a save, ten megabytes of
// garbage as a level. No crash, no good level destroyed, and the level maker
// told "Speichern fehlgeschlagen" or shown the level that could be read.
#include "common/level_file.h"
#include "editor/commands.h"
#include "tests/editor/editor_fixture.h"
#include "tests/reliability/failing_writes.h"
#include "tests/support/scratch_dir.h"
#include "tools/invariants/invariants.h"

#include <filesystem>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

class EditorFailures : public EditorTest {
protected:
    ScratchDir dir;
    static void willType(const std::string& line) { headless::typeText(line + "\r", headless::clock() + 0.01); }
    // The level maker's work: a start, a pig, a wall.
    static void someWork() {
        editor.level.map[3][4] = 100;
        editor.level.playerX = 2;
        editor.level.playerY = 2;
        editor.level.pigs()[1] = {5, 5, 0, 0};
        editor.level.pigCount() = 1;
        editor.levelChanged = 1;
    }
};

TEST_F(EditorFailures, ASaveWithoutDataMakesTheFolder) {
    fs::remove_all(dir.path() / "Data");
    someWork();
    willType("neu");
    saveLevelCommand();
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "Data" / "neu.dat"));
    EXPECT_EQ(editor.levelChanged, 0);
}

TEST_F(EditorFailures, ADiskFullAnywhereInASaveKeepsTheOldLevelAndTheWorkUnsaved) {
    someWork();
    willType("alt");
    saveLevelCommand();
    const std::string old = dir.readFile("Data/alt.dat");
    ASSERT_FALSE(old.empty());
    editor.level.map[100][100] = 77;
    editor.levelChanged = 1;
    const auto names = namesIn(dir.path() / "Data");
    for (rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{65536}, rlim_t{65537}, rlim_t{old.size() - 1}}) {
        {
            FileSizeLimit full(limit);
            willType("alt");
            saveLevelCommand();
        }
        drawStatusLine(false);
        EXPECT_TRUE(messageShown("Speichern fehlgeschlagen")) << limit;
        EXPECT_EQ(editor.levelChanged, 1) << "the work is still unsaved at " << limit;
        EXPECT_TRUE(dir.readFile("Data/alt.dat") == old) << limit;
        EXPECT_EQ(namesIn(dir.path() / "Data"), names) << "no scratch file left at " << limit;
    }
}

TEST_F(EditorFailures, TenMegabytesOfGarbageLoadWithinTheMapAndEveryCommandStaysThere) {
    std::mt19937 random(14);
    std::string garbage(10u << 20, '\0');
    for (char& c : garbage) c = "0123456789,,,\r\n-\"x\x01\xFF"[random() % 20];
    dir.writeFile("Data/muell.dat", garbage);
    LevelData read;
    ASSERT_TRUE(readLevelFile("Data\\muell.dat", read));
    willType("muell");
    loadLevelCommand();
    EXPECT_EQ(editor.levelChanged, 0) << "the file was read";
    for (int kind = 0; kind < kCreatureKinds; ++kind) {
        EXPECT_EQ(invariants::creatureTable(editor.level.creatures[kind], editor.level.counts[kind],
                                            invariants::kKindNames[kind]),
                  "");
    }
    EXPECT_EQ(invariants::startAndView(cursorMapX(), cursorMapY(), editor.viewX, editor.viewY), "");
    // Walk the whole map with the brush down and creatures added and taken.
    holdKeys({scancode::Down, scancode::Right, scancode::Space}, 230);  // the first repeat waits 0.3 s
    for (int key : {scancode::P, scancode::O, scancode::C, scancode::S, scancode::F3}) holdKeys({key}, 3);
    EXPECT_EQ(cursorMapX(), kReachColumns);
    EXPECT_EQ(cursorMapY(), kReachRows);
}

}  // namespace
