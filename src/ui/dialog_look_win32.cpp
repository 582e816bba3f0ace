#include "ui/dialog_look_win32.h"

#include "ui/gdi_win32.h"

bool PaintDialogLook(HWND dialog, UINT message, WPARAM wParam, LRESULT* result)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(dialog, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, SolidBrushFor(kDialogBackground).Get());
        *result = TRUE;
        return true;
    }
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        *result = reinterpret_cast<LRESULT>(SolidBrushFor(kDialogBackground).Get());
        return true;
    default:
        return false;
    }
}
