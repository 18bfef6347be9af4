#pragma once

#include "IDialogService.h"

// Message boxes of the desktop, modal, one OK button.
class TQtDialogService final : public IDialogService {
public:
    void ShowMessageBox(const std::string& caption, const std::string& text,
                        TMessageIcon icon) override;
};
