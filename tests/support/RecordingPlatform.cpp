#include "RecordingPlatform.h"

RecordingPlatform::RecordingPlatform(IPlatform& inner, std::vector<std::string>& log)
    : m_inner(inner), m_log(log) {}

bool RecordingPlatform::CopyFileA(const std::string& source, const std::string& destination,
                                  bool failIfExists) {
    m_log.push_back("CopyFileA " + source + " -> " + destination +
                    (failIfExists ? " failIfExists" : ""));
    return m_inner.CopyFileA(source, destination, failIfExists);
}

unsigned RecordingPlatform::WinExec(const std::string& commandLine, int showCommand) {
    m_log.push_back("WinExec " + commandLine + " " + std::to_string(showCommand));
    return m_inner.WinExec(commandLine, showCommand);
}

void RecordingPlatform::Sleep(unsigned ms) {
    m_log.push_back("Sleep " + std::to_string(ms));
    m_inner.Sleep(ms);
}

bool RecordingPlatform::SetFileAttributesA(const std::string& path, std::uint32_t attributes) {
    m_log.push_back("SetFileAttributesA " + path + " " + std::to_string(attributes));
    return m_inner.SetFileAttributesA(path, attributes);
}

bool RecordingPlatform::FileIsPresent(const std::string& path) {
    m_log.push_back("FileIsPresent " + path);
    const bool present = m_inner.FileIsPresent(path);
    if (afterFileIsPresent)
        afterFileIsPresent(path);
    return present;
}

void RecordingPlatform::AppendTextLine(const std::string& path, const std::string& text) {
    m_log.push_back("AppendTextLine " + path + " " + text);
    m_inner.AppendTextLine(path, text);
}
