#pragma once

#include "IPlatform.h"

#include <functional>
#include <string>

// Passes every service on, and runs a hook after each FileIsPresent has been
// answered (to remove a marker between two questions).
class HookedPlatform final : public IPlatform {
public:
    explicit HookedPlatform(IPlatform& inner);

    bool CopyFileA(const std::string& source, const std::string& destination,
                   bool failIfExists) override;
    unsigned WinExec(const std::string& commandLine, int showCommand) override;
    void Sleep(unsigned ms) override;
    bool SetFileAttributesA(const std::string& path, std::uint32_t attributes) override;
    bool FileIsPresent(const std::string& path) override;
    void AppendTextLine(const std::string& path, const std::string& text) override;

    std::function<void(const std::string& path)> afterFileIsPresent;

private:
    IPlatform& m_inner;
};
