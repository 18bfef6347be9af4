#pragma once

#include "Exception.h"

// A failed file operation, with the code and message of the toolkit's I/O errors.
class EInOutError : public Exception {
public:
    explicit EInOutError(int code);
    int Code() const { return m_code; }
    const char* ClassName() const override { return "EInOutError"; }

    // The toolkit's message for an I/O error code ("File not found", "Disk full", ...).
    static std::string MessageForCode(int code);
    // The I/O error code for an errno value of the host.
    static int CodeFromErrno(int err);

private:
    int m_code;
};
