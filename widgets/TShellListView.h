#pragma once

#include "TDesktopFileOpener.h"
#include "TDrive.h"

#include <QListView>

#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class IFileOpener;
class TFolderWatcher;
class TWorkFolderModel;

// The work-folder list of the Edit page: one folder of drive C: as large
// icons with names, the way the desktop's file browser shows it. It follows
// the folder's entries as they are created, deleted and renamed, opens files
// with the desktop's application for their type, and renames in place.
class TShellListView : public QListView {
    Q_OBJECT

public:
    using ErrorReporter = std::function<void(const std::exception&)>;
    using PropertiesPresenter = std::function<void(const std::filesystem::path&, const QString& typeName)>;

    explicit TShellListView(const TDrive& drive, QWidget* parent = nullptr);
    ~TShellListView() override;

    // Shows the folder of a DOS path ("C:\orvantis\"); throws EInvalidPath
    // when it is no existing folder on the drive.
    void SetRoot(const std::string& dosPath);
    const std::string& Root() const { return m_root; }

    // The host folder shown now.
    const std::filesystem::path& CurrentFolder() const;
    // Shows another folder of the drive; false (nothing changes) when it is not one.
    bool ShowFolder(const std::filesystem::path& hostFolder);
    // Reads the folder shown again (F5).
    void Refresh();

    TWorkFolderModel& Model() const { return *m_model; }
    // The names listed, in their order.
    QStringList ItemNames() const;
    // The row of the one selected item, or -1.
    int SelectedRow() const;
    std::optional<std::filesystem::path> SelectedPath() const;
    // True while a name is being edited in place.
    bool IsEditingName() const { return state() == EditingState; }

    // Replaces the desktop's opener; opener must outlive the list.
    void SetFileOpener(IFileOpener& opener) { m_opener = &opener; }
    // Where a refused rename is reported.
    void SetErrorReporter(ErrorReporter reporter);
    // Replaces the properties dialog (shown without blocking by default).
    void SetPropertiesPresenter(PropertiesPresenter presenter) { m_presenter = std::move(presenter); }

public slots:
    // ENTER: a file goes to the opener, a folder is shown.
    void OpenSelected();
    void RenameSelected();
    // Moves the selected item to the desktop's trash and reads the folder again.
    void DeleteSelected();
    void ShowSelectedProperties();
    // BACKSPACE: the parent of the folder shown, never above the drive's root.
    void ShowParent();

signals:
    void FolderShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OpenRow(int row);
    void Reselect(const QString& name);

    TDrive m_drive;
    std::string m_root;
    std::filesystem::path m_current;
    TWorkFolderModel* m_model;
    TFolderWatcher* m_watcher;
    TDesktopFileOpener m_desktopOpener;
    IFileOpener* m_opener;
    PropertiesPresenter m_presenter;
};
