#pragma once

#include <functional>
#include <map>

// The file steps of one operation, placed at the work points of the progress ramp.
struct TRampPlan {
    using Step = std::function<void()>;
    std::map<int, Step> beforePause; // runs after value v is set, before its pause
    std::map<int, Step> after;       // runs after the pause of v, before the next value
    unsigned pauseOf50 = 40;         // length of the pause that follows 50
};
