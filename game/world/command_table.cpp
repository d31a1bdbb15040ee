// command_table.cpp — the game's keys, one row each, in the order live input
// tests them: the arrows, Esc, Enter and Space first (the first held wins),
// then E, which acts beside them. The help texts are code page 437 (\x81 is
// ü, \x84 ä), as the screen shows them.
//
// Writes: nothing of World.
#include "game/world/command_table.h"

#include "platform/platform.h"

namespace {

using namespace scancode;
using Cmd = GameCommand;

constexpr int kBoth = kInPlay | kOnTitle;

constexpr GameKey kGameKeys[] = {
    {kInPlay, Right, Cmd::Right, "Pfeiltasten", "Zauberer gehen"},
    {kInPlay, Left, Cmd::Left, nullptr, nullptr},
    {kInPlay, Up, Cmd::Up, nullptr, nullptr},
    {kInPlay, Down, Cmd::Down, nullptr, nullptr},
    {kBoth, Esc, Cmd::Menu, "Esc", "Men\x81"},
    {kInPlay, Enter, Cmd::Action, "Leertaste, Enter", "Gegenstand nehmen, benutzen"},
    {kInPlay, Space, Cmd::Action, nullptr, nullptr},
    {kInPlay, E, Cmd::FullEnergy, "E", "Energie wieder voll"},
    {kBoth, F1, Cmd::KeyHelp, "F1", "Tastenhilfe"},
    {kInPlay, 0, Cmd::Pointer, "Maus", "schieben: gehen, Taste: Leertaste"},
    {kInPlay, 0, Cmd::Sticks, "Joystick, Gamepad", "gehen, A: Leertaste, Start: Men\x81\n(im Men\x81 Joystick EIN w\x84hlen)"},
    {kOnTitle, Enter, Cmd::Start, "Leertaste, Enter", "Spiel starten"},
    {kOnTitle, Space, Cmd::Start, nullptr, nullptr},
    {kOnTitle, 0, Cmd::Pointer, "linke Maustaste", "Spiel starten"},
    {kOnTitle, L, Cmd::NextLabyrinth, "L", "n\x84" "chstes Labyrinth"},
    {kOnTitle, H, Cmd::ResetTable, "H", "Bestenliste zur\x81" "cksetzen"},
    {kOnTitle, F2, Cmd::ChooseSet, "F2", "Sammlung w\x84hlen"},
};

bool isKeyOf(const GameKey& key, KeyPlace place, GameCommand command) {
    return (key.places & place) != 0 && key.command == command && key.scancode != 0;
}

}  // namespace

std::span<const GameKey> gameKeys() { return kGameKeys; }

bool gameKeyHeld(KeyPlace place, GameCommand command) {
    for (const GameKey& key : kGameKeys) {
        if (isKeyOf(key, place, command) && isKeyDown(key.scancode)) return true;
    }
    return false;
}

bool gameKeyPressed(KeyPlace place, GameCommand command) {
    bool pressed = false;
    for (const GameKey& key : kGameKeys) {
        // keyPressed for each key, so that none keeps a press for later.
        if (isKeyOf(key, place, command) && keyPressed(key.scancode)) pressed = true;
    }
    return pressed;
}

const GameKey* namedGameKey(KeyPlace place, GameCommand command) {
    for (const GameKey& key : kGameKeys) {
        if ((key.places & place) != 0 && key.command == command && key.label) return &key;
    }
    return nullptr;
}
