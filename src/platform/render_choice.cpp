#include "platform/render_choice.h"

#include <filesystem>

namespace rq {

Rendering rendering_asked(const char* env) {
    const std::string_view render = env ? env : "";
    if (render == "software") return Rendering::Software;
    if (render == "opengl") return Rendering::OpenGL;
    return Rendering::Auto;
}

bool software_rasteriser(std::string_view renderer) {
    for (std::string_view name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (renderer.find(name) != std::string_view::npos) return true;
    return false;
}

bool graphics_device_present(const std::string& dev) {
    std::error_code error;
    return std::filesystem::exists(dev + "/dri", error) ||
           std::filesystem::exists(dev + "/nvidia0", error);
}

RenderChoice choose_rendering(Rendering asked, std::string_view renderer, bool device) {
    const std::string name(renderer);
    if (asked == Rendering::Software) return {false, "drawing the picture in software (asked for)"};
    if (asked == Rendering::Auto && !device)
        return {false, "drawing the picture in software (no graphics processor here)"};
    if (renderer.empty()) return {false, "drawing the picture in software (no OpenGL here)"};
    if (asked == Rendering::OpenGL)
        return {true, "drawing the picture with OpenGL on " + name + " (asked for)"};
    if (software_rasteriser(renderer))
        return {false, "drawing the picture in software (OpenGL here is " + name +
                           ", a software rasteriser)"};
    return {true, "drawing the picture with OpenGL on " + name};
}

}  // namespace rq
