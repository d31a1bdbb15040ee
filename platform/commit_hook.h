// commit_hook.h — what a backend wants done after every committed data file
// (internal to platform/). The browser backend stores the player's files
// there; the desktop needs nothing, the file system keeps them.
#pragma once

namespace core {

// Called after closeFile renamed a written file over its target; null for
// nothing.
inline void (*afterFileCommitted)() = nullptr;

}  // namespace core
