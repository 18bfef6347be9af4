#include "ArtDrawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor kPaleYellow(255, 255, 192);
const QColor kAzure(0, 128, 255);
const QColor kDarkBlue(0, 0, 192);

QPainterPath TextPath(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

QFont MakeFont(const QString& family, int pixelSize, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Each block of text is confined to its rows; antialiasing never spills
// into the rows around it.
void ClipToRows(QPainter& painter, int firstRow, int lastRow) {
    painter.setClipRect(QRect(3, firstRow, 414, lastRow - firstRow + 1));
}

void DrawTitle(QPainter& painter) {
    // Rows 37 to 61: bold italic azure capitals with a dark blue outline.
    const qreal pen = 2.0;
    const QPainterPath title = ArtDrawing::FitPath(
        TextPath(QStringLiteral("ORVANTIS"), MakeFont(QStringLiteral("Nimbus Sans"), 60, true, true)),
        QRectF(14 + pen / 2, 37 + pen / 2, 392 - pen, 25 - pen));
    ClipToRows(painter, 37, 61);
    painter.setPen(QPen(kDarkBlue, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kAzure);
    painter.drawPath(title);
}

void DrawEditionMark(QPainter& painter) {
    // Rows 71 to 116: "PLUS" in a blue-cyan-blue gradient, black outline,
    // grey shadow below right.
    const qreal pen = 2.0;
    const int shadow = 3;
    const QPainterPath mark = ArtDrawing::FitPath(
        TextPath(QStringLiteral("PLUS"), MakeFont(QStringLiteral("Nimbus Sans"), 80, true, false)),
        QRectF(156 + pen / 2, 71 + pen / 2, 104 - pen / 2 - shadow, 46 - pen / 2 - shadow));
    ClipToRows(painter, 71, 116);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(128, 128, 128));
    painter.drawPath(mark.translated(shadow, shadow));

    const QRectF bounds = mark.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.0, QColor(0, 0, 255));
    gradient.setColorAt(0.5, QColor(170, 255, 255));
    gradient.setColorAt(1.0, QColor(0, 0, 255));
    painter.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gradient);
    painter.drawPath(mark);
}

void DrawEnter(QPainter& painter) {
    // Rows 133 to 166: large bold serif capitals.
    const QPainterPath enter = ArtDrawing::FitPath(
        TextPath(QStringLiteral("ENTRAR"), MakeFont(QStringLiteral("DejaVu Serif"), 48, true, false)),
        QRectF(110, 133, 200, 34));
    ClipToRows(painter, 133, 166);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAzure);
    painter.drawPath(enter);
}

void DrawCredits(QPainter& painter) {
    // Rows 211 to 243: three lines of small bold capitals, 7 rows of capital
    // height each, 5 rows apart; accents rise into the gaps above and the
    // parentheses of the last line reach down to row 243.
    const QStringList lines = {
        QStringLiteral("DESENVOLVEDOR: PROF. - ANSELMO QUINTAVERDE - MINAS GERAIS"),
        QStringLiteral("MENSAGEIRO: 000-314-159"),
        QStringLiteral("1 DE MAIO DE 2004 - VERSÃO 3.5 (PLUS)."),
    };
    const QFont font = MakeFont(QStringLiteral("Nimbus Sans"), 40, true, false);
    const QPainterPath capitals = TextPath(QStringLiteral("H"), font);
    const qreal capTop = capitals.boundingRect().top();
    const qreal capHeight = capitals.boundingRect().height();
    const qreal scale = 7.0 / capHeight;

    ClipToRows(painter, 211, 243);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDarkBlue);
    for (int i = 0; i < lines.size(); ++i) {
        const QPainterPath line = TextPath(lines[i], font);
        const QRectF bounds = line.boundingRect();
        const qreal xScale = qMin(scale, 380.0 / bounds.width());
        const qreal width = bounds.width() * xScale;
        QTransform transform;
        transform.translate(210.0 - width / 2, 211 + 12 * i);
        transform.scale(xScale, scale);
        transform.translate(-bounds.left(), -capTop);
        painter.drawPath(transform.map(line));
    }
}

void DrawRings(QImage& image) {
    // Three one-pixel rings on x 0..418, y 0..299; column 419 stays white.
    const QRgb ringColours[3] = {kAzure.rgb(), qRgb(255, 255, 255), kAzure.rgb()};
    for (int ring = 0; ring < 3; ++ring) {
        const int left = ring, right = 418 - ring, top = ring, bottom = 299 - ring;
        for (int x = left; x <= right; ++x) {
            image.setPixel(x, top, ringColours[ring]);
            image.setPixel(x, bottom, ringColours[ring]);
        }
        for (int y = top; y <= bottom; ++y) {
            image.setPixel(left, y, ringColours[ring]);
            image.setPixel(right, y, ringColours[ring]);
        }
    }
    for (int y = 0; y < 300; ++y)
        image.setPixel(419, y, qRgb(255, 255, 255));
}

} // namespace

QImage ArtDrawing::DrawIntroPicture() {
    QImage image(420, 300, QImage::Format_RGB32);
    image.fill(kPaleYellow);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawTitle(painter);
        DrawEditionMark(painter);
        DrawEnter(painter);
        DrawCredits(painter);
    }
    DrawRings(image);
    return image;
}

QPainterPath ArtDrawing::FitPath(const QPainterPath& path, const QRectF& target) {
    const QRectF bounds = path.boundingRect();
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(target.width() / bounds.width(), target.height() / bounds.height());
    transform.translate(-bounds.left(), -bounds.top());
    return transform.map(path);
}

void ArtDrawing::ReplaceColour(QImage& image, QRgb from, QRgb to) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) == (from & 0xFFFFFFu))
                image.setPixel(x, y, to);
}
