#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class TempDrive;

// Drive contents written as lines, host paths relative to the drive root:
//   "WINDOWS/LOGOW.SYS=bytes"          a file with these bytes
//   "WINDOWS/LOGOW.SYS=bytes [attr 2]" the same, with DOS attributes
//   "orvantis/"                        a folder
//   "LOGO.SYS!"                        (changes only) the entry is gone
namespace DriveFixture {

// A machine in ordinary use: the three live screens, edited working copies
// and the first-run backups, under the names Windows 98 gives them.
QStringList Machine();
// The lines without those naming any of the given paths (or lying under them).
QStringList Without(const QStringList& lines, const QStringList& paths);

void Lay(const TempDrive& drive, const QStringList& lines);
// Carries out one line on the drive: creates the file or folder, or removes it.
void Apply(const TempDrive& drive, const QString& line);
// Every entry under the root as path -> "bytes", "bytes [attr N]" or "<folder>".
QMap<QString, QString> Snapshot(const TempDrive& drive);
// A snapshot with change lines applied.
QMap<QString, QString> Changed(QMap<QString, QString> snapshot, const QStringList& changes);

} // namespace DriveFixture
