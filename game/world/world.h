// world.h — the game's one global record.
//
// Everything the game knows during a run lives in `world`: zeroed at program
// start, never copied or freed. Every game module reads and writes its fields
// directly (one thread, no locking). Each field says its range and which
// modules write it.
#pragma once

#include "common/level_file.h"
#include "game/world/sprite_catalogue.h"

#include <array>
#include <string>

struct Image;

constexpr int kMapColumns = 221;     // map columns 0..220 (files fill 1..220)
constexpr int kMapRows = 151;        // map rows 0..150 (files fill 1..150)
constexpr int kViewColumns = 20;     // cells across the view
constexpr int kViewRows = 14;        // cells down the view
constexpr int kCell = 40;            // pixels per cell side
constexpr int kSplinters = 8;        // splinters of a shooting-star burst
constexpr int kDemoMoves = 1000;     // moves of a demonstration (1..1000)
constexpr int kBestPlayers = 10;     // entries of the best-player table (1..10)

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

struct World {
    // ---- images (loadAllImages) ----
    std::array<Image*, kImageCount> images{};  // one handle per catalogue image, for the whole run

    // ---- the labyrinth (loadLevel; barrier opening; item exchange and kills; saved game) ----
    std::array<std::array<int, kMapRows>, kMapColumns> map{};  // TileCode of cell [x][y]; column 0 and row 0 stay Floor
    int level = 0;        // labyrinth 1..8 shown as "Labyrinth:"; above 8 the loader makes it 1 (new game, level exit, loader, title screen, saved game)

    // ---- the wizard (loadLevel; steps, flips and glide; start of play; saved game) ----
    int playerX = 0;        // cell column 1..220; steps keep it within 1..210
    int playerY = 0;        // cell row 1..150; steps keep it within 1..144
    int playerOffsetX = 0;  // horizontal step offset -40..40, multiples of 5; +40 after a step left
    int playerOffsetY = 0;  // vertical step offset -40..40, multiples of 5; +40 after a step up
    int turnHold = 0;       // 0..4: set to 4 when drawn sideways, lowered each frame (drawWizard, frame loop)
    int heldItem = 0;       // 0 or an item code 30..34, 40..46 (new game, barrier opening, items, game over, saved game)
    int energy = 0;         // percent, at most 99; dead below 1 (new game, contacts, E key, saved game)
    int score = 0;          // points, 0 and up (new game, kills, game over, saved game)

    // ---- the view (loadLevel; flips; saved game) ----
    int viewX = 0;  // view shows columns viewX+1..viewX+20; 0, 19, ..., 190
    int viewY = 0;  // view shows rows viewY+1..viewY+14; 0, 13, ..., 130

    // ---- creatures (loadLevel; chase and glide; kills; saved game) ----
    CreatureTable pigs{};          // pig entries
    CreatureTable flameGhosts{};   // flame ghost entries
    CreatureTable cleaners{};      // cleaning man entries (offsetY unused)
    CreatureTable eyes{};          // eye entries
    int pigCount = 0;              // used pig entries, 0..100
    int flameGhostCount = 0;       // used flame ghost entries, 0..100
    int cleanerCount = 0;          // used cleaning man entries, 0..100
    int eyeCount = 0;              // used eye entries, 0..100

    // ---- frame loop and drawing ----
    int frameCounter = 0;   // 0..40, +1 per frame; phase A below 20 (frame loop, title screen)
    int sceneShown = 0;     // 0: next renderScene clears and dissolves; renderScene sets 1 (reset by loop, title, game over, menu)
    int deathKind = 0;      // 0 alive, 1 energy ran out, 2 drowned; above 0 the loader reads "ende" (frame loop)
    int openedCellX = 0;    // view column of the barrier opened last, normally 1..20 (barrier opening)
    int openedCellY = 0;    // view row of that barrier, normally 1..14 (barrier opening)

    // ---- shooting-star burst (shooting star; frame loop) ----
    std::array<int, kSplinters + 1> splinterX{};  // view column 1..20 of splinter k, k = 1..8
    std::array<int, kSplinters + 1> splinterY{};  // view row 1..14 of splinter k
    int splinterTimer = 0;                        // frames left of the burst, 0..20

    // ---- demonstrations (new game, title screen, demonstration playback) ----
    int demoStep = 0;    // 0 live game; 1..1000 index of the next demonstration move; above 999 ends it
    int demoCycle = 0;   // 0..3: which demonstration the title screen plays next (title screen)
    std::array<int, kDemoMoves + 1> demoMoves{};  // moves 1..1000: 1 up, 2 right, 3 down, 4 left, 5 use (title screen)

    // ---- menu and settings (settings file, in-game menu, title screen) ----
    int menuCursor = 0;   // highlighted line 1..7 of the in-game menu (in-game menu)
    int soundOn = 0;      // 1: sounds play
    int joystickOn = 0;   // 1: joystick 0 is read
    int fullScreen = 0;   // 1: full screen, 0: window

    // ---- best players (settings file, game over, title screen's H key) ----
    std::array<int, kBestPlayers + 2> bestScores{};          // 1..10 the table, 11 takes what is shifted out
    std::array<std::string, kBestPlayers + 2> bestNames{};   // names belonging to bestScores
};

// The one record of the game.
extern World world;

// ---- Computations used across the game ----

// map[x][y]; any cell outside columns 0..220 or rows 0..150 reads as solid
// (RedWall), so no caller can read outside the map.
int cellAt(int x, int y);
// code < 50
bool isEnterable(int code);
struct Pixel { int x; int y; };
// Top-left pixel of map cell (x, y) in the current view.
Pixel cellPixel(int x, int y);
// Top-left pixel of a sprite on cell (x, y) displaced by (ox, oy).
Pixel spritePixel(int x, int y, int ox, int oy);
// Entry 0 and killed creatures: cell and home all 0.
bool isEmptyCreature(const Creature& c);
// The creature belongs to the screen now shown (and is not empty).
bool onCurrentScreen(const Creature& c);
// Both step offsets of the wizard are 0.
bool playerAtRest();
// The image handle of a catalogue image.
Image* image(Img id);
