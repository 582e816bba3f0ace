// The Open File dialog for a record file.
#pragma once

#include <windows.h>

// True with `path` (260 characters) holding the chosen file.
BOOL ChooseRecordFile(HWND owner, wchar_t* path);
