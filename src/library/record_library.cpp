#include "library/record_library.h"

#include "base/files.h"
#include "base/text.h"
#include "library/record_list_view.h"
#include "model/record_file.h"
#include "ui/prompt.h"

namespace {

// The rows the Edit and Delete commands work on; -1 after telling the user
// why there is none.
int SelectedRowOrTell(RecordListView& list, Prompt& prompt, const wchar_t* selectMessage)
{
    if (list.RowCount() == 0) {
        prompt.Show(L"There is no Record, please click 'Record' to create a Record first.", PromptButtons::Ok,
                    PromptIcon::Information);
        list.Focus();
        return -1;
    }
    int row = list.GetSelectedRow();
    if (row < 0) {
        prompt.Show(selectMessage);
        list.Focus();
    }
    return row;
}

}  // namespace

std::wstring RecordPathFor(const std::wstring& recordDirectory, const std::wstring& name)
{
    return Format(L"%s\\%s.tvmc", recordDirectory, name);
}

std::wstring RecordNameOf(const std::wstring& path)
{
    size_t slash = path.rfind(L'\\');
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

void FillRecordList(RecordListView& list, const std::wstring& recordDirectory)
{
    list.RemoveAllRows();
    for (const FoundFile& file : FindFiles(Format(L"%s\\*.tvmc", recordDirectory))) {
        if (file.name == L"." || file.name == L".." || file.isDirectory) continue;
        list.AddRow(RecordNameOf(file.name), Format(L"%s\\%s", recordDirectory, file.name));
    }
    if (list.RowCount() > 0) {
        list.SelectRow(0);
        list.Focus();
    }
}

bool AddRecordToList(RecordListView& list, const std::wstring& path)
{
    for (int row = 0; row < list.RowCount(); ++row) {
        if (EqualsNoCase(list.GetText(row, 1), path)) {
            list.SelectRow(row);
            list.Focus();
            return true;
        }
    }
    int row = list.AddRow(RecordNameOf(path), path);
    list.SelectRow(row);
    list.EnsureVisible(row);
    list.Focus();
    return true;
}

bool AcceptRecordName(Prompt& prompt, const std::wstring& recordDirectory, const SaveRecordFields& fields,
                      const std::function<void()>& focusName)
{
    if (fields.name.empty()) {
        prompt.Show(L"Please input a Record Name.");
        return false;
    }
    std::wstring path = RecordPathFor(recordDirectory, fields.name);
    if (!PathExists(path)) return true;
    if (fields.editMode) {
        if (fields.oldPath == path) return true;
        prompt.Show(Format(L"Can not rename the record to '%s': A record with the name you specified already "
                           L"exist.\nPlease specify a different name.",
                           fields.name));
        focusName();
        return false;
    }
    if (prompt.Show(Format(L"Record file '%s' already exists, do you want to overwrite it?", path),
                    PromptButtons::YesNo) == PromptAnswer::Yes)
        return true;
    focusName();
    return false;
}

void EditSelectedRecord(RecordListView& list, Prompt& prompt, const std::wstring& recordDirectory,
                        const SaveRecordDialogRunner& runDialog)
{
    int row = SelectedRowOrTell(list, prompt, L"Please select the Record you want to edit.");
    if (row < 0) return;

    SaveRecordFields fields;
    fields.oldPath = list.GetText(row, 1);
    std::wstring error;
    EventList events;
    if (!LoadRecordFile(&error, fields.oldPath, &fields.description, &events)) {
        prompt.Show(error);
        list.Focus();
        return;
    }
    fields.name = list.GetText(row, 0);
    fields.editMode = true;
    if (runDialog(fields)) {
        // The new file is complete before the old one goes, and the old one
        // goes only when it is another file: the same record may be spelt
        // differently (letter case, a doubled backslash, a short name).
        std::wstring newPath = RecordPathFor(recordDirectory, fields.name);
        if (SaveRecordFile(prompt, newPath, fields.description, events)) {
            if (!IsSameFile(fields.oldPath, newPath)) RemoveFile(fields.oldPath);
            list.SetText(row, 0, fields.name);
            list.SetText(row, 1, newPath);
        }
    }
    list.Focus();
}

void DeleteSelectedRecord(RecordListView& list, Prompt& prompt)
{
    int row = SelectedRowOrTell(list, prompt, L"Please select the Record you want to delete.");
    if (row < 0) return;
    std::wstring path = list.GetText(row, 1);
    if (prompt.Show(Format(L"Do you really want to delete the file: '%s'?", path), PromptButtons::YesNo) ==
        PromptAnswer::Yes) {
        RemoveFile(path);
        list.RemoveRow(row);
    }
    list.Focus();
}
