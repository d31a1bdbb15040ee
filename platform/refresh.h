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
// True when the visible page may look different from when the backend last
// asked: a drawing call ran or another page became the visible one. Asking
// clears the mark, so a backend asks only when it would present.
bool takeVisibleChange();

}  // namespace core
