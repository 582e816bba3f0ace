// The Record command: hooks, the stop window and a nested message loop until
// the user stops, then the offer to save what was captured.
#pragma once

#include <cstdint>
#include <string>

#include "base/lock.h"

class DesktopInput;
class Prompt;
class RecordListView;
class SystemFolders;
struct SaveRecordFields;

// A recording is in progress; guards against re-entry through the pump.
extern bool g_bRecording;
extern Lock g_recordLock;

// Without a single event for this long after the stop window appears, a
// recording is dropped.
constexpr uint32_t kNoInputMs = 5000;

// "NewRecord%d", counting on from the number of rows past names in use.
std::wstring DefaultRecordName(int rowCount, const std::wstring& recordDirectory);

// What the Record command needs of the main window, its stop window, the
// message queue and the save dialog.
class CaptureHost {
public:
    virtual ~CaptureHost() = default;
    virtual DesktopInput& Desktop() = 0;
    virtual Prompt& Messages() = 0;
    virtual RecordListView& RecordList() = 0;
    virtual SystemFolders& Folders() = 0;

    virtual void HideMainWindow() = 0;
    // Shown, in front, not left topmost.
    virtual void BringBackMainWindow() = 0;
    // Made, placed bottom right and shown without activation.
    virtual void CreateStopWindow() = 0;
    virtual void DestroyStopWindow() = 0;
    // Waits for the next message of the thread and takes it; false when the
    // queue is told to quit.
    virtual bool GetNextMessage() = 0;
    virtual void DispatchTakenMessage() = 0;
    // The save-record dialog in new-record mode; true when it ended with OK.
    virtual bool RunSaveDialog(SaveRecordFields& fields) = 0;
};

// Refused, silently, while a recording or a repeat run is in progress: each
// would capture or inject the other's input.
void RunRecording(CaptureHost& host, const std::wstring& recordDirectory);
