#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture: rows top to bottom, three bytes R, G, B per pixel, no padding.
struct TRgbImage {
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_pixels;

    std::size_t RowBytes() const { return std::size_t(m_width) * 3; }
};
