#pragma once

#include <QDialog>

#include <filesystem>

// What the file browser tells about one entry: name, type, size, time of the
// last change, the folder holding it and its DOS attributes. Read only.
class TFilePropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit TFilePropertiesDialog(const std::filesystem::path& hostPath, const QString& typeName,
                          QWidget* parent = nullptr);
};
