// soak_driver.cpp — the soak run: the game program's own start-up and cycle
// of modes (runMode), driven by a player made of seeded random numbers who
// reacts to what the game is doing.
//
// The player lives in the headless backend's watcher, which the backend
// calls every time it delivers input (at least sixty times a second of
// virtual time, inside every loop of the game). There it checks the World's
// invariants, counts frames, and, when its last plan has run out, plans the
// next few keys from the current mode: nothing during the first four
// demonstrations, then moves, actions and the menu in play; Space, Esc, H
// and L on the title screen; a line of the menu with its dialog; a name at
// game over. The program's end (the menu's "Spiel beenden", the close
// button) is followed by a new start, as a player would start the game
// again.
#include "tests/reliability/soak_driver.h"

#include "game/flow/flow.h"
#include "game/front/front.h"
#include "game/front/saved_game.h"
#include "game/world/world.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tools/invariants/world_invariants.h"

#include <array>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZL_ASAN 1
#endif
#endif
#ifdef ZL_ASAN
// The sanitizer's allocator counts what is in use; every sanitizer runtime
// exports this, though not every compiler ships its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

constexpr int kFirstDemonstrations = 4;  // played to their end before any key
constexpr int kMenuSave = 1, kMenuLoad = 2, kMenuQuit = 4;
const std::array<const char*, 3> kSaveNames = {"soakA", "soakB", "soakC"};

// The bytes the allocator has handed out and not got back.
std::size_t heapInUse() {
#ifdef ZL_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

long peakRssKb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Thrown out of the watcher when an invariant breaks: the run stops there.
struct Broken {
    std::string problem;
};

class Player {
public:
    Player(const SoakPlan& plan, SoakFigures& figures)
        : random_(plan.seed), figures_(figures), demonstrationSeconds_(plan.demonstrationSeconds) {}

    void watch() {
        const double now = headless::clock();
        ++figures_.checks;
        if (now >= nextMinute_) {
            figures_.heapByMinute.push_back(heapInUse());
            nextMinute_ = now + 60.0;
        }
        std::string problem = invariants::wholeWorld(world);
        if (!problem.empty()) throw Broken{problem + " (mode " + std::to_string(static_cast<int>(world.mode)) + ")"};
        noticeChanges();
        if (now < planEnd_) return;
        countSaves();
        switch (world.mode) {
            case GameMode::Title: planTitle(now); break;
            case GameMode::Demonstration: planDemonstration(now); break;
            case GameMode::Live: planPlay(now); break;
            case GameMode::Menu: planMenu(now); break;
            case GameMode::GameOver: planGameOver(now); break;
        }
    }

    // Counts the saves that replaced their file: each one is a new file,
    // with an inode and a change time of its own (an inode number alone may
    // come back).
    void countSaves() {
        for (std::size_t i = 0; i < kSaveNames.size(); ++i) {
            struct stat info {};
            const std::string path = std::string("Data/") + kSaveNames[i] + ".sav";
            FileStamp stamp{};
            if (::stat(path.c_str(), &info) == 0) stamp = {info.st_ino, info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
            if (stamp.inode != 0 && stamp != saveStamps_[i]) ++figures_.saves;
            saveStamps_[i] = stamp;
        }
    }

private:
    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void press(int scancode, double at, double hold) {
        headless::keyDown(scancode, at);
        headless::keyUp(scancode, at + hold);
    }
    // One key at a time, as a player types: the key buffer holds a few only.
    double type(const std::string& text, double at) {
        for (char c : text) {
            headless::typeText(std::string(1, c), at);
            at += 0.03;
        }
        return at;
    }

    void noticeChanges() {
        if (world.mode != lastMode_) {
            if (world.mode == GameMode::Demonstration) {
                ++figures_.demonstrations;
                demonstrationStart_ = -1;
            }
            if (world.mode == GameMode::Live && lastMode_ == GameMode::Title) ++figures_.games;
            lastMode_ = world.mode;
        }
        const bool playing = world.mode == GameMode::Live || world.mode == GameMode::Demonstration;
        if (playing && world.frameCounter != lastCounter_) ++figures_.frames;
        lastCounter_ = world.frameCounter;
    }

    void planTitle(double now) {
        if (figures_.demonstrations < kFirstDemonstrations) {
            planEnd_ = now + 1.0;
            return;
        }
        const double r = uniform();
        if (r < 0.6) {
            press(scancode::Space, now + 0.05, 0.15);
            planEnd_ = now + 1.0;
        } else if (r < 0.8) {
            // The menu over the title screen; the flow's mode stays Title.
            press(scancode::Esc, now + 0.05, 0.2);
            planMenu(now + 0.6);
        } else if (r < 0.85) {
            press(uniform() < 0.5 ? scancode::H : scancode::L, now + 0.05, 0.15);
            planEnd_ = now + 0.5;
        } else {
            planEnd_ = now + between(2, 25);  // may time out into a demonstration
        }
    }

    void planDemonstration(double now) {
        if (figures_.demonstrations <= kFirstDemonstrations) {
            // Played to its end, or for the time the plan gives, then Space.
            if (demonstrationStart_ < 0) demonstrationStart_ = now;
            if (demonstrationSeconds_ > 0 && now - demonstrationStart_ >= demonstrationSeconds_) {
                press(scancode::Space, now + 0.02, 0.2);  // longer than a step: seen at a rest
                demonstrationStart_ = -1;
                planEnd_ = now + 1.0;
                return;
            }
        } else if (uniform() < 0.03) {
            press(uniform() < 0.5 ? scancode::Space : scancode::Esc, now + 0.05, 0.15);
        }
        planEnd_ = now + 1.0;
    }

    void planPlay(double now) {
        static constexpr int kMoves[] = {scancode::Up, scancode::Right, scancode::Down, scancode::Left};
        const double r = uniform();
        if (r < 0.55) {
            const double hold = 0.1 + 1.2 * uniform();
            press(kMoves[between(0, 3)], now + 0.02, hold);
            planEnd_ = now + hold + 0.05;
        } else if (r < 0.67) {
            press(uniform() < 0.5 ? scancode::Space : scancode::Enter, now + 0.02, 0.1);
            planEnd_ = now + 0.2;
        } else if (r < 0.72) {
            press(scancode::E, now + 0.02, 0.1);  // full energy: games last longer
            planEnd_ = now + 0.2;
        } else if (r < 0.8) {
            press(scancode::Esc, now + 0.02, 0.1);  // the menu, at the next rest
            planEnd_ = now + 0.3;
        } else if (r < 0.805) {
            headless::closeRequest(now + 0.02);
            planEnd_ = now + 1.0;
        } else {
            planEnd_ = now + 0.2 + uniform();
        }
    }

    // Chooses a line of the menu, which opens with line 1 framed: Down to
    // it, Enter, and for the dialogs a name.
    void planMenu(double now) {
        ++figures_.menus;
        const double r = uniform();
        int line = 3;  // back to the game
        if (r < 0.3)
            line = kMenuSave;
        else if (r < 0.6)
            line = kMenuLoad;
        else if (r < 0.63)
            line = kMenuQuit;
        else if (r < 0.7)
            line = between(5, 7);  // sound, joystick, full screen
        double at = now + 0.2;
        for (int k = 1; k < line; ++k, at += 0.25) press(scancode::Down, at, 0.05);
        press(scancode::Enter, at, 0.08);
        at += 0.4;
        if (line == kMenuSave) {
            at = type(std::string(kSaveNames[static_cast<std::size_t>(between(0, 2))]) + "\r", at);
        } else if (line == kMenuLoad) {
            // Mostly a game saved earlier; now and then a name with no file
            // or one the dialog refuses.
            std::vector<std::string> saved;
            for (const char* candidate : kSaveNames) {
                if (std::filesystem::exists(std::string("Data/") + candidate + ".sav")) saved.emplace_back(candidate);
            }
            const double pick = uniform();
            std::string name = "fehlt";
            if (pick < 0.15)
                name = "../soakA";
            else if (pick < 0.85 && !saved.empty())
                name = saved[static_cast<std::size_t>(between(0, static_cast<int>(saved.size()) - 1))];
            const bool exists = name[0] != '.' && std::filesystem::exists("Data/" + name + ".sav");
            ++(exists ? figures_.loads : figures_.otherLoads);
            at = type(name + "\r", at);
        }
        // A message stays two seconds; the scene's dissolve follows.
        planEnd_ = at + 3.0;
    }

    void planGameOver(double now) {
        const double at = type("Soak" + std::to_string(between(0, 9)) + "\r", now + 4.5);
        planEnd_ = at + 2.0;
    }

    std::mt19937 random_;
    SoakFigures& figures_;
    double demonstrationSeconds_;
    double demonstrationStart_ = -1;  // when the demonstration being watched began
    double nextMinute_ = 60.0;        // when the heap is measured next
    double planEnd_ = 0;
    GameMode lastMode_ = GameMode::Title;
    int lastCounter_ = -1;
    struct FileStamp {
        ino_t inode;
        time_t seconds;
        long nanoseconds;
        bool operator==(const FileStamp&) const = default;
    };
    std::array<FileStamp, kSaveNames.size()> saveStamps_{};
};

}  // namespace

SoakFigures runSoak(const SoakPlan& plan) {
    SoakFigures figures;
    Player player(plan, figures);
    headless::reset();
    world = World{};
    startUp();
    world.mode = GameMode::Title;
    figures.peakRssKbAtStart = peakRssKb();
    headless::setWatcher([&player] { player.watch(); });

    const double start = headless::clock();
    const double end = start + 60.0 * plan.minutes;
    try {
        while (headless::clock() < end) {
            try {
                runMode();
            } catch (const headless::ProgramEnded&) {
                // Started again, as the player would: a fresh record, the
                // settings just written read back.
                ++figures.restarts;
                world = World{};
                startUp();
                world.mode = GameMode::Title;
            }
            headless::clearSounds();  // the backend's record of them would grow
        }
    } catch (const Broken& broken) {
        figures.broken = broken.problem;
    }
    headless::setWatcher({});
    figures.virtualSeconds = headless::clock() - start;
    figures.peakRssKbAtEnd = peakRssKb();
    return figures;
}
