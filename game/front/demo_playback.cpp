// demo_playback.cpp — demonstrations: the start of the next one in the
// cycle (the shipped recordings, or those a set of the player's brings),
// and the next recorded command during playback.
//
// Writes: World::demoCycle, demoMoves, level, demoStep.
#include "game/front/demonstration.h"
#include "game/front/front.h"

#include "common/demo_file.h"
#include "game/world/world.h"

namespace {

// The cycle of demonstrations: after entry k comes entry k + 1, after the
// last the first again.
struct DemonstrationSlot {
    int recording;  // n of recordingPath(n): 1 "Demo", 2 "Demo2", ...
    int level;      // the labyrinth it was recorded on
};
constexpr DemonstrationSlot kCycle[kRecordings] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}};

}  // namespace

bool demonstrationAvailable() { return world.setName.empty() || !world.set.demonstrations.empty(); }

void startDemonstration() {
    if (!demonstrationAvailable()) return;
    // demoCycle counts the demonstrations started, 0 after the last.
    const int count = world.setName.empty() ? kRecordings : static_cast<int>(world.set.demonstrations.size());
    int next = world.demoCycle + 1;
    if (next < 1 || next > count) next = 1;
    world.demoCycle = next == count ? 0 : next;
    if (world.setName.empty()) {
        const DemonstrationSlot& slot = kCycle[next - 1];
        world.level = slot.level;
        readRecording(recordingPath(slot.recording), world.demoMoves);
    } else {
        const SetDemonstration& demo = world.set.demonstrations[static_cast<std::size_t>(next - 1)];
        world.level = demo.place;
        world.demoMoves = demo.moves;
    }
    world.demoStep = 1;
}

Command demoInputStep() {
    if (world.demoStep <= 0) return Command::None;
    const int step = world.demoStep;
    // A code outside 1..5, 0 included, uses its step up and does nothing.
    const int code = step <= kDemoMoves ? world.demoMoves[step] : 0;
    world.demoStep = step + 1;
    return commandOfCode(code);
}
