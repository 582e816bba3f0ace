// The progress window as the repeat run drives it.
#pragma once

#include <cstdint>

#include "playback/player.h"

class ProgressWindow : public StatusText {
public:
    // The bar runs from 0 to `total`.
    virtual void SetRange(uint32_t total) = 0;
    virtual void SetPosition(uint32_t position) = 0;
};
