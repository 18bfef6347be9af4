#pragma once

#include "Exception.h"

#include <string>

// A window could not be built from its description: which property failed,
// and why.
class EReadError : public Exception {
public:
    EReadError(const std::string& message, const void* address)
        : Exception(message), m_address(address) {}
    const char* ClassName() const override { return "EReadError"; }
    // Where in the program the error arose.
    const void* Address() const { return m_address; }

private:
    const void* m_address;
};
