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
    bool shared;                   // FaceBuffer onto an overlapping part of itself
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

// Whether rows read and rows written share bytes, for two rectangles of
// one surface `offset` bytes apart (destination minus source).
bool overlapping(ptrdiff_t offset, ptrdiff_t step, int w, int h) {
    for (ptrdiff_t k = -(h - 1); k <= h - 1; ++k) {
        const ptrdiff_t at = offset - k * step;
        if (at > -ptrdiff_t(w) * 3 && at < ptrdiff_t(w) * 3) return true;
    }
    return false;
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
           int(ch),
           false};
    out.shared = source == SurfaceId::FaceBuffer &&
                 overlapping(out.dst - out.src, out.dst_step, out.w, out.h);
    return true;
}

// A row of 3 to 32 bytes (a digit, a lamp), without a library call: two
// fixed-size copies that may overlap each other.
inline void copy_short_row(uint8_t* d, const uint8_t* s, size_t n) {
    auto pair = [&](auto word) {
        decltype(word) head, tail;
        std::memcpy(&head, s, sizeof head);
        std::memcpy(&tail, s + n - sizeof tail, sizeof tail);
        std::memcpy(d, &head, sizeof head);
        std::memcpy(d + n - sizeof tail, &tail, sizeof tail);
    };
    struct Bytes16 {
        uint64_t a, b;
    };
    if (n >= 16)
        pair(Bytes16{});
    else if (n >= 8)
        pair(uint64_t{});
    else if (n >= 4)
        pair(uint32_t{});
    else
        pair(uint16_t{});  // one pixel: 3 bytes
}

// A row of 33 to 256 bytes (a button), 16 bytes at a time and the last 16
// again; source and destination do not share memory.
inline void copy_mid_row(uint8_t* __restrict d, const uint8_t* __restrict s, size_t n) {
    struct Bytes16 {
        uint64_t a, b;
    };
    Bytes16 chunk;
    for (size_t k = 0; k + 16 <= n; k += 16) {
        std::memcpy(&chunk, s + k, 16);
        std::memcpy(d + k, &chunk, 16);
    }
    std::memcpy(&chunk, s + n - 16, 16);
    std::memcpy(d + n - 16, &chunk, 16);
}

// Per-byte masks of a row's three pixel phases: 0xFF on the first, second
// or third byte of each pixel.
constexpr int kMaxRowBytes = kSheetWidth * 3;
struct PixelPhases {
    uint8_t first[kMaxRowBytes], second[kMaxRowBytes], third[kMaxRowBytes];
};
constexpr PixelPhases make_phases() {
    PixelPhases ph{};
    for (int i = 0; i < kMaxRowBytes; ++i) {
        ph.first[i] = i % 3 == 0 ? 0xFF : 0;
        ph.second[i] = i % 3 == 1 ? 0xFF : 0;
        ph.third[i] = i % 3 == 2 ? 0xFF : 0;
    }
    return ph;
}
constexpr PixelPhases kPhases = make_phases();

// 0xFF where the byte is the key's value, else 0.
inline uint8_t is_key(uint8_t v, uint8_t key) {
    return uint8_t(-int(v == key));
}

// The byte rule of a keyed copy for the bytes [i, i + n) of a row, all
// with neighbours on both sides: a source pixel whose three bytes all equal
// `Key` is skipped. Written byte-wise so the compiler vectorises it: a
// byte's pixel starts 0, 1 or 2 bytes before it, as its phase says, so the
// key test reads the neighbours on the matching side. `i` starts a pixel.
template <uint8_t Key>
inline void key_bytes(uint8_t* __restrict d, const uint8_t* __restrict s, int i, int n) {
    const uint8_t* first = kPhases.first;
    const uint8_t* second = kPhases.second;
    const uint8_t* third = kPhases.third;
    d += i;
    s += i;
    for (int k = 0; k < n; ++k) {
        const uint8_t b2 = is_key(s[k - 2], Key), b1 = is_key(s[k - 1], Key), c = is_key(s[k], Key),
                      a1 = is_key(s[k + 1], Key), a2 = is_key(s[k + 2], Key);
        const uint8_t skip = uint8_t((first[k] & c & a1 & a2) | (second[k] & b1 & c & a1) |
                                     (third[k] & b2 & b1 & c));
        d[k] = uint8_t((d[k] & skip) | (s[k] & ~skip));
    }
}

// One keyed row. Its first and last pixels, which lack a neighbour on one
// side, go a pixel at a time; between them a row that is all key is
// skipped, one that cannot hold a key pixel (no three bytes in a row
// could make one) is copied whole, and only mixed rows go through the
// byte rule.
template <uint8_t Key>
void key_row(uint8_t* __restrict d, const uint8_t* __restrict s, int bytes) {
    auto pixel = [&](int i) {
        if (s[i] == Key && s[i + 1] == Key && s[i + 2] == Key) return;
        d[i] = s[i];
        d[i + 1] = s[i + 1];
        d[i + 2] = s[i + 2];
    };
    pixel(0);
    if (bytes <= 3) return;
    pixel(bytes - 3);
    const int inner = bytes - 6;
    if (inner <= 0) return;
    uint8_t all = 0xFF, maybe = 0;
    for (int i = 3; i < bytes - 3; ++i) {
        all &= is_key(s[i], Key);
        maybe |= is_key(
            Key ? uint8_t(s[i] & s[i + 1] & s[i + 2]) : uint8_t(s[i] | s[i + 1] | s[i + 2]), Key);
    }
    if (all) return;
    if (!maybe)
        std::memcpy(d + 3, s + 3, size_t(inner));
    else
        key_bytes<Key>(d, s, 3, inner);
}

// The same, a pixel at a time, for rows that share memory.
template <uint8_t Key>
void key_row_in_place(uint8_t* d, const uint8_t* s, int bytes) {
    for (int i = 0; i < bytes; i += 3) {
        if (s[i] == Key && s[i + 1] == Key && s[i + 2] == Key) continue;
        d[i] = s[i];
        d[i + 1] = s[i + 1];
        d[i + 2] = s[i + 2];
    }
}

template <uint8_t Key>
void key_rows(const Span& sp) {
    const int bytes = sp.w * 3;
    const bool shared = sp.shared || bytes > kMaxRowBytes;
    for (int y = 0; y < sp.h; ++y) {
        uint8_t* d = sp.dst + sp.dst_step * y;
        const uint8_t* src = sp.src + sp.src_step * y;
        if (shared)
            key_row_in_place<Key>(d, src, bytes);
        else
            key_row<Key>(d, src, bytes);
    }
}

// One row of a fade, byte by byte as fade_byte, without branches and in
// 16 bits (|bias| <= 511 keeps every sum in range), so the compiler
// vectorises it eight bytes at a time.
void fade_row(uint8_t* __restrict d, const uint8_t* __restrict s, int bytes, int bias_in) {
    const int16_t bias = int16_t(bias_in);
    for (int i = 0; i < bytes; ++i) {
        const int16_t dv = d[i], sv = s[i];
        const int16_t up_sum = int16_t(sv - dv + bias), down_sum = int16_t(dv - sv - bias);
        // Halves truncated towards zero, as integer division does.
        const int16_t up = int16_t(dv + int16_t((up_sum + int16_t(up_sum < 0)) >> 1));
        const int16_t down = int16_t(sv + int16_t((down_sum + int16_t(down_sum < 0)) >> 1));
        const int16_t hi = sv > dv ? sv : dv, lo = sv > dv ? dv : sv;
        int16_t v = sv > dv ? up : down;
        v = v < lo ? lo : v > hi ? hi : v;
        d[i] = uint8_t(v);
    }
}

}  // namespace

void blit_copy(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w, int h) {
    Span sp;
    if (!clip(s, source, dx, dy, sx, sy, w, h, sp)) return;
    const size_t bytes = size_t(sp.w) * 3;
    for (int y = 0; y < sp.h; ++y) {
        uint8_t* d = sp.dst + sp.dst_step * y;
        const uint8_t* src = sp.src + sp.src_step * y;
        if (sp.shared)
            std::memmove(d, src, bytes);
        else if (bytes <= 32)
            copy_short_row(d, src, bytes);
        else if (bytes <= 256)
            copy_mid_row(d, src, bytes);
        else
            std::memcpy(d, src, bytes);
    }
}

void blit_key_white(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w,
                    int h) {
    Span sp;
    if (clip(s, source, dx, dy, sx, sy, w, h, sp)) key_rows<0xFF>(sp);
}

void blit_key_black(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w,
                    int h) {
    Span sp;
    if (clip(s, source, dx, dy, sx, sy, w, h, sp)) key_rows<0x00>(sp);
}

void blit_fade(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w, int h,
               int bias) {
    Span sp;
    if (!clip(s, source, dx, dy, sx, sy, w, h, sp)) return;
    // Beyond +-511 every bias gives the same bytes; clamping keeps the sums small.
    bias = bias < -511 ? -511 : bias > 511 ? 511 : bias;
    for (int y = 0; y < sp.h; ++y) {
        uint8_t* d = sp.dst + sp.dst_step * y;
        const uint8_t* src = sp.src + sp.src_step * y;
        if (sp.shared) {
            for (int i = 0; i < sp.w * 3; ++i)
                d[i] = fade_byte(d[i], src[i], bias);
        } else {
            fade_row(d, src, sp.w * 3, bias);
        }
    }
}

}  // namespace rq
