#include "playback/run_state.h"

bool g_bStop = false;
bool StayOpenAfterRun = true;
bool CommandLineRun = false;
bool g_bAbsoluteMoves = false;

bool UsesAbsoluteMoves(unsigned major, unsigned minor)
{
    return major > 6 || (major == 6 && minor > 1);
}
