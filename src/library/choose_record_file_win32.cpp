#include "library/choose_record_file_win32.h"

#include <commdlg.h>

BOOL ChooseRecordFile(HWND owner, wchar_t* path)
{
    // Pairs of display text and pattern, ended by an empty pair.
    static const wchar_t kFilter[] = L"Tavorin Record File(*.tvmc)\0*.tvmc\0All Files(*.*)\0*.*\0";
    path[0] = L'\0';
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = L"Open File";
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    return GetOpenFileNameW(&dialog);
}
