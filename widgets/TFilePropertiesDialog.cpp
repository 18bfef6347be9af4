#include "TFilePropertiesDialog.h"

#include "DosAttributes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace {

QLabel* Value(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TFilePropertiesDialog::TFilePropertiesDialog(const std::filesystem::path& hostPath,
                                             const QString& typeName, QWidget* parent)
    : QDialog(parent) {
    const QFileInfo info(QFile::decodeName(hostPath.c_str()));
    const QLocale locale;
    setWindowTitle(QStringLiteral("Propriedades de %1").arg(info.fileName()));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nome:"), Value(info.fileName(), this));
    form->addRow(QStringLiteral("Tipo:"), Value(typeName, this));
    if (!info.isDir())
        form->addRow(QStringLiteral("Tamanho:"),
                     Value(QStringLiteral("%1 (%2 bytes)")
                               .arg(locale.formattedDataSize(info.size()), locale.toString(info.size())),
                           this));
    form->addRow(QStringLiteral("Modificado em:"),
                 Value(locale.toString(info.lastModified(), QLocale::LongFormat), this));
    form->addRow(QStringLiteral("Local:"), Value(info.absolutePath(), this));

    const std::uint32_t attributes = DosAttributes::Read(hostPath).value_or(0);
    auto* attributeRow = new QHBoxLayout;
    const std::pair<std::uint32_t, const char*> names[] = {
        {faReadOnly, "Somente leitura"}, {faHidden, "Oculto"}, {faSysFile, "Sistema"}, {faArchive, "Arquivo"}};
    for (const auto& [bit, name] : names) {
        auto* box = new QCheckBox(QString::fromUtf8(name), this);
        box->setChecked((attributes & bit) != 0);
        box->setEnabled(false);
        attributeRow->addWidget(box);
    }
    form->addRow(QStringLiteral("Atributos:"), attributeRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}
