#pragma once

#include "TLogoSlot.h"

#include <string>

class IPlatform;

// Fixed paths of the program's folders and of each slot's files, as DOS paths on drive C:.
std::string WorkFolder();   // "c:\orvantis"
std::string BackupFolder(); // "c:\TOLVANEX"
std::string LiveLogoPath(TLogoSlot slot);
std::string WorkLogoPath(TLogoSlot slot);
std::string BackupLogoPath(TLogoSlot slot);
std::string WorkSysPath(TLogoSlot slot);
// The file an extraction of the slot copies from; for the start-up screen it
// asks whether "c:\LOGO.SYS" exists, anew at every call.
std::string ExtractSourcePath(IPlatform& platform, TLogoSlot slot);
