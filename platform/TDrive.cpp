#include "TDrive.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// The entry of folder that a DOS name stands for: the exact spelling when it
// exists, else the first case variant in byte order, else the name as written.
std::string MatchEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(folder / name, ec)))
        return name;
    std::vector<std::string> variants;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualsIgnoringAsciiCase(entry, name))
            variants.push_back(std::move(entry));
    }
    if (variants.empty())
        return name;
    return *std::min_element(variants.begin(), variants.end());
}

} // namespace

TDrive::TDrive(fs::path root) : m_root(std::move(root)) {}

std::optional<fs::path> TDrive::Resolve(std::string_view dosPath) const {
    if (dosPath.size() < 3 || (dosPath[0] != 'c' && dosPath[0] != 'C') || dosPath[1] != ':' ||
        dosPath[2] != '\\')
        return std::nullopt;
    std::string_view rest = dosPath.substr(3);
    std::vector<std::string> components;
    while (!rest.empty()) {
        const std::size_t cut = rest.find('\\');
        std::string_view part = rest.substr(0, cut);
        // A trailing backslash names the folder itself ("C:\orvantis\").
        if (part.empty() && cut == std::string_view::npos)
            break;
        if (part.empty() || part == "." || part == ".." ||
            part.find('/') != std::string_view::npos || part.find('\0') != std::string_view::npos)
            return std::nullopt;
        components.emplace_back(part);
        if (cut == std::string_view::npos)
            break;
        rest = rest.substr(cut + 1);
    }
    fs::path host = m_root;
    for (const std::string& component : components)
        host /= MatchEntry(host, component);
    return host;
}
