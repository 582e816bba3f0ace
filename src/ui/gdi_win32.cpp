#include "ui/gdi_win32.h"

#include <utility>
#include <vector>

#include "base/lock.h"

SelectGuard::SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? SelectObject(dc, object) : nullptr)
{
    if (m_old == HGDI_ERROR) m_old = nullptr;
}

MemoryDC::MemoryDC(HDC target, const RECT& area) : m_target(target), m_area(area)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    m_bitmap.Reset(CreateCompatibleBitmap(target, width, height));
    if (!m_bitmap) return;
    m_dc = CreateCompatibleDC(target);
    if (!m_dc) return;
    m_oldBitmap = SelectObject(m_dc, m_bitmap.Get());
    // The buffer's pixel (0, 0) is the area's top left in target coordinates.
    SetViewportOrgEx(m_dc, -area.left, -area.top, nullptr);
}

MemoryDC::~MemoryDC()
{
    if (!m_dc) return;
    if (!m_discard)
        BitBlt(m_target, m_area.left, m_area.top, m_area.right - m_area.left, m_area.bottom - m_area.top, m_dc,
               m_area.left, m_area.top, SRCCOPY);
    SelectObject(m_dc, m_oldBitmap);
    DeleteDC(m_dc);
}

BorrowedBrush SolidBrushFor(COLORREF color)
{
    // Deliberately never freed: these brushes live as long as the process.
    static Lock lock;
    static std::vector<std::pair<COLORREF, HBRUSH>>* brushes = new std::vector<std::pair<COLORREF, HBRUSH>>();
    LockGuard guard(lock);
    for (const auto& entry : *brushes)
        if (entry.first == color) return BorrowedBrush(entry.second);
    HBRUSH brush = CreateSolidBrush(color);
    if (brush) brushes->emplace_back(color, brush);
    return BorrowedBrush(brush);
}
