// Where a window goes when it is centred over another, kept inside an area
// (the work area of the monitor). Pure arithmetic, with no platform calls.
#ifndef SONIVEL_FRAMEWORK_WINDOWPLACEMENT_H
#define SONIVEL_FRAMEWORK_WINDOWPLACEMENT_H

#include <windows.h>

// The top-left corner for a window of the size of `window`, centred over
// `over`, then moved the least needed to lie inside `area` (its top-left
// corner wins when the window is larger than the area).
POINT CenteredOrigin(const RECT& window, const RECT& over, const RECT& area);

#endif
