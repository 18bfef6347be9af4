#pragma once

#include "TLogoSlot.h"

class IPlatform;
class IProgressDisplay;

// The logo operations of the main window's pages, each run straight through.
class TLogoOperations {
public:
    TLogoOperations(IPlatform& platform, IProgressDisplay& display);

    void ExtractLogo(TLogoSlot slot);
    void ExtractAllLogos();
    void InsertLogo(TLogoSlot slot);
    void InsertAllLogos();
    void RestoreBackupLogo(TLogoSlot slot);
    void RestoreWindowsInitialLogo();
    void UnhideWorkSysFiles();
    void HideWorkSysFiles();

private:
    IPlatform& m_platform;
    IProgressDisplay& m_display;
};
