#pragma once

#include "TColor.h"
#include "TColourProperty.h"

#include <vector>

// One step of a palette: a colour property of the main window and its new colour.
struct TColourAssignment {
    TColourProperty property;
    TColor colour;

    bool operator==(const TColourAssignment&) const = default;
};

// Assignments made one after the other; the order matters where one control
// follows another's colour (Label1 to Label3 follow GroupBox3).
using TPalette = std::vector<TColourAssignment>;
