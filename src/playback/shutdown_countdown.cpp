#include "playback/shutdown_countdown.h"

#include "base/text.h"

std::wstring CountdownText(int secondsLeft)
{
    return Format(L"%d seconds", secondsLeft);
}

void ShutdownCountdown::Start()
{
    m_nSecondsLeft = kShutdownCountdownSeconds;
    m_bCounting = true;
    m_view.ShowCountdown(CountdownText(m_nSecondsLeft));
}

void ShutdownCountdown::OnTick()
{
    // A tick already queued when the timer was stopped.
    if (!m_bCounting) return;
    --m_nSecondsLeft;
    if (m_nSecondsLeft > 0) {
        m_view.ShowCountdown(CountdownText(m_nSecondsLeft));
        return;
    }
    RequestShutdown();
}

void ShutdownCountdown::ShutdownNow()
{
    RequestShutdown();
}

void ShutdownCountdown::RequestShutdown()
{
    m_bCounting = false;
    m_view.StopTimer();
    m_view.ShowCountdown(L"Shutting down...");
    // A refused request leaves the window open at this text until Cancel.
    if (m_port.ShutdownComputer()) m_view.EndShuttingDown();
}
