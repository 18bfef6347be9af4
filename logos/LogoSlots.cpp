#include "LogoSlots.h"

#include "IPlatform.h"

std::string WorkFolder() {
    return "c:\\orvantis";
}

std::string BackupFolder() {
    return "c:\\TOLVANEX";
}

std::string LiveLogoPath(TLogoSlot slot) {
    switch (slot) {
    case lsInitial:
        return "c:\\logo.sys";
    case lsIntermediate:
        return "c:\\windows\\logow.sys";
    case lsFinal:
        return "c:\\windows\\logos.sys";
    }
    return {};
}

std::string WorkLogoPath(TLogoSlot slot) {
    // The wait screen's copy is spelt without the accent of its interface name.
    switch (slot) {
    case lsInitial:
        return "c:\\orvantis\\LOGO_INICIAL.BMP";
    case lsIntermediate:
        return "c:\\orvantis\\LOGO_INTERMEDIARIO.BMP";
    case lsFinal:
        return "c:\\orvantis\\LOGO_FINAL.BMP";
    }
    return {};
}

std::string BackupLogoPath(TLogoSlot slot) {
    switch (slot) {
    case lsInitial:
        return "c:\\TOLVANEX\\LOGO.SYS";
    case lsIntermediate:
        return "c:\\TOLVANEX\\LOGOW.SYS";
    case lsFinal:
        return "c:\\TOLVANEX\\LOGOS.SYS";
    }
    return {};
}

std::string WorkSysPath(TLogoSlot slot) {
    switch (slot) {
    case lsInitial:
        return "C:\\orvantis\\logo.sys";
    case lsIntermediate:
        return "C:\\orvantis\\logow.sys";
    case lsFinal:
        return "C:\\orvantis\\logos.sys";
    }
    return {};
}

std::string ExtractSourcePath(IPlatform& platform, TLogoSlot slot) {
    if (slot != lsInitial)
        return LiveLogoPath(slot);
    // Without a start-up file of its own, the machine shows Windows' built-in
    // screen; the extraction then takes the wait screen in its place.
    if (platform.FileIsPresent("c:\\LOGO.SYS"))
        return "c:\\logo.sys";
    return LiveLogoPath(lsIntermediate);
}
