// Start-up: the screen as stored or as the command line chooses for one run,
// the window named after the game with the wizard as its icon, and the
// settings stored when the host may end the game without a word, and a set
// the host hands the running game.
#include "common/level_set.h"
#include "game/flow/flow.h"
#include "game/front/front.h"
#include "game/front/level_sets.h"
#include "game/front/menu.h"
#include "platform/host_hooks.h"
#include "tests/front/front_fixture.h"
#include "tests/support/level_set_fixture.h"

#include <filesystem>
#include <string>

namespace {

class StartUp : public FrontTest {
protected:
    std::string firstLine() const {
        const std::string text = dir.readFile("Data/Einstellung.dat");
        return text.substr(0, text.find('\r'));
    }
};

TEST_F(StartUp, OpensTheStoredScreenAndNamesTheWindowWithTheWizardAsIcon) {
    dir.writeFile("Data/Einstellung.dat", "1,0,1\r\n");
    startUp();
    EXPECT_TRUE(headless::fullScreen());
    EXPECT_EQ(headless::windowTitle(), "Zauberlabyrinth");
    ASSERT_NE(headless::windowIcon(), nullptr);
    EXPECT_EQ(headless::windowIcon()->pixels, image(Img::Zaub1)->pixels);
}

TEST_F(StartUp, TheCommandLineChoosesTheScreenForThisRunOnly) {
    dir.writeFile("Data/Einstellung.dat", "1,0,1\r\n");
    startUp(RunOptions{.fullScreen = 0});
    EXPECT_FALSE(headless::fullScreen());
    EXPECT_EQ(world.fullScreen, 0) << "the menu shows the screen as it is";
    ASSERT_TRUE(writeSettings());
    EXPECT_EQ(firstLine(), "1,0,1") << "the stored choice is kept";

    dir.writeFile("Data/Einstellung.dat", "1,0,0\r\n");
    startUp(RunOptions{.fullScreen = 1});
    EXPECT_TRUE(headless::fullScreen());
    ASSERT_TRUE(writeSettings());
    EXPECT_EQ(firstLine(), "1,0,0");
}

TEST_F(StartUp, SwitchingInTheMenuStoresThePlayersChoiceOverTheCommandLine) {
    dir.writeFile("Data/Einstellung.dat", "1,0,0\r\n");
    startUp(RunOptions{.fullScreen = 1});
    // Twice: from full screen to a window and back, then "Spiel beenden".
    tap(scancode::Up, in(0.3));     // 7: full screen
    tap(scancode::Space, in(0.6));  // the scene is new: a second's dissolve
    tap(scancode::Space, in(1.9));
    for (int k = 0; k < 3; ++k) tap(scancode::Up, in(2.2 + 0.3 * k));  // 4
    tap(scancode::Space, in(3.4));
    EXPECT_THROW(gameMenu(), headless::ProgramEnded);
    EXPECT_EQ(firstLine(), "1,0,1");
}

// A browser page closed after "Ton AUS" keeps it; a page that changed
// nothing leaves alone what another page (here: the test) stored meanwhile.
TEST_F(StartUp, WhenTheHostMayEndTheSettingsAreStoredOnlyIfThisRunChangedThem) {
    dir.writeFile("Data/Einstellung.dat", "1,0,0\r\n");
    startUp();
    dir.writeFile("Data/Einstellung.dat", "1,1,0\r\n");
    core::hostMayEnd();
    EXPECT_EQ(firstLine(), "1,1,0") << "nothing changed here: the other run's file stays";

    world.soundOn = 0;
    core::hostMayEnd();
    EXPECT_EQ(firstLine(), "0,0,0") << "the switch changed here is stored";
    dir.writeFile("Data/Einstellung.dat", "1,1,1\r\n");
    core::hostMayEnd();
    EXPECT_EQ(firstLine(), "1,1,1") << "stored once, it is not stored again";

    world.bestNames[3] = "J\x94rg";
    core::hostMayEnd();
    EXPECT_NE(dir.readFile("Data/Einstellung.dat").find("\"J\x94rg\""), std::string::npos)
        << "a best player counts as a change";
}

// The browser page hands the running game a set the player dropped on it or
// picked: it comes into Data by the rule of --set and shows in the list of
// sets; a damaged one is refused with the reader's reason, for the page in
// UTF-8, and nothing is written.
TEST_F(StartUp, ASetThePageHandsTheGameComesIntoItsListOrIsRefusedWithTheReason) {
    namespace fs = std::filesystem;
    startUp();
    fs::create_directories(dir.path() / "handed");
    ASSERT_TRUE(writeLevelSet("Data\\scratch.zset", sets::corridorSet("Vom Freund", "Cem")));
    fs::rename(dir.path() / "Data/scratch.zset", dir.path() / "handed/freund.zset");
    std::string answer;
    EXPECT_EQ(core::hostHandsFile((dir.path() / "handed/freund.zset").string(), answer), core::HandedFile::Taken);
    EXPECT_EQ(answer, "freund");
    EXPECT_EQ(dir.readFile("Data/freund.zset"), dir.readFile("handed/freund.zset"));
    const std::vector<SetListEntry> list = listLevelSets();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].title, "Vom Freund");

    dir.writeFile(
        "handed/halb.zset",
        "\"Zauberlabyrinth-Sammlung\",1\r\n\"Titel\",\"Halb\"\r\n\"Autor\",\"Cem\"\r\n\"Labyrinthe\",acht\r\n");
    EXPECT_EQ(core::hostHandsFile((dir.path() / "handed/halb.zset").string(), answer), core::HandedFile::Refused);
    EXPECT_EQ(answer.rfind("Die Datei ist besch\xC3\xA4"
                           "digt: ",
                           0),
              0u)
        << answer;
    EXPECT_FALSE(fs::exists(dir.path() / "Data/halb.zset"));

    whenHostHandsFile(nullptr);
    EXPECT_EQ(core::hostHandsFile((dir.path() / "handed/freund.zset").string(), answer), core::HandedFile::NotTaken);
    EXPECT_EQ(answer, "");
}

}  // namespace
