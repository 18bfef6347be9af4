#pragma once

#include "IClock.h"

#include <vector>

// Passes each pause on to the real clock and keeps how much longer than asked
// it lasted.
class TTimedClock final : public IClock {
public:
    explicit TTimedClock(IClock& inner);

    void Sleep(unsigned ms) override;

    // The overruns of the pauses since the last call, in milliseconds.
    std::vector<double> TakeOverruns();

private:
    IClock& m_inner;
    std::vector<double> m_overruns;
};
