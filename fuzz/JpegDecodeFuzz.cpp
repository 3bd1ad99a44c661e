// Feeds arbitrary bytes to the picture decoder as the information window hands it its JPEG.
// The decoder must return (an image or an empty one) without reading outside the input; a
// crash, a hang or a sanitizer report is a finding. Seed it with the shipped picture:
//   fuzz_jpeg_decode -max_total_time=60 CORPUS_DIR src/resources/pictures

#include <cstddef>
#include <cstdint>

#include "resources/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TRgbImage image = DecodeJpeg(data, size);
    if (!image.Empty() &&
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
        __builtin_trap();
    }
    return 0;
}
