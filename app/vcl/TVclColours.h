#pragma once

#include "TColor.h"

class QWidget;

// Colours the way the window toolkit of the program's forms has them: a
// control without a colour (or font colour) of its own shows its parent's,
// and follows it when the parent's changes; setting a colour the control
// already shows changes nothing, so a following control keeps following.
class TVclColours {
public:
    // Background colour (Color): own, else the parent's, up to the window.
    static TColor Color(const QWidget* widget);
    static void SetColor(QWidget* widget, TColor colour);

    // Text colour (Font.Color): own, else the parent's, up to the window.
    static TColor FontColor(const QWidget* widget);
    static void SetFontColor(QWidget* widget, TColor colour);
};
