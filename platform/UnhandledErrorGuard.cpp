#include "UnhandledErrorGuard.h"

#include "IDialogService.h"

std::string ErrorBoxText(const std::string& message) {
    // Compared as a byte: a letter with an accent sorts after "." as well.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

void ReportUnhandledError(IDialogService& dialogs, const std::string& title,
                          const std::exception& error) {
    dialogs.ShowMessageBox(title, ErrorBoxText(error.what()), miStop);
}
