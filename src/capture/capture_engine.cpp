#include "capture/capture_engine.h"

#include "base/files.h"
#include "base/text.h"
#include "base/ticks.h"
#include "capture/desktop_input.h"
#include "config/config_store.h"
#include "library/record_library.h"
#include "library/record_list_view.h"
#include "model/record_file.h"
#include "model/record_list.h"
#include "playback/repeat_run.h"
#include "playback/run_state.h"
#include "ui/prompt.h"

bool g_bRecording = false;
Lock g_recordLock;

namespace {

void SetRecording(bool recording)
{
    LockGuard guard(g_recordLock);
    g_bRecording = recording;
}

struct RecordingScope {
    RecordingScope() { SetRecording(true); }
    ~RecordingScope() { SetRecording(false); }
};

// False when the loop ended because nothing was captured in time.
bool RecordUntilStopped(CaptureHost& host)
{
    DesktopInput& desktop = host.Desktop();
    uint32_t start = desktop.Ticks();
    while (host.GetNextMessage()) {
        if (g_bStop) break;
        if (g_recordList.empty() && TicksBetween(start, desktop.Ticks()) > kNoInputMs) return false;
        host.DispatchTakenMessage();
    }
    return true;
}

void OfferToSave(CaptureHost& host, const std::wstring& recordDirectory)
{
    SaveRecordFields fields;
    fields.name = DefaultRecordName(host.RecordList().RowCount(), recordDirectory);
    if (!host.RunSaveDialog(fields)) return;
    CreateFolderTree(host.Folders(), recordDirectory);
    std::wstring path = RecordPathFor(recordDirectory, fields.name);
    if (SaveRecordFile(host.Messages(), path, fields.description, g_recordList)) AddRecordToList(host.RecordList(), path);
}

}  // namespace

std::wstring DefaultRecordName(int rowCount, const std::wstring& recordDirectory)
{
    for (int n = rowCount + 1;; ++n) {
        std::wstring name = Format(L"NewRecord%d", n);
        if (!PathExists(RecordPathFor(recordDirectory, name))) return name;
    }
}

void RunRecording(CaptureHost& host, const std::wstring& recordDirectory)
{
    if (g_bRecording || g_bRepeating) return;
    RecordingScope recording;
    DesktopInput& desktop = host.Desktop();

    host.HideMainWindow();
    g_recordList.clear();
    g_bStop = false;
    SetRecordingClock(&desktop);
    // Both are asked for before either answer is looked at.
    uint32_t mouseError = 0, keyboardError = 0;
    bool mouse = desktop.InstallHook(InputHook::Mouse, &mouseError);
    bool keyboard = desktop.InstallHook(InputHook::Keyboard, &keyboardError);
    if (!mouse || !keyboard) {
        host.Messages().Show(Format(L"Create Recorder failed, error 0x%X.", keyboard ? mouseError : keyboardError));
        if (mouse) desktop.RemoveHook(InputHook::Mouse);
        if (keyboard) desktop.RemoveHook(InputHook::Keyboard);
        host.BringBackMainWindow();
        return;
    }

    host.CreateStopWindow();
    bool captured = RecordUntilStopped(host);
    host.DestroyStopWindow();
    desktop.RemoveHook(InputHook::Mouse);
    desktop.RemoveHook(InputHook::Keyboard);
    host.BringBackMainWindow();
    if (captured) OfferToSave(host, recordDirectory);
}
