// The main window's record list as the library logic sees it: rows of two
// texts (name, location), a single selection and the keyboard focus.
#pragma once

#include <string>

class RecordListView {
public:
    virtual ~RecordListView() = default;
    virtual int RowCount() = 0;
    // column 0: the record's name; column 1: its full path.
    virtual std::wstring GetText(int row, int column) = 0;
    virtual void SetText(int row, int column, const std::wstring& text) = 0;
    // Appends a row and returns its index.
    virtual int AddRow(const std::wstring& name, const std::wstring& location) = 0;
    virtual void RemoveRow(int row) = 0;
    virtual void RemoveAllRows() = 0;
    // The selected row, or -1.
    virtual int GetSelectedRow() = 0;
    virtual void SelectRow(int row) = 0;
    virtual void EnsureVisible(int row) = 0;
    virtual void Focus() = 0;
};
