#include "SystemClock.h"

#include <sys/prctl.h>

#include <chrono>
#include <thread>

void SystemClock::Sleep(unsigned ms) {
    // The kernel may otherwise let a pause run late by its default timer slack
    // on every step of the ramp; the user is meant to see the pause, not more.
    thread_local const bool tightened = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    static_cast<void>(tightened);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
