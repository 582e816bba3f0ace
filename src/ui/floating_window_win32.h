// What the two floating windows (the stop window and the progress window)
// share: white with a blue outline, kept in a bottom corner of the work area
// and out of the cursor's way.
#pragma once

#include <windows.h>

#include "capture/desktop_input.h"
#include "playback/corner_placement.h"

const COLORREF kFloatingFill = RGB(255, 255, 255);
const COLORREF kFloatingOutline = RGB(36, 93, 219);

// The size is kept, and neither the Z order nor the activation changes.
void MoveToBottomRight(HWND window, DesktopInput& desktop);
void MoveToBottomLeft(HWND window, DesktopInput& desktop);
// One placement tick: moves `window` when `hover` says so.
void FollowHoverCorner(HoverCorner& hover, HWND window, DesktopInput& desktop);
// The white fill with its 1-pixel outline over the whole client area.
void PaintFloatingBackground(HWND window, HDC dc);
