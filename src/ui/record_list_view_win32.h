// The record list over a report-view list view whose two columns (name,
// location) the owning window has inserted.
#pragma once

#include <windows.h>

#include "library/record_list_view.h"
#include "ui/controls_win32.h"

class Win32RecordListView : public RecordListView {
public:
    explicit Win32RecordListView(HWND listView) : m_list(listView) {}

    int RowCount() override { return m_list.Count(); }
    std::wstring GetText(int row, int column) override { return m_list.GetItemText(row, column); }
    void SetText(int row, int column, const std::wstring& text) override { m_list.SetItemText(row, column, text); }
    int AddRow(const std::wstring& name, const std::wstring& location) override;
    void RemoveRow(int row) override { m_list.DeleteRow(row); }
    void RemoveAllRows() override { m_list.DeleteAll(); }
    int GetSelectedRow() override { return m_list.GetSelection(); }
    void SelectRow(int row) override { m_list.Select(row); }
    void EnsureVisible(int row) override { m_list.EnsureVisible(row, false); }
    void Focus() override { m_list.Focus(); }

private:
    ListView m_list;
};
