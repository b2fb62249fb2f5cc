#pragma once
// How the face meets a scaled screen. Its pixels stay sharp: each skin
// pixel becomes a k x k block of device pixels, k the screen's scale
// rounded down (at least 1). At a fractional scale the window is larger than
// k times the face, which is then centred in it on whole device pixels.

#include <algorithm>
#include <cmath>

#include "platform/geometry.h"

namespace rq {

struct FaceScale {
    int k = 1;         // device pixels a face pixel
    Point offset;      // device pixels from the window's corner to the face's
    double ratio = 1;  // device pixels a logical pixel

    // A face point (k x k device pixels) from a logical point of the window.
    // The device pixel first: a logical position times a fractional ratio
    // lands a hair off the whole pixel it came from.
    Point face_point(double x, double y) const {
        const double dx = std::round(x * ratio) - offset.x, dy = std::round(y * ratio) - offset.y;
        return {static_cast<int>(std::floor(dx / k)), static_cast<int>(std::floor(dy / k))};
    }
    // A face rectangle in device pixels of the window.
    Rect device_rect(const Rect& r) const {
        return {offset.x + r.x * k, offset.y + r.y * k, r.w * k, r.h * k};
    }
    bool whole() const { return k == ratio; }
};

// `logical`: the window's size in logical pixels, the face's own size.
inline FaceScale face_scale(Size logical, double ratio) {
    FaceScale s;
    s.ratio = ratio > 0 ? ratio : 1;
    s.k = std::max(1, static_cast<int>(std::floor(s.ratio + 1e-9)));
    // Qt rounds a window's native size to whole pixels.
    const int device_w = static_cast<int>(std::lround(logical.w * s.ratio));
    const int device_h = static_cast<int>(std::lround(logical.h * s.ratio));
    s.offset = {std::max(0, (device_w - logical.w * s.k) / 2),
                std::max(0, (device_h - logical.h * s.k) / 2)};
    return s;
}

}  // namespace rq
