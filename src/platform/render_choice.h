#pragma once
// How the picture is drawn, decided once at start-up: OpenGL where a
// graphics processor draws it, software where only a software rasteriser
// would (it costs more than libmpv's software renderer), unless
// RQ810Z_RENDER forces one.

#include <string>
#include <string_view>

namespace rq {

enum class Rendering { Software, Auto, OpenGL };

// The value of RQ810Z_RENDER (null when unset): "software" and "opengl"
// force one; anything else lets the player choose.
Rendering rendering_asked(const char* env);

// Whether an OpenGL renderer name (GL_RENDERER) is a software rasteriser.
bool software_rasteriser(std::string_view renderer);

struct RenderChoice {
    bool opengl = false;
    std::string why;  // one line for stderr, without the program's name
};

// `renderer`: GL_RENDERER of a context made here, empty when none could be
// made (not asked for when software was forced).
RenderChoice choose_rendering(Rendering asked, std::string_view renderer);

}  // namespace rq
