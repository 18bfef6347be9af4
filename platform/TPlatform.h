#pragma once

#include "IPlatform.h"
#include "TDrive.h"

class IClock;

// The services carried out on the host: drive C: is a folder, pauses go
// through the given clock.
class TPlatform final : public IPlatform {
public:
    TPlatform(const TDrive& drive, IClock& clock);

    bool CopyFileA(const std::string& source, const std::string& destination,
                   bool failIfExists) override;
    unsigned WinExec(const std::string& commandLine, int showCommand) override;
    void Sleep(unsigned ms) override;
    bool SetFileAttributesA(const std::string& path, std::uint32_t attributes) override;
    bool FileIsPresent(const std::string& path) override;
    void AppendTextLine(const std::string& path, const std::string& text) override;

    const TDrive& Drive() const { return m_drive; }

private:
    const TDrive& m_drive;
    IClock& m_clock;
};
