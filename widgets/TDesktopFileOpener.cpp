#include "TDesktopFileOpener.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

void TDesktopFileOpener::Open(const std::filesystem::path& hostPath) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(hostPath.c_str())));
}
