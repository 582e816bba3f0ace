#include "driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdint>

namespace {

std::wstring FolderOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

// Memory in another process for messages that carry pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size) : m_size(size)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (m_process) m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process) CloseHandle(m_process);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    void* Address() const { return m_address; }
    bool Write(const void* data, size_t size, size_t offset = 0)
    {
        return m_address && WriteProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, nullptr);
    }
    bool Read(void* data, size_t size, size_t offset = 0)
    {
        return m_address && ReadProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, nullptr);
    }

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    size_t m_size;
};

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    PutU32(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutU32(out, Crc32(body.data(), body.size()));
}

// An RGB picture as PNG, its deflate stream made of stored blocks.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgbRows)
{
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutU32(header, static_cast<uint32_t>(width));
    PutU32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(png, "IHDR", header);

    std::vector<uint8_t> z = {0x78, 0x01};
    size_t at = 0;
    uint32_t a = 1, b = 0;
    for (uint8_t byte : rgbRows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    do {
        size_t n = rgbRows.size() - at < 65535 ? rgbRows.size() - at : 65535;
        bool last = at + n == rgbRows.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), rgbRows.begin() + at, rgbRows.begin() + at + n);
        at += n;
    } while (at < rgbRows.size());
    PutU32(z, (b << 16) | a);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return FolderOf(path);
}

std::wstring ScreenshotFolder()
{
    std::wstring folder = FolderOf(ProgramFolder()) + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void PumpOwnMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool WaitFor(const std::function<bool()>& done, DWORD ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        PumpOwnMessages();
        if (done()) return true;
        if (GetTickCount() - start >= ms) return false;
        Sleep(20);
    }
}

ProgramProcess::~ProgramProcess()
{
    Kill();
}

bool ProgramProcess::Start(const std::wstring& arguments)
{
    std::wstring exe = ProgramFolder() + L"\\tavorin.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    return CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &m_info) != 0;
}

bool ProgramProcess::WaitForExit(DWORD ms, DWORD* exitCode)
{
    if (!m_info.hProcess || WaitForSingleObject(m_info.hProcess, ms) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}

void ProgramProcess::Kill()
{
    if (!m_info.hProcess) return;
    if (WaitForSingleObject(m_info.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hProcess);
    CloseHandle(m_info.hThread);
    m_info = PROCESS_INFORMATION();
}

HWND FindMainWindow(DWORD ms)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            found = FindWindowW(L"BrenlowTavorin_4IRIOE24D", nullptr);
            return found && IsWindowVisible(found);
        },
        ms);
    return found && IsWindowVisible(found) ? found : nullptr;
}

HWND FindDialog(DWORD processId, const std::wstring& caption, DWORD ms, bool visibleOnly)
{
    struct Search {
        DWORD processId;
        const std::wstring* caption;
        bool visibleOnly;
        HWND found;
    } search = {processId, &caption, visibleOnly, nullptr};
    WaitFor(
        [&] {
            search.found = nullptr;
            EnumWindows(
                [](HWND window, LPARAM param) -> BOOL {
                    Search* s = reinterpret_cast<Search*>(param);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    wchar_t className[64] = {};
                    GetClassNameW(window, className, 64);
                    if (owner != s->processId || (s->visibleOnly && !IsWindowVisible(window)) ||
                        std::wstring(className) != L"#32770" ||
                        WindowText(window) != *s->caption)
                        return TRUE;
                    s->found = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        ms);
    return search.found;
}

HWND FindDescendant(HWND parent, const std::wstring& className, DWORD ms)
{
    struct Search {
        const std::wstring* className;
        HWND found;
    } search = {&className, nullptr};
    WaitFor(
        [&] {
            EnumChildWindows(
                parent,
                [](HWND window, LPARAM param) -> BOOL {
                    Search* s = reinterpret_cast<Search*>(param);
                    wchar_t name[64] = {};
                    GetClassNameW(window, name, 64);
                    if (_wcsicmp(name, s->className->c_str()) != 0) return TRUE;
                    s->found = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        ms);
    return search.found;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[1024] = {};
    // WM_GETTEXT is carried across processes by the system.
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ItemText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

int ListRowCount(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ListText(HWND list, int row, int column)
{
    const size_t chars = 1024;
    RemoteBuffer buffer(list, sizeof(LVITEMW) + chars * sizeof(wchar_t));
    LVITEMW item = {};
    item.iSubItem = column;
    item.cchTextMax = chars;
    item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(buffer.Address()) + sizeof(LVITEMW));
    buffer.Write(&item, sizeof(item));
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(buffer.Address()));
    wchar_t text[chars] = {};
    buffer.Read(text, sizeof(text) - sizeof(wchar_t), sizeof(LVITEMW));
    return text;
}

int ListSelectedRow(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListSelectRow(HWND list, int row)
{
    RemoteBuffer buffer(list, sizeof(LVITEMW));
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Clear every row, then select the one asked for.
    item.state = 0;
    buffer.Write(&item, sizeof(item));
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer.Address()));
    if (row < 0) return;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.Write(&item, sizeof(item));
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(buffer.Address()));
}

std::wstring SaveScreenshot(HWND window, const std::wstring& name)
{
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    // Let the window finish painting before the picture is taken.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    std::vector<uint8_t> rows;
    rows.reserve(static_cast<size_t>(height) * (1 + 3 * width));
    const uint8_t* pixels = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);  // no filter
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = pixels + (static_cast<size_t>(y) * width + x) * 4;
            rows.insert(rows.end(), {p[2], p[1], p[0]});
        }
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    std::vector<uint8_t> png = EncodePng(width, height, rows);
    std::wstring path = ScreenshotFolder() + L"\\" + name + L".png";
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file) {
        fwrite(png.data(), 1, png.size(), file);
        fclose(file);
    }
    return path;
}
