// scene.h — the scene renderer: the view, the status line, the held-item
// slot and the moving sprites on the game's two pages.
//
// Page 1 is the background page (tiles and status line, never a moving
// sprite); page 0 the visible page. Sprites are drawn on page 0 and erased by
// copying their 40 x 40 block back from page 1. Every operation that draws on
// page 1 selects page 0 as the work page again before it returns.
//
// Writes: World::sceneShown (renderScene), World::turnHold (drawWizard).
#pragma once

#include "game/world/game_constants.h"

constexpr int kVisiblePage = 0;
constexpr int kBackgroundPage = 1;
constexpr int kGamePages = 2;    // the game opens pages 0 and 1
constexpr int kHeldItemX = 760;  // top-left of the held-item slot
constexpr int kHeldItemY = 560;
constexpr int kDissolvePixels = 1000000;

// Full render of the view and the status line; with sceneShown 0 it clears
// the background page first and reveals the scene with the pixel dissolve.
void renderScene();
// Redraws the animated tiles of the view (not under the wizard) in the
// current phase, on the visible page only.
void animateTiles();
// Draws the held-item slot and repaints the wizard's cell on the background.
void showHeldItem();
// Paints Schwarz on the background page at (openedCellX, openedCellY).
void paintOpenedCell();
// Copies the 40 x 40 block at (x, y) from the background to the visible page.
void restoreBlock(int x, int y);
// Copies the width x height area at (x, y) from the background to the
// visible page; the part off the page is left out.
void restoreArea(int x, int y, int width, int height);

void eraseWizard();
void erasePigs();
void eraseFlameGhosts();
void eraseEyes();
void eraseCleaners();
void eraseSplinters();

void drawWizard();
void drawPigs();
void drawFlameGhosts();
void drawEyes();
void drawCleaners();
void drawSplinters();

// The wizard's arrival animation at the start of a game.
void wizardAppear();
