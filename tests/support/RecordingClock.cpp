#include "RecordingClock.h"

void RecordingClock::Sleep(unsigned ms) {
    pauses.push_back(ms);
    if (onSleep)
        onSleep(ms, pauses.size() - 1);
}
