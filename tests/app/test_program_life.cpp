// The life of the program in-process: start-up, the intro window, entering the
// main window and every way of ending, on a real temporary drive with a clock
// that does not wait and dialogs that only record.

#include "DosAttributes.h"
#include "RecordingClock.h"
#include "RecordingDialogs.h"
#include "MarkerQuestions.h"
#include "RecordingPlatform.h"
#include "TGauge.h"
#include "TPlatform.h"
#include "TProgram.h"
#include "TempDrive.h"
#include "Unit1.h"
#include "Unit2.h"
#include "vcl/TImage.h"
#include "vcl/TPageControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolTip>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// Three different pictures, so that a backup shows which file it came from.
std::string Picture(char fill, std::size_t size = 4096) {
    std::string bytes(size, fill);
    bytes[0] = 'B';
    bytes[1] = 'M';
    return bytes;
}

const std::string kStartupPicture = Picture('i');
const std::string kWaitPicture = Picture('w');
const std::string kOffPicture = Picture('o');

const QStringList kStartupSteps = {
    QStringLiteral("WinExec Command.com /c MD c:\\orvantis 0"),
    QStringLiteral("WinExec Command.com /c MD c:\\TOLVANEX 0"),
    QStringLiteral("Sleep 2000"),
    QStringLiteral("CopyFileA c:\\logo.sys -> c:\\TOLVANEX\\LOGO.SYS failIfExists"),
    QStringLiteral("CopyFileA c:\\windows\\logow.sys -> c:\\TOLVANEX\\LOGOW.SYS failIfExists"),
    QStringLiteral("CopyFileA c:\\windows\\logos.sys -> c:\\TOLVANEX\\LOGOS.SYS failIfExists"),
};

QStringList Attributes(int value) {
    return {QStringLiteral("SetFileAttributesA C:\\logo.sys %1").arg(value),
            QStringLiteral("SetFileAttributesA C:\\windows\\logos.sys %1").arg(value),
            QStringLiteral("SetFileAttributesA C:\\windows\\logow.sys %1").arg(value)};
}

} // namespace

class TestProgramLife : public QObject {
    Q_OBJECT

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startupOrder();
    void firstRunTakesTheBackups();
    void laterRunKeepsTheBackups();
    void partialBackupFolderIsCompleted();
    void missingStartupScreen();
    void introWindowLayout();
    void introHintShowsOnThePicture();
    void firstActivationClearsAttributesOnce();
    void tabLeavesFocusOnButton1();
    void keysOnButton1DoNothing_data();
    void keysOnButton1DoNothing();
    void clickOnPictureEntersMainWindow();
    void fecharEndsTheProgram();
    void closeOfMainWindowEndsTheProgram();
    void closeOfIntroWindowEndsTheProgram();

private:
    // The log of platform calls, as text.
    QStringList Log() const;
    int Count(const QString& line) const;
    void WriteLiveFiles() const;
    std::optional<std::uint32_t> AttributesOf(const std::string& dosPath) const;
    void GiveAttributes(std::uint32_t attributes) const;
    // Builds both windows and shows the intro window, as the program starts.
    bool Start();
    // Waits for the first activation of the intro window to have been handled.
    bool WaitForIntroActive();
    bool EnterMainWindow();
    // Runs the application's event loop until it is told to end; 99 when it
    // is not told within a few seconds.
    int RunUntilQuit();

    std::unique_ptr<TempDrive> m_drive;
    std::unique_ptr<RecordingClock> m_clock;
    std::unique_ptr<TPlatform> m_host;
    std::vector<std::string> m_log;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<TProgram> m_program;
    // Handlers by window ("Form1.FormClose") and Show/Hide of the two windows.
    QStringList m_events;
    // Number of platform calls made when the intro window was first shown.
    int m_logAtIntroShown = -1;
};

bool TestProgramLife::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    if (watched->isWidgetType() && (name == QLatin1String("Form1") || name == QLatin1String("Form2")) &&
        static_cast<QWidget*>(watched)->isWindow()) {
        if (event->type() == QEvent::Show) {
            m_events << name + QStringLiteral(".Show");
            if (name == QLatin1String("Form1") && m_logAtIntroShown < 0)
                m_logAtIntroShown = int(m_log.size());
        } else if (event->type() == QEvent::Hide) {
            m_events << name + QStringLiteral(".Hide");
        }
    }
    return false;
}

void TestProgramLife::initTestCase() {
    // As the program sets itself up.
    QApplication::setQuitOnLastWindowClosed(false);
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    qApp->installEventFilter(this);
}

void TestProgramLife::init() {
    m_drive = std::make_unique<TempDrive>();
    QVERIFY(m_drive->IsValid());
    m_clock = std::make_unique<RecordingClock>();
    m_host = std::make_unique<TPlatform>(m_drive->Drive(), *m_clock);
    m_log.clear();
    m_platform = std::make_unique<RecordingPlatform>(*m_host, m_log);
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_events.clear();
    m_logAtIntroShown = -1;
    m_drive->MakeFolder("WINDOWS");
}

void TestProgramLife::cleanup() {
    m_program.reset();
    m_dialogs.reset();
    m_platform.reset();
    m_host.reset();
    m_clock.reset();
    // Give the owner write permission back so the folder can go.
    if (m_drive)
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_drive->Root()))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
    m_drive.reset();
}

QStringList TestProgramLife::Log() const {
    QStringList lines;
    for (const std::string& line : m_log)
        lines << QString::fromStdString(line);
    return lines;
}

int TestProgramLife::Count(const QString& line) const { return int(Log().count(line)); }

void TestProgramLife::WriteLiveFiles() const {
    m_drive->WriteFile("LOGO.SYS", kStartupPicture);
    m_drive->WriteFile("WINDOWS/LOGOW.SYS", kWaitPicture);
    m_drive->WriteFile("WINDOWS/LOGOS.SYS", kOffPicture);
}

std::optional<std::uint32_t> TestProgramLife::AttributesOf(const std::string& dosPath) const {
    const auto host = m_drive->Drive().Resolve(dosPath);
    if (!host || !std::filesystem::exists(*host))
        return std::nullopt;
    return DosAttributes::Read(*host);
}

void TestProgramLife::GiveAttributes(std::uint32_t attributes) const {
    for (const char* path : {"c:\\logo.sys", "c:\\windows\\logow.sys", "c:\\windows\\logos.sys"})
        if (const auto host = m_drive->Drive().Resolve(path); host && std::filesystem::exists(*host))
            QVERIFY(DosAttributes::Write(*host, attributes));
}

bool TestProgramLife::Start() {
    m_program = std::make_unique<TProgram>(m_drive->Drive(), *m_platform, *m_dialogs);
    if (!m_program->Start())
        return false;
    connect(m_program->Form1(), &TForm1::HandlerRan, this,
            [this](const QString& handler) { m_events << QStringLiteral("Form1.") + handler; });
    connect(m_program->Form2(), &TForm2::HandlerRan, this,
            [this](const QString& handler) { m_events << QStringLiteral("Form2.") + handler; });
    return true;
}

bool TestProgramLife::WaitForIntroActive() {
    // The offscreen platform activates a window when it is shown; the event
    // arrives through the event loop.
    if (!QTest::qWaitForWindowActive(m_program->Form1()))
        return false;
    return QTest::qWaitFor([this] { return Count(Attributes(0).first()) > 0; }, 2000);
}

bool TestProgramLife::EnterMainWindow() {
    if (!WaitForIntroActive())
        return false;
    QTest::mouseClick(m_program->Form1()->Image1(), Qt::LeftButton, {}, QPoint(200, 150));
    return m_program->Form2()->isVisible() && QTest::qWaitForWindowExposed(m_program->Form2());
}

int TestProgramLife::RunUntilQuit() {
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    return QApplication::exec();
}

void TestProgramLife::startupOrder() {
    WriteLiveFiles();
    // No window may be on screen during the pause.
    QStringList visibleDuringPause;
    m_clock->onSleep = [&visibleDuringPause](unsigned, std::size_t) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                visibleDuringPause << w->objectName();
    };
    QVERIFY(Start());
    QCOMPARE(visibleDuringPause, QStringList());
    QCOMPARE(m_clock->pauses, std::vector<unsigned>{2000});

    const QStringList expected = kStartupSteps + MarkerQuestions();
    QCOMPARE(Log(), expected);
    // Form1 goes on screen after Form2 has been built, and Form2 stays hidden.
    QCOMPARE(m_logAtIntroShown, int(expected.size()));
    QVERIFY(m_program->Form1()->isVisible());
    QVERIFY(!m_program->Form2()->isVisible());
    // Centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(m_program->Form1()->frameGeometry().center(), screen.center());

    // The first activation clears the attributes, after everything above.
    QVERIFY(WaitForIntroActive());
    QCOMPARE(Log(), expected + Attributes(0));
    QCOMPARE(m_dialogs->boxes.size(), std::size_t(0));
}

void TestProgramLife::firstRunTakesTheBackups() {
    WriteLiveFiles();
    QVERIFY(Start());
    QVERIFY(QFileInfo(QString::fromStdString(m_drive->Host("orvantis").string())).isDir());
    QVERIFY(QFileInfo(QString::fromStdString(m_drive->Host("TOLVANEX").string())).isDir());
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGO.SYS"), kStartupPicture);
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGOW.SYS"), kWaitPicture);
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGOS.SYS"), kOffPicture);
}

void TestProgramLife::laterRunKeepsTheBackups() {
    WriteLiveFiles();
    QVERIFY(Start());
    m_program.reset();
    // The user has inserted other pictures meanwhile.
    m_drive->WriteFile("LOGO.SYS", Picture('I'));
    m_drive->WriteFile("WINDOWS/LOGOW.SYS", Picture('W'));
    m_drive->WriteFile("WINDOWS/LOGOS.SYS", Picture('O'));
    m_log.clear();
    QVERIFY(Start());
    QCOMPARE(Log().mid(0, kStartupSteps.size()), kStartupSteps);
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGO.SYS"), kStartupPicture);
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGOW.SYS"), kWaitPicture);
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGOS.SYS"), kOffPicture);
}

void TestProgramLife::partialBackupFolderIsCompleted() {
    WriteLiveFiles();
    const std::string earlier = Picture('e');
    m_drive->WriteFile("TOLVANEX/LOGOW.SYS", earlier);
    QVERIFY(Start());
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGO.SYS"), kStartupPicture);
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGOW.SYS"), earlier);
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGOS.SYS"), kOffPicture);
}

void TestProgramLife::missingStartupScreen() {
    m_drive->WriteFile("WINDOWS/LOGOW.SYS", kWaitPicture);
    m_drive->WriteFile("WINDOWS/LOGOS.SYS", kOffPicture);
    GiveAttributes(faReadOnly | faSysFile | faArchive);
    QVERIFY(Start());
    QCOMPARE(Log().mid(0, kStartupSteps.size()), kStartupSteps);
    QVERIFY(!m_drive->Exists("TOLVANEX/LOGO.SYS"));
    QCOMPARE(m_drive->ReadFile("TOLVANEX/LOGOW.SYS"), kWaitPicture);

    // The clearing tries the absent file first and handles the other two.
    QVERIFY(WaitForIntroActive());
    QCOMPARE(Log().mid(Log().size() - 3), Attributes(0));
    QCOMPARE(AttributesOf("c:\\logo.sys"), std::nullopt);
    QCOMPARE(AttributesOf("c:\\windows\\logow.sys"), std::optional<std::uint32_t>(0));
    QCOMPARE(AttributesOf("c:\\windows\\logos.sys"), std::optional<std::uint32_t>(0));

    // An insertion creates the start-up screen during the run.
    m_drive->WriteFile("orvantis/LOGO_INICIAL.BMP", Picture('n'));
    QTest::mouseClick(m_program->Form1()->Image1(), Qt::LeftButton, {}, QPoint(10, 10));
    TForm2* form2 = m_program->Form2();
    form2->PageControl1()->setCurrentIndex(2);
    auto* button5 = form2->findChild<QPushButton*>(QStringLiteral("Button5"));
    QVERIFY(button5);
    QTest::mouseClick(button5, Qt::LeftButton);
    const auto created = m_drive->Drive().Resolve("c:\\logo.sys");
    QVERIFY(created && std::filesystem::is_regular_file(*created));

    auto* fechar = form2->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QTest::mouseClick(fechar, Qt::LeftButton);
    QCOMPARE(AttributesOf("c:\\logo.sys"), std::optional<std::uint32_t>(faHidden));
    QCOMPARE(AttributesOf("c:\\windows\\logow.sys"), std::optional<std::uint32_t>(faHidden));
    QCOMPARE(AttributesOf("c:\\windows\\logos.sys"), std::optional<std::uint32_t>(faHidden));
    QCOMPARE(RunUntilQuit(), 0);
}

void TestProgramLife::introWindowLayout() {
    WriteLiveFiles();
    QVERIFY(Start());
    TForm1* form1 = m_program->Form1();
    QVERIFY(form1->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form1->size(), QSize(419, 300));
    QCOMPARE(form1->frameGeometry().size(), QSize(419, 300));
    QCOMPARE(form1->Image1()->geometry(), form1->rect());
    QCOMPARE(form1->Image1()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(form1->Image1()->toolTip(), QStringLiteral("APERTE AQUI PARA ENTRAR"));
    QCOMPARE(form1->Image1()->focusPolicy(), Qt::NoFocus);
    QPushButton* button1 = form1->Button1();
    QCOMPARE(button1->geometry(), QRect(8, 328, 49, 25));
    QCOMPARE(button1->text(), QStringLiteral("1"));
    QVERIFY(button1->isVisibleTo(form1));
    QVERIFY(button1->isEnabled());
    // Below the client area: never seen.
    QVERIFY(!form1->rect().intersects(button1->geometry()));
    // The only control that takes the focus.
    QList<QWidget*> focusable;
    for (QWidget* w : form1->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus)
            focusable << w;
    QCOMPARE(focusable, QList<QWidget*>{button1});
}

void TestProgramLife::introHintShowsOnThePicture() {
    WriteLiveFiles();
    QVERIFY(Start());
    QVERIFY(WaitForIntroActive());
    TImage* image1 = m_program->Form1()->Image1();
    const QPoint spot(100, 100);
    QHelpEvent help(QEvent::ToolTip, spot, image1->mapToGlobal(spot));
    QApplication::sendEvent(image1, &help);
    QVERIFY(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
    QCOMPARE(QToolTip::text(), QStringLiteral("APERTE AQUI PARA ENTRAR"));
    QToolTip::hideText();
}

void TestProgramLife::firstActivationClearsAttributesOnce() {
    WriteLiveFiles();
    GiveAttributes(faReadOnly | faSysFile | faArchive);
    QVERIFY(Start());
    TForm1* form1 = m_program->Form1();
    QVERIFY(WaitForIntroActive());
    QCOMPARE(Log().mid(Log().size() - 3), Attributes(0));
    QCOMPARE(m_events.count(QStringLiteral("Form1.Button1Enter")), 1);
    m_events.clear();
    QCOMPARE(QApplication::focusWidget(), form1->Button1());
    for (const char* path : {"c:\\logo.sys", "c:\\windows\\logow.sys", "c:\\windows\\logos.sys"})
        QCOMPARE(AttributesOf(path), std::optional<std::uint32_t>(0));

    // Another window takes the activation, then the intro window gets it back.
    QWidget other;
    other.setObjectName(QStringLiteral("Other"));
    auto* edit = new QLineEdit(&other);
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    edit->setFocus();
    QCOMPARE(QApplication::focusWidget(), edit);
    form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form1));
    QCOMPARE(QApplication::focusWidget(), form1->Button1());
    QTest::qWait(50);
    QCOMPARE(m_events.count(QStringLiteral("Form1.Button1Enter")), 0);
    QCOMPARE(Count(Attributes(0).first()), 1);
}

void TestProgramLife::tabLeavesFocusOnButton1() {
    WriteLiveFiles();
    QVERIFY(Start());
    TForm1* form1 = m_program->Form1();
    QVERIFY(WaitForIntroActive());
    m_events.clear();
    const int before = int(m_log.size());
    QTest::keyClick(form1, Qt::Key_Tab);
    QTest::keyClick(form1, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form1->Button1());
    QCOMPARE(int(m_log.size()), before);
    QCOMPARE(m_events, QStringList());
}

void TestProgramLife::keysOnButton1DoNothing_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter);
}

void TestProgramLife::keysOnButton1DoNothing() {
    QFETCH(int, key);
    WriteLiveFiles();
    QVERIFY(Start());
    TForm1* form1 = m_program->Form1();
    QVERIFY(WaitForIntroActive());
    m_events.clear();
    const int before = int(m_log.size());
    bool pressed = false;
    connect(form1->Button1(), &QPushButton::clicked, this, [&pressed] { pressed = true; });
    QTest::keyClick(form1->Button1(), Qt::Key(key));
    QTest::qWait(20);
    // Space does press the button, and the press does nothing.
    if (key == Qt::Key_Space)
        QVERIFY(pressed);
    QCOMPARE(int(m_log.size()), before);
    QCOMPARE(m_events, QStringList());
    QVERIFY(form1->isVisible());
    QVERIFY(!m_program->Form2()->isVisible());
}

void TestProgramLife::clickOnPictureEntersMainWindow() {
    WriteLiveFiles();
    QVERIFY(Start());
    QVERIFY(WaitForIntroActive());
    m_events.clear();
    QTest::mouseClick(m_program->Form1()->Image1(), Qt::LeftButton, {}, QPoint(209, 150));
    QCOMPARE(m_events, (QStringList{QStringLiteral("Form1.Image1Click"),
                                    QStringLiteral("Form2.Show"), QStringLiteral("Form1.Hide")}));
    QVERIFY(m_program->Form2()->isVisible());
    QVERIFY(!m_program->Form1()->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_program->Form2()));

    // The intro window does not come back: not after a theme change that hides
    // and shows the main window, nor after a while.
    TForm2* form2 = m_program->Form2();
    form2->PageControl1()->setCurrentIndex(4);
    QTest::mouseClick(form2->findChild<QPushButton*>(QStringLiteral("Button14")), Qt::LeftButton);
    QTest::qWait(50);
    QVERIFY(!m_program->Form1()->isVisible());
    QCOMPARE(m_events.count(QStringLiteral("Form1.Show")), 0);
    QCOMPARE(m_events.count(QStringLiteral("Form1.FormClose")), 0);
}

void TestProgramLife::fecharEndsTheProgram() {
    WriteLiveFiles();
    QVERIFY(Start());
    QVERIFY(EnterMainWindow());
    // An operation may have left other attributes; the end hides them all alike.
    GiveAttributes(faReadOnly | faSysFile | faArchive);
    m_events.clear();
    m_log.clear();
    bool toldToEnd = false;
    // The connection ends with this test: the flag lives on its stack.
    QObject scope;
    connect(qApp, &QCoreApplication::aboutToQuit, &scope, [&toldToEnd] { toldToEnd = true; });
    QTest::mouseClick(m_program->Form2()->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                      Qt::LeftButton);
    QCOMPARE(RunUntilQuit(), 0);
    QVERIFY(toldToEnd);
    QCOMPARE(m_events.count(QStringLiteral("Form1.FormClose")), 1);
    QCOMPARE(m_events.count(QStringLiteral("Form2.FormClose")), 0);
    QCOMPARE(Log(), Attributes(2));
    for (const char* path : {"c:\\logo.sys", "c:\\windows\\logow.sys", "c:\\windows\\logos.sys"})
        QCOMPARE(AttributesOf(path), std::optional<std::uint32_t>(faHidden));
    QCOMPARE(m_dialogs->boxes.size(), std::size_t(0));
}

void TestProgramLife::closeOfMainWindowEndsTheProgram() {
    WriteLiveFiles();
    QVERIFY(Start());
    QVERIFY(EnterMainWindow());
    m_events.clear();
    m_log.clear();
    QVERIFY(m_program->Form2()->close());
    QCOMPARE(RunUntilQuit(), 0);
    QCOMPARE(m_events, (QStringList{QStringLiteral("Form2.FormClose"),
                                    QStringLiteral("Form1.FormClose"), QStringLiteral("Form2.Hide")}));
    QCOMPARE(Log(), Attributes(2));
    QVERIFY(!m_program->Form2()->isVisible());
}

void TestProgramLife::closeOfIntroWindowEndsTheProgram() {
    WriteLiveFiles();
    QVERIFY(Start());
    QVERIFY(WaitForIntroActive());
    m_log.clear();
    m_events.clear();
    QVERIFY(m_program->Form1()->close());
    QCOMPARE(RunUntilQuit(), 0);
    QCOMPARE(m_events, (QStringList{QStringLiteral("Form1.FormClose"), QStringLiteral("Form1.Hide")}));
    QCOMPARE(Log(), Attributes(2));
    for (const char* path : {"c:\\logo.sys", "c:\\windows\\logow.sys", "c:\\windows\\logos.sys"})
        QCOMPARE(AttributesOf(path), std::optional<std::uint32_t>(faHidden));
    QCOMPARE(m_events.count(QStringLiteral("Form2.Show")), 0);
}

QTEST_MAIN(TestProgramLife)
#include "test_program_life.moc"
