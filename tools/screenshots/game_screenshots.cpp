// zl_game_screenshots — draws the game as a player sees it, for the README:
// the game itself runs on the headless backend with the images of a run
// folder and the shipped labyrinths, and writes three pages as PNG:
//   title.png  the title screen over labyrinth 1, three seconds in;
//   play.png   labyrinth <level> after the wizard has walked the given way,
//              at the next periodic redraw;
//   menu.png   the in-game menu opened over that scene.
// The switches are those of the shipped settings (sound on, joystick off,
// window), whatever the run folder's own settings file says.
//
//   zl_game_screenshots <run folder> <folder holding Data> <level> <walk> <out folder>
// <walk> is written as the routes in assets/levels/routes: U, R, D, L with
// a count of steps (R13 or R), A for the action, separated by blanks.
#include "game/flow/flow.h"
#include "game/front/menu.h"
#include "game/front/title.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tools/image/image_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr double kTitleSeconds = 3.0;
constexpr double kStepTimeout = 3.0;    // longest wait for the wizard to come to rest
constexpr double kMoveSeconds = 0.1;    // a move shows in the first frame at rest
constexpr double kActionSeconds = 1.2;  // a weapon acts once its creature has come to the wizard

bool writePage(const std::filesystem::path& path) {
    if (imagefile::writePng(imagefile::Canvas::copyOf(kScreenWidth, kScreenHeight, headless::pagePixels(0)), path.string()))
        return true;
    std::fprintf(stderr, "zl_game_screenshots: cannot write %s\n", path.string().c_str());
    return false;
}

// What a new game sets, as the cycle of modes does before the title.
void newGame(int level) {
    world.heldItem = 0;
    world.energy = 99;
    world.sceneShown = 0;
    world.deathKind = 0;
    world.level = level;
    world.demoStep = 0;
    world.score = 0;
    loadLevel();
    renderScene();
}

// Runs the frame loop for `seconds` of virtual time.
void play(double& lastFrame, double seconds) {
    const double until = headless::clock() + seconds;
    while (headless::clock() < until) {
        if (!loopPass(lastFrame)) return;
    }
}

int scancodeOf(char step) {
    switch (step) {
        case 'R': return scancode::Right;
        case 'L': return scancode::Left;
        case 'U': return scancode::Up;
        case 'D': return scancode::Down;
        case 'A': return scancode::Enter;
        default: return 0;
    }
}

// What a command changes when it takes effect.
struct Look {
    int x, y, viewX, viewY, item, under, score;
    bool operator==(const Look&) const = default;
};
Look look() {
    return {world.playerX, world.playerY,  world.viewX,
            world.viewY,   world.heldItem, world.map[world.playerX][world.playerY],
            world.score};
}

// As a quick player plays: waits until the wizard is at rest, holds the key
// until the command has taken effect (a move starts, an item changes hands),
// lets go and leaves one frame without keys.
bool step(double& lastFrame, int key) {
    const auto atRest = [] { return world.playerOffsetX == 0 && world.playerOffsetY == 0; };
    double until = headless::clock() + kStepTimeout;
    while (!atRest() && headless::clock() < until) {
        if (!loopPass(lastFrame)) return false;
    }
    const Look before = look();
    headless::keyDown(key, headless::clock());
    until = headless::clock() + (key == scancode::Enter ? kActionSeconds : kMoveSeconds);
    while (look() == before && headless::clock() < until) {
        if (!loopPass(lastFrame)) return false;
    }
    const bool done = !(look() == before);
    headless::keyUp(key, headless::clock());
    play(lastFrame, kFramePeriod);
    return done;
}

// Walks the route; false when a step could not be made.
bool walk(double& lastFrame, const std::string& route) {
    for (std::size_t i = 0; i < route.size();) {
        const int key = scancodeOf(route[i]);
        if (key == 0) {
            ++i;
            continue;
        }
        std::size_t digits = i + 1;
        int count = 0;
        while (digits < route.size() && route[digits] >= '0' && route[digits] <= '9') {
            count = count * 10 + (route[digits] - '0');
            ++digits;
        }
        for (int n = 0; n < std::max(count, 1); ++n) {
            if (!step(lastFrame, key)) {
                std::fprintf(stderr, "zl_game_screenshots: stuck at \"%s\", cell (%d, %d), energy %d\n",
                             route.substr(i).c_str(), world.playerX, world.playerY, world.energy);
                return false;
            }
        }
        i = digits;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: zl_game_screenshots <run folder> <folder holding Data> <level> <walk> <out folder>\n");
        return 2;
    }
    const std::filesystem::path levels = std::filesystem::absolute(argv[2]);
    const int level = std::atoi(argv[3]);
    const std::string route = argv[4];
    const std::filesystem::path out = std::filesystem::absolute(argv[5]);
    try {
        headless::reset();
        std::filesystem::current_path(argv[1]);  // sprites
        startUp();
        world.soundOn = 1;
        world.joystickOn = 0;
        world.fullScreen = 0;
        std::filesystem::current_path(levels);  // Data

        newGame(1);
        TitleState title;
        title.start = timerSeconds();
        while (headless::clock() < title.start + kTitleSeconds) titlePass(title);
        if (!writePage(out / "title.png")) return 1;

        newGame(level);
        world.mode = GameMode::Live;
        double lastFrame = startPlay();
        play(lastFrame, 1.0);
        if (!walk(lastFrame, route)) {
            std::fprintf(stderr, "zl_game_screenshots: the wizard could not walk all of \"%s\"\n", route.c_str());
            return 1;
        }
        // Between the periodic redraws a creature passing over the wizard
        // may have erased him; the picture is taken right after one.
        play(lastFrame, 0.5);
        while (world.frameCounter != 10 && world.frameCounter != 30) {
            if (!loopPass(lastFrame)) break;
        }
        if (!writePage(out / "play.png")) return 1;

        setTextColour(kWhite);
        world.menuCursor = 1;
        drawMenu();
        if (!writePage(out / "menu.png")) return 1;
    } catch (const headless::ProgramEnded&) {
        std::fprintf(stderr, "zl_game_screenshots: the game ended before its pictures were taken\n");
        return 1;
    }
    return 0;
}
