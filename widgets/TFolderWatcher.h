#pragma once

#include <QObject>

#include <filesystem>

class QSocketNotifier;

// Tells when an entry directly in one folder is created, deleted or renamed,
// or the folder itself goes away. Content and attribute changes are not
// watched. The kernel queues the changes while the user-interface thread is
// busy; they are handed on once it takes events again.
class TFolderWatcher : public QObject {
    Q_OBJECT

public:
    explicit TFolderWatcher(QObject* parent = nullptr);
    ~TFolderWatcher() override;

    // Watches folder instead of the one watched so far; false when it cannot.
    bool Watch(const std::filesystem::path& folder);

signals:
    // One or more names changed since the last signal.
    void EntriesChanged();

private:
    void ReadEvents();

    int m_fd = -1;
    int m_watch = -1;
    QSocketNotifier* m_notifier = nullptr;
};
