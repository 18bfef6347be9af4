#include "ArtDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

// The About photograph: a painted evening landscape, hills over a lake with
// a sunset sky, a tree and reeds in the foreground. Brush texture comes from
// a fixed-seed generator so that every run paints the same picture.

namespace {

class TSeededNoise {
public:
    explicit TSeededNoise(std::uint32_t seed) : m_state(seed) {}
    // A number in [0, 1).
    double Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 24);
    }

private:
    std::uint32_t m_state;
};

QPainterPath Ridge(double baseY, double amplitude, double frequency, double phase, int width,
                   int bottom) {
    QPainterPath path;
    path.moveTo(0, bottom);
    for (int x = 0; x <= width; x += 3) {
        const double y = baseY - amplitude * (0.6 * std::sin(x * frequency + phase) +
                                              0.4 * std::sin(x * frequency * 2.3 + phase * 1.7));
        path.lineTo(x, y);
    }
    path.lineTo(width, bottom);
    path.closeSubpath();
    return path;
}

void DrawSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, 160);
    sky.setColorAt(0.0, QColor(40, 50, 110));
    sky.setColorAt(0.45, QColor(190, 90, 110));
    sky.setColorAt(0.8, QColor(250, 170, 90));
    sky.setColorAt(1.0, QColor(255, 220, 150));
    painter.fillRect(QRect(0, 0, 294, 160), sky);

    QRadialGradient sun(QPointF(200, 128), 60);
    sun.setColorAt(0.0, QColor(255, 250, 220, 255));
    sun.setColorAt(0.15, QColor(255, 240, 190, 255));
    sun.setColorAt(0.4, QColor(255, 200, 120, 120));
    sun.setColorAt(1.0, QColor(255, 180, 100, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(200, 128), 60, 60);

    // Streaks of cloud lit from below.
    TSeededNoise noise(2004);
    for (int i = 0; i < 26; ++i) {
        const double y = 20 + noise.Next() * 90;
        const double x = noise.Next() * 294 - 40;
        const double length = 40 + noise.Next() * 90;
        const double warmth = y / 110;
        painter.setBrush(QColor(int(120 + 130 * warmth), int(70 + 80 * warmth), int(120 - 20 * warmth),
                                90));
        painter.drawRoundedRect(QRectF(x, y, length, 3 + noise.Next() * 4), 3, 3);
    }
}

void DrawHills(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 90, 130));
    painter.drawPath(Ridge(118, 18, 0.021, 1.0, 294, 172));
    painter.setBrush(QColor(80, 70, 105));
    painter.drawPath(Ridge(140, 14, 0.034, 2.6, 294, 172));
    painter.setBrush(QColor(45, 60, 60));
    painter.drawPath(Ridge(158, 8, 0.05, 0.3, 294, 172));
}

void DrawLake(QPainter& painter) {
    QLinearGradient water(0, 160, 0, 250);
    water.setColorAt(0.0, QColor(230, 160, 110));
    water.setColorAt(0.5, QColor(140, 100, 120));
    water.setColorAt(1.0, QColor(50, 55, 85));
    painter.fillRect(QRect(0, 160, 294, 112), water);

    // Ripples and the sun's glitter on the water.
    TSeededNoise noise(35);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const double y = 162 + noise.Next() * 66;
        const double nearSun = std::exp(-std::pow((noise.Next() * 120 - 60) / 30, 2));
        const double x = 200 + (noise.Next() - 0.5) * (40 + (y - 160) * 3) * (1.5 - nearSun);
        const double length = 4 + noise.Next() * 14;
        painter.setBrush(QColor(255, 220, 170, int(60 + 120 * nearSun)));
        painter.drawRect(QRectF(x - length / 2, y, length, 1.2));
    }
}

void DrawShore(QPainter& painter) {
    QLinearGradient ground(0, 222, 0, 272);
    ground.setColorAt(0.0, QColor(60, 70, 40));
    ground.setColorAt(1.0, QColor(25, 30, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawPath(Ridge(236, 6, 0.04, 4.0, 294, 272));

    // Reeds along the shore.
    TSeededNoise noise(98);
    for (int i = 0; i < 70; ++i) {
        const double x = noise.Next() * 294;
        const double height = 10 + noise.Next() * 26;
        const double lean = (noise.Next() - 0.5) * 8;
        painter.setPen(QPen(QColor(30 + int(noise.Next() * 40), 45 + int(noise.Next() * 40), 25), 1.2));
        painter.drawLine(QPointF(x, 272), QPointF(x + lean, 272 - 24 - height));
    }
}

void DrawTree(QPainter& painter) {
    painter.setPen(QPen(QColor(35, 28, 22), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(52, 268), QPointF(58, 150));
    painter.setPen(QPen(QColor(35, 28, 22), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(57, 185), QPointF(84, 160));
    painter.drawLine(QPointF(56, 200), QPointF(30, 176));

    TSeededNoise noise(51);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        const double angle = noise.Next() * 6.2832;
        const double radius = std::sqrt(noise.Next()) * 42;
        const double x = 58 + std::cos(angle) * radius * 1.1;
        const double y = 150 + std::sin(angle) * radius * 0.8;
        const int shade = int(noise.Next() * 35);
        painter.setBrush(QColor(30 + shade, 55 + shade, 30 + shade / 2, 200));
        painter.drawEllipse(QPointF(x, y), 5 + noise.Next() * 5, 4 + noise.Next() * 3);
    }
}

} // namespace

QImage ArtDrawing::DrawAboutPhoto() {
    QImage image(294, 272, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSky(painter);
    DrawHills(painter);
    DrawLake(painter);
    DrawShore(painter);
    DrawTree(painter);
    return image;
}
