#include <gtest/gtest.h>

#include <filesystem>

#include "skin/skin_setup.h"
#include "support/skin_fixture.h"
#include "support/temp_dir.h"

namespace rq::test {
namespace {

const Bgr kBackground{10, 20, 30};

struct Folder {
    Folder() { std::filesystem::create_directory(dir / "bg"); }
    void put(const std::string& name, const std::string& bytes) {
        write_bytes(dir / ("bg/" + name), bytes);
    }
    TempDir dir;
};

bool is_background(const SkinSurface& s) {
    return s.loaded() && pixel(s, 0, 0) == kBackground && pixel(s, 639, 399) == kBackground;
}

bool is_builtin_sheet(const SkinSurface& s) {
    SkinSurface builtin;
    builtin.load_from_resource(kSkinSheetResource);
    return s.loaded() && s.image_size() == builtin.image_size() &&
           std::equal(s.bitmap.begin(), s.bitmap.end(), builtin.bitmap.begin());
}

TEST(SkinSetup, ChoosesTheSheet) {
    Folder f;
    f.put("good.bmp", solid_bmp(kBackground));
    f.put("top down.bmp", solid_bmp(kBackground, true));
    f.put("small.bmp", make_bmp(
                           false, [](int, int) { return kBackground; }, 320, 200));
    f.put("garbage.bmp", "MZ this is no picture");
    std::string truncated = solid_bmp(kBackground);
    truncated.resize(truncated.size() / 2);
    f.put("truncated.bmp", truncated);
    f.put(kDefaultBackgroundName, solid_bmp(kBackground));  // even if such a file exists

    struct Case {
        std::string name;
        bool from_file;
    };
    const Case cases[] = {
        {"good.bmp", true},
        {"top down.bmp", true},
        {"small.bmp", false},
        {"garbage.bmp", false},
        {"truncated.bmp", false},
        {"missing.bmp", false},
        {"", false},
        {kDefaultBackgroundName, false},
    };
    for (const Case& c : cases) {
        SkinSurfaces skin;
        EXPECT_EQ(load_skin_sheet(skin, f.dir.path(), c.name), c.from_file) << c.name;
        if (c.from_file) {
            EXPECT_TRUE(is_background(skin.skin_sheet)) << c.name;
        } else {
            EXPECT_TRUE(is_builtin_sheet(skin.skin_sheet)) << c.name;
        }
    }
}

TEST(SkinSetup, BuildsAllThreeAndReloadsTheSheet) {
    Folder f;
    f.put("good.bmp", solid_bmp(kBackground));
    SkinSurfaces skin;
    build_skin_surfaces(skin, f.dir.path(), "good.bmp");
    EXPECT_TRUE(is_background(skin.skin_sheet));
    EXPECT_TRUE(is_builtin_sheet(skin.face_buffer));  // the face starts as the built-in sheet
    ASSERT_TRUE(skin.text_canvas.loaded());
    EXPECT_EQ(pixel(skin.text_canvas, 0, 0), (Bgr{255, 255, 255}));
    // A later change of background replaces the sheet only.
    set_pixel(skin.face_buffer, 1, 1, kBackground);
    load_skin_sheet(skin, f.dir.path(), kDefaultBackgroundName);
    EXPECT_TRUE(is_builtin_sheet(skin.skin_sheet));
    EXPECT_EQ(pixel(skin.face_buffer, 1, 1), kBackground);
    EXPECT_EQ(background_path("/opt/rq/", "x.bmp"), "/opt/rq/bg/x.bmp");
}

}  // namespace
}  // namespace rq::test
