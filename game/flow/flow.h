// flow.h — the game program's top floor: start-up, the cycle of modes
// (title, play, game over) and the paced frame loop.
//
// The flow is the only code that calls both the rules (game/rules) and the
// front end (game/front); both of those call down into game/world, common
// and the platform, never up. The rules ask for the in-game menu by setting
// World::menuRequested; the flow opens it.
//
// Writes: World::mode; heldItem, energy, sceneShown, deathKind, level,
// demoStep, score (new game); playerOffsetX/Y (start of play); frameCounter,
// turnHold, splinterTimer, menuRequested (frame step); level (level exit);
// fullScreen, fullScreenStored (start-up, when the command line chooses);
// what chooseLevelSet writes (start-up, the command line's set).
#pragma once

#include "common/command_line.h"
#include "game/world/frame_log.h"

#include <string>

constexpr double kFramePeriod = 0.02;  // seconds between frame steps, at least

// What the command line chooses for one run (game/command_line.cpp).
struct RunOptions {
    int fullScreen = -1;       // 0 window, 1 full screen for this run only; -1 as the settings say
    bool frameLog = false;     // print the diagnostic frame log (setFrameLog)
    std::string recordName{};  // --record NAME (code page 437): live games are recorded into "Data\NAME.dat"; "" for none
    std::string levelName{};  // --level (code page 437): play only "Data/<name>.dat", as the editor's F5 asks; "" for the whole game
    std::string setFile{};   // --set FILE, or FILE alone: a level set to play, a path of the host; "" for none
    std::string setName{};   // that set once brought into Data (takeSetFile), "" for the shipped labyrinths
    std::string language{};  // --language CODE: the language of the texts, kept for later runs; "" as kept before
};

// The set given on the command line (RunOptions::setFile) brought into the
// player's Data before any window opens, its name put into setName. A file
// that is no playable set ends the program: the result then says why, in
// the language chosen, for standard error, with exit status 1. Called once
// the game's folder is entered.
CommandLineResult takeSetFile(RunOptions& options);
// Settings (with the options over them), screen, mouse pointer, images,
// the window's title and icon, the set to play: once per run.
void startUp(const RunOptions& options = {});
// The game program: startUp, then the cycle of modes without end. The
// program ends inside the front end: the menu's "Spiel beenden" or the
// window's close button (quitGame).
[[noreturn]] void runGameProgram(const RunOptions& options = {});
// One level file, "Data\<name>.dat", played from its start with no title
// screen (the --level option): the program ends when the wizard reaches the
// door or dies, or the game is ended from the menu or with Esc and a move;
// its exit status says which (common/run_end.h).
[[noreturn]] void playOneLevel(const std::string& name);
// What the player is told on standard error, before any window opens, when
// --level names a file the game folder does not hold: "" when
// "Data\<name>.dat" can be read.
std::string oneLevelMissing(const std::string& name);
// Runs the current World::mode to its end and sets the next one:
// Title -> Live or Demonstration -> GameOver (a live game lost) or Title.
void runMode();

// The start of play, before the frame loop: a demonstration's level loaded
// and drawn, the wizard at rest appearing, the held item, pigs and flame
// ghosts shown. Returns the time of the last frame for loopPass.
double startPlay();

// ---- Pieces of the loop, exposed for tests ----

// One pass of the frame loop; returns false when the game has ended.
// lastFrame is the time of the last frame step and is updated by it.
bool loopPass(double& lastFrame);
// The frame step; returns false when the game has ended.
bool frameStep(double& lastFrame);
// A live game stands still while the key help is open (F1) or the window is
// without the focus; lastFrame moves on by the time that took.
void holdPlayWhenAsked(double& lastFrame);
