#pragma once

#include "TColorTheme.h"
#include "TLogoSlot.h"

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

// The fixed pictures and texts of both windows, embedded in the program.
// Nothing is read from disk and nothing changes at run time.
class TArtwork {
public:
    // 420 x 300, the whole intro window.
    static QImage IntroPicture();
    // 128 x 160, a green one-pixel frame around a boot screen of Windows 98.
    static QImage Thumbnail(TLogoSlot slot);
    // 16 x 13, one solid colour per theme.
    static QImage Swatch(TColorTheme theme);
    // 294 x 272 from the embedded JPEG, decoded by libjpeg; empty if that fails.
    static QImage AboutPhoto();
    // The embedded JPEG file as stored.
    static QByteArray AboutPhotoJpeg();
    // Any JPEG decoded by libjpeg; an empty image for a corrupt or truncated one.
    static QImage ImageFromJpeg(const QByteArray& jpeg);
    // 16 x 16, the picture of the "FECHAR" button.
    static QImage ClosePicture();
    // The application icon with its 32 x 32 and 16 x 16 images.
    static QIcon AppIcon();
    // One image of the icon; size is 16 or 32, anything else gives an empty image.
    static QImage AppIconImage(int size);
    // The ten lines of the Edit page's instructions.
    static QStringList MemoLines();

    // Buttons show a picture with the colour of its bottom-left pixel cut out.
    static QImage WithTransparentBottomLeftImage(const QImage& picture);
    static QPixmap WithTransparentBottomLeft(const QImage& picture);
    // Where a picture goes in an area: (area - picture) / 2 in whole numbers,
    // so a picture one pixel wider than its area starts at its left edge.
    static QPoint CentredOffset(const QSize& area, const QSize& picture);
};
