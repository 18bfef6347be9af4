#pragma once

#include "IProgressDisplay.h"

// A display that shows nothing: the ramp's pauses alone, for comparison.
class TNullDisplay final : public IProgressDisplay {
public:
    void SetProgress(int) override {}
};
