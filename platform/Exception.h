#pragma once

#include <stdexcept>
#include <string>

// Base of the program's own errors: a message and the class name that the
// error boxes show.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const { return "Exception"; }
};
