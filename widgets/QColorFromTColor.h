#pragma once

#include "TColor.h"

#include <QColor>

// The colour a TColor stands for on screen; a system colour is taken from the
// user's colour scheme (the application palette).
QColor QColorFromTColor(TColor colour);
