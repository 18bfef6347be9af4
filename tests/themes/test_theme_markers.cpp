#include "EInOutError.h"
#include "RecordingClock.h"
#include "RecordingPlatform.h"
#include "RecordingThemeWindow.h"
#include "TPlatform.h"
#include "TempDrive.h"
#include "ThemeExpectations.h"
#include "ThemeMarkers.h"
#include "ThemePalettes.h"
#include "ThemeSelection.h"

#include <QtTest>

#include <filesystem>
#include <string>
#include <vector>

using TLines = std::vector<std::string>;
Q_DECLARE_METATYPE(TScreen)
Q_DECLARE_METATYPE(TLines)

namespace fs = std::filesystem;

namespace {

// The button's theme, or -1 for the restore button.
constexpr int kRestore = -1;

const char* const kMarkerFiles[] = {
    "ORVANTISVERDE.ORV", "ORVANTISAZUL.ORV", "ORVANTISAQUA.ORV",
    "ORVANTISAMARELO.ORV", "ORVANTISROSA.ORV", "ORVANTISVERMELHO.ORV",
};

std::string MarkerFile(TColorTheme theme) { return kMarkerFiles[theme]; }

std::vector<TColorTheme> PresentMarkers(const TempDrive& drive) {
    std::vector<TColorTheme> present;
    for (TColorTheme theme : AllColorThemes)
        if (drive.Exists(MarkerFile(theme)))
            present.push_back(theme);
    return present;
}

// The lines of the log that start with the prefix.
TLines Starting(const TLines& log, const std::string& prefix) {
    TLines picked;
    for (const std::string& line : log)
        if (line.rfind(prefix, 0) == 0)
            picked.push_back(line);
    return picked;
}

// The full platform of a test: a real drive C: in a temporary folder, its
// calls and the window's calls in one log.
struct Bench {
    TempDrive drive;
    RecordingClock clock;
    TPlatform real{drive.Drive(), clock};
    TLines log;
    RecordingPlatform platform{real, log};
    RecordingThemeWindow window{log};
};

} // namespace

class TestThemeMarkers : public QObject {
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void markerBytes_data();
    void markerBytes();
    void deletions_data();
    void deletions();
    void startUpDetection_data();
    void startUpDetection();
    void failedMarker_data();
    void failedMarker();
};

void TestThemeMarkers::names_data() {
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("command");
    QTest::newRow("verde") << int(ctVerde) << "c:\\ORVANTISVERDE.ORV" << "COR VERDE"
                           << "Command.com /c Del c:\\ORVANTISVERDE.ORV";
    QTest::newRow("azul") << int(ctAzul) << "c:\\ORVANTISAZUL.ORV" << "COR AZUL"
                          << "Command.com /c Del c:\\ORVANTISAZUL.ORV";
    QTest::newRow("aqua") << int(ctAqua) << "c:\\ORVANTISAQUA.ORV" << "COR AQUA"
                          << "Command.com /c Del c:\\ORVANTISAQUA.ORV";
    QTest::newRow("amarelo") << int(ctAmarelo) << "c:\\ORVANTISAMARELO.ORV" << "COR AMARELA"
                             << "Command.com /c Del c:\\ORVANTISAMARELO.ORV";
    QTest::newRow("rosa") << int(ctRosa) << "c:\\ORVANTISROSA.ORV" << "COR ROSA"
                          << "Command.com /c Del c:\\ORVANTISROSA.ORV";
    QTest::newRow("vermelho") << int(ctVermelho) << "c:\\ORVANTISVERMELHO.ORV"
                              << "COR VERMELHA" << "Command.com /c Del c:\\ORVANTISVERMELHO.ORV";
}

void TestThemeMarkers::names() {
    QFETCH(int, theme);
    QFETCH(QString, path);
    QFETCH(QString, line);
    QFETCH(QString, command);
    QCOMPARE(QString::fromStdString(ThemeMarkerPath(TColorTheme(theme))), path);
    QCOMPARE(QString::fromStdString(ThemeMarkerLine(TColorTheme(theme))), line);
    QCOMPARE(QString::fromStdString(ThemeDeleteCommand(TColorTheme(theme))), command);
}

// One selection writes exactly the line and CR LF; a second appends it again.
void TestThemeMarkers::markerBytes_data() {
    QTest::addColumn<int>("theme");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("verde") << int(ctVerde) << QByteArray("COR VERDE\r\n");
    QTest::newRow("azul") << int(ctAzul) << QByteArray("COR AZUL\r\n");
    QTest::newRow("aqua") << int(ctAqua) << QByteArray("COR AQUA\r\n");
    QTest::newRow("amarelo") << int(ctAmarelo) << QByteArray("COR AMARELA\r\n");
    QTest::newRow("rosa") << int(ctRosa) << QByteArray("COR ROSA\r\n");
    QTest::newRow("vermelho") << int(ctVermelho) << QByteArray("COR VERMELHA\r\n");
}

void TestThemeMarkers::markerBytes() {
    QFETCH(int, theme);
    QFETCH(QByteArray, line);
    static const qsizetype sizes[] = {11, 10, 10, 13, 10, 14};
    QCOMPARE(line.size(), sizes[theme]);

    Bench bench;
    QVERIFY(bench.drive.IsValid());
    const std::string file = MarkerFile(TColorTheme(theme));
    SelectTheme(bench.platform, bench.window, TColorTheme(theme));
    QCOMPARE(QByteArray::fromStdString(bench.drive.ReadFile(file)), line);
    QCOMPARE(qsizetype(fs::file_size(bench.drive.Host(file))), sizes[theme]);

    SelectTheme(bench.platform, bench.window, TColorTheme(theme));
    QCOMPARE(QByteArray::fromStdString(bench.drive.ReadFile(file)), line + line);
    QCOMPARE(PresentMarkers(bench.drive), std::vector<TColorTheme>{TColorTheme(theme)});
    QCOMPARE(bench.window.HideAndShowCount(), 2);
}

// Each button's deletion commands, first to last, with and without markers.
void TestThemeMarkers::deletions_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("markersPresent");
    QTest::addColumn<TLines>("commands");
    const std::string del = "WinExec Command.com /c Del c:\\ORVANTIS";
    const std::string verde = del + "VERDE.ORV 0", azul = del + "AZUL.ORV 0",
                      aqua = del + "AQUA.ORV 0", amarelo = del + "AMARELO.ORV 0",
                      rosa = del + "ROSA.ORV 0", vermelho = del + "VERMELHO.ORV 0";
    struct Row {
        const char* name;
        int button;
        TLines commands;
    };
    const Row rows[] = {
        {"Button2 verde", ctVerde, {amarelo, aqua, rosa, vermelho, azul}},
        {"Button3 azul", ctAzul, {amarelo, aqua, rosa, vermelho, verde}},
        {"Button10 aqua", ctAqua, {amarelo, verde, rosa, vermelho, azul}},
        {"Button11 amarelo", ctAmarelo, {aqua, verde, rosa, vermelho, azul}},
        {"Button12 rosa", ctRosa, {aqua, verde, amarelo, vermelho, azul}},
        {"Button13 vermelho", ctVermelho, {aqua, verde, amarelo, rosa, azul}},
        {"Button14 restore", kRestore, {aqua, verde, amarelo, rosa, azul, vermelho}},
    };
    for (const Row& row : rows) {
        QTest::addRow("%s, no markers", row.name) << row.button << false << row.commands;
        QTest::addRow("%s, all markers", row.name) << row.button << true << row.commands;
    }
}

void TestThemeMarkers::deletions() {
    QFETCH(int, button);
    QFETCH(bool, markersPresent);
    QFETCH(TLines, commands);

    Bench bench;
    QVERIFY(bench.drive.IsValid());
    if (markersPresent)
        for (TColorTheme theme : AllColorThemes)
            bench.drive.WriteFile(MarkerFile(theme), "old\r\n");

    std::size_t assignments;
    TScreen expected;
    if (button == kRestore) {
        RestoreBuiltInColours(bench.platform, bench.window);
        assignments = BuiltInPalette().size();
        expected = BuiltInScreen();
    } else {
        SelectTheme(bench.platform, bench.window, TColorTheme(button));
        assignments = ThemePalette(TColorTheme(button)).size();
        expected = ThemeScreen(TColorTheme(button));
    }

    // The marker first, then every deletion, then the colours, then one redraw.
    TLines log = bench.log;
    if (button != kRestore) {
        const TColorTheme theme = TColorTheme(button);
        QCOMPARE(log.front(), "AppendTextLine " + ThemeMarkerPath(theme) + " " +
                                  ThemeMarkerLine(theme));
        log.erase(log.begin());
    }
    QCOMPARE(TLines(log.begin(), log.begin() + commands.size()), commands);
    log.erase(log.begin(), log.begin() + commands.size());
    QCOMPARE(Starting(log, "SetColour ").size(), assignments);
    QCOMPARE(log.size(), assignments + 1);
    QCOMPARE(log.back(), std::string("HideAndShow"));

    const std::string diff = ScreenDiff(bench.window.Screen(), expected);
    QVERIFY2(diff.empty(), diff.c_str());

    // The deletions have really been carried out.
    if (button == kRestore) {
        QCOMPARE(PresentMarkers(bench.drive), std::vector<TColorTheme>{});
    } else {
        const TColorTheme theme = TColorTheme(button);
        QCOMPARE(PresentMarkers(bench.drive), std::vector<TColorTheme>{theme});
        const std::string line = ThemeMarkerLine(theme) + "\r\n";
        QCOMPARE(bench.drive.ReadFile(MarkerFile(theme)),
                 markersPresent ? "old\r\n" + line : line);
    }
}

// The colours the window is built with, for a set of files on drive C:.
void TestThemeMarkers::startUpDetection_data() {
    QTest::addColumn<TLines>("markers");
    QTest::addColumn<TLines>("folders");
    QTest::addColumn<QString>("vanishing");   // removed after some of its questions
    QTest::addColumn<int>("vanishesAfter");
    QTest::addColumn<int>("assignments");
    QTest::addColumn<TScreen>("expected");

    const TLines none;
    QTest::newRow("no marker") << none << none << "" << 0 << 0 << FormScreen();
    QTest::newRow("only ROSA, empty") << TLines{"ORVANTISROSA.ORV"} << none << "" << 0 << 20
                                      << ThemeScreen(ctRosa);
    QTest::newRow("VERDE and VERMELHO")
        << TLines{"ORVANTISVERDE.ORV", "ORVANTISVERMELHO.ORV"} << none << "" << 0 << 40
        << ThemeScreen(ctVermelho);
    QTest::newRow("AZUL and AQUA") << TLines{"ORVANTISAZUL.ORV", "ORVANTISAQUA.ORV"} << none
                                   << "" << 0 << 37 << ThemeScreen(ctAqua);
    TLines all(std::begin(kMarkerFiles), std::end(kMarkerFiles));
    QTest::newRow("all six") << all << none << "" << 0 << 117 << ThemeScreen(ctVermelho);
    QTest::newRow("folder named like AQUA's marker")
        << none << TLines{"ORVANTISAQUA.ORV"} << "" << 0 << 0 << FormScreen();
    QTest::newRow("VERDE, and a folder named like AQUA's marker")
        << TLines{"ORVANTISVERDE.ORV"} << TLines{"ORVANTISAQUA.ORV"} << "" << 0 << 20
        << ThemeScreen(ctVerde);
    QTest::newRow("only AZUL, lower-case name")
        << TLines{"orvantisazul.orv"} << none << "" << 0 << 17 << ThemeScreen(ctAzul);

    // ROSA's marker goes after its third question: window, Label17 and Label19
    // take ROSA's colours, the rest stays VERDE.
    TScreen verdeThenRosa = ThemeScreen(ctVerde);
    verdeThenRosa[cpForm2Color] = 0x00C080FF;
    verdeThenRosa[cpLabel17FontColor] = clPurple;
    QTest::newRow("VERDE, ROSA removed after 3 assignments")
        << TLines{"ORVANTISVERDE.ORV", "ORVANTISROSA.ORV"} << none << "ORVANTISROSA.ORV" << 3
        << 23 << verdeThenRosa;

    // AZUL's marker goes before its two frame captions: the thumbnail labels
    // keep following GroupBox3 in the window-text colour.
    TScreen azulWithoutFrames = ThemeScreen(ctAzul);
    for (TColourProperty p : {cpGroupBox3FontColor, cpGroupBox2FontColor, cpLabel1FontColor,
                              cpLabel2FontColor, cpLabel3FontColor})
        azulWithoutFrames[p] = clWindowText;
    QTest::newRow("AZUL removed after 15 assignments")
        << TLines{"ORVANTISAZUL.ORV"} << none << "ORVANTISAZUL.ORV" << 15 << 15
        << azulWithoutFrames;
}

void TestThemeMarkers::startUpDetection() {
    QFETCH(TLines, markers);
    QFETCH(TLines, folders);
    QFETCH(QString, vanishing);
    QFETCH(int, vanishesAfter);
    QFETCH(int, assignments);
    QFETCH(TScreen, expected);

    Bench bench;
    QVERIFY(bench.drive.IsValid());
    for (const std::string& file : markers)
        bench.drive.WriteFile(file, file == "ORVANTISROSA.ORV" ? "" : "COR\r\n");
    for (const std::string& folder : folders)
        bench.drive.MakeFolder(folder);
    int questions = 0;
    if (!vanishing.isEmpty()) {
        const std::string file = vanishing.toStdString();
        const std::string path = "c:\\" + file;
        bench.platform.afterFileIsPresent = [&, file, path](const std::string& asked) {
            if (asked == path && ++questions == vanishesAfter)
                fs::remove(bench.drive.Host(file));
        };
    }

    ApplyStoredThemes(bench.platform, bench.window);

    const std::string diff = ScreenDiff(bench.window.Screen(), expected);
    QVERIFY2(diff.empty(), diff.c_str());

    // One question before every assignment of every palette, in enumeration
    // order, each assignment right after its question; nothing else.
    TLines questionsAsked;
    static const int paletteSizes[] = {20, 17, 20, 20, 20, 20};
    for (TColorTheme theme : AllColorThemes)
        for (int i = 0; i < paletteSizes[theme]; ++i)
            questionsAsked.push_back("FileIsPresent " + ThemeMarkerPath(theme));
    QCOMPARE(Starting(bench.log, "FileIsPresent "), questionsAsked);
    QCOMPARE(Starting(bench.log, "SetColour ").size(), std::size_t(assignments));
    QCOMPARE(bench.log.size(), questionsAsked.size() + std::size_t(assignments));
    for (std::size_t i = 0; i < bench.log.size(); ++i)
        if (bench.log[i].rfind("SetColour ", 0) == 0)
            QVERIFY2(i > 0 && bench.log[i - 1].rfind("FileIsPresent ", 0) == 0,
                     bench.log[i].c_str());
    QCOMPARE(bench.window.HideAndShowCount(), 0);

    // Detection leaves the files alone.
    for (const std::string& file : markers)
        if (QString::fromStdString(file) != vanishing)
            QVERIFY2(fs::is_regular_file(bench.drive.Host(file)), file.c_str());
    for (const std::string& folder : folders)
        QVERIFY(fs::is_directory(bench.drive.Host(folder)));
}

// A marker that cannot be written stops the selection before anything else.
enum TFailure { fuReadOnlyPermission, fuReadOnlyAttribute, fuFolder, fuFullDisk };

void TestThemeMarkers::failedMarker_data() {
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("read-only marker (no write permission)")
        << int(fuReadOnlyPermission) << 5 << "File access denied";
    QTest::newRow("read-only marker (attribute set)")
        << int(fuReadOnlyAttribute) << 5 << "File access denied";
    QTest::newRow("folder named like the marker") << int(fuFolder) << 5 << "File access denied";
    QTest::newRow("full disk behind a link") << int(fuFullDisk) << 101 << "Disk full";
}

void TestThemeMarkers::failedMarker() {
    QFETCH(int, failure);
    QFETCH(int, code);
    QFETCH(QString, message);

    Bench bench;
    QVERIFY(bench.drive.IsValid());
    const std::string aqua = "ORVANTISAQUA.ORV";
    const fs::path host = bench.drive.Host(aqua);
    bench.drive.WriteFile("ORVANTISVERDE.ORV", "COR VERDE\r\n");
    switch (failure) {
    case fuReadOnlyPermission:
        bench.drive.WriteFile(aqua, "COR AQUA\r\n");
        fs::permissions(host, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        break;
    case fuReadOnlyAttribute:
        bench.drive.WriteFile(aqua, "COR AQUA\r\n");
        QVERIFY(bench.real.SetFileAttributesA("c:\\ORVANTISAQUA.ORV", 1));
        break;
    case fuFolder:
        bench.drive.MakeFolder(aqua);
        break;
    case fuFullDisk:
        if (!fs::exists("/dev/full"))
            QSKIP("this host has no /dev/full");
        fs::create_symlink("/dev/full", host);
        break;
    }
    ApplyPalette(bench.window, ThemePalette(ctRosa));
    const TScreen before = bench.window.Screen();
    bench.log.clear();

    try {
        SelectTheme(bench.platform, bench.window, ctAqua);
        QFAIL("the selection went through");
    } catch (const EInOutError& error) {
        QCOMPARE(error.Code(), code);
        QCOMPARE(QString::fromUtf8(error.what()), message);
    }

    // Only the marker step ran: no deletion, no colour, no redraw.
    QCOMPARE(bench.log, TLines{"AppendTextLine c:\\ORVANTISAQUA.ORV COR AQUA"});
    QCOMPARE(bench.window.HideAndShowCount(), 0);
    const std::string diff = ScreenDiff(bench.window.Screen(), before);
    QVERIFY2(diff.empty(), diff.c_str());
    QCOMPARE(bench.drive.ReadFile("ORVANTISVERDE.ORV"), std::string("COR VERDE\r\n"));

    switch (failure) {
    case fuReadOnlyPermission:
    case fuReadOnlyAttribute:
        QCOMPARE(bench.drive.ReadFile(aqua), std::string("COR AQUA\r\n"));
        break;
    case fuFolder:
        QVERIFY(fs::is_directory(host));
        QVERIFY(fs::is_empty(host));
        break;
    case fuFullDisk:
        QVERIFY(fs::is_symlink(host));
        QCOMPARE(fs::read_symlink(host), fs::path("/dev/full"));
        break;
    }
}

QTEST_APPLESS_MAIN(TestThemeMarkers)
#include "test_theme_markers.moc"
