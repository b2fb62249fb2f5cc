#pragma once
// Where everything lies on the skin sheet, and where the face's elements
// answer the mouse. The art generator draws from these numbers, the face
// composition copies from them and the mouse tests against them, so a
// replacement sheet needs nothing else. Header-only: the generator uses it
// without linking the player.

#include <array>
#include <cstddef>

namespace rq {

struct SpriteRect {
    int x, y, w, h;
    constexpr bool operator==(const SpriteRect&) const = default;
};

// The lit (or pressed) look of a face element is the same rectangle this
// many rows lower on the sheet.
inline constexpr int kLitRows = 100;

constexpr SpriteRect lit(SpriteRect r) {
    return {r.x, r.y + kLitRows, r.w, r.h};
}

enum class Look {
    Single,  // one picture at the rectangle
    Twin,    // normal at the rectangle, lit 100 rows lower
};

enum class SpriteId {
    // Faces
    Face,
    SecondFace,  // its title bar colours the title text
    Logo,        // lit: the look while the window is inactive
    TitleBar,    // normal: the title's ground; lit: the title text's colour
    // Lamps inside the display window
    DisplayModeLamp,
    SampleRateLamp,
    BitRateLamp,
    AbLampA,
    AbLampB,
    AbLampRepeat,
    UnitLampPos,
    UnitLampPosFrames,
    UnitLampMs,
    ZoomLabel,
    PercentLamp,
    // Lamps elsewhere
    RepeatLamp,
    ShuffleLamp,
    ReverseLamp,
    PauseLamp,
    StopLamp,
    SpeedBarReverse,
    SpeedBarForward,
    // Buttons
    FileButton,
    StopButton,
    StillButton,
    RewButton,
    PlayButton,
    FfButton,
    BackButton,
    NextButton,
    ZoomMinusButton,
    ZoomPlusButton,
    FullButton,
    FullButtonLit,
    ConfigButton,
    PowerButton,
    MinimiseButton,
    // Looks kept off the faces
    PlayStoppedLook,
    StillPausedLook,
    StillPressedPausedLook,
    ZoomPlusPressedLook,
    ZoomMinusPressedLook,
    // Knobs, dial and keypad
    SeekKnob,
    VolumeKnob,
    JogKnob,
    Keypad,
    // Digit rows: cells of the given width, `cell_step` apart
    TimeDigits,
    TimeMinus,
    TimeHoursMark,
    TimeMinutesMark,
    TimeSecondsMark,
    CounterDigits,
    CounterSeparator,
    SmallDigits,
    KeypadDigits,
    KeypadDigitsLit,
    Badge,
    Count
};

struct Sprite {
    SpriteId id;
    const char* name;
    SpriteRect rect;  // the first cell of a digit row
    Look look = Look::Single;
    int cells = 1;
    int cell_step = 0;  // pixels from one cell to the next
};

inline constexpr Sprite kSprites[] = {
    {SpriteId::Face, "face", {0, 0, 406, 93}, Look::Twin},
    {SpriteId::SecondFace, "second face", {0, 200, 407, 93}, Look::Twin},
    {SpriteId::Logo, "logo", {12, 0, 46, 16}, Look::Twin},
    {SpriteId::TitleBar, "title bar", {58, 200, 236, 17}, Look::Twin},

    {SpriteId::DisplayModeLamp, "display mode lamp", {61, 22, 30, 5}, Look::Twin},
    {SpriteId::SampleRateLamp, "kHz lamp", {109, 22, 13, 5}, Look::Twin},
    {SpriteId::BitRateLamp, "kbps lamp", {142, 22, 16, 5}, Look::Twin},
    {SpriteId::AbLampA, "A-B lamp A", {163, 22, 9, 5}, Look::Twin},
    {SpriteId::AbLampB, "A-B lamp B", {173, 22, 4, 5}, Look::Twin},
    {SpriteId::AbLampRepeat, "A-B repeat lamp", {179, 22, 21, 5}, Look::Twin},
    {SpriteId::UnitLampPos, "unit lamp position", {141, 48, 15, 5}, Look::Twin},
    {SpriteId::UnitLampPosFrames, "unit lamp frames", {141, 48, 39, 5}, Look::Twin},
    {SpriteId::UnitLampMs, "unit lamp ms", {181, 48, 15, 5}, Look::Twin},
    {SpriteId::ZoomLabel, "zoom label", {72, 51, 49, 4}, Look::Twin},
    {SpriteId::PercentLamp, "per-cent lamp", {123, 62, 6, 6}, Look::Twin},

    {SpriteId::RepeatLamp, "REPEAT", {19, 38, 32, 11}, Look::Twin},
    {SpriteId::ShuffleLamp, "SHUFFLE", {19, 51, 32, 11}, Look::Twin},
    {SpriteId::ReverseLamp, "reverse lamp", {340, 4, 6, 6}, Look::Twin},
    {SpriteId::PauseLamp, "pause lamp", {347, 4, 8, 6}, Look::Twin},
    {SpriteId::StopLamp, "stop lamp", {356, 4, 6, 6}, Look::Twin},
    {SpriteId::SpeedBarReverse, "reverse speed bar", {312, 6, 27, 2}, Look::Twin},
    {SpriteId::SpeedBarForward, "forward speed bar", {362, 6, 27, 2}, Look::Twin},

    {SpriteId::FileButton, "FILE", {208, 19, 28, 23}, Look::Twin},
    {SpriteId::StopButton, "STOP", {237, 19, 37, 23}, Look::Twin},
    {SpriteId::StillButton, "STILL", {275, 19, 28, 23}, Look::Twin},
    {SpriteId::RewButton, "REW", {208, 45, 28, 25}, Look::Twin},
    {SpriteId::PlayButton, "PLAY", {236, 45, 38, 25}, Look::Twin},
    {SpriteId::FfButton, "FF", {275, 45, 28, 25}, Look::Twin},
    {SpriteId::BackButton, "BACK", {208, 73, 46, 13}, Look::Twin},
    {SpriteId::NextButton, "NEXT", {256, 73, 46, 13}, Look::Twin},
    {SpriteId::ZoomMinusButton, "ZOOM -", {140, 73, 19, 13}},
    {SpriteId::ZoomPlusButton, "ZOOM +", {159, 73, 19, 13}},
    {SpriteId::FullButton, "FULL", {179, 73, 24, 13}},
    // Drawn one column right of the normal look: the face copies it to 179.
    {SpriteId::FullButtonLit, "FULL pressed", {180, 173, 24, 13}},
    {SpriteId::ConfigButton, "CONFIG", {18, 21, 34, 13}, Look::Twin},
    {SpriteId::PowerButton, "POWER", {17, 66, 36, 20}, Look::Twin},
    {SpriteId::MinimiseButton, "minimise", {295, 1, 13, 14}, Look::Twin},

    {SpriteId::PlayStoppedLook, "PLAY while stopped", {441, 126, 37, 25}},
    {SpriteId::StillPausedLook, "STILL while paused", {479, 100, 28, 23}},
    {SpriteId::StillPressedPausedLook, "STILL pressed to pause", {412, 170, 28, 23}},
    {SpriteId::ZoomPlusPressedLook, "ZOOM + pressed", {462, 30, 38, 13}},
    {SpriteId::ZoomMinusPressedLook, "ZOOM - pressed", {462, 45, 38, 13}},

    {SpriteId::SeekKnob, "seek knob", {412, 30, 23, 11}},
    {SpriteId::VolumeKnob, "volume knob", {442, 30, 15, 9}},
    {SpriteId::JogKnob, "jog knob", {412, 45, 17, 17}},  // white-keyed
    {SpriteId::Keypad, "keypad", {520, 11, 77, 74}, Look::Twin},

    {SpriteId::TimeDigits, "time digits", {412, 0, 6, 13}, Look::Single, 10, 7},
    {SpriteId::TimeMinus, "time minus", {482, 0, 6, 13}},
    {SpriteId::TimeHoursMark, "time hours mark", {489, 0, 6, 13}},
    {SpriteId::TimeMinutesMark, "time minutes mark", {496, 0, 6, 13}},
    {SpriteId::TimeSecondsMark, "time closing sign", {503, 0, 6, 13}},
    {SpriteId::CounterDigits, "counter digits", {412, 15, 6, 11}, Look::Single, 10, 7},
    {SpriteId::CounterSeparator, "counter separator", {482, 15, 6, 11}},
    {SpriteId::SmallDigits, "small digits", {412, 65, 4, 5}, Look::Single, 10, 5},
    {SpriteId::KeypadDigits, "keypad digits", {412, 70, 7, 15}, Look::Single, 10, 7},
    {SpriteId::KeypadDigitsLit, "keypad digits lit", {412, 85, 7, 15}, Look::Single, 10, 7},
    {SpriteId::Badge, "badge", {500, 370, 70, 28}},  // white-keyed
};

constexpr bool sprites_in_id_order() {
    for (size_t i = 0; i < std::size(kSprites); ++i)
        if (size_t(kSprites[i].id) != i) return false;
    return std::size(kSprites) == size_t(SpriteId::Count);
}
static_assert(sprites_in_id_order(), "kSprites must list every SpriteId in order");

constexpr const Sprite& sprite(SpriteId id) {
    return kSprites[size_t(id)];
}

// Cell i of a digit row (0..cells-1).
constexpr SpriteRect cell(SpriteId id, int i) {
    const Sprite& s = sprite(id);
    return {s.rect.x + i * s.cell_step, s.rect.y, s.rect.w, s.rect.h};
}

// Rectangles of the face that answer the mouse (window coordinates; both
// edges inclusive when hit-tested).
enum class HitLook {
    Face,    // only the face's normal look
    Twin,    // the face shows a lit look there too
    Keypad,  // a key of the keypad: the keypad is 207 columns right on the sheet
};

struct HitRect {
    const char* name;
    SpriteRect rect;
    HitLook look;
};

// The keypad lies this far right on the sheet from where the face shows it.
inline constexpr int kKeypadSheetOffset = 207;

inline constexpr HitRect kFaceHits[] = {
    {"minimise", {295, 1, 13, 14}, HitLook::Twin},
    {"title field", {59, 2, 234, 14}, HitLook::Face},
    {"seek track", {62, 0, 294, 15}, HitLook::Face},
    {"seek knob", {62, 2, 23, 11}, HitLook::Face},
    {"volume knob", {61, 75, 15, 9}, HitLook::Face},
    {"CONFIG", {18, 21, 34, 13}, HitLook::Twin},
    {"REPEAT", {19, 38, 32, 11}, HitLook::Twin},
    {"SHUFFLE", {19, 51, 32, 11}, HitLook::Twin},
    {"POWER", {16, 66, 37, 20}, HitLook::Twin},
    {"display line", {60, 27, 141, 19}, HitLook::Face},
    {"A-B label", {162, 20, 40, 6}, HitLook::Twin},
    {"counter", {68, 57, 56, 13}, HitLook::Face},
    {"time readout", {129, 55, 72, 13}, HitLook::Face},
    {"ZOOM -", {140, 73, 19, 13}, HitLook::Face},
    {"ZOOM +", {159, 73, 19, 13}, HitLook::Face},
    {"FULL", {180, 73, 24, 13}, HitLook::Face},
    {"FILE", {208, 19, 28, 23}, HitLook::Twin},
    {"STOP", {237, 19, 37, 23}, HitLook::Twin},
    {"STILL", {275, 19, 28, 23}, HitLook::Twin},
    {"REW", {208, 45, 28, 25}, HitLook::Twin},
    {"PLAY", {236, 45, 37, 25}, HitLook::Twin},
    {"FF", {275, 45, 28, 25}, HitLook::Twin},
    {"BACK", {208, 73, 46, 13}, HitLook::Twin},
    {"NEXT", {256, 73, 46, 13}, HitLook::Twin},
    {"dial", {314, 11, 73, 73}, HitLook::Twin},
    {"dial area", {314, 11, 77, 74}, HitLook::Twin},
    {"badge", {134, 19, 70, 28}, HitLook::Face},
    {"keypad 7", {316, 35, 13, 11}, HitLook::Keypad},
    {"keypad 8", {330, 35, 13, 11}, HitLook::Keypad},
    {"keypad 9", {344, 35, 13, 11}, HitLook::Keypad},
    {"keypad 4", {316, 47, 13, 11}, HitLook::Keypad},
    {"keypad 5", {330, 47, 13, 11}, HitLook::Keypad},
    {"keypad 6", {344, 47, 13, 11}, HitLook::Keypad},
    {"keypad 1", {316, 59, 13, 11}, HitLook::Keypad},
    {"keypad 2", {330, 59, 13, 11}, HitLook::Keypad},
    {"keypad 3", {344, 59, 13, 11}, HitLook::Keypad},
    {"keypad 0", {316, 71, 13, 11}, HitLook::Keypad},
    {"keypad +10", {330, 71, 13, 11}, HitLook::Keypad},
    {"keypad CL", {344, 71, 13, 11}, HitLook::Keypad},
    {"keypad BACK", {316, 19, 35, 13}, HitLook::Keypad},
    {"keypad NEXT", {352, 19, 35, 13}, HitLook::Keypad},
    {"keypad ENTER", {358, 55, 29, 15}, HitLook::Keypad},
    {"keypad ERASE", {358, 71, 29, 11}, HitLook::Keypad},
    {"keypad number", {358, 35, 32, 18}, HitLook::Keypad},
};

}  // namespace rq
