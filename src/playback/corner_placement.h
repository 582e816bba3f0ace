// Where the floating windows (the progress window, the stop window) sit: a
// bottom corner of the desktop work area, and the other one once the cursor
// has rested on them.
#pragma once

#include <cstdint>

#include "capture/desktop_input.h"

// The placement timer both floating windows run.
constexpr unsigned kPlacementTimerId = 100;
constexpr unsigned kPlacementTimerMs = 1000;
// Consecutive ticks with the cursor inside before the window moves away.
constexpr int kHoverTicksBeforeMove = 3;

// The area the corners are taken from. The work-area query cannot report a
// failure except by an empty rectangle; the full-screen client size stands
// in for it then.
DesktopRect PlacementArea(const DesktopRect& workArea, int32_t fullScreenWidth, int32_t fullScreenHeight);

// Top-left corner for a window of this size: its right and bottom edges on
// the area's.
DesktopPoint MoveToBottomRight(const DesktopRect& area, int32_t width, int32_t height);
// At the screen's left edge (x = 0, not the area's left, so over a task bar
// on the left) with its bottom edge on the area's.
DesktopPoint MoveToBottomLeft(const DesktopRect& area, int32_t width, int32_t height);

enum class Corner { None, BottomLeft, BottomRight };

// Left and top edges inclusive, right and bottom exclusive.
bool ContainsPoint(const DesktopRect& rect, DesktopPoint point);

// Counts the placement ticks at which the cursor was inside the window and
// says when and where to move it.
class HoverCorner {
public:
    // One tick: the cursor and the window's rectangle in screen pixels.
    Corner OnTimerTick(DesktopPoint cursor, const DesktopRect& window);
    int HoverTicks() const { return m_nHoverTicks; }

private:
    int m_nHoverTicks = 0;
};
