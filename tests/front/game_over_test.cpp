// Game over: the message, the pause, the best-player entry and its name.
#include "common/level_file.h"
#include "game/front/best_players.h"
#include "game/front/front.h"
#include "tests/front/front_fixture.h"

namespace {

class GameOver : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        resetBestPlayers();  // 10000, 9000, ..., 1000
        world.deathKind = 1;
        world.heldItem = 40;
    }
};

TEST_F(GameOver, AScoreThatBeatsTheTenthTakesTheTypedNameAndIsWrittenAtOnce) {
    world.score = 5500;
    headless::typeText("Anna, Bert\r", in(4.5));
    gameOver();
    EXPECT_TRUE(textShown(65, 25, "Du kannst Dich in die Bestenliste Eintragen!"));
    EXPECT_TRUE(textShown(67, 35, "Deinen Namen Bitte ?"));
    EXPECT_EQ(world.bestNames[6], "Anna");
    EXPECT_EQ(world.bestScores[6], 5500);
    EXPECT_EQ(world.score, 0);
    EXPECT_EQ(world.heldItem, 0);
    EXPECT_NE(dir.readFile("Data/Einstellung.dat").find("\"Anna\",5500\r\n"), std::string::npos);

    // A double quote in the name becomes an apostrophe.
    world.score = 20000;
    headless::typeText("Jo\"e\r", in(4.5));
    gameOver();
    EXPECT_EQ(world.bestNames[1], "Jo'e");
    readSettings();
    EXPECT_EQ(world.bestNames[1], "Jo'e");
    EXPECT_EQ(world.bestNames[7], "Anna");
}

TEST_F(GameOver, AScoreEqualToTheTenthAsksNothingAndTheMessageSaysHowTheWizardDied) {
    LevelData closing;
    closing.playerX = 9;
    writeLevelFile("Data\\ende.dat", closing);
    for (const int kind : {1, 2}) {
        world.deathKind = kind;
        world.score = 1000;
        const double start = headless::clock();
        gameOver();
        EXPECT_GT(headless::clock() - start, 5.0) << "the dissolve's second and the pause";
        EXPECT_LT(headless::clock() - start, 5.5);
        EXPECT_TRUE(textShown(65, 35, kind == 2 ? "DU BIST LEIDER ERTRUNKEN ." : "DU BIST LEIDER GESTORBEN ."));
        EXPECT_EQ(world.playerX, 9) << "the closing scene";
    }
    EXPECT_EQ(world.bestScores[10], 1000);
    EXPECT_EQ(dir.readFile("Data/Einstellung.dat"), "") << "nothing to write";
}

TEST_F(GameOver, TheCloseButtonDuringTheNameEntryStoresTheEntryAsTypedThenEndsTheProgram) {
    world.score = 5500;
    headless::typeText("Ann", in(4.5));
    headless::closeRequest(in(5));
    EXPECT_THROW(gameOver(), headless::ProgramEnded);
    const std::string settings = dir.readFile("Data/Einstellung.dat");
    EXPECT_NE(settings.find("\"Ann\",5500\r\n"), std::string::npos);
    EXPECT_EQ(settings.find("\"Talvin\",1000\r\n"), std::string::npos) << "the tenth dropped out";
}

}  // namespace
