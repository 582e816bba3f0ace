#include "ui/floating_window_win32.h"

#include "ui/gdi_win32.h"

namespace {

DesktopRect WorkAreaOrScreen(DesktopInput& desktop)
{
    return PlacementArea(desktop.WorkArea(), GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN));
}

void MoveTo(HWND window, DesktopInput& desktop, DesktopPoint (*place)(const DesktopRect&, int32_t, int32_t))
{
    RECT rect;
    if (!window || !GetWindowRect(window, &rect)) return;
    DesktopPoint at = place(WorkAreaOrScreen(desktop), rect.right - rect.left, rect.bottom - rect.top);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Like the brushes, made once and kept for the life of the process.
HPEN OutlinePen()
{
    static HPEN pen = CreatePen(PS_SOLID, 1, kFloatingOutline);
    return pen;
}

}  // namespace

void PaintFloatingBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    SelectGuard pen(dc, OutlinePen());
    SelectGuard brush(dc, SolidBrushFor(kFloatingFill));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
}

void MoveToBottomRight(HWND window, DesktopInput& desktop)
{
    MoveTo(window, desktop, &MoveToBottomRight);
}

void MoveToBottomLeft(HWND window, DesktopInput& desktop)
{
    MoveTo(window, desktop, &MoveToBottomLeft);
}

void FollowHoverCorner(HoverCorner& hover, HWND window, DesktopInput& desktop)
{
    RECT rect;
    if (!GetWindowRect(window, &rect)) return;
    switch (hover.OnTimerTick(desktop.GetCursor(), {rect.left, rect.top, rect.right, rect.bottom})) {
    case Corner::BottomLeft: MoveToBottomLeft(window, desktop); break;
    case Corner::BottomRight: MoveToBottomRight(window, desktop); break;
    case Corner::None: break;
    }
}
