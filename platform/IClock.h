#pragma once

// Every pause of the program goes through one clock, so that tests can run
// without waiting and record each pause.
class IClock {
public:
    virtual ~IClock() = default;
    // Blocks the calling thread for ms milliseconds; handles no window message.
    virtual void Sleep(unsigned ms) = 0;
};
