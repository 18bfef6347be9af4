#pragma once

#include "Exception.h"

#include <string>

// A JPEG picture that libjpeg could not decode completely: corrupt, truncated
// or not a JPEG at all. Message() keeps libjpeg's own wording.
class EJpegError : public Exception {
public:
    explicit EJpegError(const std::string& libraryMessage)
        : Exception("JPEG error: " + libraryMessage), m_libraryMessage(libraryMessage) {}

    const std::string& LibraryMessage() const { return m_libraryMessage; }
    const char* ClassName() const override { return "EJpegError"; }

private:
    std::string m_libraryMessage;
};
