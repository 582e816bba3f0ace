// The countdown before the computer is shut down at the end of a run, and the
// port through which it asks for the shutdown.
#pragma once

#include <string>

// Asks the system to shut down. Tests must use a fake: the real request ends
// every program of the session, the test harness included.
class ShutdownPort {
public:
    virtual ~ShutdownPort() = default;
    // True when the system accepted the request.
    virtual bool ShutdownComputer() = 0;
};

// What the countdown window does on the countdown's behalf.
class CountdownView {
public:
    virtual ~CountdownView() = default;
    virtual void ShowCountdown(const std::wstring& text) = 0;
    virtual void StopTimer() = 0;
    // The system accepted the shutdown: the window ends, not as a cancel.
    virtual void EndShuttingDown() = 0;
};

constexpr int kShutdownCountdownSeconds = 60;
constexpr unsigned kCountdownTimerId = 100;
constexpr unsigned kCountdownTimerMs = 1000;

class ShutdownCountdown {
public:
    ShutdownCountdown(CountdownView& view, ShutdownPort& port) : m_view(view), m_port(port) {}

    // The window opened: 60 seconds to go.
    void Start();
    // One timer tick: one second less, and the shutdown after the last one.
    void OnTick();
    // "Shutdown Immediate": every press asks again, so a refused request can be retried.
    void ShutdownNow();

    int SecondsLeft() const { return m_nSecondsLeft; }
    bool IsCounting() const { return m_bCounting; }

private:
    void RequestShutdown();

    CountdownView& m_view;
    ShutdownPort& m_port;
    int m_nSecondsLeft = kShutdownCountdownSeconds;
    bool m_bCounting = false;
};

// "%d seconds".
std::wstring CountdownText(int secondsLeft);
