#pragma once

#include "IFileOpener.h"

// Opens files through the desktop's file associations (a file URL, never a
// command line, so no character of the name is interpreted).
class TDesktopFileOpener final : public IFileOpener {
public:
    void Open(const std::filesystem::path& hostPath) override;
};
