#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

inline constexpr std::uint32_t faReadOnly = 1;
inline constexpr std::uint32_t faHidden = 2;
inline constexpr std::uint32_t faSysFile = 4;
inline constexpr std::uint32_t faArchive = 32;

// DOS attributes of a host file: read-only is the write permission; hidden,
// system and archive live in user.DOSATTRIB (as Wine and Samba keep them), or
// in the FAT attribute byte on a vfat mount.
namespace DosAttributes {
// The attribute set of an existing entry, or nothing when it cannot be read.
std::optional<std::uint32_t> Read(const std::filesystem::path& hostPath);
// Replaces the whole set; false when nothing could be changed.
bool Write(const std::filesystem::path& hostPath, std::uint32_t attributes);
} // namespace DosAttributes
