#include "EJpegError.h"
#include "TArtwork.h"
#include "TJpegDecoder.h"

#include <QColor>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <cstdint>
#include <random>

Q_DECLARE_METATYPE(TLogoSlot)
Q_DECLARE_METATYPE(TColorTheme)

namespace {

const QRgb kAzure = qRgb(0, 128, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kPaleYellow = qRgb(255, 255, 192);
const QRgb kDarkBlue = qRgb(0, 0, 192);
const QRgb kFrameGreen = qRgb(0, 255, 0);
const QRgb kCloseCorner = qRgb(63, 87, 143);

QRgb Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += Rgb(image, x, y) == (colour & 0xFFFFFFu);
    return count;
}

bool RowHasInk(const QImage& image, int y) {
    for (int x = 3; x <= 415; ++x) // inside the three rings
        if (Rgb(image, x, y) != (kPaleYellow & 0xFFFFFFu))
            return true;
    return false;
}

bool AreaHasColour(const QImage& image, int firstRow, int lastRow, QRgb colour) {
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Rgb(image, x, y) == (colour & 0xFFFFFFu))
                return true;
    return false;
}

// A picture shown the way its window shows it: centred in its area with
// whole-number offsets, on a background that shows where it is not.
QImage ShownInArea(const QImage& picture, const QSize& area, const QColor& background) {
    QImage shown(area, QImage::Format_RGB32);
    shown.fill(background);
    QPainter painter(&shown);
    painter.drawImage(TArtwork::CentredOffset(area, picture.size()), picture);
    return shown;
}

QByteArray ResourceBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 LittleEndian(const QByteArray& bytes, int offset, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

TRgbImage Decode(const QByteArray& bytes) {
    return TJpegDecoder::Decode(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                std::size_t(bytes.size()));
}

TJpegHeader ReadHeader(const QByteArray& bytes) {
    return TJpegDecoder::ReadHeader(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    std::size_t(bytes.size()));
}

QByteArray RandomBytes(int size, unsigned seed, const QByteArray& prefix) {
    std::mt19937 generator(seed);
    QByteArray bytes = prefix;
    while (bytes.size() < size)
        bytes.append(char(generator() & 0xFF));
    return bytes;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void centredOffset_data();
    void centredOffset();

    void introPictureSize();
    void introRings_data();
    void introRings();
    void introShownInItsArea();
    void introTextRows_data();
    void introTextRows();

    void thumbnailFrame_data();
    void thumbnailFrame();
    void thumbnailButtonShowsFaceAtFrame_data();
    void thumbnailButtonShowsFaceAtFrame();

    void swatch_data();
    void swatch();
    void swatchShownOnBlackPanel_data();
    void swatchShownOnBlackPanel();

    void closePictureCorners();
    void closePictureCutCorners();

    void appIconImages_data();
    void appIconImages();
    void appIconCarriesBothSizes();

    void bitmapsAre24BitUncompressed_data();
    void bitmapsAre24BitUncompressed();

    void aboutPhotoDecodes();
    void aboutPhotoIsBaselineJfif2x2();
    void jpegErrors_data();
    void jpegErrors();

    void memoLineCount();
    void memoLines_data();
    void memoLines();
    void memoLineSeven();
    void memoAccents();

    void desktopEntryValidates();
};

void TestResources::centredOffset_data() {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("intro one pixel wider") << QSize(419, 300) << QSize(420, 300) << QPoint(0, 0);
    QTest::newRow("swatch") << QSize(25, 17) << QSize(16, 13) << QPoint(4, 2);
    QTest::newRow("thumbnail") << QSize(145, 177) << QSize(128, 160) << QPoint(8, 8);
    QTest::newRow("photo exact") << QSize(294, 272) << QSize(294, 272) << QPoint(0, 0);
    QTest::newRow("three wider") << QSize(10, 10) << QSize(13, 13) << QPoint(-1, -1);
}

void TestResources::centredOffset() {
    QFETCH(QSize, area);
    QFETCH(QSize, picture);
    QFETCH(QPoint, offset);
    QCOMPARE(TArtwork::CentredOffset(area, picture), offset);
}

void TestResources::introPictureSize() {
    QCOMPARE(TArtwork::IntroPicture().size(), QSize(420, 300));
}

void TestResources::introRings_data() {
    QTest::addColumn<int>("ring");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("outer azure") << 0 << kAzure;
    QTest::newRow("middle white") << 1 << kWhite;
    QTest::newRow("inner azure") << 2 << kAzure;
}

void TestResources::introRings() {
    QFETCH(int, ring);
    QFETCH(QRgb, colour);
    const QImage intro = TArtwork::IntroPicture();
    const int left = ring, right = 418 - ring, top = ring, bottom = 299 - ring;
    for (int x = left; x <= right; ++x) {
        QCOMPARE(Rgb(intro, x, top), colour & 0xFFFFFFu);
        QCOMPARE(Rgb(intro, x, bottom), colour & 0xFFFFFFu);
    }
    for (int y = top; y <= bottom; ++y) {
        QCOMPARE(Rgb(intro, left, y), colour & 0xFFFFFFu);
        QCOMPARE(Rgb(intro, right, y), colour & 0xFFFFFFu);
    }
    for (int y = 0; y < 300; ++y)
        QCOMPARE(Rgb(intro, 419, y), kWhite & 0xFFFFFFu);
    // Just inside the rings the pale yellow field begins.
    QCOMPARE(Rgb(intro, 3, 3), kPaleYellow & 0xFFFFFFu);
    QCOMPARE(Rgb(intro, 415, 296), kPaleYellow & 0xFFFFFFu);
}

void TestResources::introShownInItsArea() {
    // In its 419-pixel area the picture starts at the left edge: the outer
    // azure ring is seen on all four sides and the white column is not.
    const QImage shown = ShownInArea(TArtwork::IntroPicture(), QSize(419, 300), Qt::magenta);
    for (int y = 0; y < 300; ++y) {
        QCOMPARE(Rgb(shown, 0, y), kAzure & 0xFFFFFFu);
        QCOMPARE(Rgb(shown, 418, y), kAzure & 0xFFFFFFu);
        if (y > 0 && y < 299)
            QCOMPARE(Rgb(shown, 417, y), kWhite & 0xFFFFFFu);
    }
    for (int x = 0; x < 419; ++x) {
        QCOMPARE(Rgb(shown, x, 0), kAzure & 0xFFFFFFu);
        QCOMPARE(Rgb(shown, x, 299), kAzure & 0xFFFFFFu);
    }
    QCOMPARE(CountColour(shown, qRgb(255, 0, 255)), 0);
}

void TestResources::introTextRows_data() {
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<QRgb>("colourA");
    QTest::addColumn<QRgb>("colourB");
    QTest::newRow("title") << 37 << 61 << kAzure << kDarkBlue;
    QTest::newRow("edition mark") << 71 << 116 << qRgb(0, 0, 0) << qRgb(128, 128, 128);
    QTest::newRow("ENTRAR") << 133 << 166 << kAzure << kAzure;
    QTest::newRow("credits") << 211 << 243 << kDarkBlue << kDarkBlue;
}

void TestResources::introTextRows() {
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    QFETCH(QRgb, colourA);
    QFETCH(QRgb, colourB);
    const QImage intro = TArtwork::IntroPicture();
    QVERIFY(RowHasInk(intro, firstRow));
    QVERIFY(RowHasInk(intro, lastRow));
    QVERIFY(!RowHasInk(intro, firstRow - 1));
    QVERIFY(!RowHasInk(intro, lastRow + 1));
    QVERIFY(AreaHasColour(intro, firstRow, lastRow, colourA));
    QVERIFY(AreaHasColour(intro, firstRow, lastRow, colourB));
}

void TestResources::thumbnailFrame_data() {
    QTest::addColumn<TLogoSlot>("slot");
    QTest::newRow("start-up") << lsInitial;
    QTest::newRow("shut-down wait") << lsIntermediate;
    QTest::newRow("safe to turn off") << lsFinal;
}

void TestResources::thumbnailFrame() {
    QFETCH(TLogoSlot, slot);
    const QImage thumbnail = TArtwork::Thumbnail(slot);
    QCOMPARE(thumbnail.size(), QSize(128, 160));
    QCOMPARE(Rgb(thumbnail, 0, 159), kFrameGreen & 0xFFFFFFu);
    for (int x = 0; x < 128; ++x) {
        QCOMPARE(Rgb(thumbnail, x, 0), kFrameGreen & 0xFFFFFFu);
        QCOMPARE(Rgb(thumbnail, x, 159), kFrameGreen & 0xFFFFFFu);
    }
    for (int y = 0; y < 160; ++y) {
        QCOMPARE(Rgb(thumbnail, 0, y), kFrameGreen & 0xFFFFFFu);
        QCOMPARE(Rgb(thumbnail, 127, y), kFrameGreen & 0xFFFFFFu);
    }
    // The frame and nothing else: 2 * 128 + 2 * 158 pixels.
    QCOMPARE(CountColour(thumbnail, kFrameGreen), 572);
    // The three screens differ from one another.
    for (const TLogoSlot other : AllLogoSlots)
        if (other != slot)
            QVERIFY(TArtwork::Thumbnail(other) != thumbnail);
}

void TestResources::thumbnailButtonShowsFaceAtFrame_data() { thumbnailFrame_data(); }

void TestResources::thumbnailButtonShowsFaceAtFrame() {
    QFETCH(TLogoSlot, slot);
    const QImage thumbnail = TArtwork::Thumbnail(slot);
    const QColor face(212, 208, 200);
    const QImage keyed = TArtwork::WithTransparentBottomLeftImage(thumbnail);
    QVERIFY(keyed.hasAlphaChannel());
    const QImage shown = ShownInArea(keyed, QSize(145, 177), face);
    const QPoint at = TArtwork::CentredOffset(QSize(145, 177), thumbnail.size());
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 128; ++x) {
            const bool frame = x == 0 || y == 0 || x == 127 || y == 159;
            const QRgb expected = frame ? face.rgb() : thumbnail.pixel(x, y);
            QCOMPARE(Rgb(shown, at.x() + x, at.y() + y), expected & 0xFFFFFFu);
        }
    }
    QVERIFY(!TArtwork::WithTransparentBottomLeft(thumbnail).isNull());
}

void TestResources::swatch_data() {
    QTest::addColumn<TColorTheme>("theme");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("VERDE") << ctVerde << qRgb(0, 255, 127);
    QTest::newRow("AZUL") << ctAzul << qRgb(0, 0, 192);
    QTest::newRow("AQUA") << ctAqua << qRgb(0, 255, 255);
    QTest::newRow("AMARELO") << ctAmarelo << qRgb(255, 255, 127);
    QTest::newRow("ROSA") << ctRosa << qRgb(255, 127, 191);
    QTest::newRow("VERMELHO") << ctVermelho << qRgb(255, 0, 0);
}

void TestResources::swatch() {
    QFETCH(TColorTheme, theme);
    QFETCH(QRgb, colour);
    const QImage swatch = TArtwork::Swatch(theme);
    QCOMPARE(swatch.size(), QSize(16, 13));
    QCOMPARE(CountColour(swatch, colour), 16 * 13);
}

void TestResources::swatchShownOnBlackPanel_data() { swatch_data(); }

void TestResources::swatchShownOnBlackPanel() {
    QFETCH(TColorTheme, theme);
    QFETCH(QRgb, colour);
    const QImage shown = ShownInArea(TArtwork::Swatch(theme), QSize(25, 17), Qt::black);
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 25; ++x) {
            const bool inside = x >= 4 && x < 20 && y >= 2 && y < 15;
            QCOMPARE(Rgb(shown, x, y), inside ? colour & 0xFFFFFFu : 0u);
        }
    }
}

void TestResources::closePictureCorners() {
    const QImage close = TArtwork::ClosePicture();
    QCOMPARE(close.size(), QSize(16, 16));
    for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
        QCOMPARE(Rgb(close, corner.x(), corner.y()), kCloseCorner & 0xFFFFFFu);
    QCOMPARE(CountColour(close, kCloseCorner), 4);
    // A white cross in the middle of a blue tile.
    QCOMPARE(Rgb(close, 7, 7), kWhite & 0xFFFFFFu);
    QCOMPARE(Rgb(close, 4, 4), kWhite & 0xFFFFFFu);
    QCOMPARE(Rgb(close, 11, 4), kWhite & 0xFFFFFFu);
    const QColor rim = QColor::fromRgb(close.pixel(8, 0));
    QVERIFY(rim.blue() > 2 * rim.red() && rim.blue() > 2 * rim.green());
    const QColor field = QColor::fromRgb(close.pixel(7, 2));
    QVERIFY(field.blue() == 255 && field.red() < field.green());
}

void TestResources::closePictureCutCorners() {
    const QImage keyed = TArtwork::WithTransparentBottomLeftImage(TArtwork::ClosePicture());
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool corner = (x == 0 || x == 15) && (y == 0 || y == 15);
            QCOMPARE(qAlpha(keyed.pixel(x, y)), corner ? 0 : 255);
        }
    }
}

void TestResources::appIconImages_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<QRgb>>("lettering");
    QTest::newRow("32 x 32") << 32 << QStringLiteral(":/art/icon32.png")
                             << QList<QRgb>{qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(0, 0, 0)};
    QTest::newRow("16 x 16") << 16 << QStringLiteral(":/art/icon16.png")
                             << QList<QRgb>{qRgb(0, 0, 0)};
}

void TestResources::appIconImages() {
    QFETCH(int, size);
    QFETCH(QString, file);
    QFETCH(QList<QRgb>, lettering);
    const QImage image = TArtwork::AppIconImage(size);
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(!image.hasAlphaChannel());

    // Stored as an 8-bit RGB PNG: colour type 2, no alpha channel.
    const QByteArray png = ResourceBytes(file);
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(quint8(png[24])), 8);
    QCOMPARE(int(quint8(png[25])), 2);

    int lettered = 0;
    for (const QRgb colour : lettering) {
        QVERIFY2(CountColour(image, colour) > 0, qPrintable(QColor(colour).name()));
        lettered += CountColour(image, colour);
    }
    const int white = CountColour(image, kWhite);
    QVERIFY(white > size * size / 3);
    QCOMPARE(white + lettered, size * size);
}

void TestResources::appIconCarriesBothSizes() {
    const QIcon icon = TArtwork::AppIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    QCOMPARE(icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_RGB32),
             TArtwork::AppIconImage(16));
    QVERIFY(TArtwork::AppIconImage(24).isNull());
}

void TestResources::bitmapsAre24BitUncompressed_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("intro") << QStringLiteral(":/art/intro.bmp") << QSize(420, 300);
    QTest::newRow("thumb initial") << QStringLiteral(":/art/thumb_initial.bmp") << QSize(128, 160);
    QTest::newRow("thumb intermediate") << QStringLiteral(":/art/thumb_intermediate.bmp") << QSize(128, 160);
    QTest::newRow("thumb final") << QStringLiteral(":/art/thumb_final.bmp") << QSize(128, 160);
    for (const char* name : {"verde", "azul", "aqua", "amarelo", "rosa", "vermelho"})
        QTest::newRow(name) << QStringLiteral(":/art/swatch_%1.bmp").arg(QLatin1String(name)) << QSize(16, 13);
    QTest::newRow("close") << QStringLiteral(":/art/close.bmp") << QSize(16, 16);
}

void TestResources::bitmapsAre24BitUncompressed() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QByteArray bmp = ResourceBytes(file);
    QVERIFY(bmp.startsWith("BM"));
    QCOMPARE(int(LittleEndian(bmp, 18, 4)), size.width());
    QCOMPARE(int(LittleEndian(bmp, 22, 4)), size.height());
    QCOMPARE(LittleEndian(bmp, 28, 2), 24u); // bits per pixel
    QCOMPARE(LittleEndian(bmp, 30, 4), 0u);  // BI_RGB, uncompressed
}

void TestResources::aboutPhotoDecodes() {
    const QImage photo = TArtwork::AboutPhoto();
    QCOMPARE(photo.size(), QSize(294, 272));
    QVERIFY(!photo.hasAlphaChannel());
    // The decoder's pixels are the photo's pixels.
    const TRgbImage rgb = Decode(TArtwork::AboutPhotoJpeg());
    QCOMPARE(rgb.m_width, 294);
    QCOMPARE(rgb.m_height, 272);
    QCOMPARE(rgb.m_pixels.size(), std::size_t(294 * 272 * 3));
    for (const QPoint at : {QPoint(0, 0), QPoint(147, 136), QPoint(293, 271), QPoint(200, 128)}) {
        const std::size_t i = (std::size_t(at.y()) * 294 + std::size_t(at.x())) * 3;
        QCOMPARE(photo.pixel(at), qRgb(rgb.m_pixels[i], rgb.m_pixels[i + 1], rgb.m_pixels[i + 2]));
    }
    // A picture, not a flat fill: evening sky above, dark shore below.
    QVERIFY(QColor(photo.pixel(147, 2)).blue() > QColor(photo.pixel(147, 2)).red());
    QVERIFY(qGray(photo.pixel(200, 128)) > qGray(photo.pixel(280, 268)) + 100);
}

void TestResources::aboutPhotoIsBaselineJfif2x2() {
    const TJpegHeader header = ReadHeader(TArtwork::AboutPhotoJpeg());
    QCOMPARE(header.m_width, 294);
    QCOMPARE(header.m_height, 272);
    QCOMPARE(header.m_components, 3);
    QVERIFY(!header.m_progressive);
    QVERIFY(!header.m_arithmetic);
    QVERIFY(header.m_jfif);
    QCOMPARE(header.m_hSampling[0], 2);
    QCOMPARE(header.m_vSampling[0], 2);
    for (int i = 1; i < 3; ++i) {
        QCOMPARE(header.m_hSampling[i], 1);
        QCOMPARE(header.m_vSampling[i], 1);
    }
    // Baseline: the frame is SOF0, with no other start-of-frame marker.
    const QByteArray jpeg = TArtwork::AboutPhotoJpeg();
    QVERIFY(jpeg.contains(QByteArray("\xFF\xC0", 2)));
    QVERIFY(!jpeg.contains(QByteArray("\xFF\xC2", 2)));
}

void TestResources::jpegErrors_data() {
    const QByteArray photo = TArtwork::AboutPhotoJpeg();
    QVERIFY(photo.size() > 1000);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("Empty input file");
    QTest::newRow("random bytes") << RandomBytes(4096, 7, {}) << QStringLiteral("Not a JPEG file");
    QTest::newRow("random after SOI") << RandomBytes(4096, 11, QByteArray("\xFF\xD8", 2)) << QString();
    QTest::newRow("truncated in headers") << photo.left(100) << QStringLiteral("Premature end");
    QTest::newRow("truncated at half") << photo.left(photo.size() / 2) << QStringLiteral("Premature end");
    QTest::newRow("missing end marker") << photo.left(photo.size() - 2) << QStringLiteral("Premature end");
}

void TestResources::jpegErrors() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
        Decode(bytes);
        QFAIL("no error for a broken JPEG");
    } catch (const EJpegError& error) {
        QVERIFY(!error.LibraryMessage().empty());
        QVERIFY2(QString::fromStdString(error.LibraryMessage()).contains(message),
                 error.what());
        QCOMPARE(QString::fromUtf8(error.what()),
                 QStringLiteral("JPEG error: ") + QString::fromStdString(error.LibraryMessage()));
        QCOMPARE(QString::fromUtf8(error.ClassName()), QStringLiteral("EJpegError"));
    }
    // The window's path: an empty picture instead of a crash.
    QVERIFY(TArtwork::ImageFromJpeg(bytes).isNull());
}

void TestResources::memoLineCount() {
    QCOMPARE(TArtwork::MemoLines().size(), 10);
}

void TestResources::memoLines_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << QStringLiteral("Para funcionar as imagens editadas por você devem seguir os seguintes critérios:");
    QTest::newRow("2") << 2 << QStringLiteral("1 - As imagens devem manter a largura e altura originais;");
    QTest::newRow("3") << 3 << QStringLiteral("2 - As imagens devem manter o tamanho original  ( 126kb ) ;");
    QTest::newRow("4") << 4 << QStringLiteral("3 - As imagens devem manter o mesmo número de cores;");
    QTest::newRow("5") << 5 << QStringLiteral("4 - As imagens devem manter seus nomes originais;");
    QTest::newRow("6") << 6 << QStringLiteral("5 - As imagens devem ser salvas depois de editadas.");
    QTest::newRow("7") << 7 << QString(151, QLatin1Char('-')) + QLatin1Char('>');
    QTest::newRow("8") << 8 << QStringLiteral("Você pode usar vários editores de imagens para editar os logos, mas dê preferência para o paint,");
    QTest::newRow("9") << 9 << QStringLiteral("pois este ajuda a manter o número correto de cores dos logos.");
    QTest::newRow("10") << 10 << QStringLiteral("Você pode usar os comandos de copiar e colar para colar suas fotos nos logos.");
}

void TestResources::memoLines() {
    QFETCH(int, line);
    QFETCH(QString, text);
    const QStringList lines = TArtwork::MemoLines();
    QVERIFY(lines.size() >= line);
    const QString actual = lines[line - 1];
    QCOMPARE(actual, text);
    QCOMPARE(actual.trimmed(), actual);
}

void TestResources::memoLineSeven() {
    const QString seven = TArtwork::MemoLines().value(6);
    QCOMPARE(seven.size(), 152);
    QVERIFY(seven.endsWith(QLatin1Char('>')));
    QCOMPARE(seven.count(QLatin1Char('-')), 151);
}

void TestResources::memoAccents() {
    // Exactly the four accented letters á, é, ê and ú, and nothing else beyond ASCII.
    const QString all = TArtwork::MemoLines().join(QLatin1Char('\n'));
    QSet<QChar> nonAscii;
    for (const QChar c : all)
        if (c.unicode() > 0x7F)
            nonAscii.insert(c);
    const QSet<QChar> expected = {QChar(0x00E1), QChar(0x00E9), QChar(0x00EA), QChar(0x00FA)};
    QCOMPARE(nonAscii, expected);
    QVERIFY(!all.contains(QLatin1Char('\r')));
}

void TestResources::desktopEntryValidates() {
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed");
    QProcess process;
    process.start(validator, {QStringLiteral(ORVANTIS_DESKTOP_FILE)});
    QVERIFY(process.waitForFinished(30000));
    const QByteArray output = process.readAllStandardOutput() + process.readAllStandardError();
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, output.constData());
    QVERIFY2(output.trimmed().isEmpty(), output.constData()); // not even a hint

    QFile file(QStringLiteral(ORVANTIS_DESKTOP_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines.contains("Exec=orvantis"));
    QVERIFY(lines.contains("Icon=orvantis"));
    QVERIFY(lines.contains("Type=Application"));
}

QTEST_MAIN(TestResources)
#include "TestResources.moc"
