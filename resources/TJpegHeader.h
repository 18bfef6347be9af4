#pragma once

// What the frame and marker headers of a JPEG picture say about it.
struct TJpegHeader {
    int m_width = 0;
    int m_height = 0;
    int m_components = 0;
    bool m_progressive = false;
    bool m_arithmetic = false;
    bool m_jfif = false;
    // Sampling factors of the first three components (0 where absent).
    int m_hSampling[3] = {0, 0, 0};
    int m_vSampling[3] = {0, 0, 0};
};
