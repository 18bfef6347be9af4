#pragma once

#include "Exception.h"

#include <string>

// A new name for an entry of the work-folder list was refused; the entry keeps
// its old name.
class ERenameFailed : public Exception {
public:
    explicit ERenameFailed(const std::string& newName)
        : Exception("Rename to " + newName + " failed"), m_newName(newName) {}
    const char* ClassName() const override { return "ERenameFailed"; }
    const std::string& NewName() const { return m_newName; }

private:
    std::string m_newName;
};
