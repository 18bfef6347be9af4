// How DOS paths on drive C: find their host files, and that a path the drive
// refuses makes every service fail without touching anything.

#include "EInOutError.h"
#include "HostTree.h"
#include "RecordingClock.h"
#include "TDrive.h"
#include "TPlatform.h"
#include "TempDrive.h"

#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const kRefused = "<refused>";

// Entries written with a trailing '/' are folders, the others empty files.
void MakeEntries(const TempDrive& drive, const QStringList& entries) {
    for (const QString& entry : entries) {
        if (entry.endsWith('/'))
            drive.MakeFolder(entry.chopped(1).toStdString());
        else
            drive.WriteFile(entry.toStdString(), "");
    }
}

void AddRefusedPathRows() {
    QTest::newRow("other drive") << QString("d:\\x");
    QTest::newRow("drive relative") << QString("c:x");
    QTest::newRow("drive letter alone") << QString("c:");
    QTest::newRow("network path") << QString("\\\\server\\x");
    QTest::newRow("rooted without drive") << QString("\\x");
    QTest::newRow("empty") << QString("");
    QTest::newRow("empty component at start") << QString("c:\\\\a");
    QTest::newRow("empty component inside") << QString("c:\\a\\\\b");
    QTest::newRow("two trailing backslashes") << QString("c:\\a\\\\");
    QTest::newRow("dot") << QString("c:\\.");
    QTest::newRow("dot inside") << QString("c:\\a\\.\\b");
    QTest::newRow("dot dot") << QString("c:\\..");
    QTest::newRow("escape") << QString("c:\\..\\orvantis-escape-probe");
    QTest::newRow("dot dot inside") << QString("c:\\a\\..\\..\\orvantis-escape-probe");
    QTest::newRow("forward slash") << QString("c:\\a/b");
    QTest::newRow("forward slash root") << QString("c:/a");
}

} // namespace

class TestDrive : public QObject {
    Q_OBJECT

private slots:
    void resolve_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("dosPath");
        QTest::addColumn<QString>("expected"); // relative host path, or kRefused

        const QStringList twoCases{"LOGO.SYS", "logo.sys"};
        QTest::newRow("exact spelling, lower") << twoCases << "c:\\logo.sys" << "logo.sys";
        QTest::newRow("exact spelling, upper") << twoCases << "c:\\LOGO.SYS" << "LOGO.SYS";
        QTest::newRow("variant: first in byte order")
            << QStringList{"logo.sys", "Logo.sys", "LOGO.sys"} << "C:\\LoGo.SyS" << "LOGO.sys";
        QTest::newRow("exact beats an earlier variant")
            << QStringList{"LOGO.SYS", "Logo.sys", "logo.sys"} << "c:\\Logo.sys" << "Logo.sys";
        QTest::newRow("single variant")
            << QStringList{"LOGO.SYS"} << "c:\\logo.sys" << "LOGO.SYS";
        QTest::newRow("folder and file matched")
            << QStringList{"WINDOWS/LOGOW.SYS"} << "c:\\windows\\logow.sys" << "WINDOWS/LOGOW.SYS";
        QTest::newRow("mixed case written")
            << QStringList{"windows/logos.sys"} << "C:\\Windows\\LOGOS.sys" << "windows/logos.sys";
        QTest::newRow("missing file keeps its case")
            << QStringList{"windows/"} << "c:\\WINDOWS\\New.Txt" << "windows/New.Txt";
        QTest::newRow("missing folder keeps its case")
            << QStringList{} << "c:\\OrVaNtIs\\LOGO_INICIAL.BMP" << "OrVaNtIs/LOGO_INICIAL.BMP";
        QTest::newRow("folder variant, missing file")
            << QStringList{"TOLVANEX/"} << "c:\\tolvanex\\LOGO.SYS" << "TOLVANEX/LOGO.SYS";
        QTest::newRow("only ASCII letters fold")
            << QStringList{"CAFÉ"} << "c:\\café" << "café";
        QTest::newRow("ASCII part folds, accent exact")
            << QStringList{"CAFé"} << "c:\\café" << "CAFé";
        QTest::newRow("root") << QStringList{} << "c:\\" << "";
        QTest::newRow("root, capital") << QStringList{} << "C:\\" << "";
        QTest::newRow("trailing backslash")
            << QStringList{"orvantis/"} << "C:\\orvantis\\" << "orvantis";
        QTest::newRow("trailing backslash, variant")
            << QStringList{"ORVANTIS/"} << "c:\\orvantis\\" << "ORVANTIS";

        const QStringList refused{"a/", "a/b"};
        QTest::newRow("other drive") << refused << "d:\\x" << kRefused;
        QTest::newRow("drive relative") << refused << "c:x" << kRefused;
        QTest::newRow("drive letter alone") << refused << "c:" << kRefused;
        QTest::newRow("network path") << refused << "\\\\server\\x" << kRefused;
        QTest::newRow("empty") << refused << "" << kRefused;
        QTest::newRow("empty component") << refused << "c:\\\\a" << kRefused;
        QTest::newRow("empty component inside") << refused << "c:\\a\\\\b" << kRefused;
        QTest::newRow("dot") << refused << "c:\\." << kRefused;
        QTest::newRow("dot inside") << refused << "c:\\a\\.\\b" << kRefused;
        QTest::newRow("dot dot") << refused << "c:\\.." << kRefused;
        QTest::newRow("dot dot inside") << refused << "c:\\a\\..\\b" << kRefused;
        QTest::newRow("forward slash") << refused << "c:\\a/b" << kRefused;
        QTest::newRow("forward slash only") << refused << "c:/a" << kRefused;
    }

    void resolve() {
        QFETCH(QStringList, entries);
        QFETCH(QString, dosPath);
        QFETCH(QString, expected);
        TempDrive drive;
        QVERIFY(drive.IsValid());
        MakeEntries(drive, entries);

        const auto host = drive.Drive().Resolve(dosPath.toStdString());
        if (expected == kRefused) {
            QVERIFY2(!host, host ? host->c_str() : "");
            return;
        }
        QVERIFY(host.has_value());
        const fs::path want = expected.isEmpty() ? drive.Root() : drive.Host(expected.toStdString());
        QCOMPARE(QString::fromStdString(host->string()), QString::fromStdString(want.string()));
    }

    // Every service, handed a path the drive refuses, fails and changes nothing:
    // neither the drive nor the folder around it.
    void refusedPathTouchesNothing_data() {
        QTest::addColumn<QString>("badPath");
        AddRefusedPathRows();
    }

    void refusedPathTouchesNothing() {
        QFETCH(QString, badPath);
        TempDrive drive;
        QVERIFY(drive.IsValid());
        drive.WriteFile("a/b", "bytes of b");
        drive.WriteFile("LOGO.SYS", "live logo");
        const fs::path probe = drive.Root().parent_path() / "orvantis-escape-probe";
        fs::remove_all(probe);
        const auto before = HostTree::Snapshot(drive.Root());

        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);
        const std::string bad = badPath.toStdString();

        QVERIFY(!platform.CopyFileA("c:\\LOGO.SYS", bad, false));
        QVERIFY(!platform.CopyFileA(bad, "c:\\copy.sys", false));
        platform.WinExec("Command.com /c MD " + bad, 0);
        platform.WinExec("Command.com /c Del " + bad, 0);
        QVERIFY(!platform.SetFileAttributesA(bad, 2));
        QVERIFY(!platform.FileIsPresent(bad));
        try {
            platform.AppendTextLine(bad, "ORVANTIS");
            QFAIL("AppendTextLine accepted a refused path");
        } catch (const EInOutError& error) {
            QCOMPARE(error.Code(), 3);
            QCOMPARE(std::string(error.what()), std::string("Invalid filename"));
        }

        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
        QVERIFY(!fs::exists(fs::symlink_status(probe)));
        QVERIFY(clock.pauses.empty());
    }

    // A drive folder that has gone: every service fails and none makes it again.
    void missingDrive() {
        TempDrive drive;
        QVERIFY(drive.IsValid());
        const fs::path root = drive.Root();
        QVERIFY(fs::remove(root));
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        QVERIFY(!platform.CopyFileA("c:\\logo.sys", "c:\\TOLVANEX\\LOGO.SYS", true));
        QVERIFY(platform.WinExec("Command.com /c MD c:\\orvantis", 0) > 31);
        QVERIFY(platform.WinExec("Command.com /c Del c:\\ORVANTISVERDE.ORV", 0) > 31);
        QVERIFY(!platform.SetFileAttributesA("c:\\logo.sys", 0));
        QVERIFY(!platform.FileIsPresent("c:\\logo.sys"));
        try {
            platform.AppendTextLine("c:\\ORVANTISVERDE.ORV", "ORVANTIS");
            QFAIL("AppendTextLine wrote into a missing drive");
        } catch (const EInOutError& error) {
            QCOMPARE(error.Code(), 2); // ENOENT
        }
        QVERIFY(!fs::exists(fs::symlink_status(root)));
        QVERIFY(fs::create_directory(root)); // for the temporary folder's own clean-up
    }
};

QTEST_GUILESS_MAIN(TestDrive)
#include "test_drive.moc"
