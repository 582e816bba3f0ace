// Each figure is measured next to the plain operation it is compared with, in
// the same run, and the summary prints the ratio and the target for it. The
// figures are for reading, not for failing a build.
//
//   tavorin_bench [--brief] [--benchmark_* flags]
//
// --brief runs each benchmark once for a short while, for a quick check.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "capture/desktop_input.h"
#include "model/record_file.h"
#include "model/record_list.h"
#include "ui/prompt.h"

namespace {

constexpr int kAppendBatch = 10000;
constexpr size_t kLargeRecord = 1000000;

// Only Ticks matters: every call is one millisecond later.
class CountingDesktop : public DesktopInput {
public:
    void MouseEvent(uint32_t, int32_t, int32_t, int32_t) override {}
    void KeyEvent(uint8_t, uint8_t, uint32_t) override {}
    uint32_t ScanCodeOf(uint32_t) override { return 0; }
    void SetCursor(int32_t, int32_t) override {}
    DesktopPoint GetCursor() override { return {}; }
    int32_t ScreenWidth() override { return 1920; }
    int32_t ScreenHeight() override { return 1080; }
    bool ButtonsSwapped() override { return false; }
    DesktopRect WorkArea() override { return {0, 0, 1920, 1040}; }
    uint32_t Ticks() override { return ++m_ticks; }
    void SleepMs(uint32_t) override {}
    void PumpWaitingMessages() override {}
    bool RegisterHotkey(WindowHandle, int, uint32_t, uint32_t) override { return true; }
    void UnregisterHotkey(WindowHandle, int) override {}
    int KeyNameText(uint32_t, wchar_t* buffer, int size) override
    {
        if (size > 0) buffer[0] = L'\0';
        return 0;
    }
    bool InstallHook(InputHook, uint32_t*) override { return true; }
    void RemoveHook(InputHook) override {}

private:
    uint32_t m_ticks = 0;
};

class SilentPrompt : public Prompt {
public:
    PromptAnswer Show(const std::wstring&, PromptButtons, PromptIcon) override { return PromptAnswer::Ok; }
};

INPUTEVENT SampleEvent(size_t i)
{
    INPUTEVENT ev = {};
    ev.type = EV_MOUSEMOVE;
    ev.x = static_cast<uint16_t>(i % 1920);
    ev.y = static_cast<uint16_t>(i % 1080);
    ev.delay = 16;
    return ev;
}

const EventList& LargeRecord()
{
    static const EventList events = [] {
        EventList list(kLargeRecord);
        for (size_t i = 0; i < list.size(); ++i) list[i] = SampleEvent(i);
        return list;
    }();
    return events;
}

const std::vector<uint8_t>& LargeRecordBytes()
{
    static const std::vector<uint8_t> bytes = BuildRecordFile(L"", LargeRecord());
    return bytes;
}

std::filesystem::path TempRecordPath()
{
    return std::filesystem::temp_directory_path() / ("tavorin_bench_" + std::to_string(getpid()) + ".tvmc");
}

void RemoveTempRecord()
{
    std::error_code ignored;
    std::filesystem::path path = TempRecordPath();
    std::filesystem::remove(path, ignored);
    std::filesystem::remove(path.string() + ".tmp~", ignored);
}

void BM_AppendEvent(benchmark::State& state)
{
    CountingDesktop desktop;
    SetRecordingClock(&desktop);
    for (auto _ : state) {
        EventList().swap(g_recordList);
        for (int i = 0; i < kAppendBatch; ++i) AppendEvent(SampleEvent(i));
        benchmark::DoNotOptimize(g_recordList.data());
        benchmark::ClobberMemory();
    }
    SetRecordingClock(nullptr);
    EventList().swap(g_recordList);
    state.SetItemsProcessed(state.iterations() * kAppendBatch);
}
BENCHMARK(BM_AppendEvent)->UseRealTime();

void BM_VectorPushBack(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<INPUTEVENT> list;
        for (int i = 0; i < kAppendBatch; ++i) list.push_back(SampleEvent(i));
        benchmark::DoNotOptimize(list.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kAppendBatch);
}
BENCHMARK(BM_VectorPushBack)->UseRealTime();

void BM_SaveLoadRecord(benchmark::State& state)
{
    const EventList& events = LargeRecord();
    const std::wstring path = TempRecordPath().wstring();
    SilentPrompt prompt;
    for (auto _ : state) {
        if (!SaveRecordFile(prompt, path, L"", events)) {
            state.SkipWithError("SaveRecordFile failed");
            break;
        }
        std::wstring error, description;
        EventList loaded;
        if (!LoadRecordFile(&error, path, &description, &loaded) || loaded.size() != events.size()) {
            state.SkipWithError("LoadRecordFile failed");
            break;
        }
        benchmark::DoNotOptimize(loaded.data());
    }
    RemoveTempRecord();
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(LargeRecordBytes().size()));
}
BENCHMARK(BM_SaveLoadRecord)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_MemcpyRecord(benchmark::State& state)
{
    const std::vector<uint8_t>& bytes = LargeRecordBytes();
    std::vector<uint8_t> copy(bytes.size(), 1);  // touched, so no page faults are timed
    for (auto _ : state) {
        memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_MemcpyRecord)->UseRealTime()->Unit(benchmark::kMillisecond);

// Keeps the wall time of every plain run, summed over repetitions.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0) continue;
            Timing& t = m_timings[run.run_name.function_name];
            t.seconds += run.real_accumulated_time;
            t.iterations += static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Seconds per iteration, or a negative number when it did not run.
    double SecondsPerIteration(const std::string& name) const
    {
        auto it = m_timings.find(name);
        return it == m_timings.end() ? -1 : it->second.seconds / it->second.iterations;
    }

private:
    struct Timing {
        double seconds = 0;
        double iterations = 0;
    };
    std::map<std::string, Timing> m_timings;
};

void PrintSummary(const CollectingReporter& reporter)
{
    printf("\nSummary\n");
    double append = reporter.SecondsPerIteration("BM_AppendEvent");
    double pushBack = reporter.SecondsPerIteration("BM_VectorPushBack");
    if (append > 0 && pushBack > 0) {
        printf("  AppendEvent %.2f ns/event, vector push_back %.2f ns/event: ratio %.2f (target <= 3)\n",
               append / kAppendBatch * 1e9, pushBack / kAppendBatch * 1e9, append / pushBack);
    } else {
        printf("  AppendEvent vs push_back: not measured (target <= 3)\n");
    }
    double saveLoad = reporter.SecondsPerIteration("BM_SaveLoadRecord");
    double copy = reporter.SecondsPerIteration("BM_MemcpyRecord");
    double bytes = static_cast<double>(LargeRecordBytes().size());
    if (saveLoad > 0 && copy > 0) {
        printf("  Save+Load of %zu events (%.0f bytes) %.1f MB/s, memcpy %.1f MB/s: ratio %.3f (target >= 0.25)\n",
               kLargeRecord, bytes, bytes / saveLoad / 1e6, bytes / copy / 1e6, copy / saveLoad);
    } else {
        printf("  Save+Load vs memcpy: not measured (target >= 0.25)\n");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv, argv + argc);
    for (std::string& arg : args)
        if (arg == "--brief") arg = "--benchmark_min_time=0.01";
    std::vector<char*> pointers;
    for (std::string& arg : args) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    int count = static_cast<int>(args.size());

    benchmark::Initialize(&count, pointers.data());
    if (benchmark::ReportUnrecognizedArguments(count, pointers.data())) return 2;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    RemoveTempRecord();
    PrintSummary(reporter);
    return 0;
}
