// F5 from the editor to the game and back, as a level maker tries a level
// out: the editor builds the level, F5 starts the real game on it in a
// process of its own (a child of the test, on its own headless screen), the
// game plays it with the keys a player would press, and the editor's status
// line says how the run went.
#include "common/tile_codes.h"
#include "editor/commands.h"
#include "editor/drawing.h"
#include "editor/editor_loop.h"
#include "editor/editor_state.h"
#include "editor/status_line.h"
#include "game/flow/flow.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr int kNotEnded = 111;  // the child's status when the game did not end through endProgram

// The game as `zauberlabyrinth --level NAME` runs, in a child process: the
// player holds `key` once the wizard has appeared. Returns the exit status
// as the desktop's runProgram does.
int playInChild(const std::vector<std::string>& arguments, int key) {
    const pid_t child = fork();
    if (child == 0) {
        int status = kNotEnded;
        try {
            headless::reset();
            headless::setTimerStep(1e-4);
            if (key != 0) headless::keyDown(key, headless::clock() + 1.0);
            RunOptions options;
            options.fullScreen = 0;
            options.levelName = arguments.at(1);
            runGameProgram(options);
        } catch (const headless::ProgramEnded& end) {
            status = end.exitCode;
        } catch (...) {
        }
        std::_Exit(status);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class TrialRun : public ::testing::Test {
protected:
    ScratchDir dir;

    void SetUp() override {
        headless::reset();
        startEditor(ScreenChoice::Window);
        // Start on (5, 5), where the cursor stands.
        setStart();
    }
    void TearDown() override { headless::setProgramRunner({}); }

    // F5, the game played holding `key`, J to any question.
    static void tryOut(int key) {
        headless::setProgramRunner([key](const std::string& name, const std::vector<std::string>& arguments) {
            return name == "zauberlabyrinth" ? playInChild(arguments, key) : -1;
        });
        const double t = headless::clock();
        headless::keyDown(scancode::F5, t);
        headless::keyUp(scancode::F5, t + 0.1);
        headless::keyDown(scancode::J, t + 0.3);
        headless::keyUp(scancode::J, t + 0.4);
        commandPass();
    }
};

TEST_F(TrialRun, TheDoorNextToTheStartIsReachedInOneStep) {
    editor.level.map[6][5] = tile::Door;
    tryOut(scancode::Right);
    EXPECT_EQ(editor.message, "Probelauf: T\x81r erreicht nach 1 Schritt.");
    EXPECT_EQ(messageRowText().substr(100 - editor.message.size()), editor.message);
}

TEST_F(TrialRun, WaterOnTheOnlyWayDrownsTheWizard) {
    // The door behind the water, the walls around leaving no other way.
    editor.level.map[6][5] = tile::Water;
    editor.level.map[7][5] = tile::Door;
    for (int x = 4; x <= 8; ++x) editor.level.map[x][4] = editor.level.map[x][6] = tile::RedWall;
    editor.level.map[4][5] = editor.level.map[8][5] = tile::RedWall;
    tryOut(scancode::Right);
    EXPECT_EQ(editor.message, "Probelauf: ertrunken nach 1 Schritt.");
}

TEST_F(TrialRun, WithoutADoorTheGameIsNotStarted) {
    tryOut(scancode::Right);
    EXPECT_TRUE(headless::programsRun().empty());
    EXPECT_EQ(editor.message, "Probelauf: Keine T\x81r im Level (E, dann Leertaste).");
}

}  // namespace
