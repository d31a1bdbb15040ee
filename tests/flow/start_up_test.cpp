// Start-up: the screen as stored or as the command line chooses for one run,
// the window named after the game with the wizard as its icon, and the
// settings stored when the host may end the game without a word.
#include "game/flow/flow.h"
#include "game/front/front.h"
#include "game/front/menu.h"
#include "platform/host_hooks.h"
#include "tests/front/front_fixture.h"

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
    tap(scancode::Up, in(0.3));  // 7: full screen
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

}  // namespace
