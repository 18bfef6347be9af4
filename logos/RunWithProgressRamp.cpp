#include "RunWithProgressRamp.h"

#include "IPlatform.h"
#include "IProgressDisplay.h"

namespace {

constexpr unsigned StepPause = 40;

void RunStepAt(const std::map<int, TRampPlan::Step>& steps, int value) {
    const auto found = steps.find(value);
    if (found != steps.end() && found->second)
        found->second();
}

void RunValue(IProgressDisplay& display, IPlatform& platform, const TRampPlan& plan, int value) {
    display.SetProgress(value);
    RunStepAt(plan.beforePause, value);
    platform.Sleep(value == 50 ? plan.pauseOf50 : StepPause);
    RunStepAt(plan.after, value);
}

} // namespace

void RunWithProgressRamp(IProgressDisplay& display, IPlatform& platform, const TRampPlan& plan) {
    RunValue(display, platform, plan, 1);
    for (int value = 5; value <= 100; value += 5)
        RunValue(display, platform, plan, value);
    // The gauge rests at 0 between operations, whatever the steps met.
    display.SetProgress(0);
}
