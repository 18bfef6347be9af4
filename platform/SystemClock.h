#pragma once

#include "IClock.h"

#include <functional>

// The clock of the product: a real pause of the calling thread.
class SystemClock final : public IClock {
public:
    void Sleep(unsigned ms) override;

    // Work done near the end of every pause, inside it: what follows a pause
    // runs right after a long idle stretch, when the machine has let its memory go
    // cold, so the display repeats its picture here and its next setting finds
    // everything at hand. A long pause runs it once more some way before the end.
    // Empty: none. The pause keeps its length.
    void SetPauseEndWork(std::function<void()> work);

private:
    std::function<void()> m_pauseEndWork;
};
