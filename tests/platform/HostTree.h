#pragma once

// Helpers that look at a drive folder on the host from outside the services
// under test, so that a check never relies on the code it checks.

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace HostTree {

namespace fs = std::filesystem;

// The raw user.DOSATTRIB text of an entry, or nothing when it has none.
inline std::optional<std::string> DosAttribXattr(const fs::path& path) {
    char text[256];
    const ssize_t n = ::getxattr(path.c_str(), "user.DOSATTRIB", text, sizeof text);
    if (n < 0)
        return std::nullopt;
    return std::string(text, std::size_t(n));
}

inline bool SetDosAttribXattr(const fs::path& path, const std::string& text) {
    return ::setxattr(path.c_str(), "user.DOSATTRIB", text.data(), text.size(), 0) == 0;
}

// Whether the folder's file system keeps user extended attributes.
inline bool KeepsUserXattrs(const fs::path& folder) {
    const fs::path probe = folder / ".xattr-probe";
    { std::ofstream(probe) << ""; }
    const bool kept = SetDosAttribXattr(probe, "0x0");
    fs::remove(probe);
    return kept;
}

inline unsigned Mode(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return 0;
    return unsigned(st.st_mode & 07777);
}

inline std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Everything under root, one line per entry: kind, permissions, DOS xattr and
// the bytes of a file, the target of a link. Two equal snapshots mean the
// tree was not touched in any way the program can see.
inline std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> tree;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        const std::string name = fs::relative(p, root).string();
        const auto status = fs::symlink_status(p);
        std::string line = std::to_string(Mode(p)) + " " + DosAttribXattr(p).value_or("-") + " ";
        if (fs::is_symlink(status))
            line += "link " + fs::read_symlink(p).string();
        else if (fs::is_directory(status))
            line += "folder";
        else
            line += "file " + Bytes(p);
        tree[name] = line;
    }
    return tree;
}

// The names in one folder, hidden dot-files included.
inline std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.insert(it->path().filename().string());
    return names;
}

} // namespace HostTree
