#include "DriveFixture.h"
#include "RecordingClock.h"
#include "RecordingDisplay.h"
#include "RecordingPlatform.h"
#include "TLogoOperations.h"
#include "TPlatform.h"
#include "TempDrive.h"

#include <QtTest>

#include <functional>
#include <numeric>
#include <optional>

using Operation = std::function<void(TLogoOperations&)>;
Q_DECLARE_METATYPE(Operation)

namespace {

// The schedule as the user sees it: 1, then 5 to 100 in steps of 5, each with
// its pause, then 0.
const QList<int> RampValues = {1,  5,  10, 15, 20, 25, 30, 35, 40, 45, 50,
                               55, 60, 65, 70, 75, 80, 85, 90, 95, 100};
const QList<int> DisplaySettings = RampValues + QList<int>{0};

// The expected log of a ramped operation, written from the schedule: each value
// set, the steps placed before its pause, the pause, the steps placed after it.
QStringList Ramp(const QMap<int, QStringList>& after, const QMap<int, QStringList>& beforePause = {},
                 unsigned pauseOf50 = 40) {
    QStringList log;
    for (int value : RampValues) {
        log << QStringLiteral("SetProgress %1").arg(value);
        log << beforePause.value(value);
        log << QStringLiteral("Sleep %1").arg(value == 50 ? pauseOf50 : 40);
        log << after.value(value);
    }
    log << QStringLiteral("SetProgress 0");
    return log;
}

QStringList ToStringList(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

const QString ExtractStartupSteps[] = {
    QStringLiteral("FileIsPresent c:\\LOGO.SYS"),
    QStringLiteral("CopyFileA c:\\logo.sys -> c:\\orvantis\\LOGO_INICIAL.BMP"),
};
const QString ExtractWait = QStringLiteral("CopyFileA c:\\windows\\logow.sys -> c:\\orvantis\\LOGO_INTERMEDIARIO.BMP");
const QString ExtractOff = QStringLiteral("CopyFileA c:\\windows\\logos.sys -> c:\\orvantis\\LOGO_FINAL.BMP");
const QString InsertStartup = QStringLiteral("CopyFileA c:\\orvantis\\LOGO_INICIAL.BMP -> c:\\logo.sys");
const QString InsertWait = QStringLiteral("CopyFileA c:\\orvantis\\LOGO_INTERMEDIARIO.BMP -> c:\\windows\\logow.sys");
const QString InsertOff = QStringLiteral("CopyFileA c:\\orvantis\\LOGO_FINAL.BMP -> c:\\windows\\logos.sys");
const QString DeleteStartup = QStringLiteral("WinExec Command.com /c Del c:\\LOGO.SYS 0");

struct NamedOperation {
    const char* name;
    Operation run;
    unsigned pauses; // total of the fixed pauses, ms
};

const QList<NamedOperation>& RampedOperations() {
    static const QList<NamedOperation> operations = {
        {"ExtractLogo(lsInitial)", [](TLogoOperations& o) { o.ExtractLogo(lsInitial); }, 840},
        {"ExtractLogo(lsIntermediate)", [](TLogoOperations& o) { o.ExtractLogo(lsIntermediate); }, 840},
        {"ExtractLogo(lsFinal)", [](TLogoOperations& o) { o.ExtractLogo(lsFinal); }, 840},
        {"ExtractAllLogos", [](TLogoOperations& o) { o.ExtractAllLogos(); }, 840},
        {"InsertLogo(lsInitial)", [](TLogoOperations& o) { o.InsertLogo(lsInitial); }, 840},
        {"InsertLogo(lsIntermediate)", [](TLogoOperations& o) { o.InsertLogo(lsIntermediate); }, 840},
        {"InsertLogo(lsFinal)", [](TLogoOperations& o) { o.InsertLogo(lsFinal); }, 840},
        {"InsertAllLogos", [](TLogoOperations& o) { o.InsertAllLogos(); }, 840},
        {"RestoreBackupLogo(lsInitial)", [](TLogoOperations& o) { o.RestoreBackupLogo(lsInitial); }, 3800},
        {"RestoreWindowsInitialLogo", [](TLogoOperations& o) { o.RestoreWindowsInitialLogo(); }, 840},
        {"RestoreBackupLogo(lsIntermediate)", [](TLogoOperations& o) { o.RestoreBackupLogo(lsIntermediate); }, 840},
        {"RestoreBackupLogo(lsFinal)", [](TLogoOperations& o) { o.RestoreBackupLogo(lsFinal); }, 840},
    };
    return operations;
}

Operation Op(void (TLogoOperations::*member)()) {
    return [member](TLogoOperations& o) { (o.*member)(); };
}
Operation Op(void (TLogoOperations::*member)(TLogoSlot), TLogoSlot slot) {
    return [member, slot](TLogoOperations& o) { (o.*member)(slot); };
}

// One operation on a laid drive, with the recording clock's hook that can
// change the drive at the pause of the given index (0 is the pause after 1).
struct Run {
    TempDrive drive;
    RecordingClock clock;
    TPlatform platform{drive.Drive(), clock};
    std::vector<std::string> log;
    RecordingPlatform recording{platform, log};
    RecordingDisplay display{log};
    TLogoOperations operations{recording, display};

    explicit Run(const QStringList& lines) { DriveFixture::Lay(drive, lines); }
};

} // namespace

class TestLogoOperations : public QObject {
    Q_OBJECT

private slots:
    void schedule_data();
    void schedule();
    void fileOutcomes_data();
    void fileOutcomes();
    void restoreMachineStartup_data();
    void restoreMachineStartup();
    void alwaysRunsToTheEnd_data();
    void alwaysRunsToTheEnd();
};

void TestLogoOperations::schedule_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QStringList>("expected");

    const QStringList startup(std::begin(ExtractStartupSteps), std::end(ExtractStartupSteps));
    QTest::newRow("ExtractLogo(lsInitial)") << Op(&TLogoOperations::ExtractLogo, lsInitial)
                                            << Ramp({{50, startup}});
    QTest::newRow("ExtractLogo(lsIntermediate)") << Op(&TLogoOperations::ExtractLogo, lsIntermediate)
                                                 << Ramp({{50, {ExtractWait}}});
    QTest::newRow("ExtractLogo(lsFinal)") << Op(&TLogoOperations::ExtractLogo, lsFinal)
                                          << Ramp({{50, {ExtractOff}}});
    QTest::newRow("ExtractAllLogos") << Op(&TLogoOperations::ExtractAllLogos)
                                     << Ramp({{25, startup}, {50, {ExtractWait}}, {75, {ExtractOff}}});
    QTest::newRow("InsertLogo(lsInitial)") << Op(&TLogoOperations::InsertLogo, lsInitial)
                                           << Ramp({{50, {InsertStartup}}});
    QTest::newRow("InsertLogo(lsIntermediate)") << Op(&TLogoOperations::InsertLogo, lsIntermediate)
                                                << Ramp({{50, {InsertWait}}});
    QTest::newRow("InsertLogo(lsFinal)") << Op(&TLogoOperations::InsertLogo, lsFinal)
                                         << Ramp({{50, {InsertOff}}});
    QTest::newRow("InsertAllLogos") << Op(&TLogoOperations::InsertAllLogos)
                                    << Ramp({{50, {InsertStartup, InsertWait, InsertOff}}});
    QTest::newRow("RestoreBackupLogo(lsInitial)")
        << Op(&TLogoOperations::RestoreBackupLogo, lsInitial)
        << Ramp({{50, {QStringLiteral("CopyFileA c:\\TOLVANEX\\LOGO.SYS -> c:\\LOGO.SYS")}}},
                {{50, {DeleteStartup}}}, 3000);
    QTest::newRow("RestoreWindowsInitialLogo") << Op(&TLogoOperations::RestoreWindowsInitialLogo)
                                               << Ramp({{50, {DeleteStartup}}});
    QTest::newRow("RestoreBackupLogo(lsIntermediate)")
        << Op(&TLogoOperations::RestoreBackupLogo, lsIntermediate)
        << Ramp({{50, {QStringLiteral("CopyFileA c:\\TOLVANEX\\LOGOW.SYS -> c:\\windows\\LOGOW.SYS")}}});
    QTest::newRow("RestoreBackupLogo(lsFinal)")
        << Op(&TLogoOperations::RestoreBackupLogo, lsFinal)
        << Ramp({{50, {QStringLiteral("CopyFileA c:\\TOLVANEX\\LOGOS.SYS -> c:\\windows\\LOGOS.SYS")}}});
    // Without a ramp, and the display is left alone.
    QTest::newRow("UnhideWorkSysFiles") << Op(&TLogoOperations::UnhideWorkSysFiles)
                                        << QStringList{
                                               QStringLiteral("SetFileAttributesA C:\\orvantis\\logo.sys 0"),
                                               QStringLiteral("SetFileAttributesA C:\\orvantis\\logos.sys 0"),
                                               QStringLiteral("SetFileAttributesA C:\\orvantis\\logow.sys 0"),
                                           };
    QTest::newRow("HideWorkSysFiles") << Op(&TLogoOperations::HideWorkSysFiles)
                                      << QStringList{
                                             QStringLiteral("SetFileAttributesA C:\\orvantis\\logo.sys 2"),
                                             QStringLiteral("SetFileAttributesA C:\\orvantis\\logos.sys 2"),
                                             QStringLiteral("SetFileAttributesA C:\\orvantis\\logow.sys 2"),
                                         };
}

void TestLogoOperations::schedule() {
    QFETCH(Operation, operation);
    QFETCH(QStringList, expected);

    Run run(DriveFixture::Machine());
    operation(run.operations);

    QCOMPARE(ToStringList(run.log), expected);
    // Every pause of the log reached the clock, with its length.
    QList<unsigned> logged;
    for (const QString& line : expected)
        if (line.startsWith(QLatin1String("Sleep ")))
            logged << line.mid(6).toUInt();
    QCOMPARE(QList<unsigned>(run.clock.pauses.begin(), run.clock.pauses.end()), logged);
}

void TestLogoOperations::fileOutcomes_data() {
    using DriveFixture::Machine;
    using DriveFixture::Without;
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("hookPause"); // index of the pause at which hookLine is laid; -1 none
    QTest::addColumn<QString>("hookLine");
    QTest::addColumn<QStringList>("changes");

    const Operation extractStartup = Op(&TLogoOperations::ExtractLogo, lsInitial);
    const Operation extractAll = Op(&TLogoOperations::ExtractAllLogos);
    const Operation insertAll = Op(&TLogoOperations::InsertAllLogos);
    const QStringList noStartup = Without(Machine(), {"LOGO.SYS"});
    // Pause indexes: 5 follows 25, 6 follows 30, 10 follows 50, 11 follows 55.
    const QString lateStartup = QStringLiteral("LOGO.SYS=late start-up");
    const QString startupGone = QStringLiteral("LOGO.SYS!");

    QTest::newRow("extract start-up over an edited copy")
        << Machine() << extractStartup << -1 << QString()
        << QStringList{"orvantis/LOGO_INICIAL.BMP=live start-up"};
    QTest::newRow("extract wait screen over an edited copy")
        << Machine() << Op(&TLogoOperations::ExtractLogo, lsIntermediate) << -1 << QString()
        << QStringList{"orvantis/LOGO_INTERMEDIARIO.BMP=live wait"};
    QTest::newRow("extract off screen over an edited copy")
        << Machine() << Op(&TLogoOperations::ExtractLogo, lsFinal) << -1 << QString()
        << QStringList{"orvantis/LOGO_FINAL.BMP=live off"};
    QTest::newRow("extract start-up without c:\\logo.sys takes the wait screen")
        << noStartup << extractStartup << -1 << QString()
        << QStringList{"orvantis/LOGO_INICIAL.BMP=live wait"};
    QTest::newRow("extract start-up, hidden c:\\logo.sys counts")
        << (noStartup + QStringList{"LOGO.SYS=live start-up [attr 2]"}) << extractStartup << -1 << QString()
        << QStringList{"orvantis/LOGO_INICIAL.BMP=live start-up"};
    QTest::newRow("extract start-up, folder c:\\logo.sys does not count")
        << (noStartup + QStringList{"LOGO.SYS/"}) << extractStartup << -1 << QString()
        << QStringList{"orvantis/LOGO_INICIAL.BMP=live wait"};
    QTest::newRow("extract start-up, c:\\logo.sys appears in the pause of 50")
        << noStartup << extractStartup << 10 << lateStartup
        << QStringList{lateStartup, "orvantis/LOGO_INICIAL.BMP=late start-up"};
    QTest::newRow("extract start-up, c:\\logo.sys goes in the pause of 50")
        << Machine() << extractStartup << 10 << startupGone
        << QStringList{startupGone, "orvantis/LOGO_INICIAL.BMP=live wait"};
    QTest::newRow("extract start-up, c:\\logo.sys goes in the pause of 55")
        << Machine() << extractStartup << 11 << startupGone
        << QStringList{startupGone, "orvantis/LOGO_INICIAL.BMP=live start-up"};
    QTest::newRow("extract start-up, work folder missing")
        << Without(Machine(), {"orvantis"}) << extractStartup << -1 << QString() << QStringList{};
    QTest::newRow("extract wait screen, work folder missing")
        << Without(Machine(), {"orvantis"}) << Op(&TLogoOperations::ExtractLogo, lsIntermediate) << -1
        << QString() << QStringList{};

    const QStringList allExtracted = {"orvantis/LOGO_INICIAL.BMP=live start-up",
                                      "orvantis/LOGO_INTERMEDIARIO.BMP=live wait",
                                      "orvantis/LOGO_FINAL.BMP=live off"};
    QTest::newRow("extract all") << Machine() << extractAll << -1 << QString() << allExtracted;
    QTest::newRow("extract all, c:\\logo.sys appears in the pause of 25")
        << noStartup << extractAll << 5 << lateStartup
        << QStringList{lateStartup, "orvantis/LOGO_INICIAL.BMP=late start-up",
                       allExtracted[1], allExtracted[2]};
    QTest::newRow("extract all, c:\\logo.sys goes in the pause of 25")
        << Machine() << extractAll << 5 << startupGone
        << QStringList{startupGone, "orvantis/LOGO_INICIAL.BMP=live wait", allExtracted[1],
                       allExtracted[2]};
    QTest::newRow("extract all, c:\\logo.sys goes in the pause of 30")
        << Machine() << extractAll << 6 << startupGone << (QStringList{startupGone} + allExtracted);
    QTest::newRow("extract all, no c:\\logo.sys")
        << noStartup << extractAll << -1 << QString()
        << QStringList{"orvantis/LOGO_INICIAL.BMP=live wait", allExtracted[1], allExtracted[2]};
    QTest::newRow("extract all, no wait screen")
        << Without(Machine(), {"WINDOWS/LOGOW.SYS"}) << extractAll << -1 << QString()
        << QStringList{allExtracted[0], allExtracted[2]};
    QTest::newRow("extract all, no off screen")
        << Without(Machine(), {"WINDOWS/LOGOS.SYS"}) << extractAll << -1 << QString()
        << QStringList{allExtracted[0], allExtracted[1]};
    QTest::newRow("extract all, work folder missing")
        << Without(Machine(), {"orvantis"}) << extractAll << -1 << QString() << QStringList{};

    QTest::newRow("insert start-up") << Machine() << Op(&TLogoOperations::InsertLogo, lsInitial) << -1
                                     << QString() << QStringList{"LOGO.SYS=edited start-up"};
    QTest::newRow("insert start-up without c:\\logo.sys creates it")
        << noStartup << Op(&TLogoOperations::InsertLogo, lsInitial) << -1 << QString()
        << QStringList{"logo.sys=edited start-up"};
    QTest::newRow("insert wait screen")
        << Machine() << Op(&TLogoOperations::InsertLogo, lsIntermediate) << -1 << QString()
        << QStringList{"WINDOWS/LOGOW.SYS=edited wait"};
    QTest::newRow("insert off screen") << Machine() << Op(&TLogoOperations::InsertLogo, lsFinal) << -1
                                       << QString() << QStringList{"WINDOWS/LOGOS.SYS=edited off"};
    QTest::newRow("insert start-up, working copy missing")
        << Without(Machine(), {"orvantis/LOGO_INICIAL.BMP"}) << Op(&TLogoOperations::InsertLogo, lsInitial)
        << -1 << QString() << QStringList{};
    QTest::newRow("insert wait screen, working copy missing")
        << Without(Machine(), {"orvantis/LOGO_INTERMEDIARIO.BMP"})
        << Op(&TLogoOperations::InsertLogo, lsIntermediate) << -1 << QString() << QStringList{};
    QTest::newRow("insert off screen, working copy missing")
        << Without(Machine(), {"orvantis/LOGO_FINAL.BMP"}) << Op(&TLogoOperations::InsertLogo, lsFinal)
        << -1 << QString() << QStringList{};

    const QStringList allInserted = {"LOGO.SYS=edited start-up", "WINDOWS/LOGOW.SYS=edited wait",
                                     "WINDOWS/LOGOS.SYS=edited off"};
    QTest::newRow("insert all") << Machine() << insertAll << -1 << QString() << allInserted;
    QTest::newRow("insert all, start-up copy missing")
        << Without(Machine(), {"orvantis/LOGO_INICIAL.BMP"}) << insertAll << -1 << QString()
        << QStringList{allInserted[1], allInserted[2]};
    QTest::newRow("insert all, wait copy missing")
        << Without(Machine(), {"orvantis/LOGO_INTERMEDIARIO.BMP"}) << insertAll << -1 << QString()
        << QStringList{allInserted[0], allInserted[2]};
    QTest::newRow("insert all, off copy missing")
        << Without(Machine(), {"orvantis/LOGO_FINAL.BMP"}) << insertAll << -1 << QString()
        << QStringList{allInserted[0], allInserted[1]};

    QTest::newRow("restore start-up, no backup: deleted, nothing in its place")
        << Without(Machine(), {"TOLVANEX/LOGO.SYS"}) << Op(&TLogoOperations::RestoreBackupLogo, lsInitial)
        << -1 << QString() << QStringList{startupGone};
    QTest::newRow("restore wait screen")
        << Machine() << Op(&TLogoOperations::RestoreBackupLogo, lsIntermediate) << -1 << QString()
        << QStringList{"WINDOWS/LOGOW.SYS=backup wait"};
    QTest::newRow("restore off screen")
        << Machine() << Op(&TLogoOperations::RestoreBackupLogo, lsFinal) << -1 << QString()
        << QStringList{"WINDOWS/LOGOS.SYS=backup off"};
    QTest::newRow("restore wait screen, backup missing")
        << Without(Machine(), {"TOLVANEX/LOGOW.SYS"}) << Op(&TLogoOperations::RestoreBackupLogo, lsIntermediate)
        << -1 << QString() << QStringList{};
    QTest::newRow("restore off screen, backup missing")
        << Without(Machine(), {"TOLVANEX/LOGOS.SYS"}) << Op(&TLogoOperations::RestoreBackupLogo, lsFinal)
        << -1 << QString() << QStringList{};
    QTest::newRow("Windows' own start-up screen, c:\\logo.sys present")
        << Machine() << Op(&TLogoOperations::RestoreWindowsInitialLogo) << -1 << QString()
        << QStringList{startupGone};
    QTest::newRow("Windows' own start-up screen, c:\\logo.sys absent")
        << noStartup << Op(&TLogoOperations::RestoreWindowsInitialLogo) << -1 << QString() << QStringList{};

    const Operation unhide = Op(&TLogoOperations::UnhideWorkSysFiles);
    const Operation hide = Op(&TLogoOperations::HideWorkSysFiles);
    QTest::newRow("unhide, none of the three in the work folder")
        << Machine() << unhide << -1 << QString() << QStringList{};
    QTest::newRow("hide, none of the three in the work folder")
        << Machine() << hide << -1 << QString() << QStringList{};
    QTest::newRow("unhide clears all attributes")
        << (Machine() << "orvantis/logo.sys=a [attr 2]" << "orvantis/logos.sys=b [attr 6]"
                      << "orvantis/logow.sys=c [attr 34]")
        << unhide << -1 << QString()
        << QStringList{"orvantis/logo.sys=a", "orvantis/logos.sys=b", "orvantis/logow.sys=c"};
    QTest::newRow("hide leaves hidden alone")
        << (Machine() << "orvantis/logo.sys=a" << "orvantis/logos.sys=b [attr 4]"
                      << "orvantis/logow.sys=c [attr 34]")
        << hide << -1 << QString()
        << QStringList{"orvantis/logo.sys=a [attr 2]", "orvantis/logos.sys=b [attr 2]",
                       "orvantis/logow.sys=c [attr 2]"};
    QTest::newRow("hide with one absent, names in other case")
        << (Machine() << "orvantis/LOGO.SYS=a" << "orvantis/LogoW.Sys=c") << hide << -1 << QString()
        << QStringList{"orvantis/LOGO.SYS=a [attr 2]", "orvantis/LogoW.Sys=c [attr 2]"};
    QTest::newRow("unhide with one absent")
        << (Machine() << "orvantis/logos.sys=b [attr 2]" << "orvantis/logow.sys=c [attr 2]") << unhide << -1
        << QString() << QStringList{"orvantis/logos.sys=b", "orvantis/logow.sys=c"};
}

void TestLogoOperations::fileOutcomes() {
    QFETCH(QStringList, drive);
    QFETCH(Operation, operation);
    QFETCH(int, hookPause);
    QFETCH(QString, hookLine);
    QFETCH(QStringList, changes);

    Run run(drive);
    QVERIFY(run.drive.IsValid());
    const auto expected = DriveFixture::Changed(DriveFixture::Snapshot(run.drive), changes);
    run.clock.onSleep = [&](unsigned, std::size_t index) {
        if (int(index) == hookPause)
            DriveFixture::Apply(run.drive, hookLine);
    };
    operation(run.operations);

    // The whole drive, so that a stray copy under another spelling shows too.
    QCOMPARE(DriveFixture::Snapshot(run.drive), expected);
}

void TestLogoOperations::restoreMachineStartup_data() {
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<bool>("presentDuringHold");

    const QStringList noStartup = DriveFixture::Without(DriveFixture::Machine(), {"LOGO.SYS"});
    QTest::newRow("edited start-up screen") << DriveFixture::Machine() << false;
    QTest::newRow("no start-up screen") << noStartup << false;
    QTest::newRow("start-up screen in lower case") << (noStartup + QStringList{"logo.sys=edited"}) << false;
    // DEL leaves a hidden file alone; the copy replaces it all the same.
    QTest::newRow("hidden start-up screen") << (noStartup + QStringList{"LOGO.SYS=edited [attr 2]"}) << true;
}

void TestLogoOperations::restoreMachineStartup() {
    QFETCH(QStringList, drive);
    QFETCH(bool, presentDuringHold);

    Run run(drive);
    std::optional<bool> presentAtHold;
    run.clock.onSleep = [&](unsigned ms, std::size_t) {
        if (ms == 3000)
            presentAtHold = run.platform.FileIsPresent("c:\\logo.sys");
    };
    run.operations.RestoreBackupLogo(lsInitial);

    QVERIFY(presentAtHold.has_value());
    QCOMPARE(*presentAtHold, presentDuringHold);
    const auto live = run.drive.Drive().Resolve("c:\\logo.sys");
    QVERIFY(live.has_value());
    QCOMPARE(run.drive.ReadFile(live->lexically_relative(run.drive.Root()).string()),
             std::string("backup start-up"));
    // One start-up file, not one per spelling.
    int startupFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(run.drive.Root()))
        startupFiles += QString::fromStdString(entry.path().filename().string())
                            .compare(QLatin1String("logo.sys"), Qt::CaseInsensitive) == 0;
    QCOMPARE(startupFiles, 1);
}

void TestLogoOperations::alwaysRunsToTheEnd_data() {
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<unsigned>("pauses");

    QStringList folders;
    for (const QString& line : DriveFixture::Machine())
        folders << line.left(line.indexOf('=')) + '/';
    const QList<QPair<const char*, QStringList>> drives = {
        {"machine", DriveFixture::Machine()},
        {"empty drive", {}},
        {"folders in place of files", folders},
    };
    for (const auto& [driveName, lines] : drives)
        for (const NamedOperation& operation : RampedOperations())
            QTest::addRow("%s, %s", operation.name, driveName)
                << lines << operation.run << operation.pauses;
}

void TestLogoOperations::alwaysRunsToTheEnd() {
    QFETCH(QStringList, drive);
    QFETCH(Operation, operation);
    QFETCH(unsigned, pauses);

    Run run(drive);
    operation(run.operations);

    QCOMPARE(QList<int>(run.display.values.begin(), run.display.values.end()), DisplaySettings);
    QCOMPARE(run.clock.pauses.size(), std::size_t(21));
    QCOMPARE(std::accumulate(run.clock.pauses.begin(), run.clock.pauses.end(), 0u), pauses);
}

QTEST_GUILESS_MAIN(TestLogoOperations)
#include "test_logo_operations.moc"
