#include "RecordingDisplay.h"

RecordingDisplay::RecordingDisplay(std::vector<std::string>& log) : m_log(log) {}

void RecordingDisplay::SetProgress(int value) {
    values.push_back(value);
    m_log.push_back("SetProgress " + std::to_string(value));
}
