// game_over.cpp — the end of a lost live game: the closing scene with its
// message, a pause of four seconds, and the best-player entry.
//
// A new entry is written at once (to the settings file, or to the table file
// of the set played), so that a player's record does not depend on leaving
// through the menu.
//
// Writes: World::sceneShown, score and heldItem (both 0 at the end), the
// best-player table; what loadLevel writes (the closing scene).
#include "game/front/best_players.h"
#include "game/front/front.h"

#include "common/language.h"
#include "game/world/level_loader.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/platform.h"

namespace {

constexpr int kDrowned = 2;  // deathKind of a drowning
constexpr int kPauseMs = 4000;
constexpr int kMessageRow = 65, kMessageColumn = 35;
constexpr int kInviteRow = 65, kInviteColumn = 25;  // covers the message
constexpr int kNameRow = 67, kNameColumn = 35;

// Asks for the player's name and files the score at place. The close
// button ends the prompt with the name typed so far: the entry is filed and
// written before the program ends.
void enterBestPlayer(int place) {
    setTextPos(kInviteRow, kInviteColumn);
    printText(tr("Du kannst Dich in die Bestenliste Eintragen!"), true);
    setTextPos(kNameRow, kNameColumn);
    inputLine(tr("Deinen Namen Bitte ?"), false, true);
    insertBestPlayer(place, bestPlayerName(readStringField()), world.score);
    writeBestPlayers();
    quitOnCloseRequest();
}

}  // namespace

void gameOver() {
    // A close request made during the death sequence is not kept waiting
    // for the pause below.
    quitOnCloseRequest();
    // With deathKind above 0 the loader reads the closing scene "ende".
    world.sceneShown = 0;
    loadLevel();
    renderScene();
    showHeldItem();
    setTextPos(kMessageRow, kMessageColumn);
    printText(world.deathKind == kDrowned ? tr("DU BIST LEIDER ERTRUNKEN .") : tr("DU BIST LEIDER GESTORBEN ."), true);
    flushKeys();
    sleepMs(kPauseMs);  // a key press ends it early
    quitOnCloseRequest();
    const int place = world.demoStep == 0 ? bestPlayerPlace(world.score) : 0;
    if (place > 0) enterBestPlayer(place);
    world.score = 0;
    world.heldItem = 0;
}
