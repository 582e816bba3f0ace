#include "ui/record_list_view_win32.h"

int Win32RecordListView::AddRow(const std::wstring& name, const std::wstring& location)
{
    int row = m_list.InsertRow(m_list.Count(), name);
    if (row >= 0) m_list.SetItemText(row, 1, location);
    return row;
}
