#include "skin/blit_list.h"

#include <algorithm>

namespace rq {

void run_blit(SkinSurfaces& s, const BlitOp& op) {
    switch (op.kind) {
        case BlitKind::Copy:
            blit_copy(s, op.source, op.dx, op.dy, op.sx, op.sy, op.w, op.h);
            break;
        case BlitKind::KeyWhite:
            blit_key_white(s, op.source, op.dx, op.dy, op.sx, op.sy, op.w, op.h);
            break;
        case BlitKind::KeyBlack:
            blit_key_black(s, op.source, op.dx, op.dy, op.sx, op.sy, op.w, op.h);
            break;
        case BlitKind::Fade:
            blit_fade(s, op.source, op.dx, op.dy, op.sx, op.sy, op.w, op.h, op.bias);
            break;
    }
}

void BlitList::read_canvas(const SkinSurface& canvas, std::vector<uint8_t>& out) const {
    out.clear();
    if (!canvas.loaded()) return;
    for (const BlitOp& op : ops_) {
        if (op.source != SurfaceId::TextCanvas) continue;
        // The part of the rectangle that lies on the canvas; a blit reads
        // no more than that.
        const int x0 = std::clamp(op.sx, 0, canvas.width());
        const int x1 = std::clamp(op.sx + std::max(op.w, 0), 0, canvas.width());
        const int y0 = std::clamp(op.sy, 0, canvas.height());
        const int y1 = std::clamp(op.sy + std::max(op.h, 0), 0, canvas.height());
        if (x1 <= x0) continue;
        for (int y = y0; y < y1; ++y) {
            const uint8_t* row = canvas.row(y);
            out.insert(out.end(), row + x0 * 3, row + x1 * 3);
        }
    }
}

bool BlitList::run(SkinSurfaces& s) {
    read_canvas(s.text_canvas, read_);
    const bool same = ops_ == ran_ && read_ == ran_read_ && sheet_loads_ == s.skin_sheet.loads &&
                      face_loads_ == s.face_buffer.loads && canvas_loads_ == s.text_canvas.loads;
    if (same) return false;
    for (const BlitOp& op : ops_)
        run_blit(s, op);
    ran_.swap(ops_);
    ran_read_.swap(read_);
    sheet_loads_ = s.skin_sheet.loads;
    face_loads_ = s.face_buffer.loads;
    canvas_loads_ = s.text_canvas.loads;
    return true;
}

}  // namespace rq
