#pragma once

#include "Exception.h"

#include <string>

// The work-folder list was given a folder that does not exist.
class EInvalidPath : public Exception {
public:
    explicit EInvalidPath(const std::string& dosPath)
        : Exception("Error setting path: \"" + dosPath + "\"") {}
    const char* ClassName() const override { return "EInvalidPath"; }
};
