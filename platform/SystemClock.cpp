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

// After a long pause everything is cold and the work's first run is slow, so
// it runs once more well before the end, where its slowness is hidden.
constexpr std::chrono::milliseconds kLongPause{200};
constexpr std::chrono::milliseconds kEarlyWorkAhead{20};

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
    const std::chrono::milliseconds pause(ms);
    const Clock::time_point deadline = Clock::now() + pause;
    if (m_pauseEndWork && pause > kWorkAhead) {
        if (pause > kLongPause) {
            std::this_thread::sleep_until(deadline - kEarlyWorkAhead);
            m_pauseEndWork();
        }
        std::this_thread::sleep_until(deadline - kWorkAhead);
        m_pauseEndWork();
    } else if (pause > kAwakeTail) {
        std::this_thread::sleep_until(deadline - kAwakeTail);
    }
    while (Clock::now() < deadline)
        std::this_thread::yield();
}
