#include "SystemClock.h"

#include <sys/prctl.h>

#include <chrono>
#include <thread>
#include <utility>

namespace {

// How long before the end of a pause its end work starts: long enough for it
// to finish inside the pause, short enough that what it warms stays warm. The
// rest of the pause is waited out awake, since a sleep would let it cool again.
constexpr std::chrono::microseconds kWorkAhead{1000};

// A thread woken from a sleep starts running some tenths of a millisecond
// late; the last stretch of a pause is waited out awake, so that the pause
// the user sees is the pause asked for, not more.
constexpr std::chrono::microseconds kAwakeTail{500};

} // namespace

void SystemClock::SetPauseEndWork(std::function<void()> work) {
    m_pauseEndWork = std::move(work);
}

void SystemClock::Sleep(unsigned ms) {
    thread_local const bool tightened = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    static_cast<void>(tightened);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ms);
    if (m_pauseEndWork && std::chrono::milliseconds(ms) > kWorkAhead) {
        std::this_thread::sleep_until(deadline - kWorkAhead);
        m_pauseEndWork();
    } else if (std::chrono::milliseconds(ms) > kAwakeTail)
        std::this_thread::sleep_until(deadline - kAwakeTail);
    while (Clock::now() < deadline)
        std::this_thread::yield();
}
