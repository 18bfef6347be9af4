#include "TQtDialogService.h"

#include <QMessageBox>

void TQtDialogService::ShowMessageBox(const std::string& caption, const std::string& text,
                                      TMessageIcon icon) {
    const QMessageBox::Icon qicon = icon == miStop      ? QMessageBox::Critical
                                    : icon == miWarning ? QMessageBox::Warning
                                                        : QMessageBox::Information;
    QMessageBox box(qicon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}
