#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// Drive C: as a folder on the host. DOS paths ("c:\windows\LOGOW.SYS") resolve
// under it, each component matched without regard to ASCII letter case against
// the entries that exist: an exact spelling first, else the first case variant
// in byte order. Components that do not exist keep the case written, so that a
// file can be created under that name.
class TDrive {
public:
    explicit TDrive(std::filesystem::path root);

    const std::filesystem::path& Root() const { return m_root; }

    // The host path for a DOS path on drive C:, or nothing when the path is not
    // on drive C: or has an empty, "." or ".." component. "c:\" is the root.
    std::optional<std::filesystem::path> Resolve(std::string_view dosPath) const;

private:
    std::filesystem::path m_root;
};
