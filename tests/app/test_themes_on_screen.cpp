// The colour themes as the main window shows them: the stored themes applied
// while the window is built, each Skins button, the restore button, what a
// theme change leaves as it was, and a marker that cannot be written. Colours
// are read back both from the window's properties and from its pixels.

#include "IPlatform.h"
#include "RecordingClock.h"
#include "MarkerQuestions.h"
#include "QColorFromTColor.h"
#include "RecordingDialogs.h"
#include "RecordingPlatform.h"
#include "TColourProperty.h"
#include "TGauge.h"
#include "TPlatform.h"
#include "TShellListView.h"
#include "TWorkFolderModel.h"
#include "TempDrive.h"
#include "Unit2.h"
#include "vcl/TLabel.h"
#include "vcl/TPageControl.h"
#include "vcl/TVclColours.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest>

#include <array>
#include <functional>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

constexpr std::size_t kPropertyCount = std::size_t(cpLabel28FontColor) + 1;
using TScreen = std::array<TColor, kPropertyCount>;
Q_DECLARE_METATYPE(TScreen)

namespace {

constexpr TColor kMediumBlue = 0x00DC8821;
constexpr TColor kGoldenYellow = 0x0003DBE7;
constexpr TColor kPaleYellow = 0x007BEBF4;
constexpr TColor kAzure = 0x00FF8000;

const char* const kPropertyNames[kPropertyCount] = {
    "Form2.Color",        "Gauge1.ForeColor",   "Label17.Font.Color", "Label19.Font.Color",
    "GroupBox3.Font.Color", "GroupBox2.Font.Color", "Label1.Font.Color", "Label2.Font.Color",
    "Label3.Font.Color",  "Label4.Font.Color",  "Label5.Font.Color",  "Label20.Font.Color",
    "Label21.Font.Color", "Label22.Font.Color", "Label23.Font.Color", "Label24.Font.Color",
    "Label25.Font.Color", "Label26.Font.Color", "Label27.Font.Color", "Label28.Font.Color",
};

// What the window shows, written from the looks of each theme: the window,
// the gauge fill, the two titles, the frame captions with Label1 to Label5,
// the three credit lines and the six lines below them.
TScreen Screen(TColor window, TColor gauge, TColor title17, TColor title19, TColor text,
               TColor credits, TColor about) {
    TScreen screen{};
    screen[cpForm2Color] = window;
    screen[cpGauge1ForeColor] = gauge;
    screen[cpLabel17FontColor] = title17;
    screen[cpLabel19FontColor] = title19;
    for (TColourProperty p : {cpGroupBox3FontColor, cpGroupBox2FontColor, cpLabel1FontColor,
                              cpLabel2FontColor, cpLabel3FontColor, cpLabel4FontColor,
                              cpLabel5FontColor})
        screen[p] = text;
    for (TColourProperty p : {cpLabel20FontColor, cpLabel21FontColor, cpLabel22FontColor})
        screen[p] = credits;
    for (int p = cpLabel23FontColor; p <= cpLabel28FontColor; ++p)
        screen[p] = about;
    return screen;
}

const TScreen kFresh = Screen(kMediumBlue, kGoldenYellow, kPaleYellow, kPaleYellow, clWindowText,
                              clWindowText, clWhite);
const TScreen kVerde = Screen(0x0080FF00, clGreen, clBlack, clBlack, clBlack, clBlack, clBlack);
const TScreen kAzul = Screen(clNavy, clBlue, clWhite, clWhite, clWhite, clWhite, clWhite);
const TScreen kAqua = Screen(clAqua, kAzure, kAzure, clBlack, clBlack, clBlack, clBlack);
const TScreen kAmarelo = Screen(0x0080FFFF, kAzure, kAzure, clBlack, clBlack, clBlack, clBlack);
const TScreen kRosa = Screen(0x00C080FF, clPurple, clPurple, clBlack, clBlack, clWhite, clBlack);
const TScreen kVermelho = Screen(clRed, clBlack, clWhite, clBlack, clBlack, clWhite, clBlack);
const TScreen kBuiltIn =
    Screen(kMediumBlue, kGoldenYellow, kPaleYellow, kPaleYellow, clBlack, clBlack, clWhite);

QString Hex(TColor colour) {
    return QStringLiteral("0x") + QStringLiteral("%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

// One line per property that differs.
QStringList Diff(const TScreen& actual, const TScreen& expected) {
    QStringList lines;
    for (std::size_t i = 0; i < kPropertyCount; ++i)
        if (actual[i] != expected[i])
            lines << QStringLiteral("%1: %2, expected %3")
                         .arg(QLatin1String(kPropertyNames[i]), Hex(actual[i]), Hex(expected[i]));
    return lines;
}

QRgb Rgb(TColor colour) { return QColorFromTColor(colour).rgb() & 0xFFFFFFu; }

QRgb PixelAt(const QImage& image, QPoint at) { return image.pixel(at) & 0xFFFFFFu; }

// The colour a text is drawn in: of the pixels in its rectangle, the one
// farthest from the background (edge pixels are blends between the two).
QRgb Ink(const QImage& image, const QRect& rect, QRgb background) {
    auto distance = [background](QRgb rgb) {
        return std::abs(qRed(rgb) - qRed(background)) + std::abs(qGreen(rgb) - qGreen(background)) +
               std::abs(qBlue(rgb) - qBlue(background));
    };
    QRgb best = background;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (const QRgb rgb = PixelAt(image, {x, y}); distance(rgb) > distance(best))
                best = rgb;
    return best;
}

QString RgbText(QRgb rgb) { return QStringLiteral("#%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0')); }

// Lists what differs, for the failure message.
#define ExpectNone(differences)                                                                  \
    do {                                                                                         \
        const QStringList found = (differences);                                                 \
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));                 \
    } while (false)

} // namespace

// The window works on the real platform over a temporary drive; every call
// is logged, and the test can act after a marker question is answered.
class TestThemesOnScreen : public QObject {
    Q_OBJECT

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void storedThemesAppliedWhileBuilt_data();
    void storedThemesAppliedWhileBuilt();
    void markerAskedBeforeEveryAssignment();
    void skinsButtonsRecolour_data();
    void skinsButtonsRecolour();
    void restoreAgainstFreshStart();
    void themeChangeKeepsTheWindowAsItWas_data();
    void themeChangeKeepsTheWindowAsItWas();
    void markerThatCannotBeWritten_data();
    void markerThatCannotBeWritten();

private:
    bool Build();
    QPushButton* Button(const char* name) const;
    TScreen PropertiesShown() const;
    // Differences between the expected screen and the window's pixels on the
    // first page, with the gauge at 50.
    QStringList PixelsDiff(const TScreen& expected);
    // The Skins panel as it looks: its background, heading and swatches.
    QImage PanelPicture();
    QStringList Log() const;

    std::unique_ptr<TempDrive> m_drive;
    std::unique_ptr<RecordingClock> m_clock;
    std::unique_ptr<TPlatform> m_host;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<TForm2> m_form2;
    std::vector<std::string> m_log;
    std::unique_ptr<RecordingPlatform> m_platform;
    QStringList m_shows;
    QPalette m_applicationPalette;
};

bool TestThemesOnScreen::eventFilter(QObject* watched, QEvent* event) {
    if (m_form2 && watched == m_form2.get()) {
        if (event->type() == QEvent::Show)
            m_shows << QStringLiteral("Show");
        else if (event->type() == QEvent::Hide)
            m_shows << QStringLiteral("Hide");
    }
    return false;
}

void TestThemesOnScreen::initTestCase() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    m_applicationPalette = QApplication::palette();
}

void TestThemesOnScreen::init() {
    m_drive = std::make_unique<TempDrive>();
    QVERIFY(m_drive->IsValid());
    m_drive->MakeFolder("orvantis");
    m_clock = std::make_unique<RecordingClock>();
    m_host = std::make_unique<TPlatform>(m_drive->Drive(), *m_clock);
    m_platform = std::make_unique<RecordingPlatform>(*m_host, m_log);
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_log.clear();
    m_shows.clear();
}

void TestThemesOnScreen::cleanup() {
    m_form2.reset();
    QApplication::setPalette(m_applicationPalette);
    for (const auto& entry : std::filesystem::directory_iterator(m_drive->Root()))
        if (!entry.is_symlink())
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    m_dialogs.reset();
    m_platform.reset();
    m_host.reset();
    m_clock.reset();
    m_drive.reset();
}

bool TestThemesOnScreen::Build() {
    m_form2 = std::make_unique<TForm2>(m_drive->Drive(), *m_platform, *m_dialogs);
    m_form2->installEventFilter(this);
    m_form2->show();
    return QTest::qWaitForWindowExposed(m_form2.get());
}

QPushButton* TestThemesOnScreen::Button(const char* name) const {
    return m_form2->findChild<QPushButton*>(QString::fromLatin1(name));
}

TScreen TestThemesOnScreen::PropertiesShown() const {
    TScreen screen{};
    for (std::size_t i = 0; i < kPropertyCount; ++i)
        screen[i] = m_form2->Colour(TColourProperty(i));
    return screen;
}

QStringList TestThemesOnScreen::PixelsDiff(const TScreen& expected) {
    m_form2->PageControl1()->setCurrentIndex(0);
    m_form2->Gauge1()->SetProgress(50);
    const QImage image = m_form2->grab().toImage();
    auto at = [this](const char* name, QPoint local) {
        const QWidget* w = m_form2->findChild<QWidget*>(QString::fromLatin1(name));
        return w->mapTo(m_form2.get(), local);
    };
    auto rectOf = [this](const char* name) {
        const QWidget* w = m_form2->findChild<QWidget*>(QString::fromLatin1(name));
        return QRect(w->mapTo(m_form2.get(), QPoint(0, 0)), w->size());
    };
    QStringList lines;
    auto check = [&lines](const char* what, QRgb actual, QRgb wanted) {
        if (actual != wanted)
            lines << QStringLiteral("%1: %2, expected %3")
                         .arg(QLatin1String(what), RgbText(actual), RgbText(wanted));
    };
    const QRgb window = Rgb(expected[cpForm2Color]);
    check("TabSheet1 background", PixelAt(image, at("TabSheet1", QPoint(4, 100))), window);
    check("GroupBox3 inside", PixelAt(image, at("GroupBox3", QPoint(240, 215))), window);
    check("Label17 text", Ink(image, rectOf("Label17"), window), Rgb(expected[cpLabel17FontColor]));
    check("Label1 text", Ink(image, rectOf("Label1"), window), Rgb(expected[cpLabel1FontColor]));
    check("Label3 text", Ink(image, rectOf("Label3"), window), Rgb(expected[cpLabel3FontColor]));
    check("Gauge1 fill", PixelAt(image, at("Gauge1", QPoint(5, 8))), Rgb(expected[cpGauge1ForeColor]));
    check("Gauge1 unfilled", PixelAt(image, at("Gauge1", QPoint(515, 8))), Rgb(clWhite));
    return lines;
}

QImage TestThemesOnScreen::PanelPicture() {
    m_form2->PageControl1()->setCurrentIndex(4);
    QWidget* panel = m_form2->findChild<QWidget*>(QStringLiteral("Panel1"));
    const QImage image = panel->grab().toImage();
    // The buttons show the focus and are the system's; the rest is the panel's.
    QImage picture = image.convertToFormat(QImage::Format_RGB32);
    for (QPushButton* button : panel->findChildren<QPushButton*>()) {
        QPainter painter(&picture);
        painter.fillRect(button->geometry(), Qt::magenta);
    }
    return picture;
}

QStringList TestThemesOnScreen::Log() const {
    QStringList lines;
    for (const std::string& line : m_log)
        lines << QString::fromStdString(line);
    return lines;
}

void TestThemesOnScreen::storedThemesAppliedWhileBuilt_data() {
    QTest::addColumn<QStringList>("markers");
    QTest::addColumn<TScreen>("expected");
    QTest::newRow("none") << QStringList() << kFresh;
    QTest::newRow("ROSA, empty") << QStringList{QStringLiteral("ROSA")} << kRosa;
    QTest::newRow("VERDE and VERMELHO")
        << QStringList{QStringLiteral("VERDE"), QStringLiteral("VERMELHO")} << kVermelho;
    QTest::newRow("AZUL and AQUA")
        << QStringList{QStringLiteral("AZUL"), QStringLiteral("AQUA")} << kAqua;
    QTest::newRow("AZUL alone") << QStringList{QStringLiteral("AZUL")} << kAzul;
    QTest::newRow("all six") << QStringList{QStringLiteral("VERDE"), QStringLiteral("AZUL"),
                                            QStringLiteral("AQUA"), QStringLiteral("AMARELO"),
                                            QStringLiteral("ROSA"), QStringLiteral("VERMELHO")}
                             << kVermelho;
}

void TestThemesOnScreen::storedThemesAppliedWhileBuilt() {
    QFETCH(QStringList, markers);
    QFETCH(TScreen, expected);
    for (const QString& word : markers)
        m_drive->WriteFile("ORVANTIS" + word.toStdString() + ".ORV",
                           word == QLatin1String("ROSA") ? "" : "COR " + word.toStdString() + "\r\n");
    QVERIFY(Build());
    // Only questions while the window is built: nothing written, deleted or shown.
    QCOMPARE(Log(), MarkerQuestions());
    QCOMPARE(m_shows, QStringList{QStringLiteral("Show")});
    ExpectNone(Diff(PropertiesShown(), expected));
    ExpectNone(PixelsDiff(expected));
    QCOMPARE(m_dialogs->boxes.size(), std::size_t(0));
}

void TestThemesOnScreen::markerAskedBeforeEveryAssignment() {
    // VERDE's marker goes after its ninth question: the window, the two titles
    // and the six About lines take VERDE's colours, nothing after them does.
    m_drive->WriteFile("ORVANTISVERDE.ORV", "");
    int asked = 0;
    m_platform->afterFileIsPresent = [this, &asked](const std::string& path) {
        if (path == "c:\\ORVANTISVERDE.ORV" && ++asked == 9)
            std::filesystem::remove(m_drive->Host("ORVANTISVERDE.ORV"));
    };
    QVERIFY(Build());
    TScreen expected = kFresh;
    expected[cpForm2Color] = 0x0080FF00;
    expected[cpLabel17FontColor] = clBlack;
    expected[cpLabel19FontColor] = clBlack;
    for (int p = cpLabel23FontColor; p <= cpLabel28FontColor; ++p)
        expected[p] = clBlack;
    ExpectNone(Diff(PropertiesShown(), expected));
    ExpectNone(PixelsDiff(expected));
}

void TestThemesOnScreen::skinsButtonsRecolour_data() {
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<TScreen>("expected");
    QTest::newRow("VERDE") << QStringList{QStringLiteral("Button2")} << kVerde;
    QTest::newRow("AZUL") << QStringList{QStringLiteral("Button3")} << kAzul;
    QTest::newRow("AQUA") << QStringList{QStringLiteral("Button10")} << kAqua;
    QTest::newRow("AMARELO") << QStringList{QStringLiteral("Button11")} << kAmarelo;
    QTest::newRow("ROSA") << QStringList{QStringLiteral("Button12")} << kRosa;
    QTest::newRow("VERMELHO") << QStringList{QStringLiteral("Button13")} << kVermelho;
    QTest::newRow("restore") << QStringList{QStringLiteral("Button14")} << kBuiltIn;
    QTest::newRow("VERDE, then AZUL: Label1-3 white unnamed")
        << QStringList{QStringLiteral("Button2"), QStringLiteral("Button3")} << kAzul;
    QTest::newRow("AZUL, then VERDE: Label1-3 black again")
        << QStringList{QStringLiteral("Button3"), QStringLiteral("Button2")} << kVerde;
    QTest::newRow("AZUL, then restore")
        << QStringList{QStringLiteral("Button3"), QStringLiteral("Button14")} << kBuiltIn;
    QTest::newRow("VERMELHO, then AQUA")
        << QStringList{QStringLiteral("Button13"), QStringLiteral("Button10")} << kAqua;
}

void TestThemesOnScreen::skinsButtonsRecolour() {
    QFETCH(QStringList, buttons);
    QFETCH(TScreen, expected);
    QVERIFY(Build());
    const QImage panelBefore = PanelPicture();
    QCOMPARE(panelBefore.pixel(10, 260) & 0xFFFFFFu, Rgb(clBlack));
    QCOMPARE(Ink(panelBefore, QRect(1, 1, 399, 13), Rgb(clBlack)), Rgb(clAqua));
    m_shows.clear();
    for (const QString& name : buttons) {
        m_form2->PageControl1()->setCurrentIndex(4);
        QPushButton* button = Button(name.toLatin1().constData());
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        // Hidden and shown again, still on the Skins page.
        QVERIFY(m_form2->isVisible());
        QCOMPARE(m_form2->PageControl1()->currentIndex(), 4);
        // Black panel, aqua heading and swatches alike under every palette.
        QCOMPARE(PanelPicture(), panelBefore);
    }
    QStringList hideAndShow;
    for (int i = 0; i < buttons.size(); ++i)
        hideAndShow << QStringLiteral("Hide") << QStringLiteral("Show");
    QCOMPARE(m_shows, hideAndShow);
    ExpectNone(Diff(PropertiesShown(), expected));
    ExpectNone(PixelsDiff(expected));
    QCOMPARE(m_dialogs->boxes.size(), std::size_t(0));
}

void TestThemesOnScreen::restoreAgainstFreshStart() {
    // A colour scheme whose window text is not black, so that the two differ
    // on the screen as well.
    QPalette scheme = QApplication::palette();
    scheme.setColor(QPalette::WindowText, QColor(128, 0, 0));
    scheme.setColor(QPalette::Text, QColor(128, 0, 0));
    QApplication::setPalette(scheme);
    QVERIFY(Build());
    const TScreen fresh = PropertiesShown();
    ExpectNone(Diff(fresh, kFresh));
    ExpectNone(PixelsDiff(kFresh));
    QCOMPARE(Rgb(clWindowText), qRgb(128, 0, 0) & 0xFFFFFFu);
    const QImage freshPicture = m_form2->grab().toImage();

    m_form2->PageControl1()->setCurrentIndex(4);
    QTest::mouseClick(Button("Button14"), Qt::LeftButton);
    const TScreen restored = PropertiesShown();
    ExpectNone(Diff(restored, kBuiltIn));
    ExpectNone(PixelsDiff(kBuiltIn));
    for (TColourProperty p : {cpGroupBox2FontColor, cpGroupBox3FontColor, cpLabel1FontColor,
                              cpLabel2FontColor, cpLabel3FontColor, cpLabel4FontColor,
                              cpLabel5FontColor, cpLabel20FontColor, cpLabel21FontColor,
                              cpLabel22FontColor}) {
        QCOMPARE(fresh[p], clWindowText);
        QCOMPARE(restored[p], clBlack);
    }
    for (TColourProperty p : {cpForm2Color, cpGauge1ForeColor, cpLabel17FontColor,
                              cpLabel19FontColor, cpLabel23FontColor, cpLabel24FontColor,
                              cpLabel25FontColor, cpLabel26FontColor, cpLabel27FontColor,
                              cpLabel28FontColor})
        QCOMPARE(restored[p], fresh[p]);
    // The window, the gauge and the title look the same; the Label1 text does not.
    const QImage restoredPicture = m_form2->grab().toImage();
    const QRect label17(m_form2->findChild<QWidget*>(QStringLiteral("Label17"))->mapTo(m_form2.get(), QPoint()),
                        m_form2->findChild<QWidget*>(QStringLiteral("Label17"))->size());
    QCOMPARE(restoredPicture.copy(label17), freshPicture.copy(label17));
    QWidget* label1 = m_form2->findChild<QWidget*>(QStringLiteral("Label1"));
    const QRect label1Rect(label1->mapTo(m_form2.get(), QPoint()), label1->size());
    QCOMPARE(RgbText(Ink(freshPicture, label1Rect, Rgb(kMediumBlue))), RgbText(qRgb(128, 0, 0) & 0xFFFFFFu));
    QCOMPARE(RgbText(Ink(restoredPicture, label1Rect, Rgb(kMediumBlue))), RgbText(Rgb(clBlack)));
}

void TestThemesOnScreen::themeChangeKeepsTheWindowAsItWas_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("AZUL, mouse") << QStringLiteral("Button3") << false;
    QTest::newRow("ROSA, space bar") << QStringLiteral("Button12") << true;
    QTest::newRow("restore, mouse") << QStringLiteral("Button14") << false;
}

void TestThemesOnScreen::themeChangeKeepsTheWindowAsItWas() {
    QFETCH(QString, button);
    QFETCH(bool, byKeyboard);
    m_drive->WriteFile("orvantis/PASTA/A.BMP", "a");
    m_drive->WriteFile("orvantis/PASTA/B.BMP", "b");
    m_drive->WriteFile("orvantis/PASTA/C.BMP", "c");
    QVERIFY(Build());
    QVERIFY(QTest::qWaitForWindowActive(m_form2.get()));
    m_form2->move(37, 41);
    QTRY_COMPARE(m_form2->pos(), QPoint(37, 41));

    m_form2->PageControl1()->setCurrentIndex(1);
    auto* memo = m_form2->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    auto* edit = m_form2->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    memo->setPlainText(QStringLiteral("texto novo\nsegunda linha"));
    edit->setText(QStringLiteral("C:\\outra\\"));
    TShellListView* list = m_form2->ShellListView1();
    QVERIFY(list->ShowFolder(m_drive->Host("orvantis/PASTA")));
    list->setCurrentIndex(list->Model().index(1, 0));
    QCOMPARE(list->SelectedRow(), 1);
    const auto folder = list->CurrentFolder();

    m_form2->PageControl1()->setCurrentIndex(4);
    QPushButton* target = Button(button.toLatin1().constData());
    m_shows.clear();
    if (byKeyboard) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Space);
    } else {
        QTest::mouseClick(target, Qt::LeftButton);
    }
    QCOMPARE(m_shows, (QStringList{QStringLiteral("Hide"), QStringLiteral("Show")}));
    QTest::qWait(20);
    QCOMPARE(m_form2->PageControl1()->currentIndex(), 4);
    QCOMPARE(m_form2->focusWidget(), static_cast<QWidget*>(target));
    // The offscreen platform keeps its own window active across the hide and
    // show and so sends no new activation; the widgets learn it here, and the
    // window gives the focus back to the control that had it.
    if (QApplication::activeWindow() != m_form2.get())
        QApplication::setActiveWindow(m_form2.get());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(target));
    QCOMPARE(m_form2->pos(), QPoint(37, 41));
    QCOMPARE(memo->toPlainText(), QStringLiteral("texto novo\nsegunda linha"));
    QCOMPARE(edit->text(), QStringLiteral("C:\\outra\\"));
    QCOMPARE(list->CurrentFolder(), folder);
    QCOMPARE(list->SelectedRow(), 1);
    QCOMPARE(m_dialogs->boxes.size(), std::size_t(0));
}

void TestThemesOnScreen::markerThatCannotBeWritten_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("read-only attribute") << QStringLiteral("attribute") << QStringLiteral("File access denied.");
    QTest::newRow("no write permission") << QStringLiteral("chmod") << QStringLiteral("File access denied.");
    QTest::newRow("full disk") << QStringLiteral("full") << QStringLiteral("Disk full.");
}

void TestThemesOnScreen::markerThatCannotBeWritten() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    const std::filesystem::path marker = m_drive->Host("ORVANTISAQUA.ORV");
    const std::string content = "COR AQUA\r\n";
    // Another marker that the selection would delete if it went on.
    m_drive->WriteFile("ORVANTISVERDE.ORV", "COR VERDE\r\n");
    QVERIFY(Build());
    const TScreen before = PropertiesShown();
    ExpectNone(Diff(before, kVerde));
    if (kind == QLatin1String("full")) {
        std::filesystem::create_symlink("/dev/full", marker);
    } else {
        m_drive->WriteFile("ORVANTISAQUA.ORV", content);
        if (kind == QLatin1String("attribute"))
            QVERIFY(m_host->SetFileAttributesA("c:\\ORVANTISAQUA.ORV", 1));
        else
            std::filesystem::permissions(marker, std::filesystem::perms::owner_write |
                                                     std::filesystem::perms::group_write |
                                                     std::filesystem::perms::others_write,
                                         std::filesystem::perm_options::remove);
    }
    m_form2->PageControl1()->setCurrentIndex(4);
    m_shows.clear();
    m_log.clear();
    QTest::mouseClick(Button("Button10"), Qt::LeftButton);

    QCOMPARE(m_dialogs->boxes.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(m_dialogs->boxes[0].caption), QStringLiteral("ORVANTIS"));
    QCOMPARE(m_dialogs->boxes[0].icon, miStop);
    QCOMPARE(QString::fromStdString(m_dialogs->boxes[0].text), text);
    // Nothing of the selection after the marker: no deletion, no colour, no redraw.
    QCOMPARE(Log(), QStringList{QStringLiteral("AppendTextLine c:\\ORVANTISAQUA.ORV COR AQUA")});
    QCOMPARE(m_shows, QStringList());
    ExpectNone(Diff(PropertiesShown(), before));
    ExpectNone(PixelsDiff(kVerde));
    QCOMPARE(m_drive->ReadFile("ORVANTISVERDE.ORV"), std::string("COR VERDE\r\n"));
    if (kind != QLatin1String("full"))
        QCOMPARE(m_drive->ReadFile("ORVANTISAQUA.ORV"), content);
    else
        QVERIFY(std::filesystem::is_symlink(marker));
}

QTEST_MAIN(TestThemesOnScreen)
#include "test_themes_on_screen.moc"
