#include "TSampleDrive.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 400;
// Windows 98 cycles the start-up screen's palette from this entry to the last.
constexpr int kCycleFirst = 236;

struct Rgb {
    std::uint8_t r, g, b;
};

class Canvas {
public:
    Canvas() : m_pixels(std::size_t(kWidth) * kHeight, 0) {}
    void Fill(int x0, int y0, int x1, int y1, std::uint8_t index) {
        for (int y = std::max(0, y0); y < std::min(kHeight, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(kWidth, x1); ++x)
                m_pixels[std::size_t(y) * kWidth + x] = index;
    }
    std::uint8_t At(int x, int y) const { return m_pixels[std::size_t(y) * kWidth + x]; }

    // Block capitals of a 5 x 7 font, scale pixels a dot, centred on cx.
    void Text(const char* text, int cx, int top, int scale, std::uint8_t index) {
        int count = 0;
        for (const char* c = text; *c; ++c)
            ++count;
        const int advance = 6 * scale;
        int x = cx - (count * advance - scale) / 2;
        for (const char* c = text; *c; ++c, x += advance) {
            const auto& glyph = Glyph(*c);
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (glyph[row] & (0x10 >> col))
                        Fill(x + col * scale, top + row * scale, x + (col + 1) * scale,
                             top + (row + 1) * scale, index);
        }
    }

private:
    static const std::array<std::uint8_t, 7>& Glyph(char c) {
        static const std::array<std::uint8_t, 7> kBlank{};
        static const struct {
            char c;
            std::array<std::uint8_t, 7> rows;
        } kFont[] = {
            {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
            {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
            {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
            {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}},
            {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
            {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
            {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}},
            {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
            {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
            {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
            {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
            {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
            {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
            {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
        };
        for (const auto& g : kFont)
            if (g.c == c)
                return g.rows;
        return kBlank;
    }

    std::vector<std::uint8_t> m_pixels;
};

void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((value >> (8 * i)) & 0xFF));
}

std::string EncodeBmp(const Canvas& canvas, const std::array<Rgb, 256>& palette,
                      std::uint32_t importantColours) {
    constexpr std::uint32_t kOffset = 14 + 40 + 256 * 4;
    constexpr std::uint32_t kImage = std::uint32_t(kWidth) * kHeight;
    std::string out;
    out.reserve(kOffset + kImage);
    out += "BM";
    PutLE(out, kOffset + kImage, 4);
    PutLE(out, 0, 4);
    PutLE(out, kOffset, 4);
    PutLE(out, 40, 4);
    PutLE(out, kWidth, 4);
    PutLE(out, kHeight, 4);
    PutLE(out, 1, 2);
    PutLE(out, 8, 2);
    PutLE(out, 0, 4); // uncompressed
    PutLE(out, kImage, 4);
    PutLE(out, 2835, 4);
    PutLE(out, 2835, 4);
    PutLE(out, 256, 4);
    PutLE(out, importantColours, 4); // byte offset 0x32
    for (const Rgb& c : palette) {
        out.push_back(char(c.b));
        out.push_back(char(c.g));
        out.push_back(char(c.r));
        out.push_back(0);
    }
    for (int y = kHeight - 1; y >= 0; --y) // bottom-up rows
        for (int x = 0; x < kWidth; ++x)
            out.push_back(char(canvas.At(x, y)));
    return out;
}

enum Ink : std::uint8_t { kBlack, kWhite, kSky, kCloud, kRed, kGreen, kBlue, kYellow, kOrange, kNavy };

std::array<Rgb, 256> BasePalette() {
    std::array<Rgb, 256> p{};
    p[kBlack] = {0, 0, 0};
    p[kWhite] = {255, 255, 255};
    p[kSky] = {96, 152, 224};
    p[kCloud] = {232, 240, 252};
    p[kRed] = {232, 56, 32};
    p[kGreen] = {64, 176, 48};
    p[kBlue] = {40, 96, 216};
    p[kYellow] = {248, 200, 24};
    p[kOrange] = {248, 140, 16};
    p[kNavy] = {16, 24, 112};
    return p;
}

void DrawSky(Canvas& c) {
    c.Fill(0, 0, kWidth, kHeight, kSky);
    const int clouds[][4] = {{20, 40, 110, 64}, {190, 70, 300, 96}, {40, 300, 150, 322},
                             {210, 330, 310, 350}, {120, 20, 200, 36}};
    for (const auto& r : clouds)
        c.Fill(r[0], r[1], r[2], r[3], kCloud);
    // A four-coloured flag with its trail of squares.
    c.Fill(150, 120, 180, 150, kRed);
    c.Fill(184, 120, 214, 150, kGreen);
    c.Fill(150, 154, 180, 184, kBlue);
    c.Fill(184, 154, 214, 184, kYellow);
    for (int i = 0; i < 5; ++i) {
        const int x = 140 - i * 14;
        c.Fill(x, 130 + i * 4, x + 8, 138 + i * 4, std::uint8_t(kRed + (i % 4)));
    }
    c.Text("ORVANTIS", kWidth / 2, 210, 4, kBlack);
}

} // namespace

std::string TSampleDrive::BootScreen(TScreen screen) {
    Canvas canvas;
    std::array<Rgb, 256> palette = BasePalette();
    std::uint32_t important = 0;
    switch (screen) {
    case ssStartUp:
        DrawSky(canvas);
        // A band in the cycled entries, so the ramp moves while Windows starts.
        for (int i = kCycleFirst; i < 256; ++i) {
            const int step = i - kCycleFirst;
            const int t = step < 10 ? step : 19 - step;
            palette[std::size_t(i)] = {std::uint8_t(20 + t * 20), std::uint8_t(40 + t * 18),
                                       std::uint8_t(160 + t * 9)};
            canvas.Fill(step * 16, 380, step * 16 + 16, 400, std::uint8_t(i));
        }
        important = kCycleFirst;
        break;
    case ssWait:
        DrawSky(canvas);
        canvas.Text("AGUARDE", kWidth / 2, 360, 2, kNavy);
        break;
    case ssSafeToTurnOff:
        canvas.Fill(0, 0, kWidth, kHeight, kBlack);
        canvas.Text("PODE", kWidth / 2, 170, 3, kOrange);
        canvas.Text("DESLIGAR", kWidth / 2, 205, 3, kOrange);
        break;
    }
    return EncodeBmp(canvas, palette, important);
}

bool TSampleDrive::Ensure(const fs::path& given) {
    // "drive_c/" names the same folder as "drive_c"; the staging name needs the last component.
    const fs::path root = given.has_filename() ? given : given.parent_path();
    std::error_code ec;
    if (fs::exists(fs::symlink_status(root, ec)))
        return fs::is_directory(root, ec);
    // Built beside its final place and moved in whole, so a half-made drive never stands.
    const fs::path staging = root.parent_path() / (root.filename().string() + ".new");
    fs::remove_all(staging, ec);
    if (!fs::create_directories(staging / "WINDOWS", ec))
        return false;
    const struct {
        const char* name;
        TScreen screen;
    } files[] = {{"LOGO.SYS", ssStartUp},
                 {"WINDOWS/LOGOW.SYS", ssWait},
                 {"WINDOWS/LOGOS.SYS", ssSafeToTurnOff}};
    for (const auto& f : files) {
        std::ofstream out(staging / f.name, std::ios::binary | std::ios::trunc);
        out << BootScreen(f.screen);
        out.close();
        if (!out) {
            fs::remove_all(staging, ec);
            return false;
        }
    }
    fs::rename(staging, root, ec);
    if (ec) {
        fs::remove_all(staging, ec);
        return false;
    }
    return true;
}
