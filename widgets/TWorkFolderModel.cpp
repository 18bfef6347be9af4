#include "TWorkFolderModel.h"

#include "DosAttributes.h"
#include "ERenameFailed.h"

#include <QDebug>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {

QString NameOf(const fs::path& path) { return QFile::decodeName(path.filename().c_str()); }

fs::path EncodedName(const QString& name) { return fs::path(QFile::encodeName(name).toStdString()); }

bool IsHidden(const fs::path& path) {
    if (path.filename().string().starts_with('.'))
        return true;
    const auto attributes = DosAttributes::Read(path);
    return attributes && (*attributes & faHidden) != 0;
}

QLocale SortLocale() {
    // The C locale orders by code point; a file manager's order needs a real one.
    const QLocale system;
    if (system.language() == QLocale::C)
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    return system;
}

// Renames without ever replacing an entry that appears meanwhile.
bool RenameNoReplace(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace flag: the existence check must do.
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to, ec)))
        return false;
    fs::rename(from, to, ec);
    return !ec;
}

} // namespace

TWorkFolderModel::TWorkFolderModel(QObject* parent)
    : QAbstractListModel(parent), m_collator(SortLocale()) {
    m_collator.setNumericMode(true);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void TWorkFolderModel::SetFolder(const fs::path& folder) {
    m_folder = folder;
    Reread();
}

bool TWorkFolderModel::Sorts(const Entry& a, const Entry& b) const {
    if (a.isFolder != b.isFolder)
        return a.isFolder;
    const int order = m_collator.compare(a.name, b.name);
    if (order != 0)
        return order < 0;
    return a.name < b.name; // names differing in letter case only: a fixed order
}

std::vector<TWorkFolderModel::Entry> TWorkFolderModel::ReadEntries() const {
    std::vector<Entry> entries;
    if (m_folder.empty())
        return entries;
    const QMimeDatabase mimeDatabase;
    std::error_code ec;
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path path = it->path();
        if (IsHidden(path))
            continue;
        const QFileInfo info(QFile::decodeName(path.c_str()));
        const QMimeType mime = mimeDatabase.mimeTypeForFile(info);
        Entry entry;
        entry.name = NameOf(path);
        std::error_code typeError;
        entry.isFolder = fs::is_directory(path, typeError);
        entry.typeName = mime.comment();
        const QIcon fallback = m_iconProvider.icon(info);
        entry.icon = QIcon::fromTheme(mime.iconName(), QIcon::fromTheme(mime.genericIconName(), fallback));
        if (entry.icon.isNull())
            entry.icon = fallback;
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [this](const Entry& a, const Entry& b) { return Sorts(a, b); });
    return entries;
}

void TWorkFolderModel::Reread() {
    std::vector<Entry> entries = ReadEntries();
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
    ++m_readCount;
    emit FolderRead();
}

QStringList TWorkFolderModel::Names() const {
    QStringList names;
    for (const Entry& entry : m_entries)
        names << entry.name;
    return names;
}

int TWorkFolderModel::RowOf(const QString& name) const {
    for (std::size_t row = 0; row < m_entries.size(); ++row)
        if (m_entries[row].name == name)
            return int(row);
    return -1;
}

fs::path TWorkFolderModel::PathAt(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    return m_folder / EncodedName(m_entries[std::size_t(row)].name);
}

bool TWorkFolderModel::IsFolderAt(int row) const {
    return row >= 0 && row < rowCount() && m_entries[std::size_t(row)].isFolder;
}

QString TWorkFolderModel::TypeNameAt(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    return m_entries[std::size_t(row)].typeName;
}

void TWorkFolderModel::Rename(int row, const QString& newName) {
    const std::string shown = newName.toStdString();
    if (row < 0 || row >= rowCount())
        throw ERenameFailed(shown);
    Entry& entry = m_entries[std::size_t(row)];
    if (newName == entry.name)
        return;
    // Names that are no entry of this folder, or that would leave it.
    if (newName.isEmpty() || newName == QLatin1String(".") || newName == QLatin1String("..") ||
        newName.contains(QLatin1Char('/')) || newName.contains(QChar(u'\0')))
        throw ERenameFailed(shown);
    const fs::path target = m_folder / EncodedName(newName);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec)))
        throw ERenameFailed(shown);
    if (!RenameNoReplace(PathAt(row), target))
        throw ERenameFailed(shown);
    // The folder watch reads the folder again and puts the entry in its place.
    entry.name = newName;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

int TWorkFolderModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant TWorkFolderModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Entry& entry = m_entries[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return entry.name;
    case Qt::DecorationRole:
        return entry.icon;
    case Qt::ToolTipRole:
        return entry.typeName;
    default:
        return {};
    }
}

bool TWorkFolderModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    // Errors must not travel through the toolkit's event handling: they go to
    // the reporter, and the edit ends with the old name.
    try {
        Rename(index.row(), value.toString());
        return true;
    } catch (const std::exception& error) {
        if (m_errorReporter)
            m_errorReporter(error);
        else
            qWarning().noquote() << error.what();
        return false;
    }
}

Qt::ItemFlags TWorkFolderModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}
