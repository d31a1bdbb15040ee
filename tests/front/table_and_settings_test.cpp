// The best-player table's insertion rule, the name rules and the settings
// file.
#include "game/front/best_players.h"
#include "game/front/front.h"
#include "tests/front/front_fixture.h"

namespace {

using BestPlayers = FrontTest;
using Settings = FrontTest;

TEST_F(BestPlayers, AScoreGoesAboveTheFirstLowerOneAndOnlyWhenItBeatsTheTenth) {
    resetBestPlayers();  // 10000, 9000, ..., 1000
    EXPECT_EQ(bestPlayerPlace(1000), 0) << "equal to the tenth: no entry";
    EXPECT_EQ(bestPlayerPlace(9000), 3) << "below the older 9000";
    EXPECT_EQ(bestPlayerPlace(10001), 1);

    insertBestPlayer(bestPlayerPlace(5500), "Anna", 5500);
    EXPECT_EQ(world.bestNames[6], "Anna");
    EXPECT_EQ(world.bestScores[6], 5500);
    EXPECT_EQ(world.bestScores[5], 6000);
    EXPECT_EQ(world.bestScores[7], 5000) << "the old sixth moved down";
    EXPECT_EQ(world.bestScores[10], 2000);
    EXPECT_EQ(world.bestScores[11], 1000) << "the old tenth left the table";

    insertBestPlayer(bestPlayerPlace(20000), "Bert", 20000);
    EXPECT_EQ(world.bestNames[1], "Bert");
    EXPECT_EQ(world.bestScores[2], 10000) << "all ten moved down";
    EXPECT_EQ(world.bestNames[7], "Anna");
}

TEST(BestPlayerName, AQuoteBecomesAnApostropheAndALongNameIsCut) {
    EXPECT_EQ(bestPlayerName("Jo \"Ace\""), "Jo 'Ace'");
    EXPECT_EQ(bestPlayerName(std::string(30, 'x')), std::string(kMaxPlayerName, 'x'));
}

TEST_F(Settings, SwitchesAndTableSurviveAWriteAndARead) {
    world.soundOn = 1;
    resetBestPlayers();
    world.bestNames[2] = "Anna Maria";
    world.bestNames[3] = bestPlayerName("Jo \"Ace\"");
    ASSERT_TRUE(writeSettings());
    EXPECT_EQ(dir.readFile("Data/Einstellung.dat").substr(0, 23), "1,0,0\r\n\"Talvin\",10000\r\n");

    const World written = world;
    world = World{};
    readSettings();
    EXPECT_EQ(world.soundOn, 1);
    EXPECT_EQ(world.joystickOn, 0);
    EXPECT_EQ(world.fullScreen, 0);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(world.bestNames[i], written.bestNames[i]) << i;
        EXPECT_EQ(world.bestScores[i], written.bestScores[i]) << i;
    }
}

TEST_F(Settings, AFileOfOnesSwitchesAllOnAndOddValuesReadAsOff) {
    dir.writeFile("Data/Einstellung.dat", "1,1,1\r\n");
    readSettings();
    EXPECT_EQ(world.soundOn, 1);
    EXPECT_EQ(world.joystickOn, 1);
    EXPECT_EQ(world.fullScreen, 1);
    EXPECT_EQ(world.bestNames[1], "");
    EXPECT_EQ(world.bestScores[10], 0) << "a short file: the rest reads as 0";

    // A damaged value would leave the game without a screen (full screen 2).
    dir.writeFile("Data/Einstellung.dat", "2,-1,2\r\n");
    readSettings();
    EXPECT_EQ(world.soundOn, 0);
    EXPECT_EQ(world.joystickOn, 0);
    EXPECT_EQ(world.fullScreen, 0);
}

}  // namespace
