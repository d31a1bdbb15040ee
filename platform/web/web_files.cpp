// web_files.cpp — the player's files kept in the browser's storage.
//
// The player's Data folder lives in the page's IndexedDB (mounted by the
// page before the program starts). Every file the data-file writer commits
// is written through to the browser's storage at once, so a page closed a
// moment after saving keeps the save.
//
// Writes: the data-file writer's commit hook.
#include "platform/commit_hook.h"
#include "platform/web/web_js.h"

namespace {

// Runs before main: the hook is in place before the first file is written.
const bool kHooked = [] {
    core::afterFileCommitted = [] { zl_js_store_files(); };
    return true;
}();

}  // namespace
