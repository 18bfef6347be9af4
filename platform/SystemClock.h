#pragma once

#include "IClock.h"

// The clock of the product: a real pause of the calling thread.
class SystemClock final : public IClock {
public:
    void Sleep(unsigned ms) override;
};
