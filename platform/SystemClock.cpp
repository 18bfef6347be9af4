#include "SystemClock.h"

#include <sys/prctl.h>

#include <chrono>
#include <thread>

namespace {

// A thread woken from a sleep starts running some tenths of a millisecond
// late; the last stretch of a pause is waited out awake, so that the pause
// the user sees is the pause asked for, not more.
constexpr std::chrono::microseconds kAwakeTail{500};

} // namespace

void SystemClock::Sleep(unsigned ms) {
    thread_local const bool tightened = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    static_cast<void>(tightened);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ms);
    if (std::chrono::milliseconds(ms) > kAwakeTail)
        std::this_thread::sleep_until(deadline - kAwakeTail);
    while (Clock::now() < deadline)
        std::this_thread::yield();
}
