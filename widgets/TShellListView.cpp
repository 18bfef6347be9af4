#include "TShellListView.h"

#include "EInvalidPath.h"
#include "TFilePropertiesDialog.h"
#include "TFolderWatcher.h"
#include "TWorkFolderModel.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>

#include <system_error>

namespace fs = std::filesystem;

namespace {

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

} // namespace

TShellListView::TShellListView(const TDrive& drive, QWidget* parent)
    : QListView(parent),
      m_drive(drive),
      m_model(new TWorkFolderModel(this)),
      m_watcher(new TFolderWatcher(this)),
      m_opener(&m_desktopOpener) {
    setModel(m_model);
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setIconSize(QSize(32, 32));
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setSpacing(4);
    setUniformItemSizes(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    // The selection stays as visible without the focus as with it.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    connect(m_watcher, &TFolderWatcher::EntriesChanged, this, &TShellListView::Refresh);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { OpenRow(index.row()); });

    m_presenter = [this](const fs::path& path, const QString& typeName) {
        auto* dialog = new TFilePropertiesDialog(path, typeName, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    };
}

TShellListView::~TShellListView() = default;

void TShellListView::SetRoot(const std::string& dosPath) {
    const std::optional<fs::path> folder = m_drive.Resolve(dosPath);
    std::error_code ec;
    if (!folder || !fs::is_directory(*folder, ec))
        throw EInvalidPath(dosPath);
    m_root = dosPath;
    ShowFolder(*folder);
}

const fs::path& TShellListView::CurrentFolder() const { return m_model->Folder(); }

bool TShellListView::ShowFolder(const fs::path& hostFolder) {
    std::error_code ec;
    if (!fs::is_directory(hostFolder, ec))
        return false;
    m_watcher->Watch(hostFolder);
    m_model->SetFolder(hostFolder);
    emit FolderShown();
    return true;
}

void TShellListView::Refresh() {
    const int row = SelectedRow();
    const QString selected = row >= 0 ? m_model->Names().at(row) : QString();
    m_model->Reread();
    Reselect(selected);
}

void TShellListView::Reselect(const QString& name) {
    if (name.isEmpty())
        return;
    const int row = m_model->RowOf(name);
    if (row >= 0)
        setCurrentIndex(m_model->index(row));
}

QStringList TShellListView::ItemNames() const { return m_model->Names(); }

int TShellListView::SelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

std::optional<fs::path> TShellListView::SelectedPath() const {
    const int row = SelectedRow();
    if (row < 0)
        return std::nullopt;
    return m_model->PathAt(row);
}

void TShellListView::SetErrorReporter(ErrorReporter reporter) {
    m_model->SetErrorReporter(std::move(reporter));
}

void TShellListView::OpenRow(int row) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    const fs::path path = m_model->PathAt(row);
    if (m_model->IsFolderAt(row))
        ShowFolder(path);
    else
        m_opener->Open(path);
}

void TShellListView::OpenSelected() { OpenRow(SelectedRow()); }

void TShellListView::RenameSelected() {
    const int row = SelectedRow();
    if (row >= 0)
        edit(m_model->index(row));
}

void TShellListView::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    QFile::moveToTrash(QFile::decodeName(m_model->PathAt(row).c_str()));
    Refresh();
}

void TShellListView::ShowSelectedProperties() {
    const int row = SelectedRow();
    if (row >= 0 && m_presenter)
        m_presenter(m_model->PathAt(row), m_model->TypeNameAt(row));
}

void TShellListView::ShowParent() {
    const fs::path& current = CurrentFolder();
    if (current.empty() || SameFolder(current, m_drive.Root()))
        return;
    fs::path parent = current.lexically_normal();
    if (!parent.has_filename())
        parent = parent.parent_path(); // "folder/" names the folder itself
    ShowFolder(parent.parent_path());
}

void TShellListView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState) {
        if (event->modifiers() & Qt::AltModifier)
            ShowSelectedProperties();
        else
            OpenSelected();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backspace && state() != EditingState) {
        ShowParent();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F5) {
        Refresh();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void TShellListView::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    QMenu menu(this);
    menu.addAction(QStringLiteral("Abrir"), this, &TShellListView::OpenSelected);
    menu.addAction(QStringLiteral("Renomear"), this, &TShellListView::RenameSelected);
    menu.addAction(QStringLiteral("Excluir"), this, &TShellListView::DeleteSelected);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Propriedades"), this, &TShellListView::ShowSelectedProperties);
    menu.exec(event->globalPos());
}
