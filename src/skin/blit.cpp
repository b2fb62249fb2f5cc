#include <cstring>

#include "skin/skin_surfaces.h"

namespace rq {

SkinSurface& SkinSurfaces::get(SurfaceId id) {
    switch (id) {
        case SurfaceId::FaceBuffer:
            return face_buffer;
        case SurfaceId::SkinSheet:
            return skin_sheet;
        case SurfaceId::TextCanvas:
            break;
    }
    return text_canvas;
}

namespace {

struct Span {
    uint8_t* dst;
    const uint8_t* src;
    ptrdiff_t dst_step, src_step;  // bytes from one row to the next
    int w, h;                      // pixels, both above 0
};

// Clips one edge pair: a start before 0 on either side moves both starts
// and shortens the run; a run past either end is shortened.
void clip_axis(int64_t& d, int64_t& s, int64_t& len, int64_t d_size, int64_t s_size) {
    if (d < 0) {
        s -= d;
        len += d;
        d = 0;
    }
    if (s < 0) {
        d -= s;
        len += s;
        s = 0;
    }
    if (len > d_size - d) len = d_size - d;
    if (len > s_size - s) len = s_size - s;
}

// The rows to work on, or false when nothing is left to draw.
bool clip(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w, int h,
          Span& out) {
    SkinSurface& dst = s.face_buffer;
    const SkinSurface& src = s.get(source);
    if (!dst.loaded() || !src.loaded()) return false;
    // 64 bits: no start or size a caller passes can overflow here.
    int64_t x = dx, y = dy, u = sx, v = sy, cw = w, ch = h;
    clip_axis(x, u, cw, dst.width(), src.width());
    clip_axis(y, v, ch, dst.height(), src.height());
    if (cw <= 0 || ch <= 0) return false;
    out = {dst.row(int(y)) + x * 3,
           src.row(int(v)) + u * 3,
           dst.row_step(),
           src.row_step(),
           int(cw),
           int(ch)};
    return true;
}

template <typename PixelOp>
void for_each_pixel(const Span& sp, PixelOp op) {
    for (int y = 0; y < sp.h; ++y) {
        uint8_t* d = sp.dst + sp.dst_step * y;
        const uint8_t* src = sp.src + sp.src_step * y;
        for (int x = 0; x < sp.w; ++x, d += 3, src += 3)
            op(d, src);
    }
}

}  // namespace

void blit_copy(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w, int h) {
    Span sp;
    if (!clip(s, source, dx, dy, sx, sy, w, h, sp)) return;
    // memmove: the face buffer also copies within itself.
    for (int y = 0; y < sp.h; ++y)
        std::memmove(sp.dst + sp.dst_step * y, sp.src + sp.src_step * y, size_t(sp.w) * 3);
}

void blit_key_white(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w,
                    int h) {
    Span sp;
    if (!clip(s, source, dx, dy, sx, sy, w, h, sp)) return;
    for_each_pixel(sp, [](uint8_t* d, const uint8_t* src) {
        if ((src[0] & src[1] & src[2]) == 0xFF) return;
        d[0] = src[0];
        d[1] = src[1];
        d[2] = src[2];
    });
}

void blit_key_black(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w,
                    int h) {
    Span sp;
    if (!clip(s, source, dx, dy, sx, sy, w, h, sp)) return;
    for_each_pixel(sp, [](uint8_t* d, const uint8_t* src) {
        if ((src[0] | src[1] | src[2]) == 0) return;
        d[0] = src[0];
        d[1] = src[1];
        d[2] = src[2];
    });
}

void blit_fade(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w, int h,
               int bias) {
    Span sp;
    if (!clip(s, source, dx, dy, sx, sy, w, h, sp)) return;
    // Beyond +-511 every bias gives the same bytes; clamping keeps the sums small.
    bias = bias < -511 ? -511 : bias > 511 ? 511 : bias;
    for_each_pixel(sp, [bias](uint8_t* d, const uint8_t* src) {
        for (int i = 0; i < 3; ++i)
            d[i] = fade_byte(d[i], src[i], bias);
    });
}

}  // namespace rq
