#pragma once

#include "TColorTheme.h"

#include <string>
#include <vector>

class IPlatform;

// A chosen theme survives restarts as a marker file in the root of drive C:.
// Only the file's existence counts; its content is never read.

// "c:\ORVANTISVERDE.ORV" and its five siblings.
std::string ThemeMarkerPath(TColorTheme theme);
// The line that each selection appends to its marker ("COR VERDE", ...).
std::string ThemeMarkerLine(TColorTheme theme);
// "Command.com /c Del " and the marker path.
std::string ThemeDeleteCommand(TColorTheme theme);

// The five other markers that selecting a theme deletes, first to last.
std::vector<TColorTheme> ThemeDeletionsOnSelect(TColorTheme selected);
// All six markers, in the order in which the restore button deletes them.
std::vector<TColorTheme> ThemeDeletionsOnRestore();

// Appends the theme's line and CR LF to its marker, creating the marker when
// absent; throws EInOutError when any step fails.
void WriteThemeMarker(IPlatform& platform, TColorTheme theme);
