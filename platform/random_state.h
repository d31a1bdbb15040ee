// random_state.h — lets the headless backend put random01 back to its start.
#pragma once

namespace core {
void resetRandom();
}
