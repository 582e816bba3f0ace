// The list that a recording fills, and the append that times its events.
#pragma once

#include "model/input_event.h"

class DesktopInput;

// The one list of the process that recording fills; cleared when a recording
// starts and written to the record file when it is saved.
extern EventList g_recordList;

// The desktop whose tick counter times the appended events. The capture
// engine sets it before installing the hooks.
void SetRecordingClock(DesktopInput* desktop);

// Appends a copy of `ev` and sets the previous event's delay to the ticks
// that passed since it was appended. Called by the hook procedures only.
void AppendEvent(const INPUTEVENT& ev);
