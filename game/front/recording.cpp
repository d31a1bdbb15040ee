// recording.cpp — recording a live game into a demonstration file.
//
// The recorder does not predict what a command will do; it compares the
// wizard before and after the command live input carried out, and keeps a
// code only for what changed:
// - A move that changed his cell started a step, one that changed the view
//   turned it (he stood on the view's last cell that way). Either is the
//   same move in playback, which starts from the same cell, view, hand and
//   map. The turn is kept when it happens, not in advance: a step onto the
//   edge followed by a step back is two codes, and playback steps back too.
// - The live action exchanges the held item on cells with code 10 or more
//   and uses it on the others; playback's 5 exchanges and then uses,
//   whatever the cell holds. So:
//   - on a cell below 10 the exchange finds nothing to take and 5 is the
//     same use: kept when the use did something (fired the star, killed);
//     a use that did nothing is left out, since in playback a creature may
//     stand where none stood and the weapon would strike;
//   - on codes 10..29 (flames, embers, waterfall, water, the door) the live
//     action does nothing while 5 would use the held item: left out;
//   - on an item (30..49) the live action exchanges, and 5 makes the same
//     exchange and then uses what was taken: a star taken is fired at once
//     (unless a burst still runs), a weapon strikes if its creature stands
//     on the cell. No code takes an item without that use; leaving the code
//     out would leave the old item in playback's hand, a key perhaps, that
//     opens a barrier the live wizard walked past. With 5 the hands differ
//     only by a star or weapon against none, and neither opens a barrier,
//     so the walk stays the same. Only a star (or a weapon spent so) laid
//     down again and taken up later can part the two hands for good.
//
// Writes: World::recordedCount, recordedMoves.
#include "game/front/recording.h"

#include "common/demo_file.h"
#include "game/world/world.h"

namespace {

// Playback stops after code 999, so a 1000th would never be played.
constexpr int kLastRecordedCode = kRecordingMoves - 1;

void keep(Command command) {
    if (world.recordedCount >= kLastRecordedCode) return;
    world.recordedMoves[++world.recordedCount] = static_cast<int>(command);
}

bool sameCellAndView(const Walker& a, const Walker& b) {
    return a.x == b.x && a.y == b.y && a.viewX == b.viewX && a.viewY == b.viewY;
}

}  // namespace

std::string recordingFilePath(const std::string& name) { return "Data\\" + name + ".dat"; }

void startRecording() {
    world.recordedMoves = RecordingMoves{};
    world.recordedCount = !world.recordName.empty() && world.demoStep < 1 ? 0 : -1;
}

CommandWitness witnessWizard() {
    return {{world.playerX, world.playerY, world.viewX, world.viewY, world.heldItem}, cellAt(world.playerX, world.playerY)};
}

void recordCommand(Command command, const CommandWitness& before) {
    if (world.recordedCount < 0 || command == Command::None) return;
    const CommandWitness after = witnessWizard();
    const bool changed = command == Command::Action ? after != before : !sameCellAndView(after.wizard, before.wizard);
    if (changed) keep(command);
}

void finishRecording() {
    if (world.recordedCount < 0) return;
    world.recordedCount = -1;
    writeRecording(recordingFilePath(world.recordName), world.recordedMoves);
}

void dropRecording() { world.recordedCount = -1; }
