#include "SystemClock.h"

#include <chrono>
#include <thread>

void SystemClock::Sleep(unsigned ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
