// frame_step.cpp — the frame step of the desktop benchmark (BM_FrameStep/100:
// 400 creatures gliding) in WebAssembly, on the browser backend. The time the
// backend spends in refresh (presenting the page, handing the thread to the
// browser) is taken out, as the headless backend of the desktop figure has
// none. Prints "frame_step_us <microseconds per step>" to the console.
#include "bench/scene_setup.h"
#include "game/world/scene.h"
#include "game/world/world.h"
#include "platform/platform.h"
#include "platform/web/web_host.h"

#include <cstdio>

int main() {
    constexpr int kPerKind = 100;
    constexpr int kWarmUp = 200;
    constexpr int kSteps = 3000;
    setUpScene(kPerKind);
    world.sceneShown = 1;
    renderScene();
    double last = 0;
    for (int i = 0; i < kWarmUp; ++i) glidingFrameStep(kPerKind, last);
    const double start = timerSeconds();
    const double refreshBefore = web::host.refreshSeconds;
    for (int i = 0; i < kSteps; ++i) glidingFrameStep(kPerKind, last);
    const double busy = (timerSeconds() - start) - (web::host.refreshSeconds - refreshBefore);
    std::printf("frame_step_us %.2f\n", busy / kSteps * 1e6);
    return 0;
}
