#include "TTimedDisplay.h"

#include <chrono>
#include <utility>

TTimedDisplay::TTimedDisplay(IProgressDisplay& inner) : m_inner(inner) {}

void TTimedDisplay::SetProgress(int value) {
    const auto start = std::chrono::steady_clock::now();
    m_inner.SetProgress(value);
    const auto end = std::chrono::steady_clock::now();
    m_durations.push_back(std::chrono::duration<double, std::milli>(end - start).count());
}

std::vector<double> TTimedDisplay::TakeDurations() {
    return std::exchange(m_durations, {});
}
