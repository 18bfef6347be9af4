#pragma once

#include <exception>
#include <string>
#include <utility>

class IDialogService;

// The message an error box shows: the error's message, with "." appended
// when its last character sorts after ".".
std::string ErrorBoxText(const std::string& message);

// Shows an error that escaped an event handler: its message in a modal box
// captioned with the application title, stop icon, one OK button.
void ReportUnhandledError(IDialogService& dialogs, const std::string& title,
                          const std::exception& error);

// Runs one event handler; an error escaping it ends the handler and is reported.
template <typename Handler>
void RunGuarded(IDialogService& dialogs, const std::string& title, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ReportUnhandledError(dialogs, title, error);
    }
}
