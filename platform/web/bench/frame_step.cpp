// frame_step.cpp — the frame step of the desktop benchmark (BM_FrameStep/100:
// 400 creatures gliding) in WebAssembly on the browser backend, run under
// node so that its processor time can be read (a page has only the wall
// clock, which a busy machine stretches). As with the headless backend of
// the desktop figure, refresh shows nothing and yields nothing here, and a
// wait (the pauses of the wizard's contacts) takes no time: the program is
// linked with a stand-in for the page's screen and clock (node_page.cpp)
// instead of the backend's own, so the figure is the game's own work.
// Prints "frame_step_us <microseconds of processor time per step>".
#include "bench/scene_setup.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/platform.h"

#include <emscripten.h>

#include <cstdio>

// Processor time of the node process in microseconds, user and system.
EM_JS(double, processorMicroseconds, (), {
    const used = process.cpuUsage();
    return used.user + used.system;
});

int main() {
    constexpr int kPerKind = 100;
    constexpr int kWarmUp = 500;
    constexpr int kSteps = 5000;
    setUpScene(kPerKind);
    world.sceneShown = 1;
    renderScene();
    double last = 0;
    for (int i = 0; i < kWarmUp; ++i) glidingFrameStep(kPerKind, last);
    const double start = processorMicroseconds();
    for (int i = 0; i < kSteps; ++i) glidingFrameStep(kPerKind, last);
    std::printf("frame_step_us %.2f\n", (processorMicroseconds() - start) / kSteps);
    return 0;
}
