#include "resources/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

// After <cstdio>: jpeglib.h needs FILE declared.
#include <jpeglib.h>

namespace {

// libjpeg's error manager, extended by the way back out of a failed decode and a note of
// any warning (corrupt data, premature end), which makes the picture count as damaged.
struct TJpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    bool warned;
};

TJpegErrors& ErrorsOf(j_common_ptr info) {
    return *reinterpret_cast<TJpegErrors*>(info->err);
}

[[noreturn]] void ErrorExit(j_common_ptr info) {
    std::longjmp(ErrorsOf(info).escape, 1);
}

void EmitMessage(j_common_ptr info, int level) {
    if (level < 0) {
        ErrorsOf(info).warned = true;
    }
}

// Only trivially destructible objects live between setjmp and any libjpeg call that may jump
// back to it; `image` belongs to the caller.
bool DecodeInto(jpeg_decompress_struct& info, TJpegErrors& errors, const std::uint8_t* data,
                std::size_t size, TRgbImage& image) {
    if (setjmp(errors.escape) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (std::size_t{info.image_width} * info.image_height > kMaxJpegPixels) {
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t rowBytes = std::size_t{info.output_width} * 3;
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.pixels.resize(rowBytes * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return !errors.warned;
}

}  // namespace

TRgbImage DecodeJpeg(const std::uint8_t* data, std::size_t size) {
    TRgbImage image;
    jpeg_decompress_struct info{};
    TJpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = ErrorExit;
    errors.manager.emit_message = EmitMessage;
    if (!DecodeInto(info, errors, data, size, image)) {
        image = TRgbImage();
    }
    jpeg_destroy_decompress(&info);
    return image;
}
