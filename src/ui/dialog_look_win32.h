// The look the program's dialogs share: a light grey background, and static
// texts, check boxes and radio buttons drawn transparently over it.
#pragma once

#include <windows.h>

constexpr COLORREF kDialogBackground = RGB(246, 246, 246);

// Handles WM_ERASEBKGND and WM_CTLCOLORSTATIC; false for other messages.
bool PaintDialogLook(HWND dialog, UINT message, WPARAM wParam, LRESULT* result);
