// world.h — the game's one global record.
//
// Everything the game knows during a run lives in `world`: zeroed at program
// start, never copied or freed. Every game module reads and writes its fields
// directly (one thread, no locking). The fields are grouped by how long they
// live, as four parts of the one record:
//   RunState   — the whole run: switches, best players, the demonstration
//                cycle, the flow's mode; a new game keeps them;
//   GameState  — one game: score, labyrinth number, energy, held item, death,
//                the demonstration being played; set by each new game;
//   LevelState — the labyrinth as loaded and changed by play: map, wizard
//                cell, view, creatures; what loadLevel fills and, with four
//                fields of GameState, what a saved game stores;
//   FrameState — drawing and animation of play: step offsets, counters,
//                splinters, requests from the rules to the flow.
// Each field says its range and which modules write it. Images are not part
// of the record; the sprite catalogue owns them (sprite_catalogue.h).
#pragma once

#include "common/demo_file.h"
#include "common/level_file.h"
#include "common/level_set.h"
#include "common/map_geometry.h"
#include "game/world/sprite_catalogue.h"

#include <array>
#include <string>

struct Image;

constexpr int kSplinters = 8;                // splinters of a shooting-star burst
constexpr int kDemoMoves = kRecordingMoves;  // moves of a demonstration (1..1000)
constexpr int kBestPlayers = 10;             // entries of the best-player table (1..10)

// One entry of a creature table.
struct Creature {
    int x = 0;          // current cell column; 0 when empty (killed or unused)
    int y = 0;          // current cell row
    int homeViewX = 0;  // viewX of the screen it belongs to; never changes while it lives
    int homeViewY = 0;  // viewY of that screen
    int offsetX = 0;    // horizontal step offset, -40..40; brought to 0 by its glide
    int offsetY = 0;    // vertical step offset, -40..40; always 0 for cleaning men
};

using CreatureTable = std::array<Creature, kCreatureSlots>;  // index 0..100, 1..count used

// What the game is doing; the flow (game/flow) switches on it.
enum class GameMode {
    Title,          // the title screen with its attract cycle
    Live,           // a game played from the input devices
    Demonstration,  // a recorded game played from demoMoves
    Menu,           // the in-game menu is open
    GameOver,       // the closing scene and the best-player entry
};

// ---- The run: from start-up to program end ----
struct RunState {
    GameMode mode = GameMode::Title;  // what runs now (flow)
    int soundOn = 0;                  // 1: sounds play (settings file, menu)
    int joystickOn = 0;               // 1: joystick 0 is read (settings file, menu, title screen's H key)
    int fullScreen = 0;               // 1: full screen, 0: window (settings file, menu, start-up's command-line choice)
    int fullScreenStored = -1;  // while the command line overrides fullScreen for this run: the settings file's 0 or 1, written back in its place; -1 otherwise (start-up, menu)
    int menuCursor = 0;         // highlighted line 1..7 of the in-game menu (menu)
    int demoCycle = 0;  // 0..3 (a set's own: 0..count-1): which demonstration the title screen plays next (title screen, level sets)
    int oneLevel = 0;  // 1: the run plays one level file (--level) and ends at its door, 0 the whole game (flow's playOneLevel)
    std::array<int, kBestPlayers + 2> bestScores{};  // the table of the set played: 1..10 the table, 11 takes what is shifted out (settings file, game over, title screen's H key, level sets)
    std::array<std::string, kBestPlayers + 2> bestNames{};  // names belonging to bestScores (same writers)
    std::string setName;  // the level set played: "" for the shipped labyrinths "Data\001.dat".."008.dat", else the player's set "Data\<setName>.zset", a plain file name (level sets: the title's list, --set, a loaded game)
    LevelSet set;  // that set as read: labyrinths, closing scene, demonstrations; empty while the shipped labyrinths are played (level sets)
    std::array<int, kBestPlayers + 2> shippedBestScores{};  // while a set of the player's is played: the shipped labyrinths' table, kept for the settings file; unused otherwise (level sets)
    std::array<std::string, kBestPlayers + 2> shippedBestNames{};  // names belonging to shippedBestScores (level sets)
    std::string recordName;  // --record NAME: each live game is recorded into "Data\NAME.dat"; "" records nothing (start-up)
    std::string settingsOnFile;  // the switches and best players as this run last read or wrote the settings file, in file order; "" before (settings file)
};

// ---- One game: set by each new game ----
struct GameState {
    int score = 0;  // points, 0 and up (new game, kills, game over, saved game)
    int level = 0;  // labyrinth 1..8 shown as "Labyrinth:"; above 8 the loader makes it 1 (new game, level exit, loader, title screen, saved game)
    int energy = 0;     // percent, at most 99; dead below 1 (new game, contacts, E key, saved game)
    int heldItem = 0;   // 0 or an item code 30..34, 40..46 (new game, barrier opening, items, game over, saved game)
    int deathKind = 0;  // 0 alive, 1 energy ran out, 2 drowned; above 0 the loader reads "ende" (new game, flow)
    int lastHarm = 0;  // what took energy last, a Harm 0..5 (common/run_end.h): 0 nothing yet, 1 a flame, 2..5 a creature kind; says what a death was by (new game, contacts)
    int stepsTaken = 0;  // cells the wizard has stepped into this game, 0 and up; a one-level run reports it (new game, steps)
    int demoStep = 0;  // 0 live game; 1..1000 index of the next demonstration move; above 999 ends it (new game, title screen, demonstration playback)
    std::array<int, kDemoMoves + 1> demoMoves{};  // moves 1..1000: 1 up, 2 right, 3 down, 4 left, 5 use (title screen)
    int recordedCount = -1;  // codes recorded in this game, 0..999; -1 when it is not recorded or already written (recording)
    RecordingMoves recordedMoves{};  // the codes 1..999 recorded so far, zeros after them (recording)
};

// ---- The labyrinth: loaded from its file, changed by play ----
struct LevelState {
    std::array<std::array<int, kMapRows>, kMapColumns> map{};  // TileCode of cell [x][y]; column 0 and row 0 stay Floor (loader; barrier opening; item exchange and kills; saved game)
    int playerX = 0;       // the wizard's cell column 1..220; steps keep it within 1..210 (loader, steps, saved game)
    int playerY = 0;       // the wizard's cell row 1..150; steps keep it within 1..144 (same writers)
    int viewX = 0;         // view shows columns viewX+1..viewX+20; 0, 19, ..., 190 (loader, flips, saved game)
    int viewY = 0;         // view shows rows viewY+1..viewY+14; 0, 13, ..., 130 (same writers)
    CreatureTable pigs{};  // pig entries (loader; chase and glide; kills; saved game)
    CreatureTable flameGhosts{};  // flame ghost entries (same writers)
    CreatureTable cleaners{};     // cleaning man entries, offsetY unused (same writers)
    CreatureTable eyes{};         // eye entries (same writers)
    int pigCount = 0;             // used pig entries, 0..100 (loader, saved game)
    int flameGhostCount = 0;      // used flame ghost entries, 0..100 (same writers)
    int cleanerCount = 0;         // used cleaning man entries, 0..100 (same writers)
    int eyeCount = 0;             // used eye entries, 0..100 (same writers)
};

// ---- The frame: drawing and animation of play ----
struct FrameState {
    int playerOffsetX = 0;  // the wizard's horizontal step offset -40..40, multiples of 5; +40 after a step left (steps, glide, start of play)
    int playerOffsetY = 0;  // vertical step offset -40..40, multiples of 5; +40 after a step up (same writers)
    int turnHold = 0;       // 0..4: set to 4 when drawn sideways, lowered each frame (drawWizard, flow)
    int frameCounter = 0;   // 0..40, +1 per frame; phase A below 20 (flow, title screen)
    int sceneShown = 0;  // 0: next renderScene clears and dissolves; renderScene sets 1 (reset by flow, title, game over, menu)
    int openedCellX = 0;  // view column of the barrier opened last, normally 1..20 (barrier opening)
    int openedCellY = 0;  // view row of that barrier, normally 1..14 (barrier opening)
    std::array<int, kSplinters + 1> splinterX{};  // view column 1..20 of splinter k, k = 1..8 (shooting star)
    std::array<int, kSplinters + 1> splinterY{};  // view row 1..14 of splinter k (shooting star)
    int splinterTimer = 0;                        // frames left of the burst, 0..20 (shooting star, flow)
    int menuRequested = 0;  // 1: live input asked for the in-game menu this frame; the flow opens it and clears this (live input, flow)
};

// The one record: its four parts side by side. Every field is reached as
// world.<field>; a part can be named as a whole, e.g. static_cast<LevelState&>(world).
struct World : RunState, GameState, LevelState, FrameState {};

// The one record of the game.
extern World world;

// ---- Computations used across the game ----

// map[x][y]; any cell outside columns 0..220 or rows 0..150 reads as solid
// (RedWall), so no caller can read outside the map.
int cellAt(int x, int y);
// code < 50
bool isEnterable(int code);
struct Pixel {
    int x;
    int y;
};
// Top-left pixel of map cell (x, y) in the current view.
Pixel cellPixel(int x, int y);
// Top-left pixel of a sprite on cell (x, y) displaced by (ox, oy).
Pixel spritePixel(int x, int y, int ox, int oy);
// The creature belongs to the screen now shown (and is not empty).
bool onCurrentScreen(const Creature& c);
// Both step offsets of the wizard are 0.
bool playerAtRest();
// What a new game resets, the one place it is written: nothing held, full
// energy, level 1, score 0, no death, no demonstration step, and the scene
// to be revealed afresh. Everything else (the frame counter, a burst still
// running) carries on. Writes: heldItem, energy, sceneShown, deathKind,
// lastHarm, stepsTaken, level, demoStep, score.
void resetForNewGame();

// ---- The level part and the level file ----

// The creature tables and their counts, in the order of the level file.
struct CreatureKindFields {
    CreatureTable LevelState::*table;
    int LevelState::*count;
};
constexpr CreatureKindFields kCreatureKindFields[kCreatureKinds] = {
    {&LevelState::pigs, &LevelState::pigCount},
    {&LevelState::flameGhosts, &LevelState::flameGhostCount},
    {&LevelState::cleaners, &LevelState::cleanerCount},
    {&LevelState::eyes, &LevelState::eyeCount},
};

// Copies a level as a file holds it into the level part of the world: map
// columns 1..220 and rows 1..150, start cell, view, the cells and homes of all
// 101 entries of each table, the counts. Step offsets stay as they are.
void putLevelIntoWorld(const LevelData& level);
// The level part of the world as a level file would hold it.
void takeLevelFromWorld(LevelData& level);
