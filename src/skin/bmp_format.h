#pragma once
// The 24-bit uncompressed BMP layout: what the surfaces read, what the art
// generator writes and what the tests forge. Header-only so that the
// generator, which must not link the player, can share it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rq {

inline constexpr int kBmpFileHeaderSize = 14;
inline constexpr int kBmpInfoHeaderSize = 40;
inline constexpr uint16_t kBmpMagic = 0x4D42;  // "BM"

// The 40-byte info header, fields in file order.
struct BmpInfoHeader {
    uint32_t size = kBmpInfoHeaderSize;
    int32_t width = 0;
    int32_t height = 0;  // > 0: bottom-up rows; <= 0: top-down
    uint16_t planes = 1;
    uint16_t bit_count = 24;
    uint32_t compression = 0;  // 0: uncompressed
    uint32_t image_size = 0;   // bytes of pixel data; 0 is allowed for uncompressed
    int32_t x_pixels_per_meter = 2835;
    int32_t y_pixels_per_meter = 2835;
    uint32_t colors_used = 0;
    uint32_t colors_important = 0;
};

inline uint32_t bmp_le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint16_t bmp_le16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}

inline BmpInfoHeader decode_bmp_info(const uint8_t* p) {
    BmpInfoHeader h;
    h.size = bmp_le32(p);
    h.width = int32_t(bmp_le32(p + 4));
    h.height = int32_t(bmp_le32(p + 8));
    h.planes = bmp_le16(p + 12);
    h.bit_count = bmp_le16(p + 14);
    h.compression = bmp_le32(p + 16);
    h.image_size = bmp_le32(p + 20);
    h.x_pixels_per_meter = int32_t(bmp_le32(p + 24));
    h.y_pixels_per_meter = int32_t(bmp_le32(p + 28));
    h.colors_used = bmp_le32(p + 32);
    h.colors_important = bmp_le32(p + 36);
    return h;
}

// Bytes per stored row of a 24-bit image: padded to a multiple of 4.
inline size_t bmp_row_bytes(int width) {
    return (size_t(width) * 3 + 3) & ~size_t(3);
}

// A complete 24-bit file. `top_first` holds width * 3 bytes (B, G, R) per
// image row, top row first; the file stores them bottom-up unless
// `top_down` is set.
inline std::string encode_bmp24(int width, int height, bool top_down,
                                const std::vector<uint8_t>& top_first) {
    const size_t row = bmp_row_bytes(width);
    const size_t data = row * size_t(height);
    const size_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    std::string out(offset + data, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&](size_t at, uint16_t v) {
        out[at] = char(v & 0xFF);
        out[at + 1] = char(v >> 8);
    };
    put16(0, kBmpMagic);
    put32(2, uint32_t(out.size()));
    put32(10, uint32_t(offset));
    put32(14, kBmpInfoHeaderSize);
    put32(18, uint32_t(width));
    put32(22, uint32_t(top_down ? -height : height));
    put16(26, 1);
    put16(28, 24);
    put32(34, uint32_t(data));
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < height; ++y) {
        const int stored = top_down ? y : height - 1 - y;
        const uint8_t* src = top_first.data() + size_t(y) * width * 3;
        std::copy(src, src + size_t(width) * 3, out.begin() + long(offset + stored * row));
    }
    return out;
}

}  // namespace rq
