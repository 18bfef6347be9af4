#pragma once

#include "IDialogService.h"

#include <string>
#include <vector>

// Records message boxes instead of showing them.
class RecordingDialogs final : public IDialogService {
public:
    struct Box {
        std::string caption;
        std::string text;
        TMessageIcon icon;
    };
    void ShowMessageBox(const std::string& caption, const std::string& text,
                        TMessageIcon icon) override;

    std::vector<Box> boxes;
};
