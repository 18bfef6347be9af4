#pragma once

#include <filesystem>
#include <string>

// The drive C: that ORVANTIS uses when it is given none: a folder with a
// WINDOWS folder and three boot screens of its own drawing, in the format
// Windows 98 reads (320 x 400, 8 bits per pixel, uncompressed, 129,078 bytes).
class TSampleDrive {
public:
    enum TScreen { ssStartUp, ssWait, ssSafeToTurnOff };

    // Creates the drive at root when root does not exist yet; a drive that
    // exists is left as it is. False when it could not be made.
    static bool Ensure(const std::filesystem::path& root);

    // The bytes of one sample boot screen.
    static std::string BootScreen(TScreen screen);
};
