// Process-wide state of playback that start-up decides.
#pragma once

// Set to end a recording or a repeat run in progress, for instance when the
// main window closes.
extern bool g_bStop;

// False after a command-line start: the run then ends the application.
extern bool StayOpenAfterRun;
// True from the moment the command line starts a run until that run returns.
extern bool CommandLineRun;

// Cursor moves are injected as absolute mouse moves on systems above 6.1,
// and placed with the cursor call on older ones.
extern bool g_bAbsoluteMoves;

bool UsesAbsoluteMoves(unsigned major, unsigned minor);
