#include "DosAttributes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr const char* kXattrName = "user.DOSATTRIB";
constexpr std::uint32_t kXattrBits = faHidden | faSysFile | faArchive;

// The FAT attribute byte of a file on a vfat mount, or nothing elsewhere.
std::optional<std::uint32_t> ReadFatByte(const std::filesystem::path& hostPath) {
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    std::uint32_t attributes = 0;
    const int rc = ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes);
    ::close(fd);
    if (rc != 0)
        return std::nullopt;
    return attributes;
}

bool WriteFatByte(const std::filesystem::path& hostPath, std::uint32_t attributes) {
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    std::uint32_t current = 0;
    bool done = false;
    if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &current) == 0) {
        constexpr std::uint32_t kOurs = ATTR_RO | ATTR_HIDDEN | ATTR_SYS | ATTR_ARCH;
        std::uint32_t wanted = (current & ~kOurs) | (attributes & kOurs);
        done = ::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &wanted) == 0;
    }
    ::close(fd);
    return done;
}

std::uint32_t ReadXattrBits(const std::filesystem::path& hostPath) {
    char text[64] = {};
    const ssize_t n = ::getxattr(hostPath.c_str(), kXattrName, text, sizeof text - 1);
    if (n <= 0)
        return 0;
    text[n] = '\0';
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (end == text)
        return 0;
    return std::uint32_t(value) & kXattrBits;
}

} // namespace

namespace DosAttributes {

std::optional<std::uint32_t> Read(const std::filesystem::path& hostPath) {
    struct stat st {};
    if (::stat(hostPath.c_str(), &st) != 0)
        return std::nullopt;
    if (auto fat = ReadFatByte(hostPath))
        return *fat & (faReadOnly | kXattrBits);
    std::uint32_t attributes = ReadXattrBits(hostPath);
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        attributes |= faReadOnly;
    return attributes;
}

bool Write(const std::filesystem::path& hostPath, std::uint32_t attributes) {
    struct stat st {};
    if (::stat(hostPath.c_str(), &st) != 0)
        return false;
    if (WriteFatByte(hostPath, attributes))
        return true;

    const mode_t writeBits = S_IWUSR | S_IWGRP | S_IWOTH;
    const mode_t mode = (attributes & faReadOnly) ? (st.st_mode & ~writeBits)
                        : (st.st_mode & writeBits) ? st.st_mode
                                                   : (st.st_mode | S_IWUSR);
    auto writeMode = [&] { return mode == st.st_mode || ::chmod(hostPath.c_str(), mode & 07777) == 0; };
    auto writeXattr = [&] {
        const std::uint32_t bits = attributes & kXattrBits;
        if (bits != 0) {
            char text[16];
            const int len = std::snprintf(text, sizeof text, "0x%x", unsigned(bits));
            return ::setxattr(hostPath.c_str(), kXattrName, text, std::size_t(len), 0) == 0;
        }
        return ::removexattr(hostPath.c_str(), kXattrName) == 0 || errno == ENODATA ||
               errno == ENOTSUP;
    };
    // A file's extended attributes can only be changed while it is writable.
    bool changed = true;
    if (attributes & faReadOnly) {
        changed = writeXattr() && changed;
        changed = writeMode() && changed;
    } else {
        changed = writeMode() && changed;
        changed = writeXattr() && changed;
    }
    return changed;
}

} // namespace DosAttributes
