#include "ArtDrawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

// The boot screens of Windows 98 are 320 x 400 pictures shown stretched to a
// 4:3 screen; the thumbnails are drawn in that 320 x 400 space and scaled
// into the 126 x 158 inside of the frame.

namespace {

const QRgb kFrameGreen = qRgb(0, 255, 0);

QFont SansFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Text in the squeezed boot-screen space: half as wide as it is tall.
void DrawSqueezedText(QPainter& painter, const QString& text, const QFont& font, qreal centreX,
                      qreal baseline, const QColor& colour) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    QTransform transform;
    transform.translate(centreX, baseline);
    transform.scale(0.5, 1.0);
    transform.translate(-bounds.center().x(), 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(transform.map(path));
}

void DrawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0.0, QColor(70, 120, 210));
    sky.setColorAt(1.0, QColor(160, 200, 240));
    painter.fillRect(QRectF(0, 0, 320, 400), sky);

    // Soft clouds: clusters of white puffs, fading at their edges.
    struct Puff { qreal x, y, rx, ry; };
    const Puff puffs[] = {
        {40, 40, 40, 14},   {75, 32, 36, 18},   {260, 60, 46, 16}, {290, 50, 30, 14},
        {30, 300, 50, 18},  {80, 310, 40, 14},  {250, 330, 60, 20}, {200, 345, 40, 14},
        {150, 80, 30, 10},  {290, 240, 34, 12}, {20, 190, 30, 12},  {120, 375, 50, 14},
    };
    painter.setPen(Qt::NoPen);
    for (const Puff& puff : puffs) {
        QRadialGradient cloud(QPointF(puff.x, puff.y), puff.rx);
        cloud.setColorAt(0.0, QColor(255, 255, 255, 230));
        cloud.setColorAt(0.6, QColor(255, 255, 255, 150));
        cloud.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.save();
        painter.translate(puff.x, puff.y);
        painter.scale(1.0, puff.ry / puff.rx);
        painter.translate(-puff.x, -puff.y);
        painter.setBrush(cloud);
        painter.drawEllipse(QPointF(puff.x, puff.y), puff.rx, puff.rx);
        painter.restore();
    }
}

// One wavy quarter of the flag: its top and bottom edges follow the wave.
QPainterPath FlagQuarter(qreal left, qreal top, qreal width, qreal height) {
    const qreal wave = height * 0.18;
    QPainterPath path;
    path.moveTo(left, top);
    path.cubicTo(left + width * 0.35, top - wave, left + width * 0.65, top + wave, left + width, top);
    path.lineTo(left + width, top + height);
    path.cubicTo(left + width * 0.65, top + height + wave, left + width * 0.35, top + height - wave,
                 left, top + height);
    path.closeSubpath();
    return path;
}

void DrawFlag(QPainter& painter) {
    const QColor colours[4] = {QColor(235, 40, 20), QColor(40, 170, 40), QColor(20, 90, 220),
                               QColor(250, 200, 0)};
    const qreal left = 130, top = 96, width = 30, height = 50, gap = 4;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const qreal x = left + (i % 2) * (width + gap);
        const qreal y = top + (i / 2) * (height + gap) + (i % 2) * 4;
        painter.setBrush(colours[i]);
        painter.drawPath(FlagQuarter(x, y, width, height));
    }
    // The trail of small squares that the flag leaves behind it.
    for (int column = 0; column < 5; ++column) {
        const qreal size = 8 - column;
        const qreal x = left - 14 - column * 14;
        for (int row = 0; row < 4; ++row) {
            if ((row + column) % 3 == 2)
                continue;
            QColor colour = colours[(row / 2) * 2 + (column % 2)];
            colour.setAlpha(230 - column * 35);
            painter.setBrush(colour);
            painter.drawRect(QRectF(x, top + 8 + row * 26 + column * 2, size * 0.6, size));
        }
    }
}

void DrawWordmark(QPainter& painter) {
    DrawSqueezedText(painter, QStringLiteral("Microsoft"), SansFont(16, true), 146, 234, Qt::black);
    DrawSqueezedText(painter, QStringLiteral("Windows98"), SansFont(44, true), 160, 274, Qt::black);
}

void DrawStartUpScreen(QPainter& painter) {
    DrawSky(painter);
    DrawFlag(painter);
    DrawWordmark(painter);
}

void DrawWaitScreen(QPainter& painter) {
    DrawStartUpScreen(painter);
    DrawSqueezedText(painter, QStringLiteral("Aguarde enquanto o computador é desligado."),
                     SansFont(22, true), 160, 380, QColor(0, 0, 128));
}

void DrawSafeScreen(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, 320, 400), Qt::black);
    const QFont font = SansFont(30, true);
    const QColor orange(255, 140, 0);
    DrawSqueezedText(painter, QStringLiteral("Agora você pode desligar"), font, 160, 190, orange);
    DrawSqueezedText(painter, QStringLiteral("o computador com segurança."), font, 160, 230, orange);
}

} // namespace

QImage ArtDrawing::DrawThumbnail(int which) {
    QImage inside(126, 158, QImage::Format_RGB32);
    inside.fill(Qt::black);
    {
        QPainter painter(&inside);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(126.0 / 320.0, 158.0 / 400.0);
        if (which == 0)
            DrawStartUpScreen(painter);
        else if (which == 1)
            DrawWaitScreen(painter);
        else
            DrawSafeScreen(painter);
    }
    // The frame green is the transparent colour of the buttons: nothing
    // inside may come out as exactly that colour.
    ReplaceColour(inside, kFrameGreen, qRgb(0, 254, 0));

    QImage image(128, 160, QImage::Format_RGB32);
    image.fill(kFrameGreen);
    QPainter painter(&image);
    painter.drawImage(1, 1, inside);
    return image;
}
