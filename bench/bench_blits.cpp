// One face pass's worth of blits from the built-in sheet into FaceBuffer,
// against a bare copy of the 407 x 93 face the window shows.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "skin/face_layout.h"
#include "skin/skin_surfaces.h"
#include "skin/text_canvas.h"

namespace {

using rq::BlitKind;
using rq::SpriteId;
using rq::SurfaceId;

struct Op {
    SurfaceId source;
    int dx, dy, sx, sy, w, h;
    BlitKind kind = BlitKind::Copy;
    int bias = 0;
};

Op from(rq::FacePoint dest, rq::SpriteRect src, BlitKind kind = BlitKind::Copy, int bias = 0) {
    return {SurfaceId::SkinSheet, dest.x, dest.y, src.x, src.y, src.w, src.h, kind, bias};
}

// Every part of a busy pass: all lamps and pressed keys lit, the dial
// turning with the shuttle out, counters, time, both scrolling fields and
// the badge.
std::vector<Op> full_face_pass() {
    std::vector<Op> ops;
    for (const rq::FaceBlit& b : rq::kFixedFaceBlits)
        if (std::string_view(b.what) != "logo while inactive")
            ops.push_back(from(b.dest, b.source));
    for (int i = 0; i < 3; ++i)
        ops.push_back(
            from({rq::kBitRateDigitX[i], rq::kAudioInfoY}, rq::cell(SpriteId::SmallDigits, i + 1)));
    for (int i = 0; i < 2; ++i)
        ops.push_back(
            from({rq::kSampleRateDigitX[i], rq::kAudioInfoY}, rq::cell(SpriteId::SmallDigits, 4)));
    // Dial: jog knob, shuttle dot.
    const rq::FacePoint jog = rq::kJogCircle[3];
    ops.push_back(from({jog.x + rq::kJogKnobOffset.x, jog.y + rq::kJogKnobOffset.y},
                       rq::sprite(SpriteId::JogKnob).rect, BlitKind::KeyWhite));
    const rq::FacePoint arc = rq::kShuttleArc[5];
    ops.push_back(from({rq::kShuttleDotX + arc.x, arc.y},
                       {rq::kShuttleDotX + arc.x, arc.y + rq::kLitRows, 5, 5}, BlitKind::Fade,
                       -100));
    // Speed: bar and two lamps.
    ops.push_back(from({rq::kSpeedBarReverseEnd - 12, rq::kSpeedBarY},
                       {rq::kSpeedBarReverseEnd - 12, rq::kSpeedBarY + rq::kLitRows, 12, 2}));
    ops.push_back(from({340, 4}, rq::lit(rq::sprite(SpriteId::ReverseLamp).rect)));
    ops.push_back(from({356, 4}, rq::lit(rq::sprite(SpriteId::StopLamp).rect)));
    // Knobs.
    ops.push_back(from({rq::kSeekKnobOrigin.x + 100, rq::kSeekKnobOrigin.y},
                       rq::sprite(SpriteId::SeekKnob).rect));
    ops.push_back(from({rq::kVolumeKnobOrigin.x + 30, rq::kVolumeKnobOrigin.y},
                       rq::sprite(SpriteId::VolumeKnob).rect));
    // Counters and time.
    for (int i = 0; i < 7; ++i)
        ops.push_back(from({rq::kCounterX[i], rq::kCounterY},
                           i == 3 ? rq::sprite(SpriteId::CounterSeparator).rect
                                  : rq::cell(SpriteId::CounterDigits, i)));
    for (int i = 7; i >= 0; --i)
        ops.push_back(from({rq::time_digit_x(i), rq::kTimeY}, rq::cell(SpriteId::TimeDigits, i)));
    ops.push_back(from(rq::kTimeMinus, rq::sprite(SpriteId::TimeMinus).rect));
    // Display field: ground, text keyed in, onto the face; mode lamp.
    const rq::SpriteRect field = rq::kDisplayField;
    ops.push_back(from({field.x, rq::kDisplayStagingY}, field));
    ops.push_back({SurfaceId::TextCanvas, field.x, rq::kDisplayStagingY, 40, 20, field.w, field.h,
                   BlitKind::KeyWhite});
    ops.push_back(
        {SurfaceId::FaceBuffer, field.x, field.y, field.x, rq::kDisplayStagingY, field.w, field.h});
    ops.push_back(from({61, 22}, rq::lit(rq::sprite(SpriteId::DisplayModeLamp).rect)));
    // Title field: canvas black-keyed onto the colour bar, white-keyed onto
    // the ground, onto the face; the seek knob faded in over it.
    const rq::SpriteRect bar = rq::sprite(SpriteId::TitleBar).rect;
    ops.push_back({SurfaceId::TextCanvas, bar.x, bar.y + rq::kLitRows, 0, 80, bar.w, bar.h,
                   BlitKind::KeyBlack});
    ops.push_back({SurfaceId::FaceBuffer, bar.x, bar.y, bar.x, bar.y + rq::kLitRows, bar.w, bar.h,
                   BlitKind::KeyWhite});
    ops.push_back(
        {SurfaceId::FaceBuffer, rq::kTitleField.x, rq::kTitleField.y, bar.x, bar.y, bar.w, bar.h});
    ops.push_back(from({rq::kSeekKnobOrigin.x + 100, rq::kSeekKnobOrigin.y},
                       rq::sprite(SpriteId::SeekKnob).rect, BlitKind::Fade, -60));
    // Badge at home.
    ops.push_back(from(rq::kBadgeHome, rq::sprite(SpriteId::Badge).rect, BlitKind::KeyWhite));
    // Logo while inactive.
    ops.push_back(from({12, 0}, rq::lit(rq::sprite(SpriteId::Logo).rect)));
    return ops;
}

void run(rq::SkinSurfaces& skin, const Op& op) {
    switch (op.kind) {
        case BlitKind::Copy:
            rq::blit_copy(skin, op.source, op.dx, op.dy, op.sx, op.sy, op.w, op.h);
            break;
        case BlitKind::KeyWhite:
            rq::blit_key_white(skin, op.source, op.dx, op.dy, op.sx, op.sy, op.w, op.h);
            break;
        case BlitKind::KeyBlack:
            rq::blit_key_black(skin, op.source, op.dx, op.dy, op.sx, op.sy, op.w, op.h);
            break;
        case BlitKind::Fade:
            rq::blit_fade(skin, op.source, op.dx, op.dy, op.sx, op.sy, op.w, op.h, op.bias);
            break;
    }
}

void BM_FaceComposition(benchmark::State& state) {
    rq::SkinSurfaces skin;
    skin.skin_sheet.load_from_resource(rq::kSkinSheetResource);
    skin.face_buffer.load_from_resource(rq::kSkinSheetResource);
    skin.text_canvas.load_from_resource(rq::kTextCanvasResource);
    const std::vector<Op> ops = full_face_pass();
    for (auto _ : state) {
        for (const Op& op : ops)
            run(skin, op);
        benchmark::DoNotOptimize(skin.face_buffer.bits);
        benchmark::ClobberMemory();
    }
    state.counters["blits"] = double(ops.size());
}
BENCHMARK(BM_FaceComposition);

void BM_FaceMemcpy(benchmark::State& state) {
    std::vector<uint8_t> from(407 * 93 * 3, 1), to(407 * 93 * 3);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FaceMemcpy);

}  // namespace

BENCHMARK_MAIN();
