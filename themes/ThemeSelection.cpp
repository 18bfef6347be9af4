#include "ThemeSelection.h"

#include "IPlatform.h"
#include "IThemeWindow.h"
#include "ThemeMarkers.h"
#include "ThemePalettes.h"

namespace {

void DeleteMarkers(IPlatform& platform, const std::vector<TColorTheme>& themes) {
    for (TColorTheme theme : themes)
        platform.WinExec(ThemeDeleteCommand(theme), SW_HIDE);
}

} // namespace

void SelectTheme(IPlatform& platform, IThemeWindow& window, TColorTheme theme) {
    // The marker is written and closed before any deletion starts; its error
    // leaves the selection here.
    WriteThemeMarker(platform, theme);
    DeleteMarkers(platform, ThemeDeletionsOnSelect(theme));
    ApplyPalette(window, ThemePalette(theme));
    window.HideAndShow();
}

void RestoreBuiltInColours(IPlatform& platform, IThemeWindow& window) {
    DeleteMarkers(platform, ThemeDeletionsOnRestore());
    ApplyPalette(window, BuiltInPalette());
    window.HideAndShow();
}

void ApplyStoredThemes(IPlatform& platform, IColourTarget& target) {
    for (TColorTheme theme : AllColorThemes) {
        const std::string marker = ThemeMarkerPath(theme);
        for (const TColourAssignment& assignment : ThemePalette(theme)) {
            if (platform.FileIsPresent(marker))
                target.SetColour(assignment.property, assignment.colour);
        }
    }
}
