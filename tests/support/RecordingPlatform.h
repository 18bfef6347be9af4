#pragma once

#include "IPlatform.h"

#include <functional>
#include <string>
#include <vector>

// Passes every service on to the real platform and writes one line per call
// into a log that a test can share with a recording display. A hook can act
// after each FileIsPresent has been answered (to remove a marker between two
// questions).
class RecordingPlatform final : public IPlatform {
public:
    RecordingPlatform(IPlatform& inner, std::vector<std::string>& log);

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
    std::vector<std::string>& m_log;
};
