#pragma once

// The three boot screens of Windows 98, in this order.
enum TLogoSlot {
    lsInitial,      // start-up screen, "c:\logo.sys"
    lsIntermediate, // shut-down wait screen, "c:\windows\logow.sys"
    lsFinal,        // safe-to-turn-off screen, "c:\windows\logos.sys"
};

inline constexpr TLogoSlot AllLogoSlots[] = {lsInitial, lsIntermediate, lsFinal};
