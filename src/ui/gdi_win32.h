// GDI handles with their lifetime in the type: owned ones are move-only and
// delete on destruction, borrowed ones never delete. Declare an owned object
// before the guard that selects it, so it is deselected before it is deleted.
#pragma once

#include <windows.h>

struct GdiObjectDeleter {
    static void Free(HGDIOBJ handle) { DeleteObject(handle); }
};
struct IconDeleter {
    static void Free(HICON handle) { DestroyIcon(handle); }
};

template <class Handle>
class BorrowedHandle {
public:
    BorrowedHandle() = default;
    explicit BorrowedHandle(Handle handle) : m_handle(handle) {}
    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    Handle m_handle = nullptr;
};

template <class Handle, class Deleter>
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : m_handle(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : m_handle(other.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept
    {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Reset(); }

    Handle Get() const { return m_handle; }
    BorrowedHandle<Handle> Borrow() const { return BorrowedHandle<Handle>(m_handle); }
    explicit operator bool() const { return m_handle != nullptr; }
    // Gives up ownership without deleting.
    Handle Release()
    {
        Handle handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    void Reset(Handle handle = nullptr)
    {
        if (m_handle && m_handle != handle) Deleter::Free(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

using OwnedBrush = OwnedHandle<HBRUSH, GdiObjectDeleter>;
using OwnedPen = OwnedHandle<HPEN, GdiObjectDeleter>;
using OwnedFont = OwnedHandle<HFONT, GdiObjectDeleter>;
using OwnedBitmap = OwnedHandle<HBITMAP, GdiObjectDeleter>;
using OwnedRegion = OwnedHandle<HRGN, GdiObjectDeleter>;
using OwnedIcon = OwnedHandle<HICON, IconDeleter>;

using BorrowedBrush = BorrowedHandle<HBRUSH>;
using BorrowedPen = BorrowedHandle<HPEN>;
using BorrowedFont = BorrowedHandle<HFONT>;
using BorrowedBitmap = BorrowedHandle<HBITMAP>;
using BorrowedRegion = BorrowedHandle<HRGN>;
using BorrowedIcon = BorrowedHandle<HICON>;

// Selects an object into a DC and puts the previous one back. Regions are
// refused (SelectObject returns a complexity for them): use SelectClipRgn.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object);
    SelectGuard(HDC dc, HRGN region) = delete;
    template <class Handle, class Deleter>
    SelectGuard(HDC dc, const OwnedHandle<Handle, Deleter>& object) : SelectGuard(dc, object.Get())
    {
    }
    template <class Handle>
    SelectGuard(HDC dc, BorrowedHandle<Handle> object) : SelectGuard(dc, object.Get())
    {
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard()
    {
        if (m_old) SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// SaveDC now, RestoreDC at the end of the scope.
class SaveDcGuard {
public:
    explicit SaveDcGuard(HDC dc) : m_dc(dc), m_state(SaveDC(dc)) {}
    SaveDcGuard(const SaveDcGuard&) = delete;
    SaveDcGuard& operator=(const SaveDcGuard&) = delete;
    ~SaveDcGuard()
    {
        if (m_state) RestoreDC(m_dc, m_state);
    }

private:
    HDC m_dc;
    int m_state;
};

// BeginPaint and EndPaint, for WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : m_window(window), m_dc(BeginPaint(window, &m_paint)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(m_window, &m_paint); }

    HDC Get() const { return m_dc; }
    const RECT& Dirty() const { return m_paint.rcPaint; }
    bool EraseBackground() const { return m_paint.fErase != FALSE; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint = {};
    HDC m_dc;
};

// Draws off-screen in the target's coordinates and copies `area` to the
// target at the end of the scope. Without memory for the buffer, Get() is the
// target itself, so drawing still happens, unbuffered.
class MemoryDC {
public:
    MemoryDC(HDC target, const RECT& area);
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC();

    HDC Get() const { return m_dc ? m_dc : m_target; }
    bool IsBuffered() const { return m_dc != nullptr; }
    // Leaves the target untouched at the end.
    void Discard() { m_discard = true; }

private:
    HDC m_target;
    RECT m_area;
    HDC m_dc = nullptr;
    OwnedBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    bool m_discard = false;
};

// A solid brush of this colour, made on first use and kept for the life of
// the process: the caller must not delete it.
BorrowedBrush SolidBrushFor(COLORREF color);
