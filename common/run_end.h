// run_end.h — how a run of one level (the game's --level, the editor's F5)
// ended, as the game tells the editor: the exit status of the game, and a
// small report file beside the level with the steps the wizard took, which
// an exit status (0..255) cannot hold.
//
// Exit status of `zauberlabyrinth --level NAME`:
//    0  ended by the player: "Spiel beenden", Esc held with a move, the
//       window's close button (every run of the whole game ends so too)
//    2  a wrong command line (nothing was played)
//   10  the wizard reached the door
//   20  his energy ran out; 21..25 say what took the last of it: 21 a
//       flame, 22 a pig, 23 a flame ghost, 24 a cleaning man, 25 an eye
//   30  he drowned
// The report file "Data\NAME.erg" holds two fields: the same status and the
// steps. The editor deletes it before a run and believes it only when its
// status is the one the game ended with.
#pragma once

#include <string>

// What took energy from the wizard last. The creature kinds follow the
// order of the level file (FileCreatureKind): Pig + kind.
enum class Harm : int {
    None = 0,        // nothing yet
    Flame = 1,       // a flame on his cell
    Pig = 2,         // a pig on his cell
    FlameGhost = 3,  // a flame ghost
    Cleaner = 4,     // a cleaning man
    Eye = 5,         // an eye
};
constexpr int kHarmKinds = 6;  // Harm::None .. Harm::Eye

// The way a run ended, by the tens of its exit status.
enum class RunEnd : int {
    ByPlayer = 0,    // ended by the player
    Door = 10,       // the door reached
    Exhausted = 20,  // energy ran out; plus a Harm saying by what
    Drowned = 30,    // drowned
};

// The exit status for an end (and, for Exhausted, what caused it).
constexpr int runEndStatus(RunEnd end, Harm harm = Harm::None) {
    return static_cast<int>(end) + (end == RunEnd::Exhausted ? static_cast<int>(harm) : 0);
}

// How the run with this exit status ended; false for a status no run ends
// with (a wrong command line, a crash, a program that could not start).
bool runEndOfStatus(int status, RunEnd& end, Harm& harm);

// What the game writes at the end of a --level run.
struct RunReport {
    int status = 0;  // the exit status, as above
    int steps = 0;   // cells the wizard stepped, 0 and up
};

// "Data\<levelName>.erg".
std::string runReportPath(const std::string& levelName);
// Writes and reads the report; false when that failed (read: no such file).
bool writeRunReport(const std::string& levelName, const RunReport& report);
bool readRunReport(const std::string& levelName, RunReport& report);
