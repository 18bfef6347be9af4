#include "TGauge.h"

#include <QBackingStore>
#include <QGraphicsColorizeEffect>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

namespace {

constexpr int kWidth = 521; // the gauge's size in the main window
constexpr int kHeight = 17;

QRgb Rgb(TColor c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

// Where the text "<percent>%" puts its pixels, drawn on its own the way the
// gauge must draw it: centred in the inner area, no antialiasing.
QImage TextMask(int percent) {
    QImage mask(kWidth, kHeight, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect inner(1, 1, kWidth - 2, kHeight - 2);
    painter.setClipRect(inner);
    painter.drawText(inner, Qt::AlignCenter, QString::number(percent) + QLatin1Char('%'));
    return mask;
}

// Counts the paint events Qt delivers, to tell a setting that paints only the
// gauge from one that goes through a general repaint.
class ProbeGauge : public TGauge {
public:
    using TGauge::TGauge;
    int paintEvents = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paintEvents;
        TGauge::paintEvent(event);
    }
};

// A window with a gauge in it, read back from the screen. Cut off: the gauge
// sits in a holder narrower than itself, so its right end is not shown, and a
// sibling covers part of it. Neither may be painted over.
struct GaugeOnScreen {
    static constexpr QRgb kBackground = 0x204060;
    static constexpr QRgb kCover = 0xFF00FF;

    explicit GaugeOnScreen(bool coveredAndCut)
        : shownWidth(coveredAndCut ? 400 : kWidth), holder(&window), gauge(&holder),
          cover(&holder) {
        window.resize(600, 120);
        QPalette background = window.palette();
        background.setColor(QPalette::Window, QColor::fromRgb(kBackground));
        window.setPalette(background);
        window.setAutoFillBackground(true);
        holder.setGeometry(8, 80, shownWidth, kHeight);
        gauge.setGeometry(0, 0, kWidth, kHeight);
        cover.setGeometry(300, 0, 50, kHeight);
        QPalette magenta = cover.palette();
        magenta.setColor(QPalette::Window, QColor::fromRgb(kCover));
        cover.setPalette(magenta);
        cover.setAutoFillBackground(true);
        cover.setVisible(coveredAndCut);
        cover.raise();
    }

    bool Show() {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        QTest::qWait(0);
        QCoreApplication::processEvents();
        return gauge.paintEvents > 0;
    }

    QImage Shot() const {
        return window.screen()
            ->grabWindow(window.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Whether shot shows the gauge's current picture where it is seen, the cover
    // over it and the window's background past the holder; stale (in the
    // holder's coordinates) is not looked at.
    bool Shows(const QImage& shot, QString* why, const QRect& stale = QRect()) const {
        const QImage expected = gauge.Render();
        const QRect covered = cover.isVisible() ? cover.geometry() : QRect();
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (stale.contains(x, y))
                    continue;
                const QRgb seen = shot.pixel(8 + x, 80 + y) & 0xFFFFFF;
                const QRgb wanted = covered.contains(x, y) ? kCover
                                    : x >= shownWidth      ? kBackground
                                                           : expected.pixel(x, y) & 0xFFFFFF;
                if (seen != wanted) {
                    *why = QStringLiteral("pixel (%1, %2) is %3, not %4")
                               .arg(x)
                               .arg(y)
                               .arg(seen, 6, 16, QLatin1Char('0'))
                               .arg(wanted, 6, 16, QLatin1Char('0'));
                    return false;
                }
            }
        }
        return true;
    }

    const int shownWidth;
    QWidget window;
    QWidget holder;
    ProbeGauge gauge;
    QWidget cover;
};

// The two ways a GaugeOnScreen shows its gauge, as the rows of a table.
void AddCoverageRows() {
    QTest::addColumn<bool>("coveredAndCut");

    QTest::newRow("whole gauge seen") << false;
    QTest::newRow("covered and cut off") << true;
}

} // namespace

class TestGauge : public QObject {
    Q_OBJECT

private slots:
    void freshGauge();
    void showsValue_data();
    void showsValue();
    void textColours_data();
    void textColours();
    void valueHeldPaintsNothing_data();
    void valueHeldPaintsNothing();
    void foreColourRepaintsAtOnce();
    void settingReachesScreenAtOnce_data();
    void settingReachesScreenAtOnce();
    void rampReachesScreenStepByStep_data();
    void rampReachesScreenStepByStep();
    void rehearsalRepaintsWhatIsShown_data();
    void rehearsalRepaintsWhatIsShown();
    void rehearsalWithoutDirectWayDoesNothing_data();
    void rehearsalWithoutDirectWayDoesNothing();
};

void TestGauge::freshGauge() {
    TGauge gauge;
    gauge.resize(kWidth, kHeight);
    QCOMPARE(gauge.MinValue(), 0);
    QCOMPARE(gauge.MaxValue(), 100);
    QCOMPARE(gauge.Progress(), 0);
    QCOMPARE(gauge.ForeColor(), TColor(0x0003DBE7));
    QCOMPARE(gauge.BackColor(), clWhite);
    QVERIFY(gauge.ShowText());

    const QImage image = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(kWidth, kHeight));
    const QImage text = TextMask(0);
    int black = 0;
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = 1; x < kWidth - 1; ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
            // Empty white bar with "0%" in black: nothing of the fore colour.
            QCOMPARE(pixel, (text.pixel(x, y) & 0xFFFFFF) == 0 ? 0u : 0xFFFFFFu);
            black += pixel == 0;
        }
    QVERIFY(black > 10);
    // Centred: the text's pixels lie around the middle column.
    int left = kWidth, right = 0;
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = 1; x < kWidth - 1; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    QVERIFY(qAbs((left + right) / 2 - kWidth / 2) <= 2);
}

void TestGauge::showsValue_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("fill"); // filled columns of the 519 inner ones

    QTest::newRow("45") << 45 << 45 << 233; // 519 * 45 / 100 = 233.55, rounded down
    QTest::newRow("150 is the maximum") << 150 << 100 << 519;
    QTest::newRow("-5 is the minimum") << -5 << 0 << 0;
    QTest::newRow("1") << 1 << 1 << 5;
    QTest::newRow("50 splits the text") << 50 << 50 << 259;
    QTest::newRow("99") << 99 << 99 << 513;
}

void TestGauge::showsValue() {
    QFETCH(int, value);
    QFETCH(int, held);
    QFETCH(int, fill);

    TGauge gauge;
    gauge.resize(kWidth, kHeight);
    gauge.SetProgress(value);
    QCOMPARE(gauge.Progress(), held);
    QCOMPARE(gauge.PercentDone(), held);

    const QImage image = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int x = 0; x < kWidth; ++x) {
        QCOMPARE(image.pixel(x, 0) & 0xFFFFFF, 0u);
        QCOMPARE(image.pixel(x, kHeight - 1) & 0xFFFFFF, 0u);
    }
    for (int y = 0; y < kHeight; ++y) {
        QCOMPARE(image.pixel(0, y) & 0xFFFFFF, 0u);
        QCOMPARE(image.pixel(kWidth - 1, y) & 0xFFFFFF, 0u);
    }
    // Bar over the full inner height, then back colour; the text pixels are
    // those of "<held>%" and each is the inverse of what lies under it.
    const QImage text = TextMask(held);
    int textPixels = 0;
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = 1; x < kWidth - 1; ++x) {
            const QRgb under = x - 1 < fill ? Rgb(0x0003DBE7) : qRgb(255, 255, 255);
            const bool isText = (text.pixel(x, y) & 0xFFFFFF) == 0;
            textPixels += isText;
            const QRgb expected = isText ? (under ^ 0xFFFFFF) : under;
            if ((image.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(image.pixel(x, y) & 0xFFFFFF, 6, 16)
                                     .arg(expected & 0xFFFFFF, 6, 16)));
        }
    QVERIFY(textPixels > 10);
}

void TestGauge::textColours_data() {
    QTest::addColumn<TColor>("fore");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRgb>("textColour");

    QTest::newRow("built-in fore colour, over the bar")
        << TColor(0x0003DBE7) << 100 << qRgb(24, 36, 252);
    QTest::newRow("over the white part") << TColor(0x0003DBE7) << 0 << qRgb(0, 0, 0);
    QTest::newRow("green bar") << clGreen << 100 << qRgb(255, 127, 255);
    QTest::newRow("black bar") << clBlack << 100 << qRgb(255, 255, 255);
}

void TestGauge::textColours() {
    QFETCH(TColor, fore);
    QFETCH(int, value);
    QFETCH(QRgb, textColour);

    TGauge gauge;
    gauge.resize(kWidth, kHeight);
    gauge.SetForeColor(fore);
    gauge.SetProgress(value);
    const QImage image = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage text = TextMask(value);
    int checked = 0;
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = 1; x < kWidth - 1; ++x)
            if ((text.pixel(x, y) & 0xFFFFFF) == 0) {
                QCOMPARE(image.pixel(x, y) & 0xFFFFFF, textColour & 0xFFFFFF);
                ++checked;
            }
    QVERIFY(checked > 10);
}

void TestGauge::valueHeldPaintsNothing_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("again");

    QTest::newRow("same value") << 30 << 30;
    QTest::newRow("above the maximum at 100") << 100 << 150;
    QTest::newRow("below the minimum at 0") << 0 << -5;
}

void TestGauge::valueHeldPaintsNothing() {
    QFETCH(int, first);
    QFETCH(int, again);

    TGauge gauge;
    gauge.resize(kWidth, kHeight);
    gauge.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gauge));
    QCoreApplication::processEvents();
    IProgressDisplay& display = gauge;

    QSignalSpy paints(&gauge, &TGauge::painted);
    display.SetProgress(first);
    // A changed percentage is painted inside the call, not later.
    QCOMPARE(paints.count(), first == 0 ? 0 : 1);
    const int before = paints.count();
    display.SetProgress(again);
    QCOMPARE(paints.count(), before);
    QCoreApplication::processEvents();
    QCOMPARE(paints.count(), before);
    QCOMPARE(gauge.Progress(), first);
}

void TestGauge::foreColourRepaintsAtOnce() {
    TGauge gauge;
    gauge.resize(kWidth, kHeight);
    gauge.SetProgress(100);
    gauge.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gauge));
    QCoreApplication::processEvents();

    QSignalSpy paints(&gauge, &TGauge::painted);
    const int countBefore = gauge.PaintCount();
    gauge.SetForeColor(clGreen);
    QCOMPARE(paints.count(), 1);
    QCOMPARE(gauge.PaintCount(), countBefore + 1);
    QCOMPARE(gauge.ForeColor(), clGreen);
    gauge.SetForeColor(clGreen);
    QCOMPARE(paints.count(), 1);

    const QImage image = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.pixel(1, 1) & 0xFFFFFF, Rgb(clGreen) & 0xFFFFFF);
    QCOMPARE(image.pixel(kWidth - 2, kHeight - 2) & 0xFFFFFF, Rgb(clGreen) & 0xFFFFFF);
}

void TestGauge::settingReachesScreenAtOnce_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("coveredAndCut");

    QTest::newRow("1, whole gauge seen") << 1 << false;
    QTest::newRow("50, whole gauge seen") << 50 << false;
    QTest::newRow("100, whole gauge seen") << 100 << false;
    QTest::newRow("1, covered and cut off") << 1 << true;
    QTest::newRow("50, covered and cut off") << 50 << true;
    QTest::newRow("100, covered and cut off") << 100 << true;
}

void TestGauge::settingReachesScreenAtOnce() {
    QFETCH(int, value);
    QFETCH(bool, coveredAndCut);

    GaugeOnScreen screen(coveredAndCut);
    QVERIFY(screen.Show());

    const int eventsBefore = screen.gauge.paintEvents;
    QSignalSpy paints(&screen.gauge, &TGauge::painted);
    screen.gauge.SetProgress(value);
    // Read back from the screen before any event is handled.
    const QImage shot = screen.Shot();
    QCOMPARE(paints.count(), 1);
    QCOMPARE(screen.gauge.paintEvents,
             eventsBefore); // only the gauge was painted, without Qt's repaint
    QCOMPARE(shot.size(), screen.window.size());
    QString why;
    QVERIFY2(screen.Shows(shot, &why), qPrintable(why));
    // The part of the bar and its text that the screen shows is the new value's.
    QVERIFY(screen.gauge.Render() != TGauge().Render());

    // Qt's own repaint of the window later shows the same picture.
    screen.window.repaint();
    QCOMPARE(screen.Shot(), shot);
}

void TestGauge::rampReachesScreenStepByStep_data() {
    AddCoverageRows();
}

void TestGauge::rampReachesScreenStepByStep() {
    QFETCH(bool, coveredAndCut);

    // A whole ramp with no event handled between its settings, as an operation
    // runs it, and a step back; on the way a new colour, the gauge hidden and
    // shown again, and a sibling moved off it. The screen must follow each time.
    GaugeOnScreen screen(coveredAndCut);
    QVERIFY(screen.Show());
    QString why;
    std::vector<int> values{1};
    for (int value = 5; value <= 100; value += 5)
        values.push_back(value);
    // A step back: the narrower text must not leave the wider one's pixels.
    values.push_back(95);
    values.push_back(0);
    QRect stale;
    for (int value : values) {
        if (value == 55)
            screen.gauge.SetForeColor(clGreen);
        if (value == 75) {
            screen.gauge.hide();
            QCoreApplication::processEvents();
            screen.gauge.show();
        }
        if (value == 90 && coveredAndCut) {
            // The cover's new place is Qt's to repaint once events run.
            screen.cover.move(100, 0);
            stale = QRect(100, 0, 50, kHeight);
        }
        const int eventsBefore = screen.gauge.paintEvents;
        screen.gauge.SetProgress(value);
        QCOMPARE(screen.gauge.paintEvents, eventsBefore);
        QVERIFY2(screen.Shows(screen.Shot(), &why, stale),
                 qPrintable(QStringLiteral("at %1: %2").arg(value).arg(why)));
    }
    // Once events run, Qt's repaints leave everything as it should be.
    QCoreApplication::processEvents();
    QVERIFY2(screen.Shows(screen.Shot(), &why), qPrintable(why));
}

void TestGauge::rehearsalRepaintsWhatIsShown_data() {
    AddCoverageRows();
}

void TestGauge::rehearsalRepaintsWhatIsShown() {
    QFETCH(bool, coveredAndCut);

    GaugeOnScreen screen(coveredAndCut);
    QVERIFY(screen.Show());
    screen.gauge.SetProgress(45);

    // Scribbled over on the screen where the gauge is seen, so that only a real
    // paint can bring its picture back.
    QWindow* handle = screen.window.windowHandle();
    QBackingStore* store = screen.window.backingStore();
    const QRegion seen =
        screen.gauge.visibleRegion().translated(screen.gauge.mapTo(&screen.window, QPoint(0, 0)));
    store->beginPaint(seen);
    {
        QPainter scribble(store->paintDevice());
        scribble.setClipRegion(seen);
        scribble.fillRect(seen.boundingRect(), QColor(0x12, 0x34, 0x56));
    }
    store->endPaint();
    store->flush(seen, handle);
    QString why;
    QVERIFY(!screen.Shows(screen.Shot(), &why));

    const int eventsBefore = screen.gauge.paintEvents;
    const int countBefore = screen.gauge.PaintCount();
    QSignalSpy paints(&screen.gauge, &TGauge::painted);
    screen.gauge.Rehearse();
    // Read back before any event is handled: the same picture, the cover and
    // what lies past the holder untouched, and no paint of a new picture counted.
    QVERIFY2(screen.Shows(screen.Shot(), &why), qPrintable(why));
    QCOMPARE(screen.gauge.paintEvents, eventsBefore);
    QCOMPARE(screen.gauge.PaintCount(), countBefore);
    QCOMPARE(paints.count(), 0);
    QCOMPARE(screen.gauge.Progress(), 45);
}

void TestGauge::rehearsalWithoutDirectWayDoesNothing_data() {
    QTest::addColumn<bool>("hidden");

    QTest::newRow("hidden gauge") << true;
    QTest::newRow("gauge under a graphics effect") << false;
}

void TestGauge::rehearsalWithoutDirectWayDoesNothing() {
    QFETCH(bool, hidden);

    // Where a new value would need Qt's general repaint, a rehearsal, which has
    // nothing new to show, does not ask for one.
    GaugeOnScreen screen(false);
    QVERIFY(screen.Show());
    if (hidden)
        screen.gauge.hide();
    else
        screen.gauge.setGraphicsEffect(new QGraphicsColorizeEffect);
    QCoreApplication::processEvents();
    const QImage before = screen.Shot();
    const int eventsBefore = screen.gauge.paintEvents;
    const int countBefore = screen.gauge.PaintCount();
    screen.gauge.Rehearse();
    QCOMPARE(screen.gauge.paintEvents, eventsBefore);
    QCoreApplication::processEvents();
    QCOMPARE(screen.gauge.paintEvents, eventsBefore);
    QCOMPARE(screen.gauge.PaintCount(), countBefore);
    QCOMPARE(screen.Shot(), before);
}

QTEST_MAIN(TestGauge)
#include "test_gauge.moc"
