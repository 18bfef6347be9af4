#pragma once

#include "TColor.h"
#include "TColourProperty.h"

// The main window as the themes see it: colour properties to set. Setting a
// property to the colour it holds changes nothing.
class IColourTarget {
public:
    virtual ~IColourTarget() = default;
    virtual void SetColour(TColourProperty property, TColor colour) = 0;
};
