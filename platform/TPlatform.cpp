#include "TPlatform.h"

#include "DosAttributes.h"
#include "EInOutError.h"
#include "IClock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <string_view>

namespace fs = std::filesystem;

namespace {

bool IsRegularFile(const fs::path& hostPath) {
    struct stat st {};
    return ::stat(hostPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool EntryExists(const fs::path& hostPath) {
    struct stat st {};
    return ::lstat(hostPath.c_str(), &st) == 0;
}

bool IsReadOnly(const fs::path& hostPath) {
    auto attributes = DosAttributes::Read(hostPath);
    return attributes && (*attributes & faReadOnly);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

// Copies source into a new temporary file beside destination and renames it
// over destination, so that destination is always either the old file or
// the whole new one. The temporary is a dot-file: the work-folder list never
// shows it.
bool AtomicCopy(const fs::path& source, const fs::path& destination, bool failIfExists) {
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return false;
    }

    std::string temp = (destination.parent_path() / ".orvantis-copy-XXXXXX").string();
    const int out = ::mkostemp(temp.data(), O_CLOEXEC);
    if (out < 0) {
        ::close(in);
        return false;
    }

    bool ok = ::fchmod(out, 0644) == 0;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = WriteAll(out, buffer, std::size_t(n));
    }
    ::close(in);
    ok = ok && ::fsync(out) == 0;
    ok = (::close(out) == 0) && ok;

    if (ok) {
        if (failIfExists) {
            // Never replace what appeared meanwhile.
            if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, destination.c_str(),
                            RENAME_NOREPLACE) != 0) {
                ok = (errno == EINVAL || errno == ENOSYS) && !EntryExists(destination) &&
                     ::rename(temp.c_str(), destination.c_str()) == 0;
            }
        } else {
            ok = ::rename(temp.c_str(), destination.c_str()) == 0;
        }
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // The data is on disk before the rename, so after a crash the destination
    // is the old file or the new one, whichever the folder recorded.
    return true;
}

bool StartsWithWordIgnoringCase(std::string_view& line, std::string_view word) {
    if (line.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i])) !=
            std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    if (line.size() > word.size() && line[word.size()] != ' ')
        return false;
    line.remove_prefix(word.size());
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    return true;
}

} // namespace

TPlatform::TPlatform(const TDrive& drive, IClock& clock) : m_drive(drive), m_clock(clock) {}

bool TPlatform::CopyFileA(const std::string& source, const std::string& destination,
                          bool failIfExists) {
    const auto from = m_drive.Resolve(source);
    const auto to = m_drive.Resolve(destination);
    if (!from || !to || !IsRegularFile(*from))
        return false;
    if (EntryExists(*to)) {
        struct stat st {};
        if (failIfExists || ::stat(to->c_str(), &st) != 0 || S_ISDIR(st.st_mode) ||
            IsReadOnly(*to))
            return false;
    }
    return AtomicCopy(*from, *to, failIfExists);
}

unsigned TPlatform::WinExec(const std::string& commandLine, int /*showCommand*/) {
    // No window is ever shown: the two commands are carried out here, at once and in
    // the order they are given, so nothing that follows can race with them.
    constexpr unsigned kStarted = 33;
    constexpr unsigned kNotFound = 2;
    std::string_view line = commandLine;
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    if (!StartsWithWordIgnoringCase(line, "Command.com") || !StartsWithWordIgnoringCase(line, "/c"))
        return kNotFound;
    const bool makeFolder = StartsWithWordIgnoringCase(line, "MD");
    if (!makeFolder && !StartsWithWordIgnoringCase(line, "Del"))
        return kNotFound;
    if (line.empty() || line.find(' ') != std::string_view::npos)
        return kStarted; // the command interpreter complains, unseen

    const auto target = m_drive.Resolve(line);
    if (!target)
        return kStarted;
    if (makeFolder) {
        if (!EntryExists(*target))
            ::mkdir(target->c_str(), 0755);
        return kStarted;
    }
    // As DEL: only a plain file, never a read-only, hidden or system one.
    if (IsRegularFile(*target)) {
        const auto attributes = DosAttributes::Read(*target);
        if (attributes && (*attributes & (faReadOnly | faHidden | faSysFile)) == 0)
            ::unlink(target->c_str());
    }
    return kStarted;
}

void TPlatform::Sleep(unsigned ms) { m_clock.Sleep(ms); }

bool TPlatform::SetFileAttributesA(const std::string& path, std::uint32_t attributes) {
    const auto target = m_drive.Resolve(path);
    return target && EntryExists(*target) && DosAttributes::Write(*target, attributes);
}

bool TPlatform::FileIsPresent(const std::string& path) {
    const auto target = m_drive.Resolve(path);
    return target && IsRegularFile(*target);
}

void TPlatform::AppendTextLine(const std::string& path, const std::string& text) {
    const auto target = m_drive.Resolve(path);
    if (!target)
        throw EInOutError(3);

    // The first failing step is the cause, and the one reported.
    int error = 0;
    int fd = -1;
    if (!FileIsPresent(path)) {
        const int created = ::open(target->c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (created < 0)
            error = EInOutError::CodeFromErrno(errno);
        else
            ::close(created);
    }
    if (error == 0) {
        if (IsReadOnly(*target))
            error = 5;
        else if ((fd = ::open(target->c_str(), O_WRONLY | O_APPEND | O_CLOEXEC)) < 0)
            error = EInOutError::CodeFromErrno(errno);
    }
    if (error == 0) {
        // A line that does not fit whole is taken back, so the file never ends
        // in half a line.
        struct stat st {};
        const bool sized = ::fstat(fd, &st) == 0;
        const std::string line = text + "\r\n";
        if (!WriteAll(fd, line.data(), line.size())) {
            error = EInOutError::CodeFromErrno(errno);
            if (sized && S_ISREG(st.st_mode))
                (void)::ftruncate(fd, st.st_size);
        }
    }
    if (fd >= 0 && ::close(fd) != 0 && error == 0)
        error = EInOutError::CodeFromErrno(errno);
    if (error != 0)
        throw EInOutError(error);
}
