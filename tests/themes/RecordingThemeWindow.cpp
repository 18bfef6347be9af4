#include "RecordingThemeWindow.h"

RecordingThemeWindow::RecordingThemeWindow(std::vector<std::string>& log)
    : m_log(log), m_own(FormScreen()) {}

bool RecordingThemeWindow::IsThumbnailLabel(TColourProperty property) {
    return property == cpLabel1FontColor || property == cpLabel2FontColor ||
           property == cpLabel3FontColor;
}

void RecordingThemeWindow::SetColour(TColourProperty property, TColor colour) {
    m_log.push_back("SetColour " + PropertyName(property) + " " + ColourHex(colour));
    if (IsThumbnailLabel(property)) {
        bool& following = m_following[property - cpLabel1FontColor];
        if (following && colour == Shown(property))
            return;
        following = false;
    }
    m_own[std::size_t(property)] = colour;
}

void RecordingThemeWindow::HideAndShow() {
    m_log.push_back("HideAndShow");
    ++m_hideAndShowCount;
}

bool RecordingThemeWindow::FollowsGroupBox3(TColourProperty property) const {
    return IsThumbnailLabel(property) && m_following[property - cpLabel1FontColor];
}

TColor RecordingThemeWindow::Shown(TColourProperty property) const {
    if (FollowsGroupBox3(property))
        return m_own[std::size_t(cpGroupBox3FontColor)];
    return m_own[std::size_t(property)];
}

TScreen RecordingThemeWindow::Screen() const {
    TScreen screen;
    for (std::size_t i = 0; i < kColourPropertyCount; ++i)
        screen[i] = Shown(TColourProperty(i));
    return screen;
}
