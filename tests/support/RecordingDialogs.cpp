#include "RecordingDialogs.h"

void RecordingDialogs::ShowMessageBox(const std::string& caption, const std::string& text,
                                      TMessageIcon icon) {
    boxes.push_back({caption, text, icon});
}
