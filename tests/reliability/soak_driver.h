// soak_driver.h — a long run of the game's real loop on the headless
// backend's virtual clock: the four demonstrations in turn, then seeded
// random input (moves, actions, the menu with its saves, loads and switches,
// the name entry, the program's end and start), with the World's invariants
// checked every time the backend delivers events and the heap measured once
// per virtual minute.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct SoakFigures {
    double virtualSeconds = 0;  // virtual time the run covered
    long frames = 0;            // frame steps of play (live and demonstrations)
    long checks = 0;            // times the invariants were checked
    int demonstrations = 0;     // demonstrations started
    int games = 0;              // live games started
    int menus = 0;              // times the in-game menu was used
    int saves = 0;              // saved games written (the file replaced)
    int loads = 0;              // load dialogs given a saved game that exists
    int otherLoads = 0;         // load dialogs given a missing or refused name
    int restarts = 0;           // program ends (menu, close button) followed by a new start
    std::string broken;         // the first broken invariant; "" when none
    // Heap in use after each virtual minute, in bytes (allocator's count).
    std::vector<std::size_t> heapByMinute;
    long peakRssKbAtStart = 0;  // the process's peak resident memory after start-up
    long peakRssKbAtEnd = 0;    // ... at the end of the run
};

struct SoakPlan {
    double minutes = 5;  // virtual time to run, at least
    unsigned seed = 14;  // of the random player
    // How long each of the first four demonstrations is watched before
    // Space ends it; 0: to its end.
    double demonstrationSeconds = 0;
};

// Runs the game from start-up for the plan's virtual time in the current
// directory, which should hold Data with the level files.
SoakFigures runSoak(const SoakPlan& plan);
