#pragma once

#include "IThemeWindow.h"
#include "ThemeExpectations.h"

#include <string>
#include <vector>

// A main window that records each call as a log line ("SetColour
// Form2.Color 0x0080FF00", "HideAndShow") and keeps the colours it shows.
// Label1 to Label3 follow GroupBox3's text colour until one of them is
// assigned a colour other than the one it shows; an equal colour changes
// nothing.
class RecordingThemeWindow final : public IThemeWindow {
public:
    // Starts in the colours of a fresh main window.
    explicit RecordingThemeWindow(std::vector<std::string>& log);

    void SetColour(TColourProperty property, TColor colour) override;
    void HideAndShow() override;

    TColor Shown(TColourProperty property) const;
    TScreen Screen() const;
    bool FollowsGroupBox3(TColourProperty property) const;
    int HideAndShowCount() const { return m_hideAndShowCount; }

private:
    static bool IsThumbnailLabel(TColourProperty property);

    std::vector<std::string>& m_log;
    TScreen m_own;
    bool m_following[3] = {true, true, true};
    int m_hideAndShowCount = 0;
};
