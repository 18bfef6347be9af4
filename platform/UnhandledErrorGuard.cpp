#include "UnhandledErrorGuard.h"

#include "IDialogService.h"

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && message.back() > '.')
        return message + ".";
    return message;
}

void ReportUnhandledError(IDialogService& dialogs, const std::string& title,
                          const std::exception& error) {
    dialogs.ShowMessageBox(title, ErrorBoxText(error.what()), miStop);
}
