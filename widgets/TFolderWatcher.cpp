#include "TFolderWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
constexpr std::uint32_t kNameEvents =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
}

TFolderWatcher::TFolderWatcher(QObject* parent) : QObject(parent) {
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TFolderWatcher::ReadEvents);
}

TFolderWatcher::~TFolderWatcher() {
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool TFolderWatcher::Watch(const std::filesystem::path& folder) {
    if (m_fd < 0)
        return false;
    if (m_watch >= 0)
        ::inotify_rm_watch(m_fd, m_watch);
    m_watch = ::inotify_add_watch(m_fd, folder.c_str(), kNameEvents | IN_ONLYDIR);
    return m_watch >= 0;
}

void TFolderWatcher::ReadEvents() {
    alignas(inotify_event) char buffer[16 * 1024];
    bool changed = false;
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            break;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            // Events still queued for a folder no longer watched are dropped.
            if (event->wd == m_watch && (event->mask & kNameEvents) != 0)
                changed = true;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    // A burst of changes makes one notice: the folder is read once for it.
    if (changed)
        emit EntriesChanged();
}
