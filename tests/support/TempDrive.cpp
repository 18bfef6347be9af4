#include "TempDrive.h"

#include <fstream>
#include <iterator>
#include <sstream>

TempDrive::TempDrive() : m_drive(std::filesystem::path(m_dir.path().toStdString())) {}

std::filesystem::path TempDrive::Host(const std::string& relative) const {
    return Root() / std::filesystem::path(relative);
}

void TempDrive::MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(Host(relative));
}

void TempDrive::WriteFile(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories(Host(relative).parent_path());
    std::ofstream out(Host(relative), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempDrive::ReadFile(const std::string& relative) const {
    std::ifstream in(Host(relative), std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool TempDrive::Exists(const std::string& relative) const {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(Host(relative), ec));
}
