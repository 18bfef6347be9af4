#pragma once

#include <filesystem>

// Hands a file to the desktop's default application for its type, without
// waiting for that application.
class IFileOpener {
public:
    virtual ~IFileOpener() = default;
    virtual void Open(const std::filesystem::path& hostPath) = 0;
};
