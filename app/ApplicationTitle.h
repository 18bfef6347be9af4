#pragma once

// The application's title: its taskbar entry, and the caption of the boxes
// that show an error escaping an event handler.
inline constexpr const char* kApplicationTitle = "ORVANTIS";
