#pragma once

#include "TColorTheme.h"
#include "TColourAssignment.h"

class IColourTarget;

// The colours of one theme, in the order in which they are assigned.
const TPalette& ThemePalette(TColorTheme theme);
// The colours of the restore button. Unlike the form definition it gives the
// frame captions and labels black instead of the window-text colour.
const TPalette& BuiltInPalette();
// The colours the main window is built with, one entry per property. Label1
// to Label3 have no colour of their own: they show GroupBox3's, which their
// entries repeat.
const TPalette& FormDefinitionColours();

// Sets each property in turn to its colour.
void ApplyPalette(IColourTarget& target, const TPalette& palette);
