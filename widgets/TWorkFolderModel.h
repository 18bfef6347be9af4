#pragma once

#include <QAbstractListModel>
#include <QCollator>
#include <QFileIconProvider>
#include <QIcon>
#include <QStringList>

#include <exception>
#include <filesystem>
#include <functional>
#include <vector>

// The entries directly in one folder, as a file manager lists them: hidden
// entries left out, folders first, each group in natural name order. Names
// can be edited; a refused name is reported and the entry keeps its name.
class TWorkFolderModel : public QAbstractListModel {
    Q_OBJECT

public:
    using ErrorReporter = std::function<void(const std::exception&)>;

    explicit TWorkFolderModel(QObject* parent = nullptr);

    // Shows folder's entries (none when it cannot be read).
    void SetFolder(const std::filesystem::path& folder);
    const std::filesystem::path& Folder() const { return m_folder; }
    // Reads the folder again.
    void Reread();
    // How many times the folder has been read.
    int ReadCount() const { return m_readCount; }

    QStringList Names() const;
    int RowOf(const QString& name) const; // -1 when not listed
    std::filesystem::path PathAt(int row) const;
    bool IsFolderAt(int row) const;
    QString TypeNameAt(int row) const;

    // Gives the entry of row a new name in the file system; throws
    // ERenameFailed, and leaves everything as it was, when the name is refused.
    void Rename(int row, const QString& newName);
    // Where a refused name typed into the list is reported.
    void SetErrorReporter(ErrorReporter reporter) { m_errorReporter = std::move(reporter); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void FolderRead();

private:
    struct Entry {
        QString name;
        bool isFolder = false;
        QString typeName;
        QIcon icon;
    };

    std::vector<Entry> ReadEntries() const;
    bool Sorts(const Entry& a, const Entry& b) const;

    std::filesystem::path m_folder;
    std::vector<Entry> m_entries;
    QCollator m_collator;
    QFileIconProvider m_iconProvider;
    ErrorReporter m_errorReporter;
    int m_readCount = 0;
};
