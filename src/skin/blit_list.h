#pragma once
// The blits of one face pass, recorded in order and then run together.
// When they are the blits of the last run and what they read has not
// changed (the surfaces were not loaded again, the text canvas pixels they
// read are the same), FaceBuffer already holds their result and nothing
// runs: an idle face costs no pixel work.

#include <cstdint>
#include <vector>

#include "skin/skin_surfaces.h"

namespace rq {

enum class BlitKind { Copy, KeyWhite, KeyBlack, Fade };

struct BlitOp {
    BlitKind kind;
    SurfaceId source;
    int dx, dy, sx, sy, w, h;
    int bias;  // Fade only
    bool operator==(const BlitOp&) const = default;
};

class BlitList {
  public:
    // Starts recording a pass.
    void begin() { ops_.clear(); }
    void copy(SurfaceId source, int dx, int dy, int sx, int sy, int w, int h) {
        ops_.push_back({BlitKind::Copy, source, dx, dy, sx, sy, w, h, 0});
    }
    void key_white(SurfaceId source, int dx, int dy, int sx, int sy, int w, int h) {
        ops_.push_back({BlitKind::KeyWhite, source, dx, dy, sx, sy, w, h, 0});
    }
    void key_black(SurfaceId source, int dx, int dy, int sx, int sy, int w, int h) {
        ops_.push_back({BlitKind::KeyBlack, source, dx, dy, sx, sy, w, h, 0});
    }
    void fade(SurfaceId source, int dx, int dy, int sx, int sy, int w, int h, int bias) {
        ops_.push_back({BlitKind::Fade, source, dx, dy, sx, sy, w, h, bias});
    }

    // Runs the recorded blits into FaceBuffer, unless FaceBuffer already
    // holds their result; true when they ran.
    bool run(SkinSurfaces& s);
    // The next run runs whatever it holds.
    void forget() { ran_.clear(); }

  private:
    // The text canvas pixels the recorded blits read, in their order.
    void read_canvas(const SkinSurface& canvas, std::vector<uint8_t>& out) const;

    std::vector<BlitOp> ops_, ran_;
    std::vector<uint8_t> read_, ran_read_;
    int sheet_loads_ = -1, face_loads_ = -1, canvas_loads_ = -1;
};

// Runs one blit.
void run_blit(SkinSurfaces& s, const BlitOp& op);

}  // namespace rq
