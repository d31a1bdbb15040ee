// host_may_end.cpp — what a program stores when the host may end it without
// a word (whenHostMayEnd), and the backends' call that runs it.
//
// The browser's page can be closed at any moment; before that it is hidden,
// and the browser backend calls hostMayEnd from that event's handler. The
// programs hold a data file open only within one operation that never waits
// or draws, so the handler never finds one of theirs half written.
//
// Writes: the registered function only.
#include "platform/host_hooks.h"
#include "platform/platform.h"

namespace {
void (*storeBeforeEnd)() = nullptr;  // what whenHostMayEnd registered; null for nothing
}  // namespace

void whenHostMayEnd(void (*store)()) { storeBeforeEnd = store; }

namespace core {

void hostMayEnd() {
    if (storeBeforeEnd) storeBeforeEnd();
}

}  // namespace core
