#pragma once

// Where the logo operations show their progress (the gauge under the pages).
class IProgressDisplay {
public:
    virtual ~IProgressDisplay() = default;
    // Sets the value, 0 to 100; the new value is painted before the call returns.
    virtual void SetProgress(int value) = 0;
};
