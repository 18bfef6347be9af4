#pragma once

#include "TDrive.h"

#include <QTemporaryDir>

#include <cstdint>
#include <filesystem>
#include <string>

// A real drive C: in a temporary folder, removed at the end of the test.
class TempDrive {
public:
    TempDrive();

    bool IsValid() const { return m_dir.isValid(); }
    const TDrive& Drive() const { return m_drive; }
    std::filesystem::path Root() const { return m_drive.Root(); }
    // Host path of a path relative to the drive root, written with '/'.
    std::filesystem::path Host(const std::string& relative) const;

    void MakeFolder(const std::string& relative) const;
    void WriteFile(const std::string& relative, const std::string& bytes) const;
    std::string ReadFile(const std::string& relative) const; // empty when missing
    bool Exists(const std::string& relative) const;

private:
    QTemporaryDir m_dir;
    TDrive m_drive;
};
