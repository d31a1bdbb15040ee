// Damaged files that the fuzz targets found to break the game's ranges: each
// case is one finding, kept so it stays mended.
#include "common/tile_codes.h"
#include "game/flow/flow.h"
#include "game/front/front.h"
#include "game/front/saved_game.h"
#include "tests/front/front_fixture.h"
#include "tools/invariants/world_invariants.h"

#include <string>

namespace {

using DamagedFiles = FrontTest;

// A saved game of an open floor: every value 0 but the wizard at (5, 5),
// and the last line as given.
std::string savedGame(const std::string& lastLine) {
    std::string text;
    for (int i = 0; i < kLevelColumns * kLevelRows; ++i) text += "0\r\n";
    text += "5\r\n5\r\n0\r\n0\r\n";
    for (int i = 0; i < kCreatureKinds * (kCreatureSlots * 4 + 1); ++i) text += "0\r\n";
    return text + lastLine + "\r\n";
}

TEST_F(DamagedFiles, AnEnergyFarBelowZeroInASavedGameLoadsAsADeadWizardWithoutOverflow) {
    dir.writeFile("Data/kalt.sav", savedGame("0,0,-2147483648,1"));
    ASSERT_TRUE(loadGame("Data\\kalt.sav"));
    EXPECT_EQ(world.energy, 0);
    // A flame under the wizard costs energy before the death test; from the
    // lowest integer that subtraction would overflow.
    world.map[5][5] = tile::Flame;
    double lastFrame = -1;
    EXPECT_FALSE(frameStep(lastFrame)) << "the game ends as a death";
}

TEST_F(DamagedFiles, BestPlayerNamesFromTheSettingsFileObeyTheRulesOfTypedNames) {
    const std::string longName(30, 'x');
    dir.writeFile("Data/Einstellung.dat", "1,0,0\r\n\"" + longName + "\",900\r\nBert \"der Held\",800\r\n");
    readSettings();
    EXPECT_EQ(world.bestNames[1], std::string(20, 'x')) << "cut as a typed name is";
    EXPECT_EQ(world.bestScores[1], 900) << "the rest of the long name is not taken for the score";
    EXPECT_EQ(world.bestNames[2], "Bert 'der Held'");
    EXPECT_EQ(invariants::settingsPart(world), "");

    // What was read is written and read back the same.
    const World read = world;
    ASSERT_TRUE(writeSettings());
    world = World{};
    readSettings();
    for (int i = 1; i <= kBestPlayers; ++i) {
        EXPECT_EQ(world.bestNames[i], read.bestNames[i]) << i;
        EXPECT_EQ(world.bestScores[i], read.bestScores[i]) << i;
    }
}

}  // namespace
