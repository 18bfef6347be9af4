#pragma once

#include "TColorTheme.h"

class IColourTarget;
class IPlatform;
class IThemeWindow;

// A theme button: appends to the theme's marker, deletes the five other
// markers, recolours the window and draws it anew. A marker that cannot be
// written throws EInOutError before anything else happens.
void SelectTheme(IPlatform& platform, IThemeWindow& window, TColorTheme theme);

// The restore button: deletes all six markers, applies the built-in colours
// and draws the window anew. Writes nothing.
void RestoreBuiltInColours(IPlatform& platform, IThemeWindow& window);

// While the main window is built: every theme whose marker exists is applied
// in enumeration order. The marker is asked for anew before each single
// assignment, so one that vanishes meanwhile leaves its theme partly applied.
void ApplyStoredThemes(IPlatform& platform, IColourTarget& target);
