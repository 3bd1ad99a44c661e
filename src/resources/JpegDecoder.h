#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture: rows from top to bottom, three bytes (red, green, blue) for each pixel.
struct TRgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    bool Empty() const { return pixels.empty(); }
};

// The largest picture the decoder accepts, in pixels; anything bigger is not a picture of ours.
inline constexpr std::size_t kMaxJpegPixels = std::size_t{1} << 22;

// Decodes a JPEG image held in memory through libjpeg. A damaged or truncated picture, one
// that libjpeg only warns about, and one larger than kMaxJpegPixels give an empty image.
// Nothing outside [data, data + size) is read.
TRgbImage DecodeJpeg(const std::uint8_t* data, std::size_t size);
