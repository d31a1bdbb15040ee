// recording.h — a live game recorded as a demonstration (--record NAME).
//
// The recording keeps what the live game did, command by command, as the
// codes a demonstration plays (common/commands.h), so that playback walks
// the wizard over the same cells and turns the same views in the same order:
// - a move's code (1 up, 2 right, 3 down, 4 left) when the move started a
//   step or turned the view, at the moment it did; a blocked move gives none;
// - 5 when the action changed what the wizard holds or the code of his cell
//   (an exchange, a star fired, a weapon's kill); an action that changed
//   nothing (on flames, embers, the door, or with nothing to use) gives none,
//   since playback's 5 exchanges and then uses whatever the cell holds.
// Idle frames give no code. At most 999 codes are kept, since playback stops
// after the 999th; the file is filled with zeros to its 1000 fields.
#pragma once

#include "common/commands.h"
#include "common/move_check.h"

#include <string>

// The wizard as far as one command can change him: his cell, his view and
// his hand, and the code of the cell he stands on.
struct CommandWitness {
    Walker wizard;  // cell, view and held item
    int under = 0;  // the code of his cell
    bool operator==(const CommandWitness&) const = default;
};

// "Data\NAME.dat", the file a recording named NAME goes to.
std::string recordingFilePath(const std::string& name);
// A game starts from the title screen: a live one is recorded from an empty
// list when the run records (World::recordName); a demonstration never is.
void startRecording();
// The wizard now: taken before live input issues its command.
CommandWitness witnessWizard();
// The command live input issued in this frame, looked at after it was
// carried out, with the wizard as he was before it.
void recordCommand(Command command, const CommandWitness& before);
// The game ended (lost, ended with Esc, the door of the last labyrinth, the
// program's end): the recording is written, once. Nothing when none runs.
void finishRecording();
// A saved game was loaded into the game: what was recorded can no longer
// be played back from the labyrinth's start, so it is dropped unwritten.
void dropRecording();
