// demo_fuzz.cpp — any bytes as the first demonstration recording, started as
// the title screen starts it and played to its end as the frame loop plays
// it: labyrinth 1, the cycle moved on, and every step gives the command of
// its code (1..5) or none, 999 steps in all.
#include "common/commands.h"
#include "game/front/demonstration.h"
#include "game/front/front.h"
#include "game/world/world.h"
#include "tools/fuzz/fuzz_support.h"

#include <cstddef>
#include <cstdint>

namespace {
constexpr int kLastPlayedStep = 999;  // the frame loop stops above this
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::putFile("Data/Demo.dat", std::string(reinterpret_cast<const char*>(data), size));
    world = World{};
    startDemonstration();
    fuzz::require(world.level == 1 && world.demoStep == 1 && world.demoCycle == 1, "the first demonstration");
    int played = 0;
    while (world.demoStep <= kLastPlayedStep) {
        const int step = world.demoStep;
        const int code = world.demoMoves[static_cast<std::size_t>(step)];
        const Command command = demoInputStep();
        fuzz::require(command == commandOfCode(code), "a step played another command than its code");
        fuzz::require(static_cast<int>(command) >= 0 && static_cast<int>(command) <= 5, "no such command");
        fuzz::require(world.demoStep == step + 1, "a step did not move on by one");
        ++played;
    }
    fuzz::require(played == kLastPlayedStep, "not 999 steps");
    return 0;
}
