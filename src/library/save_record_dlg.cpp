#include "library/save_record_dlg.h"

#include "config/config_store.h"
#include "library/record_library.h"
#include "resources/resource.h"
#include "ui/dialog_look_win32.h"
#include "ui/prompt_win32.h"

CSaveRecDlg::CSaveRecDlg() : Dialog(IDD_SAVE_RECORD) {}

BOOL CSaveRecDlg::OnInitDialog()
{
    Bind(IDC_RECORD_NAME, m_editName);
    Bind(IDC_RECORD_DESCRIPTION, m_editDescription);
    m_editName.SetText(m_strName);
    m_editDescription.SetText(m_strDescription);
    if (!m_bEditMode) return TRUE;
    m_editDescription.SelectAll();
    SendMessageW(m_editDescription.Handle(), EM_SCROLLCARET, 0, 0);
    m_editDescription.Focus();
    return FALSE;
}

void CSaveRecDlg::OnOK()
{
    SaveRecordFields fields;
    fields.name = m_editName.GetText();
    fields.editMode = m_bEditMode != FALSE;
    fields.oldPath = m_strOldPath;
    m_strName = fields.name;
    PromptWin32 prompt(Handle());
    if (!AcceptRecordName(prompt, g_paths.recordDirectory, fields, [this] { m_editName.Focus(); })) return;
    m_strDescription = m_editDescription.GetText();
    Dialog::OnOK();
}

bool CSaveRecDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (PaintDialogLook(Handle(), message, wParam, result)) return true;
    return Dialog::OnMessage(message, wParam, lParam, result);
}
