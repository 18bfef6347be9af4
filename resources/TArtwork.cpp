#include "TArtwork.h"

#include "EJpegError.h"
#include "TJpegDecoder.h"

#include <QFile>

namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage LoadPicture(const QString& path) {
    QImage image(path);
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

QString ThumbnailPath(TLogoSlot slot) {
    switch (slot) {
    case lsInitial: return QStringLiteral(":/art/thumb_initial.bmp");
    case lsIntermediate: return QStringLiteral(":/art/thumb_intermediate.bmp");
    case lsFinal: return QStringLiteral(":/art/thumb_final.bmp");
    }
    return {};
}

QString SwatchPath(TColorTheme theme) {
    switch (theme) {
    case ctVerde: return QStringLiteral(":/art/swatch_verde.bmp");
    case ctAzul: return QStringLiteral(":/art/swatch_azul.bmp");
    case ctAqua: return QStringLiteral(":/art/swatch_aqua.bmp");
    case ctAmarelo: return QStringLiteral(":/art/swatch_amarelo.bmp");
    case ctRosa: return QStringLiteral(":/art/swatch_rosa.bmp");
    case ctVermelho: return QStringLiteral(":/art/swatch_vermelho.bmp");
    }
    return {};
}

} // namespace

QImage TArtwork::IntroPicture() { return LoadPicture(QStringLiteral(":/art/intro.bmp")); }

QImage TArtwork::Thumbnail(TLogoSlot slot) { return LoadPicture(ThumbnailPath(slot)); }

QImage TArtwork::Swatch(TColorTheme theme) { return LoadPicture(SwatchPath(theme)); }

QByteArray TArtwork::AboutPhotoJpeg() { return ReadResource(QStringLiteral(":/art/about.jpg")); }

QImage TArtwork::AboutPhoto() { return ImageFromJpeg(AboutPhotoJpeg()); }

QImage TArtwork::ImageFromJpeg(const QByteArray& jpeg) {
    try {
        const TRgbImage rgb = TJpegDecoder::Decode(
            reinterpret_cast<const std::uint8_t*>(jpeg.constData()), std::size_t(jpeg.size()));
        const QImage view(rgb.m_pixels.data(), rgb.m_width, rgb.m_height,
                          qsizetype(rgb.RowBytes()), QImage::Format_RGB888);
        return view.convertToFormat(QImage::Format_RGB32); // a deep copy
    } catch (const EJpegError&) {
        return {}; // the About page shows an empty area
    }
}

QImage TArtwork::ClosePicture() { return LoadPicture(QStringLiteral(":/art/close.bmp")); }

QImage TArtwork::AppIconImage(int size) {
    if (size == 16)
        return LoadPicture(QStringLiteral(":/art/icon16.png"));
    if (size == 32)
        return LoadPicture(QStringLiteral(":/art/icon32.png"));
    return {};
}

QIcon TArtwork::AppIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(AppIconImage(32)));
    icon.addPixmap(QPixmap::fromImage(AppIconImage(16)));
    return icon;
}

QStringList TArtwork::MemoLines() {
    QString text = QString::fromUtf8(ReadResource(QStringLiteral(":/memo.txt")));
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the file ends with a line break
    return lines;
}

QImage TArtwork::WithTransparentBottomLeftImage(const QImage& picture) {
    if (picture.isNull())
        return {};
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, result.height() - 1) | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return result;
}

QPixmap TArtwork::WithTransparentBottomLeft(const QImage& picture) {
    return QPixmap::fromImage(WithTransparentBottomLeftImage(picture));
}

QPoint TArtwork::CentredOffset(const QSize& area, const QSize& picture) {
    // C++ division truncates toward zero: (419 - 420) / 2 is 0.
    return {(area.width() - picture.width()) / 2, (area.height() - picture.height()) / 2};
}
