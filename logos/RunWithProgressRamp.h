#pragma once

#include "TRampPlan.h"

class IPlatform;
class IProgressDisplay;

// 1, 5, 10, ..., 100, each followed by a pause (40 ms unless the plan lengthens the
// pause of 50), then 0. The plan's steps run at their work points.
void RunWithProgressRamp(IProgressDisplay& display, IPlatform& platform, const TRampPlan& plan);
