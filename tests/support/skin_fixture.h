#pragma once
// Pictures made by the tests: 640 x 400 BMP files with chosen pixels.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/bmp_format.h"
#include "skin/skin_surfaces.h"

namespace rq::test {

struct Bgr {
    uint8_t b, g, r;
    bool operator==(const Bgr&) const = default;
};

// Pixel (x, y) of the image is colour(x, y).
inline std::string make_bmp(bool top_down, const std::function<Bgr(int, int)>& colour,
                            int width = kSheetWidth, int height = kSheetHeight) {
    std::vector<uint8_t> rows(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Bgr c = colour(x, y);
            uint8_t* p = rows.data() + (size_t(y) * width + x) * 3;
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    return encode_bmp24(width, height, top_down, rows);
}

inline std::string solid_bmp(Bgr c, bool top_down = false) {
    return make_bmp(top_down, [c](int, int) { return c; });
}

inline Bgr pixel(const SkinSurface& s, int x, int y) {
    const uint8_t* p = s.row(y) + x * 3;
    return {p[0], p[1], p[2]};
}

inline void set_pixel(SkinSurface& s, int x, int y, Bgr c) {
    uint8_t* p = s.row(y) + x * 3;
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
}

inline bool load(SkinSurface& s, const std::string& bmp) {
    return s.load_from_memory(reinterpret_cast<const uint8_t*>(bmp.data()), bmp.size()) == 1;
}

// A position-coded colour: every pixel of a source is told apart.
inline Bgr coded(int x, int y) {
    return {uint8_t(x), uint8_t(x >> 8 | (y & 0x3F) << 2), uint8_t(y >> 6 | 0x80)};
}

}  // namespace rq::test
