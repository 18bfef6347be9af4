#include "DriveFixture.h"

#include "DosAttributes.h"
#include "TempDrive.h"

#include <QRegularExpression>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

struct Line {
    QString path;
    enum { File, Folder, Gone } kind;
    QString bytes;
    std::uint32_t attributes = 0;
};

Line Parse(const QString& text) {
    if (text.endsWith('!'))
        return {text.chopped(1), Line::Gone, {}, 0};
    if (text.endsWith('/'))
        return {text.chopped(1), Line::Folder, {}, 0};
    const qsizetype cut = text.indexOf('=');
    Line line{text.left(cut), Line::File, text.mid(cut + 1), 0};
    static const QRegularExpression attr(QStringLiteral(" \\[attr (\\d+)\\]$"));
    const auto match = attr.match(line.bytes);
    if (match.hasMatch()) {
        line.attributes = match.captured(1).toUInt();
        line.bytes.chop(match.capturedLength());
    }
    return line;
}

QString Describe(const Line& line) {
    if (line.kind == Line::Folder)
        return QStringLiteral("<folder>");
    if (line.attributes == 0)
        return line.bytes;
    return line.bytes + QStringLiteral(" [attr %1]").arg(line.attributes);
}

bool Names(const QString& path, const QString& prefix) {
    return path == prefix || path.startsWith(prefix + '/');
}

} // namespace

namespace DriveFixture {

QStringList Machine() {
    return {
        QStringLiteral("LOGO.SYS=live start-up"),
        QStringLiteral("WINDOWS/LOGOW.SYS=live wait"),
        QStringLiteral("WINDOWS/LOGOS.SYS=live off"),
        QStringLiteral("orvantis/LOGO_INICIAL.BMP=edited start-up"),
        QStringLiteral("orvantis/LOGO_INTERMEDIARIO.BMP=edited wait"),
        QStringLiteral("orvantis/LOGO_FINAL.BMP=edited off"),
        QStringLiteral("TOLVANEX/LOGO.SYS=backup start-up"),
        QStringLiteral("TOLVANEX/LOGOW.SYS=backup wait"),
        QStringLiteral("TOLVANEX/LOGOS.SYS=backup off"),
    };
}

QStringList Without(const QStringList& lines, const QStringList& paths) {
    QStringList kept;
    for (const QString& text : lines) {
        const QString path = Parse(text).path;
        bool named = false;
        for (const QString& removed : paths)
            named = named || Names(path, removed);
        if (!named)
            kept << text;
    }
    return kept;
}

void Lay(const TempDrive& drive, const QStringList& lines) {
    for (const QString& text : lines)
        Apply(drive, text);
}

void Apply(const TempDrive& drive, const QString& text) {
    const Line line = Parse(text);
    const std::string relative = line.path.toStdString();
    switch (line.kind) {
    case Line::Gone:
        fs::remove_all(drive.Host(relative));
        break;
    case Line::Folder:
        drive.MakeFolder(relative);
        break;
    case Line::File:
        drive.WriteFile(relative, line.bytes.toStdString());
        if (line.attributes != 0)
            DosAttributes::Write(drive.Host(relative), line.attributes);
        break;
    }
}

QMap<QString, QString> Snapshot(const TempDrive& drive) {
    QMap<QString, QString> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(drive.Root())) {
        const QString path =
            QString::fromStdString(fs::relative(entry.path(), drive.Root()).generic_string());
        if (entry.is_directory()) {
            entries.insert(path, QStringLiteral("<folder>"));
            continue;
        }
        Line line{path, Line::File, QString::fromStdString(drive.ReadFile(path.toStdString())), 0};
        line.attributes = DosAttributes::Read(entry.path()).value_or(0);
        entries.insert(path, Describe(line));
    }
    return entries;
}

QMap<QString, QString> Changed(QMap<QString, QString> snapshot, const QStringList& changes) {
    for (const QString& text : changes) {
        const Line line = Parse(text);
        if (line.kind == Line::Gone) {
            for (const QString& key : snapshot.keys())
                if (Names(key, line.path))
                    snapshot.remove(key);
        } else {
            snapshot.insert(line.path, Describe(line));
        }
    }
    return snapshot;
}

} // namespace DriveFixture
