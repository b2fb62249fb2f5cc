#pragma once
// The pictures built into the program: the skin sheet (129) and the text
// canvas (158) as 24-bit BMP files, the icon (128) as PNG.

#include <string_view>

namespace rq {

// The bytes of a built-in picture; empty for an unknown id.
std::string_view builtin_resource(int id);

}  // namespace rq
