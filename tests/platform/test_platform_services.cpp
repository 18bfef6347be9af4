// The file and process services on a real temporary drive C:, the I/O errors
// they raise, the guard around event handlers and the sample drive.

#include "ChildProcess.h"
#include "DosAttributes.h"
#include "EInOutError.h"
#include "HostTree.h"
#include "RecordingClock.h"
#include "RecordingDialogs.h"
#include "SystemClock.h"
#include "TPlatform.h"
#include "TSampleDrive.h"
#include "TempDrive.h"
#include "UnhandledErrorGuard.h"

#include <QtTest>
#include <QImage>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr unsigned kNoXattr = 0xFFFFFFFFu;
constexpr std::size_t kBootScreenSize = 129078;

QByteArray RandomBytes(int size, unsigned seed) {
    std::mt19937 generator(seed);
    QByteArray bytes(size, '\0');
    for (char& c : bytes)
        c = char(generator() & 0xFF);
    return bytes;
}

std::string Std(const QByteArray& bytes) { return std::string(bytes.constData(), std::size_t(bytes.size())); }

bool OwnerMayWrite(const fs::path& path) { return (HostTree::Mode(path) & S_IWUSR) != 0; }

std::uint32_t Le32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[offset + std::size_t(i)]);
    return value;
}

std::uint16_t Le16(const std::string& bytes, std::size_t offset) {
    return std::uint16_t(std::uint8_t(bytes[offset]) | (std::uint8_t(bytes[offset + 1]) << 8));
}

// The error AppendTextLine raised, as "code message", or "none".
std::string AppendOutcome(IPlatform& platform, const std::string& path, const std::string& text) {
    try {
        platform.AppendTextLine(path, text);
    } catch (const EInOutError& error) {
        return std::to_string(error.Code()) + " " + error.what();
    }
    return "none";
}

// Entries shared by the failure tables of CopyFileA and AppendTextLine.
void MakeFailureFixture(const TempDrive& drive) {
    drive.WriteFile("SRC.BIN", "new bytes");
    drive.WriteFile("DEST.BIN", "old bytes");
    drive.WriteFile("RO.BIN", "old read-only bytes");
    ::chmod(drive.Host("RO.BIN").c_str(), 0444);
    drive.WriteFile("ro.orv", "keep\r\n");
    ::chmod(drive.Host("ro.orv").c_str(), 0444);
    drive.WriteFile("FOLDER/inside", "inside");
    drive.MakeFolder("folder.orv");
    drive.WriteFile("file.orv", "a file");
    fs::create_symlink("nowhere", drive.Host("dangling"));
    fs::create_symlink("/dev/full", drive.Host("full.orv"));
}

} // namespace

class TestPlatformServices : public QObject {
    Q_OBJECT

private slots:
    // ---- attributes ---------------------------------------------------------
    // On the temporary folder's file system: read-only is the write bits, the
    // rest user.DOSATTRIB. The FAT attribute byte of a vfat mount is not
    // exercised here.

    void writeAttributes_data() {
        QTest::addColumn<uint>("initialMode");
        QTest::addColumn<QString>("initialXattr"); // empty: none
        QTest::addColumn<uint>("attributes");
        QTest::addColumn<uint>("expectedRead");
        QTest::addColumn<QString>("expectedXattr"); // empty: none
        QTest::addColumn<uint>("expectedMode");

        QTest::newRow("plain -> hidden") << 0644u << "" << 2u << 2u << "0x2" << 0644u;
        QTest::newRow("hidden -> none") << 0644u << "0x2" << 0u << 0u << "" << 0644u;
        QTest::newRow("none -> none") << 0644u << "" << 0u << 0u << "" << 0644u;
        QTest::newRow("read-only -> none") << 0444u << "" << 0u << 0u << "" << 0644u;
        QTest::newRow("read-only hidden -> hidden") << 0444u << "0x2" << 2u << 2u << "0x2" << 0644u;
        QTest::newRow("group bits kept when owner write returns")
            << 0440u << "" << 0u << 0u << "" << 0640u;
        QTest::newRow("system archive from Wine -> hidden") << 0644u << "0x24" << 2u << 2u << "0x2" << 0644u;
        QTest::newRow("system archive -> none") << 0644u << "0x24" << 0u << 0u << "" << 0644u;
        QTest::newRow("plain -> read-only hidden") << 0664u << "" << 3u << 3u << "0x2" << 0444u;
        QTest::newRow("hidden -> read-only") << 0644u << "0x2" << 1u << 1u << "" << 0444u;
        QTest::newRow("plain -> hidden system archive") << 0644u << "" << 38u << 38u << "0x26" << 0644u;
    }

    void writeAttributes() {
        QFETCH(uint, initialMode);
        QFETCH(QString, initialXattr);
        QFETCH(uint, attributes);
        QFETCH(uint, expectedRead);
        QFETCH(QString, expectedXattr);
        QFETCH(uint, expectedMode);
        TempDrive drive;
        if (!HostTree::KeepsUserXattrs(drive.Root()))
            QSKIP("the temporary folder keeps no user extended attributes");
        const fs::path file = drive.Host("LOGO.SYS");
        drive.WriteFile("LOGO.SYS", "logo");
        if (!initialXattr.isEmpty())
            QVERIFY(HostTree::SetDosAttribXattr(file, initialXattr.toStdString()));
        QCOMPARE(::chmod(file.c_str(), initialMode), 0);

        QVERIFY(DosAttributes::Write(file, attributes));

        QCOMPARE(DosAttributes::Read(file), std::optional<std::uint32_t>(expectedRead));
        QCOMPARE(QString::fromStdString(HostTree::DosAttribXattr(file).value_or("")), expectedXattr);
        if (expectedXattr.isEmpty()) // removed, not left as "0x0"
            QCOMPARE(::getxattr(file.c_str(), "user.DOSATTRIB", nullptr, 0), ssize_t(-1));
        QCOMPARE(HostTree::Mode(file), unsigned(expectedMode));
        QCOMPARE(drive.ReadFile("LOGO.SYS"), std::string("logo"));
    }

    void readAttributes_data() {
        QTest::addColumn<uint>("mode");
        QTest::addColumn<QString>("xattr");
        QTest::addColumn<uint>("expected");

        QTest::newRow("none") << 0644u << "" << 0u;
        QTest::newRow("hidden, as Wine writes it") << 0644u << "0x2" << 2u;
        QTest::newRow("hidden system archive") << 0644u << "0x26" << 38u;
        QTest::newRow("read-only bit in the xattr is not read-only") << 0644u << "0x1" << 0u;
        QTest::newRow("no write bit is read-only") << 0444u << "" << 1u;
        QTest::newRow("group write only is writable") << 0464u << "" << 0u;
        QTest::newRow("read-only hidden") << 0400u << "0x2" << 3u;
        QTest::newRow("unreadable text counts as none") << 0644u << "zz" << 0u;
    }

    void readAttributes() {
        QFETCH(uint, mode);
        QFETCH(QString, xattr);
        QFETCH(uint, expected);
        TempDrive drive;
        if (!HostTree::KeepsUserXattrs(drive.Root()))
            QSKIP("the temporary folder keeps no user extended attributes");
        const fs::path file = drive.Host("x.sys");
        drive.WriteFile("x.sys", "");
        if (!xattr.isEmpty())
            QVERIFY(HostTree::SetDosAttribXattr(file, xattr.toStdString()));
        QCOMPARE(::chmod(file.c_str(), mode), 0);
        QCOMPARE(DosAttributes::Read(file), std::optional<std::uint32_t>(expected));
    }

    void attributesOfMissingEntry() {
        TempDrive drive;
        QCOMPARE(DosAttributes::Read(drive.Host("missing")), std::optional<std::uint32_t>());
        QVERIFY(!DosAttributes::Write(drive.Host("missing"), 2));
        QVERIFY(!drive.Exists("missing"));
    }

    // The program's two calls, 0 and 2, on the file the DOS name finds.
    void setFileAttributesFindsTheFile() {
        TempDrive drive;
        if (!HostTree::KeepsUserXattrs(drive.Root()))
            QSKIP("the temporary folder keeps no user extended attributes");
        drive.WriteFile("WINDOWS/LOGOW.SYS", "wait");
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);
        const fs::path file = drive.Host("WINDOWS/LOGOW.SYS");

        QVERIFY(platform.SetFileAttributesA("C:\\windows\\logow.sys", 2));
        QCOMPARE(HostTree::DosAttribXattr(file), std::optional<std::string>("0x2"));
        QVERIFY(platform.SetFileAttributesA("c:\\WINDOWS\\LOGOW.SYS", 0));
        QCOMPARE(HostTree::DosAttribXattr(file), std::optional<std::string>());
        QCOMPARE(HostTree::Names(drive.Host("WINDOWS")), std::set<std::string>{"LOGOW.SYS"});

        QVERIFY(!platform.SetFileAttributesA("c:\\windows\\logos.sys", 2));
        QVERIFY(!platform.SetFileAttributesA("c:\\nofolder\\logos.sys", 0));
        QCOMPARE(HostTree::Names(drive.Host("WINDOWS")), std::set<std::string>{"LOGOW.SYS"});
        QVERIFY(!drive.Exists("nofolder"));
    }

    // ---- CopyFileA ----------------------------------------------------------

    void copyWholeFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("destinationExists");
        QTest::addColumn<bool>("failIfExists");

        const std::string screen = TSampleDrive::BootScreen(TSampleDrive::ssWait);
        const QByteArray bootScreen(screen.data(), qsizetype(screen.size()));
        QTest::newRow("boot screen, new destination") << bootScreen << false << true;
        QTest::newRow("boot screen replaces") << bootScreen << true << false;
        QTest::newRow("empty file, new destination") << QByteArray() << false << false;
        QTest::newRow("empty file replaces") << QByteArray() << true << false;
        QTest::newRow("one byte") << QByteArray("\0", 1) << true << false;
        QTest::newRow("every byte value, 64 KiB") << RandomBytes(65536, 1) << false << false;
        QTest::newRow("64 KiB and one") << RandomBytes(65537, 2) << true << false;
        QTest::newRow("1 MiB and some") << RandomBytes((1 << 20) + 77, 3) << true << false;
    }

    void copyWholeFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, destinationExists);
        QFETCH(bool, failIfExists);
        TempDrive drive;
        drive.WriteFile("windows/logow.sys", Std(content));
        drive.MakeFolder("orvantis");
        if (destinationExists)
            drive.WriteFile("orvantis/LOGO_INTERMEDIARIO.BMP", "an older, longer working copy " + std::string(200000, 'x'));
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        QVERIFY(platform.CopyFileA("c:\\WINDOWS\\LOGOW.SYS", "c:\\orvantis\\LOGO_INTERMEDIARIO.BMP",
                                   failIfExists));

        // The case variant that exists is the one replaced; a new file keeps the case written.
        const std::string name = "orvantis/LOGO_INTERMEDIARIO.BMP";
        QCOMPARE(HostTree::Names(drive.Host("orvantis")), std::set<std::string>{"LOGO_INTERMEDIARIO.BMP"});
        QVERIFY(drive.ReadFile(name) == Std(content));
        QVERIFY(drive.ReadFile("windows/logow.sys") == Std(content));
        QCOMPARE(DosAttributes::Read(drive.Host(name)), std::optional<std::uint32_t>(0u));
        QVERIFY(OwnerMayWrite(drive.Host(name)));
    }

    // A hidden, system destination is replaced by a file with no attributes,
    // also when the source is read-only and archive.
    void copyGivesNoAttributes() {
        TempDrive drive;
        if (!HostTree::KeepsUserXattrs(drive.Root()))
            QSKIP("the temporary folder keeps no user extended attributes");
        drive.WriteFile("orvantis/LOGO_FINAL.BMP", "edited");
        drive.WriteFile("windows/logos.sys", "live");
        QVERIFY(DosAttributes::Write(drive.Host("windows/logos.sys"), faHidden | faSysFile));
        QVERIFY(DosAttributes::Write(drive.Host("orvantis/LOGO_FINAL.BMP"), faReadOnly | faArchive));
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        QVERIFY(platform.CopyFileA("c:\\orvantis\\LOGO_FINAL.BMP", "c:\\windows\\logos.sys", false));

        const fs::path live = drive.Host("windows/logos.sys");
        QCOMPARE(drive.ReadFile("windows/logos.sys"), std::string("edited"));
        QCOMPARE(DosAttributes::Read(live), std::optional<std::uint32_t>(0u));
        QCOMPARE(HostTree::DosAttribXattr(live), std::optional<std::string>());
        QVERIFY(OwnerMayWrite(live));
    }

    void copyFailsAndTouchesNothing_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<bool>("failIfExists");

        QTest::newRow("fail if exists") << "c:\\src.bin" << "c:\\dest.bin" << true;
        QTest::newRow("fail if exists, case variant") << "c:\\SRC.BIN" << "c:\\Dest.Bin" << true;
        QTest::newRow("fail if exists, folder there") << "c:\\src.bin" << "c:\\folder" << true;
        QTest::newRow("fail if exists, dangling link there") << "c:\\src.bin" << "c:\\dangling" << true;
        QTest::newRow("read-only destination") << "c:\\src.bin" << "c:\\ro.bin" << false;
        QTest::newRow("destination is a folder") << "c:\\src.bin" << "c:\\FOLDER" << false;
        QTest::newRow("destination is the root") << "c:\\src.bin" << "c:\\" << false;
        QTest::newRow("destination is a dangling link") << "c:\\src.bin" << "c:\\dangling" << false;
        QTest::newRow("destination folder missing") << "c:\\src.bin" << "c:\\nofolder\\dest.bin" << false;
        QTest::newRow("destination under a file") << "c:\\src.bin" << "c:\\dest.bin\\x" << false;
        QTest::newRow("destination escapes") << "c:\\src.bin" << "c:\\..\\orvantis-escape-probe" << false;
        QTest::newRow("source is a folder") << "c:\\folder" << "c:\\dest.bin" << false;
        QTest::newRow("source is the root") << "c:\\" << "c:\\new.bin" << false;
        QTest::newRow("source deleted before the copy") << "c:\\gone.bin" << "c:\\dest.bin" << false;
        QTest::newRow("source is a dangling link") << "c:\\dangling" << "c:\\dest.bin" << false;
        QTest::newRow("source is a device") << "c:\\full.orv" << "c:\\dest.bin" << false;
    }

    void copyFailsAndTouchesNothing() {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(bool, failIfExists);
        TempDrive drive;
        MakeFailureFixture(drive);
        drive.WriteFile("GONE.BIN", "was here");
        fs::remove(drive.Host("GONE.BIN"));
        const fs::path probe = drive.Root().parent_path() / "orvantis-escape-probe";
        fs::remove_all(probe);
        const auto before = HostTree::Snapshot(drive.Root());
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        QVERIFY(!platform.CopyFileA(source.toStdString(), destination.toStdString(), failIfExists));

        // Listed whole, dot-files included: no temporary is left behind.
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
        QVERIFY(!fs::exists(fs::symlink_status(probe)));
    }

    // A write that fails half-way (the file size limit of a child process, as a
    // full disk would) leaves the destination as it was and no temporary.
    void copyOnFullDisk_data() {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<bool>("failIfExists");
        QTest::newRow("replacing a live file") << "c:\\windows\\logos.sys" << false;
        QTest::newRow("making a backup") << "c:\\TOLVANEX\\LOGOS.SYS" << true;
    }

    void copyOnFullDisk() {
        QFETCH(QString, destination);
        QFETCH(bool, failIfExists);
        TempDrive drive;
        drive.WriteFile("orvantis/LOGO_FINAL.BMP", TSampleDrive::BootScreen(TSampleDrive::ssStartUp));
        drive.WriteFile("windows/logos.sys", "the old live screen");
        drive.MakeFolder("TOLVANEX");
        const auto before = HostTree::Snapshot(drive.Root());

        const auto outcome = ChildProcess::Run([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return std::string("no limit");
            RecordingClock clock;
            TPlatform platform(drive.Drive(), clock);
            return std::string(platform.CopyFileA("c:\\orvantis\\LOGO_FINAL.BMP",
                                                  destination.toStdString(), failIfExists)
                                   ? "copied"
                                   : "failed");
        });

        QCOMPARE(outcome, std::optional<std::string>("failed"));
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
    }

    // ---- WinExec ------------------------------------------------------------

    void winExecMakesFolder_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("folder");
        QTest::newRow("as the program writes it") << "Command.com /c MD c:\\orvantis" << "orvantis";
        QTest::newRow("lower case keywords") << "command.com /C md c:\\x" << "x";
        QTest::newRow("upper case") << "COMMAND.COM /C MD C:\\TOLVANEX" << "TOLVANEX";
        QTest::newRow("inside an existing folder variant") << "Command.com /c Md c:\\windows\\Sub" << "WINDOWS/Sub";
        QTest::newRow("extra spaces") << "  Command.com   /c   MD   c:\\spaced  " << "spaced";
        QTest::newRow("trailing backslash") << "Command.com /c MD c:\\orvantis\\" << "orvantis";
    }

    void winExecMakesFolder() {
        QFETCH(QString, line);
        QFETCH(QString, folder);
        TempDrive drive;
        drive.WriteFile("WINDOWS/LOGOW.SYS", "wait");
        auto expected = HostTree::Snapshot(drive.Root());
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        QVERIFY(platform.WinExec(line.toStdString(), SW_HIDE) > 31);

        // Done before WinExec returned, and nothing else made.
        QVERIFY(fs::is_directory(fs::symlink_status(drive.Host(folder.toStdString()))));
        auto after = HostTree::Snapshot(drive.Root());
        QCOMPARE(after.erase(folder.toStdString()), std::size_t(1));
        QVERIFY(after == expected);
        QVERIFY(clock.pauses.empty());
    }

    void winExecMdChangesNothing_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("parent missing") << "Command.com /c MD c:\\nofolder\\sub";
        QTest::newRow("existing folder, other case") << "Command.com /c MD c:\\ORVANTIS";
        QTest::newRow("existing file of that name") << "Command.com /c MD c:\\logo.sys";
        QTest::newRow("existing dangling link") << "Command.com /c MD c:\\dangling";
        QTest::newRow("under a file") << "Command.com /c MD c:\\logo.sys\\x";
        QTest::newRow("the root") << "Command.com /c MD c:\\";
    }

    void winExecMdChangesNothing() {
        QFETCH(QString, line);
        TempDrive drive;
        drive.WriteFile("orvantis/LOGO_FINAL.BMP", "copy");
        drive.WriteFile("LOGO.SYS", "live");
        fs::create_symlink("nowhere", drive.Host("dangling"));
        const auto before = HostTree::Snapshot(drive.Root());
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        QVERIFY(platform.WinExec(line.toStdString(), SW_HIDE) > 31);
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
    }

    void winExecDel_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<uint>("attributes");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("deleted");
        const QString del = "Command.com /c Del c:\\ORVANTISVERDE.ORV";
        QTest::newRow("plain file") << del << 0u << false << true;
        QTest::newRow("keywords and name in other case")
            << "command.com /C del c:\\orvantisverde.orv" << 0u << false << true;
        QTest::newRow("upper case keywords") << "COMMAND.COM /C DEL C:\\ORVANTISVERDE.ORV" << 0u << false << true;
        QTest::newRow("archive file") << del << 32u << false << true;
        QTest::newRow("read-only file kept") << del << 1u << false << false;
        QTest::newRow("hidden file kept") << del << 2u << false << false;
        QTest::newRow("system file kept") << del << 4u << false << false;
        QTest::newRow("hidden system file kept") << del << 6u << false << false;
        QTest::newRow("folder kept") << del << 0u << true << false;
    }

    void winExecDel() {
        QFETCH(QString, line);
        QFETCH(uint, attributes);
        QFETCH(bool, folder);
        QFETCH(bool, deleted);
        TempDrive drive;
        if (attributes & (faHidden | faSysFile | faArchive) && !HostTree::KeepsUserXattrs(drive.Root()))
            QSKIP("the temporary folder keeps no user extended attributes");
        const std::string name = "ORVANTISVERDE.ORV";
        if (folder)
            drive.WriteFile(name + "/inside.orv", "inside");
        else
            drive.WriteFile(name, "marker\r\n");
        drive.WriteFile("ORVANTISAZUL.ORV", "another marker\r\n");
        QVERIFY(DosAttributes::Write(drive.Host(name), attributes));
        auto before = HostTree::Snapshot(drive.Root());
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        QVERIFY(platform.WinExec(line.toStdString(), SW_HIDE) > 31);

        QCOMPARE(drive.Exists(name), !deleted);
        if (deleted)
            before.erase(name);
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
    }

    void winExecOtherLinesDoNothing_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << "";
        QTest::newRow("interpreter alone") << "Command.com";
        QTest::newRow("no command") << "Command.com /c";
        QTest::newRow("MD without path") << "Command.com /c MD";
        QTest::newRow("Del without path") << "Command.com /c Del";
        QTest::newRow("RD") << "Command.com /c RD c:\\orvantis";
        QTest::newRow("Deltree") << "Command.com /c Deltree c:\\victim.txt";
        QTest::newRow("Erase") << "Command.com /c Erase c:\\victim.txt";
        QTest::newRow("other interpreter") << "cmd.exe /c del c:\\victim.txt";
        QTest::newRow("/k") << "Command.com /k Del c:\\victim.txt";
        QTest::newRow("two paths") << "Command.com /c Del c:\\victim.txt c:\\orvantis\\keep.txt";
        QTest::newRow("path with a space") << "Command.com /c MD c:\\new folder";
        QTest::newRow("switch glued to command") << "Command.com /cDel c:\\victim.txt";
        QTest::newRow("command glued to path") << "Command.com /c Delc:\\victim.txt";
        QTest::newRow("longer interpreter name") << "Command.comx /c Del c:\\victim.txt";
        QTest::newRow("Del alone") << "Del c:\\victim.txt";
        QTest::newRow("path alone") << "c:\\victim.txt";
        QTest::newRow("Del of a refused path") << "Command.com /c Del c:\\orvantis\\..\\victim.txt";
    }

    void winExecOtherLinesDoNothing() {
        QFETCH(QString, line);
        TempDrive drive;
        drive.WriteFile("victim.txt", "stays");
        drive.WriteFile("orvantis/keep.txt", "stays too");
        const auto before = HostTree::Snapshot(drive.Root());
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        platform.WinExec(line.toStdString(), SW_HIDE);
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
    }

    // What follows a command sees its effect: a marker deleted and written
    // again at once keeps the new line; a folder made can take a copy at once.
    void winExecDoneBeforeNextStep() {
        TempDrive drive;
        drive.WriteFile("ORVANTISROSA.ORV", "old\r\n");
        drive.WriteFile("LOGO.SYS", "live");
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        platform.WinExec("Command.com /c Del c:\\ORVANTISROSA.ORV", SW_HIDE);
        platform.AppendTextLine("c:\\ORVANTISROSA.ORV", "ORVANTIS");
        platform.WinExec("Command.com /c MD c:\\TOLVANEX", SW_HIDE);
        QVERIFY(platform.CopyFileA("c:\\logo.sys", "c:\\TOLVANEX\\LOGO.SYS", true));

        QCOMPARE(drive.ReadFile("ORVANTISROSA.ORV"), std::string("ORVANTIS\r\n"));
        QCOMPARE(drive.ReadFile("TOLVANEX/LOGO.SYS"), std::string("live"));
        QVERIFY(clock.pauses.empty());
    }

    // ---- Sleep --------------------------------------------------------------

    void sleepGoesThroughTheClock() {
        TempDrive drive;
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);
        platform.Sleep(2000);
        platform.Sleep(40);
        QCOMPARE(clock.pauses, (std::vector<unsigned>{2000, 40}));
    }

    void systemClockBlocks() {
        SystemClock clock;
        QElapsedTimer timer;
        timer.start();
        clock.Sleep(60);
        QVERIFY2(timer.elapsed() >= 60, qPrintable(QString::number(timer.elapsed())));
    }

    void systemClockRunsPauseEndWorkInsideEachPause_data() {
        QTest::addColumn<unsigned>("ms");
        // For each run of the work, the earliest it may come, in ms into the pause.
        QTest::addColumn<QList<int>>("earliest");

        QTest::newRow("ramp pause") << 40u << QList<int>{35};
        QTest::newRow("long pause: once early, once at the end") << 300u << QList<int>{270, 295};
        QTest::newRow("shorter than the work's lead") << 1u << QList<int>{};
    }

    void systemClockRunsPauseEndWorkInsideEachPause() {
        QFETCH(unsigned, ms);
        QFETCH(QList<int>, earliest);

        // The work comes near the end of each pause and the pause keeps its
        // length: started early it would warm nothing, run after the pause it
        // would lengthen it.
        SystemClock clock;
        QElapsedTimer timer;
        std::vector<qint64> workAt;
        clock.SetPauseEndWork([&] { workAt.push_back(timer.nsecsElapsed()); });
        for (int pause = 0; pause < 2; ++pause) {
            workAt.clear();
            timer.start();
            clock.Sleep(ms);
            const qint64 pauseEnd = timer.nsecsElapsed();
            QVERIFY2(pauseEnd >= qint64(ms) * 1'000'000, qPrintable(QString::number(pauseEnd)));
            QCOMPARE(workAt.size(), std::size_t(earliest.size()));
            for (std::size_t run = 0; run < workAt.size(); ++run)
                QVERIFY2(workAt[run] >= earliest[qsizetype(run)] * 1'000'000LL &&
                             workAt[run] < pauseEnd,
                         qPrintable(QStringLiteral("run %1 at %2 ns of a pause of %3 ns")
                                        .arg(run)
                                        .arg(workAt[run])
                                        .arg(pauseEnd)));
        }

        // Taken away, it is no longer run.
        clock.SetPauseEndWork({});
        clock.Sleep(ms);
        QVERIFY(workAt.size() == std::size_t(earliest.size()));
    }

    // ---- FileIsPresent ------------------------------------------------------

    void fileIsPresent_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("present");
        QTest::newRow("file") << "c:\\logo.sys" << true;
        QTest::newRow("file, other case") << "C:\\Logo.Sys" << true;
        QTest::newRow("hidden file") << "c:\\hidden.sys" << true;
        QTest::newRow("read-only file") << "c:\\ro.sys" << true;
        QTest::newRow("empty file") << "c:\\empty.sys" << true;
        QTest::newRow("link to a file") << "c:\\link-file" << true;
        QTest::newRow("folder") << "c:\\folder" << false;
        QTest::newRow("folder, trailing backslash") << "c:\\folder\\" << false;
        QTest::newRow("link to a folder") << "c:\\link-folder" << false;
        QTest::newRow("dangling link") << "c:\\link-dangling" << false;
        QTest::newRow("link to a device") << "c:\\link-device" << false;
        QTest::newRow("missing") << "c:\\missing.sys" << false;
        QTest::newRow("under a file") << "c:\\logo.sys\\x" << false;
        QTest::newRow("missing folder") << "c:\\nofolder\\logo.sys" << false;
        QTest::newRow("root") << "c:\\" << false;
        QTest::newRow("other drive") << "d:\\logo.sys" << false;
        QTest::newRow("escape") << "c:\\..\\logo.sys" << false;
        QTest::newRow("empty") << "" << false;
    }

    void fileIsPresent() {
        QFETCH(QString, path);
        QFETCH(bool, present);
        TempDrive drive;
        drive.WriteFile("LOGO.SYS", "live");
        drive.WriteFile("hidden.sys", "h");
        HostTree::SetDosAttribXattr(drive.Host("hidden.sys"), "0x2");
        drive.WriteFile("ro.sys", "r");
        ::chmod(drive.Host("ro.sys").c_str(), 0444);
        drive.WriteFile("empty.sys", "");
        drive.MakeFolder("folder");
        fs::create_symlink("LOGO.SYS", drive.Host("link-file"));
        fs::create_symlink("folder", drive.Host("link-folder"));
        fs::create_symlink("nowhere", drive.Host("link-dangling"));
        fs::create_symlink("/dev/null", drive.Host("link-device"));
        // One level up holds a file of the escaping name, which must not be seen.
        const fs::path outside = drive.Root().parent_path() / "logo.sys";
        const bool placedOutside = !fs::exists(outside);
        if (placedOutside)
            HostTree::Write(outside, "outside");
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        const bool seen = platform.FileIsPresent(path.toStdString());
        if (placedOutside)
            fs::remove(outside);
        QCOMPARE(seen, present);
    }

    // ---- AppendTextLine and EInOutError -------------------------------------

    void appendTextLine_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("initial");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("creates") << false << QByteArray() << QStringList{"ORVANTIS"} << QByteArray("ORVANTIS\r\n");
        QTest::newRow("empty text") << false << QByteArray() << QStringList{""} << QByteArray("\r\n");
        QTest::newRow("two lines") << false << QByteArray() << QStringList{"a", "b"} << QByteArray("a\r\nb\r\n");
        QTest::newRow("after lines") << true << QByteArray("line\r\n") << QStringList{"next"}
                                     << QByteArray("line\r\nnext\r\n");
        QTest::newRow("after text without line end") << true << QByteArray("abc") << QStringList{"x"}
                                                     << QByteArray("abcx\r\n");
        QTest::newRow("empty existing file") << true << QByteArray() << QStringList{"x"} << QByteArray("x\r\n");
    }

    void appendTextLine() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, initial);
        QFETCH(QStringList, texts);
        QFETCH(QByteArray, expected);
        TempDrive drive;
        const std::string name = exists ? "OrvantisVerde.orv" : "ORVANTISVERDE.ORV";
        if (exists)
            drive.WriteFile(name, Std(initial));
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        for (const QString& text : texts)
            platform.AppendTextLine("c:\\ORVANTISVERDE.ORV", text.toStdString());

        QCOMPARE(HostTree::Names(drive.Root()), std::set<std::string>{name});
        QCOMPARE(QByteArray::fromStdString(drive.ReadFile(name)), expected);
        QCOMPARE(DosAttributes::Read(drive.Host(name)), std::optional<std::uint32_t>(0u));
        QVERIFY(OwnerMayWrite(drive.Host(name)));
    }

    void appendToHiddenFileKeepsIt() {
        TempDrive drive;
        if (!HostTree::KeepsUserXattrs(drive.Root()))
            QSKIP("the temporary folder keeps no user extended attributes");
        drive.WriteFile("ORVANTISAQUA.ORV", "ORVANTIS\r\n");
        QVERIFY(DosAttributes::Write(drive.Host("ORVANTISAQUA.ORV"), faHidden));
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);
        platform.AppendTextLine("c:\\orvantisaqua.orv", "ORVANTIS");
        QCOMPARE(drive.ReadFile("ORVANTISAQUA.ORV"), std::string("ORVANTIS\r\nORVANTIS\r\n"));
        QCOMPARE(DosAttributes::Read(drive.Host("ORVANTISAQUA.ORV")), std::optional<std::uint32_t>(faHidden));
    }

    void appendFailsAndTouchesNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("outcome");
        // Tests run as root, who could write the file: the read-only attribute is enforced.
        QTest::newRow("read-only file") << "c:\\ro.orv" << "5 File access denied";
        QTest::newRow("read-only file, other case") << "c:\\RO.ORV" << "5 File access denied";
        QTest::newRow("folder of that name") << "c:\\folder.orv" << "5 File access denied";
        QTest::newRow("link to a full device") << "c:\\full.orv" << "101 Disk full";
        // The file cannot be created: ENOENT, "File not found".
        QTest::newRow("missing folder") << "c:\\nofolder\\x.orv" << "2 File not found";
        QTest::newRow("folder is a file") << "c:\\file.orv\\x.orv" << "3 Invalid filename";
        QTest::newRow("name too long") << "c:\\" + QString(300, 'x') << "3 Invalid filename";
        QTest::newRow("refused path") << "c:\\..\\x.orv" << "3 Invalid filename";
        QTest::newRow("other drive") << "d:\\x.orv" << "3 Invalid filename";
    }

    void appendFailsAndTouchesNothing() {
        QFETCH(QString, path);
        QFETCH(QString, outcome);
        TempDrive drive;
        MakeFailureFixture(drive);
        const auto before = HostTree::Snapshot(drive.Root());
        RecordingClock clock;
        TPlatform platform(drive.Drive(), clock);

        QCOMPARE(QString::fromStdString(AppendOutcome(platform, path.toStdString(), "ORVANTIS")), outcome);
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
        QVERIFY(!fs::exists(drive.Root().parent_path() / "x.orv"));
    }

    // A line that only partly fits (the file size limit of a child process)
    // leaves the file as it was.
    void appendOnFullDisk() {
        TempDrive drive;
        drive.WriteFile("ORVANTISVERMELHO.ORV", std::string(4000, 'm'));
        const auto before = HostTree::Snapshot(drive.Root());

        const auto outcome = ChildProcess::Run([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return std::string("no limit");
            RecordingClock clock;
            TPlatform platform(drive.Drive(), clock);
            return AppendOutcome(platform, "c:\\ORVANTISVERMELHO.ORV", std::string(1000, 'x'));
        });

        QCOMPARE(outcome, std::optional<std::string>("27 I/O error 27")); // EFBIG
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
    }

    // A drive mounted read-only, in a private mount of a child process: root
    // ignores missing write bits, so only a read-only mount shows this as root.
    void readOnlyDrive() {
        TempDrive drive;
        drive.WriteFile("ORVANTISAZUL.ORV", "ORVANTIS\r\n");
        drive.WriteFile("LOGO.SYS", "live");
        const auto before = HostTree::Snapshot(drive.Root());

        const auto outcome = ChildProcess::Run([&]() -> std::string {
            const std::string rootPath = drive.Root().string();
            const char* root = rootPath.c_str();
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount(root, root, nullptr, MS_BIND, nullptr) != 0 ||
                ::mount(nullptr, root, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                return std::string("skip: ") + std::strerror(errno);
            RecordingClock clock;
            TPlatform platform(drive.Drive(), clock);
            std::string seen;
            seen += "new marker: " + AppendOutcome(platform, "c:\\ORVANTISVERDE.ORV", "ORVANTIS") + "\n";
            seen += "existing marker: " + AppendOutcome(platform, "c:\\ORVANTISAZUL.ORV", "ORVANTIS") + "\n";
            seen += "copy: " + std::to_string(platform.CopyFileA("c:\\LOGO.SYS", "c:\\LOGO.BAK", false)) + "\n";
            seen += "replace: " + std::to_string(platform.CopyFileA("c:\\LOGO.SYS", "c:\\ORVANTISAZUL.ORV", false)) + "\n";
            seen += "attributes: " + std::to_string(platform.SetFileAttributesA("c:\\logo.sys", 2)) + "\n";
            platform.WinExec("Command.com /c MD c:\\orvantis", SW_HIDE);
            platform.WinExec("Command.com /c Del c:\\LOGO.SYS", SW_HIDE);
            seen += "present: " + std::to_string(platform.FileIsPresent("c:\\logo.sys")) + "\n";
            return seen;
        });

        QVERIFY(outcome.has_value());
        if (outcome->rfind("skip: ", 0) == 0)
            QSKIP(qPrintable("no private read-only mount here: " + QString::fromStdString(*outcome)));
        QCOMPARE(QString::fromStdString(*outcome), QString("new marker: 5 File access denied\n"
                                                           "existing marker: 5 File access denied\n"
                                                           "copy: 0\n"
                                                           "replace: 0\n"
                                                           "attributes: 0\n"
                                                           "present: 1\n"));
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
    }

    void codeFromErrno_data() {
        QTest::addColumn<int>("err");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("ENOENT") << ENOENT << 2 << "File not found";
        QTest::newRow("ENOTDIR") << ENOTDIR << 3 << "Invalid filename";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << 3 << "Invalid filename";
        QTest::newRow("EINVAL") << EINVAL << 3 << "Invalid filename";
        QTest::newRow("EMFILE") << EMFILE << 4 << "Too many open files";
        QTest::newRow("ENFILE") << ENFILE << 4 << "Too many open files";
        QTest::newRow("EACCES") << EACCES << 5 << "File access denied";
        QTest::newRow("EPERM") << EPERM << 5 << "File access denied";
        QTest::newRow("EISDIR") << EISDIR << 5 << "File access denied";
        QTest::newRow("EROFS") << EROFS << 5 << "File access denied";
        QTest::newRow("ENOSPC") << ENOSPC << 101 << "Disk full";
        QTest::newRow("EDQUOT") << EDQUOT << 101 << "Disk full";
        QTest::newRow("EFBIG") << EFBIG << EFBIG << QString("I/O error %1").arg(EFBIG);
        QTest::newRow("EBADF") << EBADF << EBADF << QString("I/O error %1").arg(EBADF);
        QTest::newRow("ELOOP") << ELOOP << ELOOP << QString("I/O error %1").arg(ELOOP);
        QTest::newRow("EXDEV") << EXDEV << EXDEV << QString("I/O error %1").arg(EXDEV);
    }

    void codeFromErrno() {
        QFETCH(int, err);
        QFETCH(int, code);
        QFETCH(QString, message);
        QCOMPARE(EInOutError::CodeFromErrno(err), code);
        QCOMPARE(QString::fromStdString(EInOutError::MessageForCode(code)), message);
        QCOMPARE(QString::fromStdString(EInOutError(code).what()), message);
    }

    // An errno that is not named reads as "I/O error", never as the message of
    // a named code that happens to have the same number (EIO is 5).
    void unnamedErrnoReadsAsIoError_data() {
        QTest::addColumn<int>("err");
        QTest::newRow("ESRCH") << ESRCH;
        QTest::newRow("EINTR") << EINTR;
        QTest::newRow("EIO") << EIO;
        QTest::newRow("ENETDOWN") << ENETDOWN;
        QTest::newRow("ENETUNREACH") << ENETUNREACH;
        QTest::newRow("ECONNABORTED") << ECONNABORTED;
        QTest::newRow("EISCONN") << EISCONN;
    }

    void unnamedErrnoReadsAsIoError() {
        QFETCH(int, err);
        const int code = EInOutError::CodeFromErrno(err);
        QCOMPARE(QString::fromStdString(EInOutError::MessageForCode(code)), QString("I/O error %1").arg(code));
    }

    void messageForCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("2") << 2 << "File not found";
        QTest::newRow("3") << 3 << "Invalid filename";
        QTest::newRow("4") << 4 << "Too many open files";
        QTest::newRow("5") << 5 << "File access denied";
        QTest::newRow("100") << 100 << "Read beyond end of file";
        QTest::newRow("101") << 101 << "Disk full";
        QTest::newRow("106") << 106 << "Invalid numeric input";
        QTest::newRow("0") << 0 << "I/O error 0";
        QTest::newRow("1") << 1 << "I/O error 1";
        QTest::newRow("102") << 102 << "I/O error 102";
        QTest::newRow("103, file not open") << 103 << "I/O error 103";
        QTest::newRow("1117") << 1117 << "I/O error 1117";
    }

    void messageForCode() {
        QFETCH(int, code);
        QFETCH(QString, message);
        QCOMPARE(QString::fromStdString(EInOutError::MessageForCode(code)), message);
        const EInOutError error(code);
        QCOMPARE(error.Code(), code);
        QCOMPARE(QString(error.what()), message);
        QCOMPARE(QString(error.ClassName()), QString("EInOutError"));
    }

    // ---- ReportUnhandledError -----------------------------------------------

    void errorBoxText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << "Disk full" << "Disk full.";
        QTest::newRow("full stop") << "x." << "x.";
        QTest::newRow("exclamation sorts before") << "a!" << "a!";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("hyphen sorts before") << "a-" << "a-";
        QTest::newRow("space sorts before") << "a " << "a ";
        QTest::newRow("slash sorts after") << "a/" << "a/.";
        QTest::newRow("digit") << "I/O error 27" << "I/O error 27.";
        QTest::newRow("quote sorts before") << "Error setting path: \"c:\\orvantis\"" << "Error setting path: \"c:\\orvantis\"";
        QTest::newRow("backslash") << "Rename to c:\\orvantis\\" << "Rename to c:\\orvantis\\.";
        QTest::newRow("accented letter sorts after") << "Arquivo não encontrado: café" << "Arquivo não encontrado: café.";
    }

    void errorBoxText() {
        QFETCH(QString, message);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(ErrorBoxText(message.toStdString())), text);
    }

    void reportUnhandledError() {
        RecordingDialogs dialogs;
        ReportUnhandledError(dialogs, "ORVANTIS", EInOutError(5));
        QCOMPARE(dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(dialogs.boxes[0].caption, std::string("ORVANTIS"));
        QCOMPARE(dialogs.boxes[0].text, std::string("File access denied."));
        QCOMPARE(dialogs.boxes[0].icon, miStop);
    }

    void runGuardedEndsHandlerAtTheThrow_data() {
        QTest::addColumn<bool>("ioError");
        QTest::addColumn<QString>("text");
        QTest::newRow("EInOutError") << true << "Disk full.";
        QTest::newRow("other error") << false << "Rename to c:\\orvantis\\x.bmp failed.";
    }

    void runGuardedEndsHandlerAtTheThrow() {
        QFETCH(bool, ioError);
        QFETCH(QString, text);
        RecordingDialogs dialogs;
        std::vector<std::string> steps;

        RunGuarded(dialogs, "ORVANTIS", [&] {
            steps.push_back("before");
            if (ioError)
                throw EInOutError(101);
            throw std::runtime_error("Rename to c:\\orvantis\\x.bmp failed");
            steps.push_back("after");
        });
        // The program goes on: the next handler runs and reports nothing.
        RunGuarded(dialogs, "ORVANTIS", [&] { steps.push_back("next handler"); });

        QCOMPARE(steps, (std::vector<std::string>{"before", "next handler"}));
        QCOMPARE(dialogs.boxes.size(), std::size_t(1));
        QCOMPARE(dialogs.boxes[0].caption, std::string("ORVANTIS"));
        QCOMPARE(QString::fromStdString(dialogs.boxes[0].text), text);
        QCOMPARE(dialogs.boxes[0].icon, miStop);
    }

    // ---- the sample drive ---------------------------------------------------

    void sampleDriveIsMade() {
        TempDrive data;
        const fs::path root = data.Host("orvantis/drive_c"); // parent made too
        QVERIFY(TSampleDrive::Ensure(root));
        QCOMPARE(HostTree::Names(root), (std::set<std::string>{"LOGO.SYS", "WINDOWS"}));
        QCOMPARE(HostTree::Names(root / "WINDOWS"), (std::set<std::string>{"LOGOS.SYS", "LOGOW.SYS"}));
        QCOMPARE(HostTree::Names(root.parent_path()), std::set<std::string>{"drive_c"});
    }

    void sampleBootScreen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("screen");
        QTest::addColumn<uint>("cycleStart");
        QTest::newRow("start-up") << "LOGO.SYS" << int(TSampleDrive::ssStartUp) << 236u;
        QTest::newRow("wait") << "WINDOWS/LOGOW.SYS" << int(TSampleDrive::ssWait) << 0u;
        QTest::newRow("safe to turn off") << "WINDOWS/LOGOS.SYS" << int(TSampleDrive::ssSafeToTurnOff) << 0u;
    }

    void sampleBootScreen() {
        QFETCH(QString, name);
        QFETCH(int, screen);
        QFETCH(uint, cycleStart);
        TempDrive data;
        const fs::path root = data.Host("drive_c");
        QVERIFY(TSampleDrive::Ensure(root));
        const fs::path file = root / name.toStdString();
        const std::string bytes = HostTree::Bytes(file);

        QCOMPARE(bytes.size(), kBootScreenSize);
        QCOMPARE(bytes.substr(0, 2), std::string("BM"));
        QCOMPARE(Le32(bytes, 0x02), std::uint32_t(kBootScreenSize)); // file size
        QCOMPARE(Le32(bytes, 0x0A), 1078u);                          // pixels after 256 palette entries
        QCOMPARE(Le32(bytes, 0x0E), 40u);                            // BITMAPINFOHEADER
        QCOMPARE(Le32(bytes, 0x12), 320u);
        QCOMPARE(Le32(bytes, 0x16), 400u); // positive: bottom-up
        QCOMPARE(Le16(bytes, 0x1A), std::uint16_t(1));
        QCOMPARE(Le16(bytes, 0x1C), std::uint16_t(8));
        QCOMPARE(Le32(bytes, 0x1E), 0u); // uncompressed
        QCOMPARE(Le32(bytes, 0x2E), 256u);
        QCOMPARE(Le32(bytes, 0x32), std::uint32_t(cycleStart));
        QVERIFY(bytes == TSampleDrive::BootScreen(TSampleDrive::TScreen(screen)));
        QCOMPARE(DosAttributes::Read(file), std::optional<std::uint32_t>(0u));

        QImage image;
        QVERIFY(image.load(QString::fromStdString(file.string())));
        QCOMPARE(image.size(), QSize(320, 400));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorCount(), 256);
    }

    // The start-up screen draws a band in every entry from 236 up, which Windows
    // 98 cycles; the three pictures differ.
    void sampleStartUpScreenUsesTheCycledEntries() {
        const std::string startUp = TSampleDrive::BootScreen(TSampleDrive::ssStartUp);
        std::set<int> used;
        for (std::size_t i = 1078; i < startUp.size(); ++i)
            used.insert(std::uint8_t(startUp[i]));
        for (int entry = 236; entry < 256; ++entry)
            QVERIFY2(used.count(entry), qPrintable(QString::number(entry)));
        QVERIFY(startUp != TSampleDrive::BootScreen(TSampleDrive::ssWait));
        QVERIFY(TSampleDrive::BootScreen(TSampleDrive::ssWait) !=
                TSampleDrive::BootScreen(TSampleDrive::ssSafeToTurnOff));
    }

    void sampleDriveThatExistsIsNotTouched_data() {
        QTest::addColumn<QStringList>("entries"); // trailing '/' for folders
        QTest::newRow("empty folder") << QStringList{};
        QTest::newRow("other content") << QStringList{"LOGO.SYS", "AUTOEXEC.BAT", "windows/", "orvantis/LOGO_FINAL.BMP"};
        QTest::newRow("without WINDOWS") << QStringList{"CONFIG.SYS"};
    }

    void sampleDriveThatExistsIsNotTouched() {
        QFETCH(QStringList, entries);
        TempDrive drive;
        for (const QString& entry : entries) {
            if (entry.endsWith('/'))
                drive.MakeFolder(entry.chopped(1).toStdString());
            else
                drive.WriteFile(entry.toStdString(), "user's " + entry.toStdString());
        }
        const auto before = HostTree::Snapshot(drive.Root());
        QVERIFY(TSampleDrive::Ensure(drive.Root()));
        QVERIFY(HostTree::Snapshot(drive.Root()) == before);
        QVERIFY(!fs::exists(drive.Root().string() + ".new"));
    }

    void sampleDriveCannotBeMade_data() {
        QTest::addColumn<QString>("root"); // relative to a scratch folder holding the file "file"
        QTest::newRow("root is a file") << "file";
        QTest::newRow("parent is a file") << "file/drive_c";
        QTest::newRow("grandparent is a file") << "file/orvantis/drive_c";
    }

    void sampleDriveCannotBeMade() {
        QFETCH(QString, root);
        TempDrive scratch;
        scratch.WriteFile("file", "a file");
        const auto before = HostTree::Snapshot(scratch.Root());
        QVERIFY(!TSampleDrive::Ensure(scratch.Host(root.toStdString())));
        QVERIFY(HostTree::Snapshot(scratch.Root()) == before);
    }

    void sampleDriveWithTrailingSlash() {
        TempDrive data;
        const fs::path root = data.Root() / "drive_c" / "";
        QVERIFY(TSampleDrive::Ensure(root));
        QCOMPARE(HostTree::Names(data.Root()), std::set<std::string>{"drive_c"});
        QCOMPARE(HostTree::Bytes(data.Host("drive_c/WINDOWS/LOGOS.SYS")).size(), kBootScreenSize);
    }
};

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "test_platform_services.moc"
