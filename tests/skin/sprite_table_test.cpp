#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/face_layout.h"
#include "skin/sprite_table.h"
#include "support/skin_fixture.h"

namespace rq::test {
namespace {

bool inside_sheet(SpriteRect r) {
    return r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0 && r.x + r.w <= kSheetWidth &&
           r.y + r.h <= kSheetHeight;
}

// Blank: a single colour throughout.
bool blank(const SkinSurface& s, SpriteRect r) {
    std::set<uint32_t> colours;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            Bgr c = pixel(s, x, y);
            colours.insert(uint32_t(c.b) | uint32_t(c.g) << 8 | uint32_t(c.r) << 16);
            if (colours.size() > 1) return false;
        }
    return true;
}

bool contains(SpriteRect outer, SpriteRect r) {
    return r.x >= outer.x && r.y >= outer.y && r.x + r.w <= outer.x + outer.w &&
           r.y + r.h <= outer.y + outer.h;
}

class BuiltInSheet : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(sheet.load_from_resource(kSkinSheetResource), 1); }
    SkinSurface sheet;
};

TEST_F(BuiltInSheet, EverySpriteHasArtInsideTheSheet) {
    for (const Sprite& s : kSprites) {
        for (int i = 0; i < s.cells; ++i) {
            SpriteRect r = s.cells > 1 ? cell(s.id, i) : s.rect;
            ASSERT_TRUE(inside_sheet(r)) << s.name << " cell " << i;
            EXPECT_FALSE(blank(sheet, r)) << s.name << " cell " << i;
            if (s.look == Look::Twin) {
                ASSERT_TRUE(inside_sheet(lit(r))) << s.name;
                EXPECT_FALSE(blank(sheet, lit(r))) << s.name << " lit";
            }
        }
    }
}

TEST_F(BuiltInSheet, LitLooksDifferFromNormalOnes) {
    auto same = [&](SpriteRect a, SpriteRect b) {
        for (int y = 0; y < a.h; ++y)
            for (int x = 0; x < a.w; ++x)
                if (!(pixel(sheet, a.x + x, a.y + y) == pixel(sheet, b.x + x, b.y + y)))
                    return false;
        return true;
    };
    for (const Sprite& s : kSprites)
        if (s.look == Look::Twin) {
            EXPECT_FALSE(same(s.rect, lit(s.rect))) << s.name;
        }
    // Every look kept beside the faces shows something else than the face
    // where it goes.
    for (const Sprite& s : kSprites)
        if (s.at != kOwnPlace && s.id != SpriteId::Badge) {
            EXPECT_FALSE(same(face_rect(s.id), s.rect)) << s.name;
        }
}

TEST_F(BuiltInSheet, FaceElementsHaveArtWhereTheMouseFindsThem) {
    for (const HitRect& h : kFaceHits) {
        ASSERT_TRUE(inside_sheet(h.rect)) << h.name;
        EXPECT_FALSE(blank(sheet, h.rect)) << h.name;
    }
    // Keys: art inside the keypad's picture, in both looks.
    for (const KeypadKey& k : kKeypadKeys) {
        const SpriteRect r{k.rect.x + kKeypadSheetOffset, k.rect.y, k.rect.w, k.rect.h};
        EXPECT_TRUE(contains(sprite(SpriteId::Keypad).rect, r)) << k.label;
        EXPECT_FALSE(blank(sheet, r)) << k.label;
        EXPECT_FALSE(blank(sheet, lit(r))) << k.label;
    }
    // Shown at their places, the keypad and the looks kept aside stay on
    // the face.
    for (const Sprite& s : kSprites)
        if (s.at != kOwnPlace) {
            EXPECT_TRUE(contains(sprite(SpriteId::Face).rect, face_rect(s.id))) << s.name;
        }
}

TEST_F(BuiltInSheet, MovingPartsLandOnTheFaceAndComeFromArt) {
    for (const FacePoint& p : kJogCircle) {
        const SpriteRect knob{p.x + kJogKnobOffset.x, p.y + kJogKnobOffset.y, 17, 17};
        EXPECT_TRUE(contains(sprite(SpriteId::Face).rect, knob));
    }
    for (const FacePoint& a : kShuttleArc)
        for (int sign : {1, -1}) {
            const SpriteRect dot{kShuttleDotX + sign * a.x, a.y + kLitRows, kShuttleDotSize,
                                 kShuttleDotSize};
            EXPECT_FALSE(blank(sheet, dot)) << a.x << "," << a.y;
        }
    // The jog knob is white-keyed: white around a dimple.
    const SpriteRect jog = sprite(SpriteId::JogKnob).rect;
    EXPECT_EQ(pixel(sheet, jog.x, jog.y), (Bgr{255, 255, 255}));
    EXPECT_FALSE(pixel(sheet, jog.x + 8, jog.y + 8) == (Bgr{255, 255, 255}));
    const SpriteRect badge = sprite(SpriteId::Badge).rect;
    EXPECT_EQ(pixel(sheet, badge.x, badge.y), (Bgr{255, 255, 255}));
}

TEST_F(BuiltInSheet, TitleColourSurvivesTheWhiteKey) {
    // The title's letters take the lit bar's colour and are then copied
    // white-keyed: a pure white there would drop letter pixels.
    const SpriteRect bar = lit(sprite(SpriteId::TitleBar).rect);
    for (int y = bar.y; y < bar.y + bar.h; ++y)
        for (int x = bar.x; x < bar.x + bar.w; ++x)
            ASSERT_FALSE(pixel(sheet, x, y) == (Bgr{255, 255, 255})) << x << "," << y;
}

TEST_F(BuiltInSheet, DigitsAreTellApart) {
    for (SpriteId id : {SpriteId::TimeDigits, SpriteId::CounterDigits, SpriteId::SmallDigits,
                        SpriteId::KeypadDigits, SpriteId::KeypadDigitsLit}) {
        std::set<std::string> looks;
        for (int d = 0; d < 10; ++d) {
            const SpriteRect r = cell(id, d);
            std::string bytes;
            for (int y = r.y; y < r.y + r.h; ++y)
                bytes.append(reinterpret_cast<const char*>(sheet.row(y)) + r.x * 3,
                             size_t(r.w) * 3);
            looks.insert(bytes);
        }
        EXPECT_EQ(looks.size(), 10u) << sprite(id).name;
    }
}

}  // namespace
}  // namespace rq::test
