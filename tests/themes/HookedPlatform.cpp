#include "HookedPlatform.h"

HookedPlatform::HookedPlatform(IPlatform& inner) : m_inner(inner) {}

bool HookedPlatform::CopyFileA(const std::string& source, const std::string& destination,
                               bool failIfExists) {
    return m_inner.CopyFileA(source, destination, failIfExists);
}

unsigned HookedPlatform::WinExec(const std::string& commandLine, int showCommand) {
    return m_inner.WinExec(commandLine, showCommand);
}

void HookedPlatform::Sleep(unsigned ms) { m_inner.Sleep(ms); }

bool HookedPlatform::SetFileAttributesA(const std::string& path, std::uint32_t attributes) {
    return m_inner.SetFileAttributesA(path, attributes);
}

bool HookedPlatform::FileIsPresent(const std::string& path) {
    const bool present = m_inner.FileIsPresent(path);
    if (afterFileIsPresent)
        afterFileIsPresent(path);
    return present;
}

void HookedPlatform::AppendTextLine(const std::string& path, const std::string& text) {
    m_inner.AppendTextLine(path, text);
}
