#pragma once

#include "IProgressDisplay.h"

#include <string>
#include <vector>

// A progress display that paints nothing: it keeps every value it is given and
// writes "SetProgress <v>" into a log it can share with a recording platform.
class RecordingDisplay final : public IProgressDisplay {
public:
    explicit RecordingDisplay(std::vector<std::string>& log);

    void SetProgress(int value) override;

    std::vector<int> values;

private:
    std::vector<std::string>& m_log;
};
