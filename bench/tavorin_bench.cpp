// Each figure is measured next to the plain operation it is compared with, in
// the same run, and the summary prints the ratio and the target for it. The
// figures are for reading, not for failing a build.
//
//   tavorin_bench [--brief] [--benchmark_* flags]
//
// --brief runs each benchmark once for a short while, for a quick check.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "capture/desktop_input.h"
#include "model/record_file.h"
#include "model/record_list.h"
#include "ui/prompt.h"

namespace {

constexpr int kWarmBatch = 1000;
constexpr int kGrowingBatch = 100000;
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
    void SetPreciseTiming(bool) override {}
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

// Made beforehand, so that the timed loops measure only the appending.
const EventList& SampleEvents()
{
    static const EventList events = [] {
        EventList list(kGrowingBatch);
        for (size_t i = 0; i < list.size(); ++i) list[i] = SampleEvent(i);
        return list;
    }();
    return events;
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

// Page faults so far: tells whether a figure includes the system handing out
// fresh memory, which the allocator may or may not ask it for.
double MinorFaults()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_minflt);
}

// The argument is the events appended to a fresh list per iteration: 1000
// stay in warm memory, 100000 grow into memory the system has to supply, as
// a long recording does.
void BM_AppendEvent(benchmark::State& state)
{
    const int batch = static_cast<int>(state.range(0));
    const INPUTEVENT* samples = SampleEvents().data();
    CountingDesktop desktop;
    SetRecordingClock(&desktop);
    for (auto _ : state) {
        EventList().swap(g_recordList);
        for (int i = 0; i < batch; ++i) AppendEvent(samples[i]);
        benchmark::DoNotOptimize(g_recordList.data());
        benchmark::ClobberMemory();
    }
    SetRecordingClock(nullptr);
    EventList().swap(g_recordList);
    state.SetItemsProcessed(state.iterations() * batch);
}

void BM_VectorPushBack(benchmark::State& state)
{
    const int batch = static_cast<int>(state.range(0));
    const INPUTEVENT* samples = SampleEvents().data();
    for (auto _ : state) {
        std::vector<INPUTEVENT> list;
        for (int i = 0; i < batch; ++i) list.push_back(samples[i]);
        benchmark::DoNotOptimize(list.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * batch);
}
// The warm pair runs first: the growing runs leave the heap in another state.
BENCHMARK(BM_AppendEvent)->Arg(kWarmBatch)->UseRealTime();
BENCHMARK(BM_VectorPushBack)->Arg(kWarmBatch)->UseRealTime();
BENCHMARK(BM_AppendEvent)->Arg(kGrowingBatch)->UseRealTime();
BENCHMARK(BM_VectorPushBack)->Arg(kGrowingBatch)->UseRealTime();

// Save and load each get their own clock too, to tell which of them costs.
void BM_SaveLoadRecord(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const EventList& events = LargeRecord();
    const std::wstring path = TempRecordPath().wstring();
    SilentPrompt prompt;
    Clock::duration saving{}, loading{};
    const double faults = MinorFaults();
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        if (!SaveRecordFile(prompt, path, L"", events)) {
            state.SkipWithError("SaveRecordFile failed");
            break;
        }
        Clock::time_point saved = Clock::now();
        std::wstring error, description;
        EventList loaded;
        if (!LoadRecordFile(&error, path, &description, &loaded) || loaded.size() != events.size()) {
            state.SkipWithError("LoadRecordFile failed");
            break;
        }
        benchmark::DoNotOptimize(loaded.data());
        loading += Clock::now() - saved;
        saving += saved - start;
    }
    state.counters["faults"] = benchmark::Counter(MinorFaults() - faults, benchmark::Counter::kAvgIterations);
    RemoveTempRecord();
    using Ms = std::chrono::duration<double, std::milli>;
    state.counters["save_ms"] = benchmark::Counter(Ms(saving).count(), benchmark::Counter::kAvgIterations);
    state.counters["load_ms"] = benchmark::Counter(Ms(loading).count(), benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(LargeRecordBytes().size()));
}
BENCHMARK(BM_SaveLoadRecord)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_MemcpyRecord(benchmark::State& state)
{
    const std::vector<uint8_t>& bytes = LargeRecordBytes();
    std::vector<uint8_t> copy(bytes.size(), 1);  // touched, so no page faults are timed
    const double faults = MinorFaults();
    for (auto _ : state) {
        memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.counters["faults"] = benchmark::Counter(MinorFaults() - faults, benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_MemcpyRecord)->UseRealTime()->Unit(benchmark::kMillisecond);

// A second baseline: memcpy into a block allocated afresh each time, as the
// loader allocates its list, so it pays whatever that allocation costs.
void BM_MemcpyFreshRecord(benchmark::State& state)
{
    const std::vector<uint8_t>& bytes = LargeRecordBytes();
    const double faults = MinorFaults();
    for (auto _ : state) {
        std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.size()]);
        memcpy(copy.get(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(copy.get());
        benchmark::ClobberMemory();
    }
    state.counters["faults"] = benchmark::Counter(MinorFaults() - faults, benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_MemcpyFreshRecord)->UseRealTime()->Unit(benchmark::kMillisecond);

// Keeps the wall time of every plain run, summed over repetitions, and the
// counters of the last one.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    CollectingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0) continue;
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
            Timing& t = m_timings[name];
            t.seconds += run.real_accumulated_time;
            t.iterations += static_cast<double>(run.iterations);
            for (const auto& counter : run.counters) t.counters[counter.first] = counter.second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Seconds per iteration, or a negative number when it did not run.
    double SecondsPerIteration(const std::string& name) const
    {
        auto it = m_timings.find(name);
        return it == m_timings.end() ? -1 : it->second.seconds / it->second.iterations;
    }

    double CounterOf(const std::string& name, const std::string& counter) const
    {
        auto it = m_timings.find(name);
        if (it == m_timings.end()) return -1;
        auto found = it->second.counters.find(counter);
        return found == it->second.counters.end() ? -1 : found->second;
    }

private:
    struct Timing {
        double seconds = 0;
        double iterations = 0;
        std::map<std::string, double> counters;
    };
    std::map<std::string, Timing> m_timings;
};

void PrintAppendRatio(const CollectingReporter& reporter, int batch, const char* what)
{
    const std::string arg = "/" + std::to_string(batch);
    double append = reporter.SecondsPerIteration("BM_AppendEvent" + arg);
    double pushBack = reporter.SecondsPerIteration("BM_VectorPushBack" + arg);
    if (append > 0 && pushBack > 0) {
        printf("  AppendEvent / push_back, %s (%d events): %.2f ns / %.2f ns per event = %.2f (target <= 3)\n", what,
               batch, append / batch * 1e9, pushBack / batch * 1e9, append / pushBack);
    } else {
        printf("  AppendEvent / push_back, %s (%d events): not measured (target <= 3)\n", what, batch);
    }
}

void PrintSummary(const CollectingReporter& reporter)
{
    printf("\nSummary\n");
    PrintAppendRatio(reporter, kWarmBatch, "warm list");
    PrintAppendRatio(reporter, kGrowingBatch, "growing list");

    double saveLoad = reporter.SecondsPerIteration("BM_SaveLoadRecord");
    double copy = reporter.SecondsPerIteration("BM_MemcpyRecord");
    double freshCopy = reporter.SecondsPerIteration("BM_MemcpyFreshRecord");
    double bytes = static_cast<double>(LargeRecordBytes().size());
    if (saveLoad > 0 && copy > 0) {
        printf("  Save+Load / memcpy throughput, %zu events (%.0f bytes): %.1f MB/s / %.1f MB/s = %.4f "
               "(target >= 0.25)\n",
               kLargeRecord, bytes, bytes / saveLoad / 1e6, bytes / copy / 1e6, copy / saveLoad);
        if (freshCopy > 0) {
            printf("  Save+Load / memcpy into a fresh block (second baseline): %.1f MB/s / %.1f MB/s = %.4f "
                   "(%.3f ms a copy)\n",
                   bytes / saveLoad / 1e6, bytes / freshCopy / 1e6, freshCopy / saveLoad, freshCopy * 1e3);
        }
        double saveMs = reporter.CounterOf("BM_SaveLoadRecord", "save_ms");
        double loadMs = reporter.CounterOf("BM_SaveLoadRecord", "load_ms");
        printf("    per round: save %.2f ms (%.1f MB/s), load %.2f ms (%.1f MB/s), memcpy %.3f ms\n", saveMs,
               bytes / saveMs / 1e3, loadMs, bytes / loadMs / 1e3, copy * 1e3);
        printf("    page faults per round: save+load %.0f, memcpy %.0f, fresh memcpy %.0f\n",
               reporter.CounterOf("BM_SaveLoadRecord", "faults"), reporter.CounterOf("BM_MemcpyRecord", "faults"),
               reporter.CounterOf("BM_MemcpyFreshRecord", "faults"));
    } else {
        printf("  Save+Load / memcpy throughput, %zu events: not measured (target >= 0.25)\n", kLargeRecord);
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
