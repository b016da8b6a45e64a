#include "WindowPlacement.h"

namespace {

LONG CenteredStart(LONG size, LONG overStart, LONG overEnd, LONG areaStart, LONG areaEnd)
{
    LONG start = overStart + (overEnd - overStart - size) / 2;
    if (start + size > areaEnd)
        start = areaEnd - size;
    if (start < areaStart)
        start = areaStart;
    return start;
}

}  // namespace

POINT CenteredOrigin(const RECT& window, const RECT& over, const RECT& area)
{
    return {CenteredStart(window.right - window.left, over.left, over.right, area.left, area.right),
            CenteredStart(window.bottom - window.top, over.top, over.bottom, area.top, area.bottom)};
}
