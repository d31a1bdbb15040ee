// command_table.cpp — the game's keys, one row each, in the order live input
// tests them: the arrows, Esc, Enter and Space first (the first held wins),
// then E, which acts beside them. The labels and help texts are German, code
// page 437 (\x81 is ü, \x84 ä), as the screen shows them; they are shown
// through tr, in the language chosen.
//
// Writes: nothing of World.
#include "game/world/command_table.h"

#include "common/language.h"
#include "platform/platform.h"

namespace {

using namespace scancode;
using Cmd = GameCommand;

constexpr int kBoth = kInPlay | kOnTitle;

constexpr GameKey kGameKeys[] = {
    {kInPlay, Right, Cmd::Right, trMark("Pfeiltasten"), trMark("Zauberer gehen")},
    {kInPlay, Left, Cmd::Left, nullptr, nullptr},
    {kInPlay, Up, Cmd::Up, nullptr, nullptr},
    {kInPlay, Down, Cmd::Down, nullptr, nullptr},
    {kBoth, Esc, Cmd::Menu, "Esc", trMark("Men\x81")},
    {kInPlay, Enter, Cmd::Action, trMark("Leertaste, Enter"), trMark("Gegenstand nehmen, benutzen")},
    {kInPlay, Space, Cmd::Action, nullptr, nullptr},
    {kInPlay, E, Cmd::FullEnergy, "E", trMark("Energie wieder voll")},
    {kBoth, F1, Cmd::KeyHelp, "F1", trMark("Tastenhilfe")},
    {kInPlay, 0, Cmd::Pointer, trMark("Maus"), trMark("schieben: gehen, Taste: Leertaste")},
    {kInPlay, 0, Cmd::Sticks, "Joystick, Gamepad",
     trMark("gehen, A: Leertaste, Start: Men\x81\n(im Men\x81 Joystick EIN w\x84hlen)")},
    {kOnTitle, Enter, Cmd::Start, trMark("Leertaste, Enter"), trMark("Spiel starten")},
    {kOnTitle, Space, Cmd::Start, nullptr, nullptr},
    {kOnTitle, 0, Cmd::Pointer, trMark("linke Maustaste"), trMark("Spiel starten")},
    {kOnTitle, L, Cmd::NextLabyrinth, "L",
     trMark("n\x84"
            "chstes Labyrinth")},
    {kOnTitle, H, Cmd::ResetTable, "H",
     trMark("Bestenliste zur\x81"
            "cksetzen")},
    {kOnTitle, F2, Cmd::ChooseSet, "F2", trMark("Sammlung w\x84hlen")},
    {kOnTitle, F3, Cmd::SwitchLanguage, "F3", trMark("Sprache wechseln")},
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
