// The record library: the record files of the record directory as rows of
// the main window's list, and the open, edit and delete commands on them.
#pragma once

#include <functional>
#include <string>

class Prompt;
class RecordListView;

// "%s\\%s.tvmc": where a record of that name lives in the record directory.
std::wstring RecordPathFor(const std::wstring& recordDirectory, const std::wstring& name);
// The file name after the last backslash, cut at its last ".".
std::wstring RecordNameOf(const std::wstring& path);

// Rebuilds the rows from the record directory, in the order the system lists it.
void FillRecordList(RecordListView& list, const std::wstring& recordDirectory);
// Selects the row of `path` (compared without regard to case), adding one
// at the end if there is none.
bool AddRecordToList(RecordListView& list, const std::wstring& path);

// What the save-record dialog shows and returns.
struct SaveRecordFields {
    std::wstring name;
    std::wstring description;
    bool editMode = false;
    std::wstring oldPath;
};

// Runs the save-record dialog modally over `fields`; true when it ended with OK.
using SaveRecordDialogRunner = std::function<bool(SaveRecordFields& fields)>;

// The save-record dialog's OK: whether the name in `fields` may be taken.
// `focusName` puts the focus back into the name field when it may not.
bool AcceptRecordName(Prompt& prompt, const std::wstring& recordDirectory, const SaveRecordFields& fields,
                      const std::function<void()>& focusName);

// Edit > Edit Record and Edit > Delete Record.
void EditSelectedRecord(RecordListView& list, Prompt& prompt, const std::wstring& recordDirectory,
                        const SaveRecordDialogRunner& runDialog);
void DeleteSelectedRecord(RecordListView& list, Prompt& prompt);
