// Draws every embedded picture into a folder (by default the art folder of
// the sources), so that the committed files can be made again at will.

#include "ArtDrawing.h"
#include "JpegWriter.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

bool SaveBitmap(const QImage& image, const QDir& folder, const QString& name) {
    // Qt writes opaque images as 24-bit uncompressed bitmaps and PNGs.
    QImageWriter writer(folder.filePath(name));
    if (writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(name), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no display needed
    QGuiApplication application(argc, argv);

    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: orvantis_artgen <output folder>\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    bool ok = SaveBitmap(ArtDrawing::DrawIntroPicture(), folder, QStringLiteral("intro.bmp"));
    const char* thumbnails[] = {"thumb_initial.bmp", "thumb_intermediate.bmp", "thumb_final.bmp"};
    for (int i = 0; i < 3; ++i)
        ok = SaveBitmap(ArtDrawing::DrawThumbnail(i), folder, QString::fromLatin1(thumbnails[i])) && ok;

    struct Swatch { const char* name; int red, green, blue; };
    const Swatch swatches[] = {
        {"swatch_verde.bmp", 0, 255, 127},     {"swatch_azul.bmp", 0, 0, 192},
        {"swatch_aqua.bmp", 0, 255, 255},      {"swatch_amarelo.bmp", 255, 255, 127},
        {"swatch_rosa.bmp", 255, 127, 191},    {"swatch_vermelho.bmp", 255, 0, 0},
    };
    for (const Swatch& swatch : swatches)
        ok = SaveBitmap(ArtDrawing::DrawSwatch(swatch.red, swatch.green, swatch.blue), folder,
                        QString::fromLatin1(swatch.name)) && ok;

    ok = SaveBitmap(ArtDrawing::DrawClosePicture(), folder, QStringLiteral("close.bmp")) && ok;
    ok = SaveBitmap(ArtDrawing::DrawIcon32(), folder, QStringLiteral("icon32.png")) && ok;
    ok = SaveBitmap(ArtDrawing::DrawIcon16(), folder, QStringLiteral("icon16.png")) && ok;
    if (!JpegWriter::WriteBaselineJpeg(ArtDrawing::DrawAboutPhoto(),
                                       folder.filePath(QStringLiteral("about.jpg")), 88)) {
        std::fprintf(stderr, "cannot write about.jpg\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
