// The real shutdown request. Only the program itself may use it: under Wine
// it ends the whole prefix, a test harness included.
#pragma once

#include "playback/shutdown_countdown.h"

class Win32Shutdown : public ShutdownPort {
public:
    // Enables the shutdown privilege, then asks for a planned shutdown that
    // forces programs that do not respond.
    bool ShutdownComputer() override;
};
