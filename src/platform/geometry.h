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

}  // namespace rq
