#pragma once
// A started headless player whose face the tests compose and read back,
// pixel for pixel, against the sheet's own sprites.

#include <gtest/gtest.h>

#include <cstring>

#include "face/title.h"
#include "skin/face_layout.h"
#include "support/player_fixture.h"
#include "transport/face_pass.h"

namespace rq::test {

class FaceTest : public ::testing::Test {
  protected:
    void SetUp() override { p.start(); }
    rq::Player& pw() { return *p.pw; }
    PlayerLifecycle& life() { return *p.life; }
    void compose() { compose_face(pw()); }

    // The face shows the sheet's rectangle `src` with its corner at `at`.
    bool shows(FacePoint at, SpriteRect src) {
        const SkinSurface& face = pw().skin.face_buffer;
        const SkinSurface& sheet = pw().skin.skin_sheet;
        for (int y = 0; y < src.h; ++y)
            if (std::memcmp(face.row(at.y + y) + at.x * 3, sheet.row(src.y + y) + src.x * 3,
                            size_t(src.w) * 3) != 0)
                return false;
        return true;
    }
    // The face shows only its plain self there.
    bool plain(SpriteRect r) { return shows({r.x, r.y}, r); }

    Player p;
};

}  // namespace rq::test
