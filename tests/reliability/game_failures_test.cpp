// Failures injected under the game, through the platform's file layer: a
// process killed between writing and renaming a save. In every case: no crash, no good file destroyed, and the
// player told where the dialogs say so.
#include "common/demo_file.h"
#include "common/file_names.h"
#include "common/level_list.h"
#include "game/flow/flow.h"
#include "game/front/demonstration.h"
#include "game/front/best_players.h"
#include "game/front/front.h"
#include "game/front/saved_game.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "tests/front/front_fixture.h"
#include "tests/reliability/failing_writes.h"
#include "tests/reliability/world_invariants.h"

#include <csignal>
#include <filesystem>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class GameFailures : public FrontTest {
protected:
    void SetUp() override {
        FrontTest::SetUp();
        headless::setTimerStep(1e-4);
        world.energy = 87;
        world.level = 3;
        world.playerX = 25;
        world.playerY = 17;
        world.viewX = 19;
        world.viewY = 13;
        world.pigs[1] = {30, 20, 19, 13, 0, 0};
        world.pigCount = 1;
        resetBestPlayers();
    }
    fs::path data() const { return dir.path() / "Data"; }
    // Typed one key at a time, as a player types: the key buffer holds
    // only a few keys.
    static void typeSlowly(const std::string& text) {
        for (std::size_t i = 0; i < text.size(); ++i) headless::typeText(text.substr(i, 1), in(0.1 + 0.02 * i));
    }
    // A key held from `at` for 0.15 s: long enough for every loop to see it.
    static void press(int scancode, double at) { tap(scancode, at, 0.15); }
};

TEST_F(GameFailures, ASaveKilledBeforeItsRenameLeavesTheOldOneAndAScratchFileNoDialogCanReach) {
    ASSERT_TRUE(saveGame("Data\\spiel.sav"));
    const std::string old = dir.readFile("Data/spiel.sav");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // More than one block, so the scratch file holds data when the
        // process dies with it open.
        openFile("Data\\spiel.sav", FileMode::Output, 1);
        for (int i = 0; i < 100000; ++i) writeIntField(1, i, true);
        ::raise(SIGKILL);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    EXPECT_TRUE(dir.readFile("Data/spiel.sav") == old);
    auto names = namesIn(data());
    names.erase("spiel.sav");
    ASSERT_EQ(names.size(), 1u) << "the killed write's scratch file";
    const std::string leftover = *names.begin();
    EXPECT_EQ(leftover.front(), '.') << "hidden, and no typed name may begin with a dot";

    // Neither its own name nor one without the dot loads it.
    typeSlowly(leftover + "\r");
    EXPECT_FALSE(loadGameDialog());
    EXPECT_TRUE(textShown(37, 38, kInvalidNameText));
    typeSlowly(leftover.substr(1) + "\r");
    EXPECT_FALSE(loadGameDialog());
    EXPECT_TRUE(textShown(37, 38, "Spielstand nicht gefunden"));

    // The next save of that name clears it away; a scratch file of a
    // process still running stays.
    const std::string running = ".spiel.sav.tmp-" + std::to_string(::getppid());
    dir.writeFile("Data/" + running, "in Arbeit");
    ASSERT_TRUE(saveGame("Data\\spiel.sav"));
    EXPECT_EQ(namesIn(data()), (std::set<std::string>{"spiel.sav", running}));
}

}  // namespace
