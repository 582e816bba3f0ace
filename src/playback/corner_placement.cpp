#include "playback/corner_placement.h"

DesktopRect PlacementArea(const DesktopRect& workArea, int32_t fullScreenWidth, int32_t fullScreenHeight)
{
    if (workArea.right > workArea.left && workArea.bottom > workArea.top) return workArea;
    return {0, 0, fullScreenWidth, fullScreenHeight};
}

DesktopPoint MoveToBottomRight(const DesktopRect& area, int32_t width, int32_t height)
{
    return {area.right - width, area.bottom - height};
}

DesktopPoint MoveToBottomLeft(const DesktopRect& area, int32_t, int32_t height)
{
    return {0, area.bottom - height};
}

bool ContainsPoint(const DesktopRect& rect, DesktopPoint point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

Corner HoverCorner::OnTimerTick(DesktopPoint cursor, const DesktopRect& window)
{
    if (!ContainsPoint(window, cursor)) {
        m_nHoverTicks = 0;
        return Corner::None;
    }
    if (++m_nHoverTicks < kHoverTicksBeforeMove) return Corner::None;
    m_nHoverTicks = 0;
    return window.left != 0 ? Corner::BottomLeft : Corner::BottomRight;
}
