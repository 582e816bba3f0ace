#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "base/files.h"
#include "capture/capture_engine.h"
#include "library/record_library.h"
#include "model/record_file.h"
#include "model/record_list.h"
#include "playback/repeat_run.h"
#include "playback/run_state.h"
#include "sim_desktop.h"
#include "sim_prompt.h"
#include "sim_record_list.h"
#include "sim_system_folders.h"
#include "temp_folder.h"

namespace {

// The main window, stop window and message queue of a recording, in memory.
// Each message the loop takes costs `messageMs` and may carry user input.
class SimCaptureHost : public CaptureHost {
public:
    DesktopInput& Desktop() override { return desktop; }
    Prompt& Messages() override { return prompt; }
    RecordListView& RecordList() override { return list; }
    SystemFolders& Folders() override { return folders; }
    void HideMainWindow() override { log.push_back("hide"); }
    void BringBackMainWindow() override { log.push_back("main back"); }
    void CreateStopWindow() override { log.push_back("stop window"); }
    void DestroyStopWindow() override { log.push_back("stop window gone"); }
    bool GetNextMessage() override
    {
        if (++taken > 1000) return false;  // the queue is told to quit
        desktop.AdvanceClock(messageMs);
        if (!messages.empty()) {
            messages.front()();
            messages.pop_front();
        }
        return true;
    }
    void DispatchTakenMessage() override { ++dispatched; }
    bool RunSaveDialog(SaveRecordFields& fields) override
    {
        offered = fields.name;
        if (!save) return false;
        fields.name = saveAs;
        fields.description = L"made here";
        return true;
    }

    // The hooks see input while the loop waits for a message.
    void InputArrives(uint16_t type)
    {
        messages.push_back([type] { AppendEvent(INPUTEVENT{type, 1, 2, 0, 0}); });
    }
    void StopArrives()
    {
        messages.push_back([] { g_bStop = true; });
    }

    SimDesktop desktop;
    SimPrompt prompt;
    SimRecordList list;
    SimSystemFolders folders;
    std::deque<std::function<void()>> messages;
    uint32_t messageMs = 1000;
    int taken = 0;
    int dispatched = 0;
    bool save = true;
    std::wstring saveAs = L"mine";
    std::wstring offered;
    std::vector<std::string> log;
};

class CaptureEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_bRecording = g_bRepeating = false;
        g_bStop = false;
        g_recordList.clear();
    }
    void TearDown() override
    {
        SetRecordingClock(nullptr);
        g_recordList.clear();
    }
    TempFolder folder;
    SimCaptureHost host;
};

TEST_F(CaptureEngineTest, DefaultNamesSkipRecordsInUse)
{
    SimPrompt prompt;
    EXPECT_EQ(DefaultRecordName(0, folder.Path()), L"NewRecord1");
    SaveRecordFile(prompt, folder.File(L"NewRecord3.tvmc"), L"", {});
    SaveRecordFile(prompt, folder.File(L"NewRecord4.tvmc"), L"", {});
    EXPECT_EQ(DefaultRecordName(2, folder.Path()), L"NewRecord5");
    EXPECT_EQ(DefaultRecordName(4, folder.Path()), L"NewRecord5");
    EXPECT_EQ(DefaultRecordName(5, folder.Path()), L"NewRecord6");
}

TEST_F(CaptureEngineTest, RecordsUntilStoppedAndSaves)
{
    host.InputArrives(EV_MOUSEMOVE);
    host.InputArrives(EV_LBUTTONDOWN);
    host.InputArrives(EV_LBUTTONUP);
    host.StopArrives();
    RunRecording(host, folder.Path());
    EXPECT_EQ(host.log, (std::vector<std::string>{"hide", "stop window", "stop window gone", "main back"}));
    EXPECT_EQ(host.desktop.calls,
              (std::vector<std::string>{"hook mouse", "hook keyboard", "unhook mouse", "unhook keyboard"}));
    EXPECT_EQ(host.dispatched, 3) << "the message that brought the stop is not dispatched";
    EXPECT_EQ(host.offered, L"NewRecord1");
    std::wstring error, description;
    EventList events;
    ASSERT_TRUE(LoadRecordFile(&error, folder.File(L"mine.tvmc"), &description, &events));
    EXPECT_EQ(description, L"made here");
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].delay, 1000u);
    EXPECT_EQ(events[2].type, EV_LBUTTONUP) << "the stop gesture stays in the record";
    EXPECT_EQ(events[2].delay, 0u);
    EXPECT_EQ(host.list.rows.back().first, L"mine");
    EXPECT_EQ(host.list.selected, 0);
    EXPECT_FALSE(g_bRecording);
}

TEST_F(CaptureEngineTest, NoInputForFiveSecondsDropsTheRecording)
{
    host.messageMs = 600;  // the stop window's timer, say
    RunRecording(host, folder.Path());
    EXPECT_EQ(host.taken, 9) << "the first message past 5000 ms ends it";
    EXPECT_TRUE(host.offered.empty()) << "nothing is offered for saving";
    EXPECT_EQ(host.log.back(), "main back");
    EXPECT_TRUE(host.prompt.shown.empty());
}

TEST_F(CaptureEngineTest, OneEventKeepsTheRecordingGoingThroughLongPauses)
{
    host.InputArrives(EV_KEYDOWN);
    for (int i = 0; i < 20; ++i) host.messages.push_back([] {});
    host.StopArrives();
    RunRecording(host, folder.Path());
    EXPECT_EQ(host.offered, L"NewRecord1") << "20 s of quiet after an event do not end it";
}

TEST_F(CaptureEngineTest, HookFailureIsToldAndUndone)
{
    const struct {
        uint32_t mouseError, keyboardError;
        const wchar_t* message;
        std::vector<std::string> calls;
    } cases[] = {
        {0, 0x57, L"Create Recorder failed, error 0x57.", {"hook mouse", "hook keyboard failed", "unhook mouse"}},
        {0x5AF, 0, L"Create Recorder failed, error 0x5AF.", {"hook mouse failed", "hook keyboard", "unhook keyboard"}},
    };
    for (const auto& c : cases) {
        SimCaptureHost h;
        h.desktop.mouseHookError = c.mouseError;
        h.desktop.keyboardHookError = c.keyboardError;
        RunRecording(h, folder.Path());
        EXPECT_EQ(h.prompt.shown, std::vector<std::wstring>{c.message});
        EXPECT_EQ(h.desktop.calls, c.calls);
        EXPECT_EQ(h.log, (std::vector<std::string>{"hide", "main back"}));
        EXPECT_FALSE(g_bRecording);
    }
}

TEST_F(CaptureEngineTest, RefusedWhileRecordingOrRepeating)
{
    g_bRepeating = true;
    RunRecording(host, folder.Path());
    g_bRepeating = false;
    g_bRecording = true;
    RunRecording(host, folder.Path());
    g_bRecording = false;
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(host.desktop.calls.empty());
}

TEST_F(CaptureEngineTest, CancelledSaveKeepsTheEventsOnly)
{
    host.save = false;
    host.InputArrives(EV_KEYDOWN);
    host.StopArrives();
    RunRecording(host, folder.Path());
    EXPECT_EQ(g_recordList.size(), 1u);
    EXPECT_TRUE(host.list.rows.empty());
    EXPECT_FALSE(PathExists(folder.File(L"mine.tvmc")));
}

TEST_F(CaptureEngineTest, SavingCreatesTheRecordDirectory)
{
    host.InputArrives(EV_KEYDOWN);
    host.StopArrives();
    std::wstring directory = JoinPath(folder.Path(), L"Records");
    RunRecording(host, directory);
    EXPECT_EQ(host.folders.made.back(), directory);
}

}  // namespace
