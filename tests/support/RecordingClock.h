#pragma once

#include "IClock.h"

#include <functional>
#include <vector>

// A clock that does not wait: it records each pause, and can run a hook at
// each one (to change the drive from "inside" a pause).
class RecordingClock final : public IClock {
public:
    void Sleep(unsigned ms) override;

    std::vector<unsigned> pauses;
    std::function<void(unsigned ms, std::size_t index)> onSleep;
};
