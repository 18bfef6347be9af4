#include "ArtDrawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QRgb kCloseCorner = qRgb(63, 87, 143);

// Blocky capitals, 4 pixels wide and 6 high, one string per row.
const char* Glyph(char letter) {
    switch (letter) {
    case 'O': return ".##."
                     "#..#"
                     "#..#"
                     "#..#"
                     "#..#"
                     ".##.";
    case 'R': return "###."
                     "#..#"
                     "###."
                     "#.#."
                     "#..#"
                     "#..#";
    case 'V': return "#..#"
                     "#..#"
                     "#..#"
                     "#..#"
                     ".##."
                     ".##.";
    case 'A': return ".##."
                     "#..#"
                     "#..#"
                     "####"
                     "#..#"
                     "#..#";
    case 'N': return "#..#"
                     "##.#"
                     "##.#"
                     "#.##"
                     "#.##"
                     "#..#";
    case 'T': return "####"
                     ".##."
                     ".##."
                     ".##."
                     ".##."
                     ".##.";
    case 'I': return ".##."
                     ".##."
                     ".##."
                     ".##."
                     ".##."
                     ".##.";
    case 'S': return ".###"
                     "#..."
                     ".##."
                     "...#"
                     "...#"
                     "###.";
    }
    return "................................";
}

// Draws letters side by side, each glyph pixel as a block of blockWidth x 1.
void DrawBlockText(QImage& image, const char* text, int left, int top, int blockWidth,
                   QRgb colour) {
    for (int i = 0; text[i] != '\0'; ++i) {
        const char* glyph = Glyph(text[i]);
        const int glyphLeft = left + i * (4 * blockWidth + blockWidth);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 4; ++column)
                if (glyph[row * 4 + column] == '#')
                    for (int b = 0; b < blockWidth; ++b)
                        image.setPixel(glyphLeft + column * blockWidth + b, top + row, colour);
    }
}

} // namespace

QImage ArtDrawing::DrawSwatch(int red, int green, int blue) {
    QImage image(16, 13, QImage::Format_RGB32);
    image.fill(qRgb(red, green, blue));
    return image;
}

QImage ArtDrawing::DrawClosePicture() {
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            // Bright blue at the rim of the field, light cyan in the middle.
            const double distance = std::hypot(x - 7.5, y - 7.5) / std::hypot(6.5, 6.5);
            const double t = std::min(1.0, distance);
            QRgb colour = qRgb(int(170 * (1 - t)), int(90 + 165 * (1 - t)), 255);

            // The cross: both diagonals of the inner square, three pixels
            // across, with a grey edge on each side.
            if (x >= 3 && x <= 12 && y >= 3 && y <= 12) {
                const int alongMain = std::abs(x - y);
                const int alongOther = std::abs(x + y - 15);
                const int nearest = std::min(alongMain, alongOther);
                if (nearest <= 1)
                    colour = qRgb(255, 255, 255);
                else if (nearest == 2)
                    colour = qRgb(150, 160, 176);
            }
            if (x == 0 || y == 0 || x == 15 || y == 15)
                colour = qRgb(0, 32, 150); // the darker rim
            image.setPixel(x, y, colour);
        }
    }
    // The corner colour is the transparent one: only the corners carry it.
    ReplaceColour(image, kCloseCorner, qRgb(63, 87, 144));
    for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
        image.setPixel(corner, kCloseCorner);
    return image;
}

QImage ArtDrawing::DrawIcon32() {
    // ORVANTIS in four lines of two letters, glyph pixels two wide.
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawBlockText(image, "OR", 7, 1, 2, qRgb(0, 0, 255));
    DrawBlockText(image, "VA", 7, 9, 2, qRgb(255, 0, 0));
    DrawBlockText(image, "NT", 7, 17, 2, qRgb(0, 0, 0));
    DrawBlockText(image, "IS", 7, 25, 2, qRgb(0, 0, 255));
    return image;
}

QImage ArtDrawing::DrawIcon16() {
    // "ORV" between two black bars.
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 1; x <= 14; ++x)
        for (const int y : {1, 2, 13, 14})
            image.setPixel(x, y, qRgb(0, 0, 0));
    DrawBlockText(image, "ORV", 1, 5, 1, qRgb(0, 0, 0));
    return image;
}
