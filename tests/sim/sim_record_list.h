// The record list as rows in memory, remembering focus and scrolling.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "library/record_list_view.h"

class SimRecordList : public RecordListView {
public:
    int RowCount() override { return static_cast<int>(rows.size()); }
    std::wstring GetText(int row, int column) override { return column == 0 ? rows[row].first : rows[row].second; }
    void SetText(int row, int column, const std::wstring& text) override
    {
        (column == 0 ? rows[row].first : rows[row].second) = text;
    }
    int AddRow(const std::wstring& name, const std::wstring& location) override
    {
        rows.emplace_back(name, location);
        return RowCount() - 1;
    }
    void RemoveRow(int row) override
    {
        rows.erase(rows.begin() + row);
        if (selected == row) selected = -1;
        else if (selected > row) --selected;
    }
    void RemoveAllRows() override
    {
        rows.clear();
        selected = -1;
    }
    int GetSelectedRow() override { return selected; }
    void SelectRow(int row) override { selected = row; }
    void EnsureVisible(int row) override { scrolledTo = row; }
    void Focus() override { ++focusCount; }

    std::vector<std::pair<std::wstring, std::wstring>> rows;
    int selected = -1;
    int scrolledTo = -1;
    int focusCount = 0;
};
