#pragma once
// The face's three surfaces and the four ways a sprite is put on the face.
// Every blit writes into FaceBuffer; the source is named by its index.

#include "skin/skin_surface.h"

namespace rq {

// The index a blit names its source by.
enum class SurfaceId : int {
    FaceBuffer = -1,  // the face being composed
    SkinSheet = 0,    // the sheet the sprites come from
    TextCanvas = 1,   // white canvas the text lines are rendered on
};

struct SkinSurfaces {
    SkinSurface face_buffer;
    SkinSurface skin_sheet;
    SkinSurface text_canvas;

    SkinSurface& get(SurfaceId id);
};

// Each copies a w x h rectangle from `source` at sx, sy into FaceBuffer at
// dx, dy. The rectangle is clipped to both surfaces; an empty surface or a
// rectangle wholly outside draws nothing.
void blit_copy(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w, int h);
// Skips pure white source pixels.
void blit_key_white(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w,
                    int h);
// Skips pure black source pixels.
void blit_key_black(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w,
                    int h);
// Moves every byte half the way to the source value, plus half the bias,
// never past the source value and never away from it. A negative bias
// leaves small differences alone; a positive one speeds the fade.
void blit_fade(SkinSurfaces& s, SurfaceId source, int dx, int dy, int sx, int sy, int w, int h,
               int bias);

// One byte of a fade step.
inline uint8_t fade_byte(int d, int s, int bias) {
    if (s > d) {
        int v = d + (s - d + bias) / 2;
        return uint8_t(v < d ? d : v > s ? s : v);
    }
    if (s < d) {
        int v = s + (d - s - bias) / 2;
        return uint8_t(v < s ? s : v > d ? d : v);
    }
    return uint8_t(d);
}

}  // namespace rq
