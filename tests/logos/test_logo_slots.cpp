#include "DriveFixture.h"
#include "LogoSlots.h"
#include "RecordingClock.h"
#include "TPlatform.h"
#include "TempDrive.h"

#include <QtTest>

Q_DECLARE_METATYPE(TLogoSlot)

class TestLogoSlots : public QObject {
    Q_OBJECT

private slots:
    void folders();
    void paths_data();
    void paths();
    void spellingsNameOneFile_data();
    void spellingsNameOneFile();
    void extractSource_data();
    void extractSource();
    void extractSourceAskedAnew();
};

void TestLogoSlots::folders() {
    QCOMPARE(WorkFolder(), std::string("c:\\orvantis"));
    QCOMPARE(BackupFolder(), std::string("c:\\TOLVANEX"));
}

void TestLogoSlots::paths_data() {
    QTest::addColumn<TLogoSlot>("slot");
    QTest::addColumn<QString>("live");
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("backup");
    QTest::addColumn<QString>("workSys");

    QTest::newRow("lsInitial") << lsInitial << "c:\\logo.sys" << "c:\\orvantis\\LOGO_INICIAL.BMP"
                               << "c:\\TOLVANEX\\LOGO.SYS" << "C:\\orvantis\\logo.sys";
    QTest::newRow("lsIntermediate") << lsIntermediate << "c:\\windows\\logow.sys"
                                    << "c:\\orvantis\\LOGO_INTERMEDIARIO.BMP" << "c:\\TOLVANEX\\LOGOW.SYS"
                                    << "C:\\orvantis\\logow.sys";
    QTest::newRow("lsFinal") << lsFinal << "c:\\windows\\logos.sys" << "c:\\orvantis\\LOGO_FINAL.BMP"
                             << "c:\\TOLVANEX\\LOGOS.SYS" << "C:\\orvantis\\logos.sys";
}

void TestLogoSlots::paths() {
    QFETCH(TLogoSlot, slot);
    QFETCH(QString, live);
    QFETCH(QString, work);
    QFETCH(QString, backup);
    QFETCH(QString, workSys);

    QCOMPARE(QString::fromStdString(LiveLogoPath(slot)), live);
    QCOMPARE(QString::fromStdString(WorkLogoPath(slot)), work);
    QCOMPARE(QString::fromStdString(BackupLogoPath(slot)), backup);
    QCOMPARE(QString::fromStdString(WorkSysPath(slot)), workSys);
    // The working copies and work-folder files lie in the work folder, the backups in theirs.
    const QString workFolder = QString::fromStdString(WorkFolder()) + '\\';
    QVERIFY(work.startsWith(workFolder));
    QVERIFY(workSys.startsWith(workFolder, Qt::CaseInsensitive));
    QVERIFY(backup.startsWith(QString::fromStdString(BackupFolder()) + '\\'));
}

void TestLogoSlots::spellingsNameOneFile_data() {
    QTest::addColumn<QString>("hostFile");
    QTest::addColumn<QStringList>("spellings");

    const QString live[] = {QString::fromStdString(LiveLogoPath(lsInitial)),
                            QString::fromStdString(LiveLogoPath(lsIntermediate)),
                            QString::fromStdString(LiveLogoPath(lsFinal))};
    for (const QString& host : {QStringLiteral("LOGO.SYS"), QStringLiteral("logo.sys")})
        QTest::addRow("start-up screen as %s", qPrintable(host))
            << host << QStringList{live[0], "c:\\LOGO.SYS", "C:\\logo.sys"};
    QTest::newRow("wait screen") << "WINDOWS/LOGOW.SYS"
                                 << QStringList{live[1], "C:\\windows\\logow.sys", "c:\\windows\\LOGOW.SYS"};
    QTest::newRow("off screen") << "Windows/logos.sys"
                                << QStringList{live[2], "C:\\windows\\logos.sys", "c:\\windows\\LOGOS.SYS"};
    QTest::newRow("work folder file") << "orvantis/LOGO.SYS"
                                      << QStringList{QString::fromStdString(WorkSysPath(lsInitial)),
                                                     "c:\\orvantis\\logo.sys"};
    QTest::newRow("backup") << "tolvanex/logow.sys"
                            << QStringList{QString::fromStdString(BackupLogoPath(lsIntermediate)),
                                           "c:\\tolvanex\\logow.sys"};
}

void TestLogoSlots::spellingsNameOneFile() {
    QFETCH(QString, hostFile);
    QFETCH(QStringList, spellings);

    TempDrive drive;
    QVERIFY(drive.IsValid());
    drive.WriteFile(hostFile.toStdString(), "picture");
    RecordingClock clock;
    TPlatform platform(drive.Drive(), clock);
    for (const QString& spelling : spellings) {
        const auto resolved = drive.Drive().Resolve(spelling.toStdString());
        QVERIFY2(resolved.has_value(), qPrintable(spelling));
        QCOMPARE(*resolved, drive.Host(hostFile.toStdString()));
        QVERIFY2(platform.FileIsPresent(spelling.toStdString()), qPrintable(spelling));
    }
}

void TestLogoSlots::extractSource_data() {
    QTest::addColumn<QStringList>("drive");
    QTest::addColumn<TLogoSlot>("slot");
    QTest::addColumn<QString>("source");

    const QStringList screens = {"WINDOWS/LOGOW.SYS=wait", "WINDOWS/LOGOS.SYS=off"};
    QTest::newRow("start-up present") << (screens + QStringList{"LOGO.SYS=s"}) << lsInitial << "c:\\logo.sys";
    QTest::newRow("start-up present in lower case")
        << (screens + QStringList{"logo.sys=s"}) << lsInitial << "c:\\logo.sys";
    QTest::newRow("start-up hidden") << (screens + QStringList{"LOGO.SYS=s [attr 2]"}) << lsInitial
                                     << "c:\\logo.sys";
    QTest::newRow("start-up a folder") << (screens + QStringList{"LOGO.SYS/"}) << lsInitial
                                       << "c:\\windows\\logow.sys";
    QTest::newRow("start-up absent") << screens << lsInitial << "c:\\windows\\logow.sys";
    QTest::newRow("start-up absent, drive empty") << QStringList{} << lsInitial << "c:\\windows\\logow.sys";
    QTest::newRow("wait screen") << screens << lsIntermediate << "c:\\windows\\logow.sys";
    QTest::newRow("wait screen, drive empty") << QStringList{} << lsIntermediate << "c:\\windows\\logow.sys";
    QTest::newRow("off screen") << screens << lsFinal << "c:\\windows\\logos.sys";
    QTest::newRow("off screen, drive empty") << QStringList{} << lsFinal << "c:\\windows\\logos.sys";
}

void TestLogoSlots::extractSource() {
    QFETCH(QStringList, drive);
    QFETCH(TLogoSlot, slot);
    QFETCH(QString, source);

    TempDrive temp;
    DriveFixture::Lay(temp, drive);
    RecordingClock clock;
    TPlatform platform(temp.Drive(), clock);
    QCOMPARE(QString::fromStdString(ExtractSourcePath(platform, slot)), source);
}

void TestLogoSlots::extractSourceAskedAnew() {
    TempDrive temp;
    DriveFixture::Lay(temp, {"LOGO.SYS=s", "WINDOWS/LOGOW.SYS=wait"});
    RecordingClock clock;
    TPlatform platform(temp.Drive(), clock);
    QCOMPARE(ExtractSourcePath(platform, lsInitial), std::string("c:\\logo.sys"));
    DriveFixture::Apply(temp, "LOGO.SYS!");
    QCOMPARE(ExtractSourcePath(platform, lsInitial), std::string("c:\\windows\\logow.sys"));
    DriveFixture::Apply(temp, "LOGO.SYS=back");
    QCOMPARE(ExtractSourcePath(platform, lsInitial), std::string("c:\\logo.sys"));
}

QTEST_GUILESS_MAIN(TestLogoSlots)
#include "test_logo_slots.moc"
