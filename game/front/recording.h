// recording.h — a live game recorded as a demonstration (--record NAME).
//
// The codes are those a demonstration plays: for each step the wizard
// starts, its direction (1 up, 2 right, 3 down, 4 left), and the same code
// once more when the step ends on the view's last cell in that direction,
// standing for the view turn the next move that way makes (a turn starts no
// step of its own); 5 for each action. Idle frames give no code. At most 999
// codes are kept, since playback stops after the 999th; the file is filled
// with zeros to its 1000 fields.
#pragma once

#include "common/commands.h"

#include <string>

// "Data\NAME.dat", the file a recording named NAME goes to.
std::string recordingFilePath(const std::string& name);
// A game starts from the title screen: a live one is recorded from an empty
// list when the run records (World::recordName); a demonstration never is.
void startRecording();
// The command live input issued in this frame, looked at after it was
// carried out: a move counts only when it started a step.
void recordCommand(Command command);
// The game ended (lost, ended with Esc, the door of the last labyrinth, the
// program's end): the recording is written, once. Nothing when none runs.
void finishRecording();
// A saved game was loaded into the game: what was recorded can no longer
// be played back from the labyrinth's start, so it is dropped unwritten.
void dropRecording();
