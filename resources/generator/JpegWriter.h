#pragma once

#include <QImage>
#include <QString>

namespace JpegWriter {

// Writes a baseline JFIF JPEG, YCbCr with the colour planes at half
// resolution both ways (2x2 sampling), through libjpeg.
bool WriteBaselineJpeg(const QImage& image, const QString& path, int quality);

} // namespace JpegWriter
