#pragma once

#include <string>

enum TMessageIcon { miStop, miWarning, miInformation };

// Modal message boxes, replaceable so that tests record them instead of blocking.
class IDialogService {
public:
    virtual ~IDialogService() = default;
    // One OK button; returns when the user has dismissed the box.
    virtual void ShowMessageBox(const std::string& caption, const std::string& text,
                                TMessageIcon icon) = 0;
};
