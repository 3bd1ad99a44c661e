#include "resources/JpegDecoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "support/RowName.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ShippedPicture() {
    std::ifstream file(LUMBRAFIX_PICTURE, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TRgbImage Decode(const Bytes& bytes) {
    return DecodeJpeg(bytes.data(), bytes.size());
}

struct Pixel {
    int x, y;
    std::uint8_t r, g, b;
};

}  // namespace

TEST(JpegDecoder, ShippedPictureHasItsSizeAndArtwork) {
    const TRgbImage image = Decode(ShippedPicture());
    ASSERT_EQ(image.width, 369);
    ASSERT_EQ(image.height, 270);
    ASSERT_EQ(image.pixels.size(), 369u * 270u * 3u);
    const Pixel expected[] = {
        {0, 0, 13, 36, 67},        // dark blue at the top
        {368, 269, 23, 111, 131},  // teal at the bottom
        {52, 45, 255, 255, 255},   // inside the "L" of the name
        {180, 190, 204, 51, 46},   // the red band of the front file
    };
    for (const Pixel& pixel : expected) {
        const std::uint8_t* rgb = &image.pixels[(pixel.y * 369 + pixel.x) * 3];
        EXPECT_NEAR(rgb[0], pixel.r, 6) << pixel.x << "," << pixel.y;
        EXPECT_NEAR(rgb[1], pixel.g, 6) << pixel.x << "," << pixel.y;
        EXPECT_NEAR(rgb[2], pixel.b, 6) << pixel.x << "," << pixel.y;
    }
}

struct Damage {
    std::string name;
    std::function<Bytes(Bytes)> apply;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

class DamagedPicture : public testing::TestWithParam<Damage> {};

// Each damaged copy sits in a buffer of exactly its size, so a read past it is an
// AddressSanitizer report.
TEST_P(DamagedPicture, GivesAnEmptyImage) {
    const Bytes damaged = GetParam().apply(ShippedPicture());
    const TRgbImage image = Decode(damaged);
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
}

namespace {

Bytes Cut(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes Half(Bytes bytes) {
    bytes.resize(bytes.size() / 2);
    return bytes;
}

Bytes WithoutLast(Bytes bytes, std::size_t dropped) {
    bytes.resize(bytes.size() - dropped);
    return bytes;
}

// Overwrites the frame header's height and width (behind the SOF0 marker FF C0).
Bytes WithFrameSize(Bytes bytes, std::uint16_t width, std::uint16_t height) {
    for (std::size_t i = 0; i + 9 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = height >> 8;
            bytes[i + 6] = height & 0xFF;
            bytes[i + 7] = width >> 8;
            bytes[i + 8] = width & 0xFF;
            break;
        }
    }
    return bytes;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    JpegDecoder, DamagedPicture,
    testing::Values(
        Damage{"NoBytes", [](Bytes) { return Bytes(); }},
        Damage{"StartMarkerOnly", [](Bytes b) { return Cut(std::move(b), 2); }},
        Damage{"HeadersOnly", [](Bytes b) { return Cut(std::move(b), 600); }},
        Damage{"CutInTheMiddle", [](Bytes b) { return Half(std::move(b)); }},
        Damage{"EndMarkerMissing", [](Bytes b) { return WithoutLast(std::move(b), 2); }},
        Damage{"NotAJpeg",
               [](Bytes) { return Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}; }},
        Damage{"ZeroWidth", [](Bytes b) { return WithFrameSize(std::move(b), 0, 270); }},
        Damage{"BeyondThePixelLimit",
               [](Bytes b) { return WithFrameSize(std::move(b), 4096, 4096); }}),
    RowName());
