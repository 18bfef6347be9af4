// ORVANTIS: replaces the boot pictures of Windows 98 on drive C:.

#include "ApplicationTitle.h"
#include "SystemClock.h"
#include "TDrive.h"
#include "TGauge.h"
#include "TPlatform.h"
#include "TProgram.h"
#include "TQtDialogService.h"
#include "TSampleDrive.h"
#include "Unit2.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <QStyleFactory>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[]) {
    // A write past a file-size limit must fail the copy, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // The command line is read before any window system is reached, so that
    // --help, --version and a bad drive answer on a machine without a display.
    QString root;
    {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("orvantis"));
        QCoreApplication::setApplicationVersion(QStringLiteral(ORVANTIS_VERSION));

        QCommandLineParser parser;
        parser.setApplicationDescription(
            QStringLiteral("%1: replaces the boot pictures of Windows 98.").arg(kApplicationTitle));
        parser.addHelpOption();
        parser.addVersionOption();
        const QCommandLineOption driveOption(
            QStringLiteral("drive-c"),
            QStringLiteral("The folder that stands for drive C: (default: the sample drive)."),
            QStringLiteral("DIR"));
        parser.addOption(driveOption);
        parser.process(core);

        if (parser.isSet(driveOption)) {
            root = parser.value(driveOption);
            if (!QFileInfo(root).isDir()) {
                std::fprintf(stderr, "orvantis: --drive-c %s: no such folder\n",
                             root.toLocal8Bit().constData());
                return 2;
            }
        } else {
            const QString data =
                QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
            root = data + QStringLiteral("/drive_c");
            QDir().mkpath(data);
            if (!TSampleDrive::Ensure(root.toStdString())) {
                std::fprintf(stderr, "orvantis: cannot make the sample drive %s\n",
                             root.toLocal8Bit().constData());
                return 2;
            }
        }
        root = QFileInfo(root).absoluteFilePath();
    }

    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "orvantis: no display to show the windows on\n");
        return 1;
    }

    TGauge::PrepareWindowSystem();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvantis"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANTIS_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    // Outside a desktop session Qt knows no icon theme; the work-folder list then
    // takes its file-type icons from the desktop's standard one.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));

    const TDrive drive(root.toStdString());
    SystemClock clock;
    TPlatform platform(drive, clock);
    TQtDialogService dialogs;
    TProgram program(drive, platform, dialogs);
    // The gauge shows each new value of an operation at the end of a pause;
    // rehearsing it there puts the value on the screen on time.
    clock.SetPauseEndWork([&program] {
        if (TForm2* form = program.Form2())
            form->Gauge1()->Rehearse();
    });
    const int exitCode = program.Run();
    clock.SetPauseEndWork({});
    return exitCode;
}
