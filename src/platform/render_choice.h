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

// Whether `dev` (normally "/dev") has a graphics processor's device node
// (a DRM node, or NVIDIA's own). Without one only a software rasteriser
// can answer, and making a context to hear so costs the start-up.
bool graphics_device_present(const std::string& dev = "/dev");

// `renderer`: GL_RENDERER of a context made here, empty when none could be
// made (not asked for when software was forced, or when `device` says
// there is no graphics processor to ask).
RenderChoice choose_rendering(Rendering asked, std::string_view renderer, bool device = true);

}  // namespace rq
