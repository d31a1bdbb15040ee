// recording.cpp — recording a live game into a demonstration file.
//
// Writes: World::recordedCount, recordedMoves.
#include "game/front/recording.h"

#include "common/demo_file.h"
#include "common/map_geometry.h"
#include "game/world/world.h"

namespace {

// Playback stops after code 999, so a 1000th would never be played.
constexpr int kLastRecordedCode = kRecordingMoves - 1;

void keep(Command command) {
    if (world.recordedCount >= kLastRecordedCode) return;
    world.recordedMoves[++world.recordedCount] = static_cast<int>(command);
}

// The wizard's new cell is the view's last one in the direction of the step.
bool endsOnViewEdge(Command move) {
    const int column = world.playerX - world.viewX;
    const int row = world.playerY - world.viewY;
    switch (move) {
        case Command::Up: return row <= 1;
        case Command::Right: return column >= kViewColumns;
        case Command::Down: return row >= kViewRows;
        case Command::Left: return column <= 1;
        default: return false;
    }
}

}  // namespace

std::string recordingFilePath(const std::string& name) { return "Data\\" + name + ".dat"; }

void startRecording() {
    world.recordedMoves = RecordingMoves{};
    world.recordedCount = !world.recordName.empty() && world.demoStep < 1 ? 0 : -1;
}

void recordCommand(Command command) {
    if (world.recordedCount < 0 || command == Command::None) return;
    if (command == Command::Action) {
        keep(command);
        return;
    }
    // A blocked move or a view turn starts no step and is not kept.
    if (playerAtRest()) return;
    keep(command);
    if (endsOnViewEdge(command)) keep(command);
}

void finishRecording() {
    if (world.recordedCount < 0) return;
    world.recordedCount = -1;
    writeRecording(recordingFilePath(world.recordName), world.recordedMoves);
}

void dropRecording() { world.recordedCount = -1; }
