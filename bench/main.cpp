// Times every ramped logo operation with the real clock against a painted gauge
// on a temporary drive with full-size boot screens, and compares each with the
// fixed pauses of its ramp.

#include "LogoSlots.h"
#include "RunWithProgressRamp.h"
#include "SystemClock.h"
#include "TBlankRepaintDisplay.h"
#include "TDrive.h"
#include "TGauge.h"
#include "TLogoOperations.h"
#include "TNullDisplay.h"
#include "TPlatform.h"
#include "TSampleDrive.h"
#include "TTimedClock.h"
#include "TTimedDisplay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int Repetitions = 5;

struct Operation {
    Operation(const char* name, std::function<void(TLogoOperations&)> run, double pausesMs)
        : name(name), run(std::move(run)), pausesMs(pausesMs) {}

    const char* name;
    std::function<void(TLogoOperations&)> run; // empty for the bare ramps
    double pausesMs;
    std::vector<double> wallMs;
    std::vector<double> settingMs;
    std::vector<int> paints;
    // Per run: the first setting, which no pause precedes; what the pauses ran
    // over; and what is left for the file steps once pauses and settings are
    // taken away.
    std::vector<double> firstSettingMs;
    std::vector<double> overrunMs;
    std::vector<double> stepsMs;
};

double Sum(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values)
        sum += value;
    return sum;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Puts every live screen, working copy and backup in place, so that each run
// finds the files its steps copy or delete.
void LayDrive(IPlatform& platform) {
    platform.WinExec("Command.com /c MD " + WorkFolder(), 0);
    platform.WinExec("Command.com /c MD " + BackupFolder(), 0);
    for (TLogoSlot slot : AllLogoSlots) {
        platform.CopyFileA(LiveLogoPath(slot), BackupLogoPath(slot), true);
        platform.CopyFileA(BackupLogoPath(slot), LiveLogoPath(slot), false);
        platform.CopyFileA(BackupLogoPath(slot), WorkLogoPath(slot), false);
    }
}

// Other work on the machine lengthens the pauses and paints; the table says how much there was.
std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return in ? one + " " + five + " " + fifteen : std::string("unknown");
}

} // namespace

int main(int argc, char** argv) {
    TGauge::PrepareWindowSystem();
    QApplication app(argc, argv);

    QTemporaryDir temp;
    const std::filesystem::path root = std::filesystem::path(temp.path().toStdString()) / "c";
    if (!temp.isValid() || !TSampleDrive::Ensure(root)) {
        std::fprintf(stderr, "orvantis_bench: cannot make the sample drive\n");
        return 1;
    }
    TDrive drive(root);
    SystemClock clock;
    TTimedClock timedClock(clock);
    TPlatform platform(drive, timedClock);
    LayDrive(platform);

    // The gauge in a shown window, so that every setting is really painted.
    QWidget window;
    window.resize(640, 120);
    TGauge gauge(&window);
    gauge.setGeometry(8, 80, 521, 17);
    QWidget blank(&window);
    blank.setGeometry(8, 40, 521, 17);
    window.show();
    // On a real X server the window is painted only once the server has mapped it.
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    if (!gauge.isVisible() || !window.windowHandle()->isExposed()) {
        std::fprintf(stderr, "orvantis_bench: the gauge is not shown\n");
        return 1;
    }

    TTimedDisplay display(gauge);
    TLogoOperations operations(platform, display);
    // As in the program: the gauge is rehearsed near the end of every pause.
    const std::function<void()> rehearseGauge = [&gauge] { gauge.Rehearse(); };

    // clang-format off
    std::vector<Operation> all = {
        {"ExtractLogo(lsInitial)", [](TLogoOperations& o) { o.ExtractLogo(lsInitial); }, 840},
        {"ExtractLogo(lsIntermediate)", [](TLogoOperations& o) { o.ExtractLogo(lsIntermediate); }, 840},
        {"ExtractLogo(lsFinal)", [](TLogoOperations& o) { o.ExtractLogo(lsFinal); }, 840},
        {"ExtractAllLogos", [](TLogoOperations& o) { o.ExtractAllLogos(); }, 840},
        {"InsertLogo(lsInitial)", [](TLogoOperations& o) { o.InsertLogo(lsInitial); }, 840},
        {"InsertLogo(lsIntermediate)", [](TLogoOperations& o) { o.InsertLogo(lsIntermediate); }, 840},
        {"InsertLogo(lsFinal)", [](TLogoOperations& o) { o.InsertLogo(lsFinal); }, 840},
        {"InsertAllLogos", [](TLogoOperations& o) { o.InsertAllLogos(); }, 840},
        {"RestoreBackupLogo(lsInitial)", [](TLogoOperations& o) { o.RestoreBackupLogo(lsInitial); }, 3800},
        {"RestoreWindowsInitialLogo", [](TLogoOperations& o) { o.RestoreWindowsInitialLogo(); }, 840},
        {"RestoreBackupLogo(lsIntermediate)", [](TLogoOperations& o) { o.RestoreBackupLogo(lsIntermediate); }, 840},
        {"RestoreBackupLogo(lsFinal)", [](TLogoOperations& o) { o.RestoreBackupLogo(lsFinal); }, 840},
    };
    // clang-format on

    std::printf("ORVANTIS logo operations: %d runs each, interleaved, real clock, painted gauge,\n"
                "boot screens of %ju bytes on a temporary drive (%s), load average %s\n\n",
                Repetitions,
                std::uintmax_t(std::filesystem::file_size(*drive.Resolve(LiveLogoPath(lsInitial)))),
                qPrintable(QGuiApplication::platformName()), LoadAverage().c_str());
    std::fflush(stdout);

    // The same ramp without file steps, to tell what the pauses, the paints and
    // the file steps each add.
    TNullDisplay nothing;
    TBlankRepaintDisplay blankRepaints(blank);
    TTimedDisplay timedBlank(blankRepaints);
    // Each with what it shows, where its settings are timed, and its pause-end
    // work. The blank is rehearsed too, so that it is weighed against the gauge
    // on equal terms.
    struct BareRamp {
        Operation row;
        IProgressDisplay* shown;
        TTimedDisplay* timed; // none for no display
        std::function<void()> pauseEndWork;
    };
    std::vector<BareRamp> bare = {
        {{"ramp alone, no display", {}, 840}, &nothing, nullptr, {}},
        {{"ramp alone, gauge", {}, 840}, &display, &display, rehearseGauge},
        {{"ramp alone, gauge not rehearsed", {}, 840}, &display, &display, {}},
        {{"ramp alone, Qt repaint of a blank", {}, 840},
         &timedBlank,
         &timedBlank,
         [&blank] { blank.repaint(); }},
    };

    const auto measure = [&](Operation& operation, TTimedDisplay* timed,
                             const std::function<void()>& body) {
        if (timed)
            timed->TakeDurations();
        timedClock.TakeOverruns();
        const int paintsBefore = gauge.PaintCount();
        const auto start = std::chrono::steady_clock::now();
        body();
        const auto end = std::chrono::steady_clock::now();
        const double wall = std::chrono::duration<double, std::milli>(end - start).count();
        const std::vector<double> settings = timed ? timed->TakeDurations() : std::vector<double>{};
        const double overrun = Sum(timedClock.TakeOverruns());
        operation.wallMs.push_back(wall);
        operation.paints.push_back(gauge.PaintCount() - paintsBefore);
        operation.settingMs.insert(operation.settingMs.end(), settings.begin(), settings.end());
        if (!settings.empty())
            operation.firstSettingMs.push_back(settings.front());
        operation.overrunMs.push_back(overrun);
        operation.stepsMs.push_back(wall - operation.pausesMs - overrun - Sum(settings));
    };

    // Round by round, so that every operation sees the same state of the machine.
    for (int round = 0; round < Repetitions; ++round) {
        clock.SetPauseEndWork(rehearseGauge);
        for (Operation& operation : all) {
            LayDrive(platform);
            measure(operation, &display, [&] { operation.run(operations); });
        }
        for (BareRamp& ramp : bare) {
            clock.SetPauseEndWork(ramp.pauseEndWork);
            measure(ramp.row, ramp.timed, [&] { RunWithProgressRamp(*ramp.shown, platform, {}); });
        }
    }

    // The medians of a run's parts need not add up to the median of its whole.
    const auto printRow = [](const Operation& operation) {
        const double wall = Median(operation.wallMs);
        std::printf("%-34s %9.1f %7.0f %7.4f", operation.name, wall, operation.pausesMs,
                    wall / operation.pausesMs);
        if (operation.settingMs.empty())
            std::printf(" %8s %8s", "-", "-");
        else
            std::printf(" %8.3f %8.3f", Median(operation.settingMs),
                        Median(operation.firstSettingMs));
        std::printf(" %8.2f %8.2f\n", Median(operation.overrunMs), Median(operation.stepsMs));
    };
    std::printf("%-34s %9s %7s %7s %8s %8s %8s %8s\n", "operation", "median", "pauses", "ratio",
                "setting", "first", "overrun", "steps");
    std::printf("%-34s %9s %7s %7s %8s %8s %8s %8s\n", "", "ms", "ms", "", "ms", "ms", "ms", "ms");
    std::vector<double> allSettings;
    double worst = 0;
    bool allPainted = true;
    for (const Operation& operation : all) {
        worst = std::max(worst, Median(operation.wallMs) / operation.pausesMs);
        allPainted =
            allPainted && *std::min_element(operation.paints.begin(), operation.paints.end()) == 22;
        allSettings.insert(allSettings.end(), operation.settingMs.begin(),
                           operation.settingMs.end());
        printRow(operation);
    }
    std::printf("\nfor comparison, the same ramp without file steps:\n");
    for (const BareRamp& ramp : bare)
        printRow(ramp.row);
    const double settingsSum = Sum(allSettings);
    // The wall times carry the mean, which the slow outliers after some pauses raise.
    std::printf(
        "\none display setting, paint included: median %.3f ms, mean %.3f ms (%zu settings)\n",
        Median(allSettings), allSettings.empty() ? 0.0 : settingsSum / double(allSettings.size()),
        allSettings.size());
    std::printf("highest ratio: %.4f (target 1.01 or less): %s\n", worst,
                worst <= 1.01 ? "met" : "NOT met");
    std::printf("load average at the end: %s\n", LoadAverage().c_str());
    if (!allPainted) {
        std::printf("some runs painted the gauge fewer than 22 times\n");
        return 1;
    }
    return 0;
}
