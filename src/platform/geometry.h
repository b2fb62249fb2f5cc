#pragma once
// Points, sizes and rectangles in pixels, shared by every subsystem.

namespace rq {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int w = 0, h = 0;
    bool operator==(const Size&) const = default;
};

// Left, top, width, height.
struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Rect&) const = default;
};

// A window coordinate 16 or less (near the left or top screen edge, or
// beyond it) reads as 0.
constexpr int snap_coordinate(int v) {
    return v <= 16 ? 0 : v;
}

}  // namespace rq
