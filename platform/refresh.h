// refresh.h — bounded event handling and presentation (internal).
//
// The programs are single-threaded and poll in busy loops, sometimes with no
// platform call but setPixel for a million iterations. The shared code calls
// backend::refresh() from inside its own operations, at most once per
// sixtieth of a second; see refresh.cpp for why. The call counting itself
// (countCall, RefreshPacing) is in pixel_access.h, which platform.h
// includes, because the inline pixel operations use it.
#pragma once

#include "platform/platform.h"

namespace core {

// Refreshes when more than a sixtieth of a second has passed since the last
// refresh at time `now` (a value of backend::now() the caller read anyway).
void refreshIfDue(double now);
// Forgets the last refresh (the clock was reset).
void resetRefresh();
// True when the visible page may look different from when it was last
// asked: a drawing call ran or another page became the visible one. Asking
// clears the mark; presentDue asks only when a present would be due.
bool takeVisibleChange();

// When the visible page was last shown (presentDue in backend.h).
struct PresentPacing {
    double lastPresent = -1.0;  // the backend's clock at the last present; < 0: due at the next refresh
};

// Defined in refresh.cpp; reset with resetRefresh.
extern PresentPacing presenting;

}  // namespace core
