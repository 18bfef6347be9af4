#pragma once

#include "TJpegHeader.h"
#include "TRgbImage.h"

#include <cstddef>
#include <cstdint>

// Decodes JPEG pictures held in memory through libjpeg's own interface.
// Every failure of libjpeg, and every warning (a truncated or damaged
// picture that libjpeg would patch up), ends the call with EJpegError;
// nothing exits the process and nothing is left allocated.
class TJpegDecoder {
public:
    // The whole picture as RGB.
    static TRgbImage Decode(const std::uint8_t* data, std::size_t size);
    // Only the headers, for checking how a picture was encoded.
    static TJpegHeader ReadHeader(const std::uint8_t* data, std::size_t size);
};
