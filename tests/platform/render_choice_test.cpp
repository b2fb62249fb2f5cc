#include "platform/render_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace rq {
namespace {

TEST(RenderChoice, SoftwareRasterisersDrawInSoftwareGraphicsProcessorsWithOpenGl) {
    // GL_RENDERER strings as Mesa and the vendors' drivers give them.
    for (const char* soft : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Mesa X11 swrast",
                             "Software Rasterizer"}) {
        const RenderChoice c = choose_rendering(Rendering::Auto, soft);
        EXPECT_FALSE(c.opengl) << soft;
        EXPECT_EQ(c.why, std::string("drawing the picture in software (OpenGL here is ") + soft +
                             ", a software rasteriser)");
    }
    for (const char* hard :
         {"AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)",
          "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2"}) {
        const RenderChoice c = choose_rendering(Rendering::Auto, hard);
        EXPECT_TRUE(c.opengl) << hard;
        EXPECT_EQ(c.why, std::string("drawing the picture with OpenGL on ") + hard);
    }
    EXPECT_FALSE(choose_rendering(Rendering::Auto, "").opengl);
}

TEST(RenderChoice, WithoutAGraphicsDeviceNoContextIsAskedFor) {
    test::TempDir dev;
    EXPECT_FALSE(graphics_device_present(dev.path()));
    std::filesystem::create_directory(dev / "dri");
    EXPECT_TRUE(graphics_device_present(dev.path()));
    const RenderChoice none = choose_rendering(Rendering::Auto, "", false);
    EXPECT_FALSE(none.opengl);
    EXPECT_EQ(none.why, "drawing the picture in software (no graphics processor here)");
    // Forced, OpenGL is tried whatever the device nodes say.
    EXPECT_TRUE(choose_rendering(Rendering::OpenGL, "llvmpipe", false).opengl);
}

TEST(RenderChoice, TheEnvironmentWins) {
    EXPECT_EQ(rendering_asked(nullptr), Rendering::Auto);
    EXPECT_EQ(rendering_asked(""), Rendering::Auto);
    EXPECT_EQ(rendering_asked("auto"), Rendering::Auto);
    EXPECT_EQ(rendering_asked("OpenGL"), Rendering::Auto);  // only the exact words force
    EXPECT_EQ(rendering_asked("software"), Rendering::Software);
    EXPECT_EQ(rendering_asked("opengl"), Rendering::OpenGL);

    const RenderChoice forced = choose_rendering(Rendering::OpenGL, "llvmpipe (LLVM 15.0.6)");
    EXPECT_TRUE(forced.opengl);
    EXPECT_EQ(forced.why, "drawing the picture with OpenGL on llvmpipe (LLVM 15.0.6) (asked for)");
    const RenderChoice soft = choose_rendering(Rendering::Software, "AMD Radeon RX 6600");
    EXPECT_FALSE(soft.opengl);
    EXPECT_EQ(soft.why, "drawing the picture in software (asked for)");
    // Forced, but no context could be made.
    EXPECT_FALSE(choose_rendering(Rendering::OpenGL, "").opengl);
}

}  // namespace
}  // namespace rq
