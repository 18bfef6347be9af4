#include "TLogoOperations.h"

#include "IPlatform.h"
#include "LogoSlots.h"
#include "RunWithProgressRamp.h"

#include <iterator>

namespace {

// Removing the start-up file makes Windows show its built-in start-up screen.
const char* const DeleteStartupLogoCommand = "Command.com /c Del c:\\LOGO.SYS";

// The machine's own start-up screen is held at 50 while the deletion before it
// runs, so that the restored copy lands after it.
constexpr unsigned StartupRestorePause = 3000;

// Restores write the live files under these spellings; the drive ignores case,
// so they are the live files of the slots.
std::string RestoreDestination(TLogoSlot slot) {
    switch (slot) {
    case lsInitial:
        return "c:\\LOGO.SYS";
    case lsIntermediate:
        return "c:\\windows\\LOGOW.SYS";
    case lsFinal:
        return "c:\\windows\\LOGOS.SYS";
    }
    return {};
}

// The work-folder files named like the live files, in the order they are changed.
constexpr TLogoSlot WorkSysOrder[] = {lsInitial, lsFinal, lsIntermediate};

} // namespace

TLogoOperations::TLogoOperations(IPlatform& platform, IProgressDisplay& display)
    : m_platform(platform), m_display(display) {}

// Results are never read: a failed step leaves its destination as it was and
// the ramp goes on to 100 and back to 0.

void TLogoOperations::ExtractLogo(TLogoSlot slot) {
    TRampPlan plan;
    plan.after[50] = [this, slot] {
        // The source is chosen at the work point, right before its copy.
        m_platform.CopyFileA(ExtractSourcePath(m_platform, slot), WorkLogoPath(slot), false);
    };
    RunWithProgressRamp(m_display, m_platform, plan);
}

void TLogoOperations::ExtractAllLogos() {
    TRampPlan plan;
    const int workPoints[] = {25, 50, 75};
    for (std::size_t i = 0; i < std::size(AllLogoSlots); ++i) {
        const TLogoSlot slot = AllLogoSlots[i];
        plan.after[workPoints[i]] = [this, slot] {
            m_platform.CopyFileA(ExtractSourcePath(m_platform, slot), WorkLogoPath(slot), false);
        };
    }
    RunWithProgressRamp(m_display, m_platform, plan);
}

void TLogoOperations::InsertLogo(TLogoSlot slot) {
    TRampPlan plan;
    plan.after[50] = [this, slot] {
        m_platform.CopyFileA(WorkLogoPath(slot), LiveLogoPath(slot), false);
    };
    RunWithProgressRamp(m_display, m_platform, plan);
}

void TLogoOperations::InsertAllLogos() {
    TRampPlan plan;
    plan.after[50] = [this] {
        for (TLogoSlot slot : AllLogoSlots)
            m_platform.CopyFileA(WorkLogoPath(slot), LiveLogoPath(slot), false);
    };
    RunWithProgressRamp(m_display, m_platform, plan);
}

void TLogoOperations::RestoreBackupLogo(TLogoSlot slot) {
    TRampPlan plan;
    if (slot == lsInitial) {
        plan.beforePause[50] = [this] { m_platform.WinExec(DeleteStartupLogoCommand, SW_HIDE); };
        plan.pauseOf50 = StartupRestorePause;
    }
    plan.after[50] = [this, slot] {
        m_platform.CopyFileA(BackupLogoPath(slot), RestoreDestination(slot), false);
    };
    RunWithProgressRamp(m_display, m_platform, plan);
}

void TLogoOperations::RestoreWindowsInitialLogo() {
    TRampPlan plan;
    plan.after[50] = [this] { m_platform.WinExec(DeleteStartupLogoCommand, SW_HIDE); };
    RunWithProgressRamp(m_display, m_platform, plan);
}

void TLogoOperations::UnhideWorkSysFiles() {
    for (TLogoSlot slot : WorkSysOrder)
        m_platform.SetFileAttributesA(WorkSysPath(slot), 0);
}

void TLogoOperations::HideWorkSysFiles() {
    for (TLogoSlot slot : WorkSysOrder)
        m_platform.SetFileAttributesA(WorkSysPath(slot), 2);
}
