#pragma once

#include <cstdint>
#include <string>

inline constexpr int SW_HIDE = 0;

// The file and process services of the operating system, by the names the
// program uses for them. Paths are DOS paths on drive C:.
class IPlatform {
public:
    virtual ~IPlatform() = default;

    // Copies the whole file. failIfExists true: an existing destination is left
    // alone and the call fails. Never leaves a half-written destination.
    virtual bool CopyFileA(const std::string& source, const std::string& destination,
                           bool failIfExists) = 0;
    // Carries out "Command.com /c MD <path>" or "Command.com /c Del <path>" before
    // returning; any other line does nothing. Returns > 31 on success, as WinExec does.
    virtual unsigned WinExec(const std::string& commandLine, int showCommand) = 0;
    // Blocks the calling thread; handles no window message.
    virtual void Sleep(unsigned ms) = 0;
    // Replaces the whole attribute set (1 read-only, 2 hidden, 4 system, 32 archive).
    virtual bool SetFileAttributesA(const std::string& path, std::uint32_t attributes) = 0;
    // True when a regular file of that name exists, whatever its attributes.
    virtual bool FileIsPresent(const std::string& path) = 0;
    // Creates the file when absent, appends text and CR LF; throws EInOutError.
    virtual void AppendTextLine(const std::string& path, const std::string& text) = 0;
};
