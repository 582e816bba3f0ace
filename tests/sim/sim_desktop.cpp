#include "sim_desktop.h"

#include <cstdio>
#include <map>

namespace {

// MapVirtualKey and GetKeyNameText of a US English layout.
const std::map<uint32_t, uint32_t>& ScanCodes()
{
    static const std::map<uint32_t, uint32_t> table = [] {
        std::map<uint32_t, uint32_t> t = {
            {0x08, 0x0E}, {0x09, 0x0F}, {0x0D, 0x1C}, {0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38}, {0x1B, 0x01},
            {0x20, 0x39}, {0x21, 0x49}, {0x22, 0x51}, {0x23, 0x4F}, {0x24, 0x47}, {0x25, 0x4B}, {0x26, 0x48},
            {0x27, 0x4D}, {0x28, 0x50}, {0x2D, 0x52}, {0x2E, 0x53}, {0x5B, 0x5B}, {0x5C, 0x5C}, {0x5D, 0x5D},
            {0x6F, 0x35}, {0x90, 0x45}, {0xA0, 0x2A}, {0xA1, 0x36}, {0xA2, 0x1D}, {0xA3, 0x1D}, {0xA4, 0x38},
            {0xA5, 0x38},
        };
        const char* letters = "QWERTYUIOP";
        for (int i = 0; letters[i]; ++i) t[letters[i]] = 0x10 + i;
        letters = "ASDFGHJKL";
        for (int i = 0; letters[i]; ++i) t[letters[i]] = 0x1E + i;
        letters = "ZXCVBNM";
        for (int i = 0; letters[i]; ++i) t[letters[i]] = 0x2C + i;
        for (int i = 1; i <= 9; ++i) t['0' + i] = 0x01 + i;
        t['0'] = 0x0B;
        for (int i = 0; i < 10; ++i) t[0x70 + i] = 0x3B + i;  // F1-F10
        t[0x7A] = 0x57;
        t[0x7B] = 0x58;
        return t;
    }();
    return table;
}

std::map<uint32_t, std::wstring> DefaultKeyNames()
{
    std::map<uint32_t, std::wstring> names;
    auto name = [&](uint32_t scan, bool extended, const wchar_t* text) {
        names[scan << 16 | (extended ? 1u << 24 : 0)] = text;
    };
    name(0x01, false, L"Esc");
    name(0x0E, false, L"Backspace");
    name(0x0F, false, L"Tab");
    name(0x1C, false, L"Enter");
    name(0x1D, false, L"Ctrl");
    name(0x2A, false, L"Shift");
    name(0x36, false, L"Right Shift");
    name(0x38, false, L"Alt");
    name(0x39, false, L"Space");
    name(0x45, false, L"Pause");
    const wchar_t* numpad[] = {L"Num 7", L"Num 8", L"Num 9", L"Num -", L"Num 4", L"Num 5", L"Num 6",
                               L"Num +", L"Num 1", L"Num 2", L"Num 3", L"Num 0", L"Num Del"};
    for (uint32_t i = 0; i < 13; ++i) name(0x47 + i, false, numpad[i]);
    name(0x1C, true, L"Num Enter");
    name(0x1D, true, L"Right Ctrl");
    name(0x35, true, L"Num /");
    name(0x38, true, L"Right Alt");
    name(0x45, true, L"Num Lock");
    name(0x47, true, L"Home");
    name(0x48, true, L"Up");
    name(0x49, true, L"Page Up");
    name(0x4B, true, L"Left");
    name(0x4D, true, L"Right");
    name(0x4F, true, L"End");
    name(0x50, true, L"Down");
    name(0x51, true, L"Page Down");
    name(0x52, true, L"Insert");
    name(0x53, true, L"Delete");
    for (const auto& entry : ScanCodes()) {
        uint32_t vk = entry.first;
        if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) names[entry.second << 16] = std::wstring(1, wchar_t(vk));
        if (vk >= 0x70 && vk <= 0x7B) {
            wchar_t text[8];
            swprintf(text, 8, L"F%u", vk - 0x6F);
            names[entry.second << 16] = text;
        }
    }
    return names;
}

std::string Line(const char* format, long long a = 0, long long b = 0, long long c = 0, long long d = 0)
{
    char buffer[96];
    snprintf(buffer, sizeof(buffer), format, a, b, c, d);
    return buffer;
}

}  // namespace

SimDesktop::SimDesktop() : keyNames(DefaultKeyNames()) {}

void SimDesktop::MouseEvent(uint32_t flags, int32_t dx, int32_t dy, int32_t data)
{
    calls.push_back(Line("mouse %llX %lld %lld %lld", flags, dx, dy, data));
    if (flags & kMouseMove) {
        if (flags & kMouseAbsolute) {
            // As the system decodes absolute moves.
            cursor.x = static_cast<int32_t>((static_cast<int64_t>(dx) * screenWidth) >> 16);
            cursor.y = static_cast<int32_t>((static_cast<int64_t>(dy) * screenHeight) >> 16);
        } else {
            cursor.x += dx;
            cursor.y += dy;
        }
    }
}

void SimDesktop::KeyEvent(uint8_t vk, uint8_t scan, uint32_t flags)
{
    calls.push_back(Line("key %llX %llX %llX", vk, scan, flags));
}

uint32_t SimDesktop::ScanCodeOf(uint32_t vk)
{
    auto found = ScanCodes().find(vk);
    return found == ScanCodes().end() ? 0 : found->second;
}

void SimDesktop::SetCursor(int32_t x, int32_t y)
{
    calls.push_back(Line("cursor %lld %lld", x, y));
    cursor = {x, y};
}

DesktopPoint SimDesktop::GetCursor()
{
    return cursor;
}

uint32_t SimDesktop::Ticks()
{
    uint32_t tick = now;
    if (logTicks) calls.push_back(Line("ticks %lld", tick));
    if (ticksPerRead) AdvanceClock(ticksPerRead);
    return tick;
}

void SimDesktop::SleepMs(uint32_t ms)
{
    calls.push_back(Line("sleep %lld", ms));
    AdvanceClock(ms);
}

void SimDesktop::AdvanceClock(uint32_t ms)
{
    now += ms;
    RunDueActions();
}

void SimDesktop::PumpWaitingMessages()
{
    if (logPumps) calls.push_back("pump");
    RunDueActions();
    std::vector<int> pending;
    pending.swap(m_pendingHotkeys);
    for (int id : pending) {
        for (const Registration& r : m_registered) {
            if (r.id == id && onHotkey) {
                onHotkey(r.window, id);
                break;
            }
        }
    }
    if (onPump) onPump();
}

void SimDesktop::SetPreciseTiming(bool on)
{
    calls.push_back(on ? "precise timing on" : "precise timing off");
}

bool SimDesktop::RegisterHotkey(WindowHandle window, int id, uint32_t modifiers, uint32_t vk)
{
    bool taken = takenHotkeys.count({modifiers, vk}) != 0;
    for (const Registration& r : m_registered)
        if (r.modifiers == modifiers && r.vk == vk) taken = true;
    calls.push_back(Line(taken ? "register %lld %llX %llX taken" : "register %lld %llX %llX", id, modifiers, vk));
    if (taken) return false;
    m_registered.push_back({window, id, modifiers, vk});
    return true;
}

void SimDesktop::UnregisterHotkey(WindowHandle window, int id)
{
    calls.push_back(Line("unregister %lld", id));
    for (size_t i = 0; i < m_registered.size(); ++i) {
        if (m_registered[i].window == window && m_registered[i].id == id) {
            m_registered.erase(m_registered.begin() + i);
            return;
        }
    }
}

int SimDesktop::KeyNameText(uint32_t keyParam, wchar_t* buffer, int size)
{
    auto found = keyNames.find(keyParam);
    std::wstring name = found == keyNames.end() ? std::wstring() : found->second;
    if (size <= 0) return 0;
    size_t n = name.size() < static_cast<size_t>(size) ? name.size() : static_cast<size_t>(size) - 1;
    name.copy(buffer, n);
    buffer[n] = L'\0';
    return static_cast<int>(n);
}

bool SimDesktop::InstallHook(InputHook hook, uint32_t* error)
{
    bool mouse = hook == InputHook::Mouse;
    uint32_t failure = mouse ? mouseHookError : keyboardHookError;
    calls.push_back(std::string(mouse ? "hook mouse" : "hook keyboard") + (failure ? " failed" : ""));
    if (failure) {
        if (error) *error = failure;
        return false;
    }
    (mouse ? mouseHookInstalled : keyboardHookInstalled) = true;
    return true;
}

void SimDesktop::RemoveHook(InputHook hook)
{
    bool mouse = hook == InputHook::Mouse;
    calls.push_back(mouse ? "unhook mouse" : "unhook keyboard");
    (mouse ? mouseHookInstalled : keyboardHookInstalled) = false;
}

void SimDesktop::At(uint32_t tick, std::function<void()> action)
{
    m_script.emplace(tick, std::move(action));
}

void SimDesktop::MoveCursorAt(uint32_t tick, int32_t x, int32_t y)
{
    At(tick, [this, x, y] { cursor = {x, y}; });
}

void SimDesktop::PressHotkeyAt(uint32_t tick, int id)
{
    At(tick, [this, id] { m_pendingHotkeys.push_back(id); });
}

void SimDesktop::RunDueActions()
{
    // An action may script further actions; take them one at a time.
    while (!m_script.empty() && m_script.begin()->first <= now) {
        std::function<void()> action = std::move(m_script.begin()->second);
        m_script.erase(m_script.begin());
        action();
    }
}

std::vector<std::string> SimDesktop::Injected() const
{
    std::vector<std::string> result;
    for (const std::string& call : calls)
        if (call.compare(0, 6, "mouse ") == 0 || call.compare(0, 4, "key ") == 0 || call.compare(0, 7, "cursor ") == 0)
            result.push_back(call);
    return result;
}

bool SimDesktop::IsRegistered(WindowHandle window, int id) const
{
    for (const Registration& r : m_registered)
        if (r.window == window && r.id == id) return true;
    return false;
}
