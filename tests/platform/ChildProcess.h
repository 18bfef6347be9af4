#pragma once

// Runs a piece of a test in a forked child, for conditions that must not
// reach the test process itself: a file size limit, a private mount of a
// read-only drive.

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace ChildProcess {

// The text that body returns in the child, or nothing when the child died.
inline std::optional<std::string> Run(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        ::close(fds[0]);
        const std::string text = body();
        const char* data = text.data();
        std::size_t left = text.size();
        while (left > 0) {
            const ssize_t n = ::write(fds[1], data, left);
            if (n <= 0)
                ::_exit(3);
            data += n;
            left -= std::size_t(n);
        }
        ::_exit(0); // no destructors: the temporary drive belongs to the parent
    }
    ::close(fds[1]);
    std::string text;
    char buffer[512];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
}

} // namespace ChildProcess
