#pragma once

#include "IProgressDisplay.h"

#include <vector>

// Passes each setting on to the gauge and keeps how long it took, paint included.
class TTimedDisplay final : public IProgressDisplay {
public:
    explicit TTimedDisplay(IProgressDisplay& inner);

    void SetProgress(int value) override;

    // Durations of the settings since the last call, in milliseconds.
    std::vector<double> TakeDurations();

private:
    IProgressDisplay& m_inner;
    std::vector<double> m_durations;
};
