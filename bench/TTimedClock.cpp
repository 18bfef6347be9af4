#include "TTimedClock.h"

#include <chrono>
#include <utility>

TTimedClock::TTimedClock(IClock& inner) : m_inner(inner) {}

void TTimedClock::Sleep(unsigned ms) {
    const auto start = std::chrono::steady_clock::now();
    m_inner.Sleep(ms);
    const auto end = std::chrono::steady_clock::now();
    m_overruns.push_back(std::chrono::duration<double, std::milli>(end - start).count() - ms);
}

std::vector<double> TTimedClock::TakeOverruns() {
    return std::exchange(m_overruns, {});
}
