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

// A point on the face (window and FaceBuffer coordinates).
struct FacePoint {
    int x, y;
    constexpr bool operator==(const FacePoint&) const = default;
};

// The lit (or pressed) look of a face element is the same rectangle this
// many rows lower on the sheet.
inline constexpr int kLitRows = 100;

constexpr SpriteRect lit(SpriteRect r) {
    return {r.x, r.y + kLitRows, r.w, r.h};
}

// The second face lies this many rows below the first.
inline constexpr int kSecondFaceRows = 200;

enum class Look {
    Single,  // one picture at the rectangle
    Twin,    // normal at the rectangle, lit 100 rows lower
};

enum class SpriteId {
    // Faces
    Face,
    SecondFace,    // its title bar colours the title text
    Logo,          // lit: the look while the window is inactive
    TitleBar,      // normal: the title's ground; lit: the title text's colour
    DisplayField,  // the ground of the scrolling line in the display
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

// A sprite is shown at its own place on the face unless `at` says where.
inline constexpr FacePoint kOwnPlace{-1, -1};

struct Sprite {
    SpriteId id;
    const char* name;
    SpriteRect rect;  // the first cell of a digit row
    Look look = Look::Single;
    int cells = 1;
    int cell_step = 0;  // pixels from one cell to the next
    // Where the face shows a look kept off the faces, a knob at position 0,
    // the keypad or the badge at home.
    FacePoint at = kOwnPlace;
};

// A look the face shows somewhere else than at its own rectangle.
constexpr Sprite shown_at(Sprite s, FacePoint at) {
    s.at = at;
    return s;
}

inline constexpr Sprite kSprites[] = {
    {SpriteId::Face, "face", {0, 0, 406, 93}, Look::Twin},
    {SpriteId::SecondFace, "second face", {0, 200, 407, 93}, Look::Twin},
    {SpriteId::Logo, "logo", {12, 0, 46, 16}, Look::Twin},
    {SpriteId::TitleBar, "title bar", {58, 200, 236, 17}, Look::Twin},
    {SpriteId::DisplayField, "display field", {60, 27, 141, 19}},

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
    // Drawn one column right of the normal look.
    shown_at({SpriteId::FullButtonLit, "FULL pressed", {180, 173, 24, 13}}, {179, 73}),
    {SpriteId::ConfigButton, "CONFIG", {18, 21, 34, 13}, Look::Twin},
    {SpriteId::PowerButton, "POWER", {17, 66, 36, 20}, Look::Twin},
    {SpriteId::MinimiseButton, "minimise", {295, 1, 13, 14}, Look::Twin},

    shown_at({SpriteId::PlayStoppedLook, "PLAY while stopped", {441, 126, 37, 25}}, {237, 45}),
    shown_at({SpriteId::StillPausedLook, "STILL while paused", {479, 100, 28, 23}}, {275, 19}),
    shown_at({SpriteId::StillPressedPausedLook, "STILL pressed to pause", {412, 170, 28, 23}},
             {275, 19}),
    shown_at({SpriteId::ZoomPlusPressedLook, "ZOOM + pressed", {462, 30, 38, 13}}, {140, 73}),
    shown_at({SpriteId::ZoomMinusPressedLook, "ZOOM - pressed", {462, 45, 38, 13}}, {140, 73}),

    shown_at({SpriteId::SeekKnob, "seek knob", {412, 30, 23, 11}}, {62, 4}),
    shown_at({SpriteId::VolumeKnob, "volume knob", {442, 30, 15, 9}}, {61, 75}),
    {SpriteId::JogKnob, "jog knob", {412, 45, 17, 17}},  // white-keyed
    shown_at({SpriteId::Keypad, "keypad", {520, 11, 77, 74}, Look::Twin}, {313, 11}),

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
    shown_at({SpriteId::Badge, "badge", {500, 370, 70, 28}}, {134, 19}),  // white-keyed
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

// Where the face shows a sprite.
constexpr FacePoint face_place(SpriteId id) {
    const Sprite& s = sprite(id);
    return s.at == kOwnPlace ? FacePoint{s.rect.x, s.rect.y} : s.at;
}

// The sprite's rectangle where the face shows it.
constexpr SpriteRect face_rect(SpriteId id) {
    const FacePoint at = face_place(id);
    return {at.x, at.y, sprite(id).rect.w, sprite(id).rect.h};
}

// The keypad lies this far right on the sheet from where the face shows it.
inline constexpr int kKeypadSheetOffset =
    sprite(SpriteId::Keypad).rect.x - face_place(SpriteId::Keypad).x;

// Where the face answers the mouse (window coordinates; both edges
// inclusive when hit-tested). Most elements answer on their picture and
// take its rectangle from the sprite. The rest answer where the face has
// always answered, which is not quite where their pictures lie: the seek
// knob two rows above its picture, PLAY one column short of it, FULL one
// column right of it, POWER one column left of it, the dial and the title
// field inside their frames; the seek track, A-B label, counter and time
// readout are areas with no picture of their own. Those stand here as
// numbers of their own.
enum class Hit {
    Minimise,
    TitleField,  // right button
    SeekTrack,   // right button
    SeekKnob,    // at the knob's position 0
    VolumeKnob,  // at the knob's position 0
    Config,
    Repeat,
    Shuffle,
    Power,
    DisplayLine,
    AbLabel,
    Counter,
    TimeReadout,
    ZoomMinus,
    ZoomPlus,
    Full,
    File,
    Stop,
    Still,
    Rew,
    Play,
    Ff,
    Back,
    Next,
    Dial,      // left button
    DialArea,  // right button
    Badge,     // at home
    Count
};

struct HitRect {
    Hit id;
    const char* name;
    SpriteRect rect;
};

inline constexpr HitRect kFaceHits[] = {
    {Hit::Minimise, "minimise", face_rect(SpriteId::MinimiseButton)},
    {Hit::TitleField, "title field", {59, 2, 234, 14}},
    {Hit::SeekTrack, "seek track", {62, 0, 294, 15}},
    {Hit::SeekKnob, "seek knob", {62, 2, 23, 11}},
    {Hit::VolumeKnob, "volume knob", face_rect(SpriteId::VolumeKnob)},
    {Hit::Config, "CONFIG", face_rect(SpriteId::ConfigButton)},
    {Hit::Repeat, "REPEAT", face_rect(SpriteId::RepeatLamp)},
    {Hit::Shuffle, "SHUFFLE", face_rect(SpriteId::ShuffleLamp)},
    {Hit::Power, "POWER", {16, 66, 37, 20}},
    {Hit::DisplayLine, "display line", face_rect(SpriteId::DisplayField)},
    {Hit::AbLabel, "A-B label", {162, 20, 40, 6}},
    {Hit::Counter, "counter", {68, 57, 56, 13}},
    {Hit::TimeReadout, "time readout", {129, 55, 72, 13}},
    {Hit::ZoomMinus, "ZOOM -", face_rect(SpriteId::ZoomMinusButton)},
    {Hit::ZoomPlus, "ZOOM +", face_rect(SpriteId::ZoomPlusButton)},
    {Hit::Full, "FULL", {180, 73, 24, 13}},
    {Hit::File, "FILE", face_rect(SpriteId::FileButton)},
    {Hit::Stop, "STOP", face_rect(SpriteId::StopButton)},
    {Hit::Still, "STILL", face_rect(SpriteId::StillButton)},
    {Hit::Rew, "REW", face_rect(SpriteId::RewButton)},
    {Hit::Play, "PLAY", {236, 45, 37, 25}},
    {Hit::Ff, "FF", face_rect(SpriteId::FfButton)},
    {Hit::Back, "BACK", face_rect(SpriteId::BackButton)},
    {Hit::Next, "NEXT", face_rect(SpriteId::NextButton)},
    {Hit::Dial, "dial", {314, 11, 73, 73}},
    {Hit::DialArea, "dial area", {314, 11, 77, 74}},
    {Hit::Badge, "badge", face_rect(SpriteId::Badge)},
};

constexpr bool hits_in_id_order() {
    for (size_t i = 0; i < std::size(kFaceHits); ++i)
        if (size_t(kFaceHits[i].id) != i) return false;
    return std::size(kFaceHits) == size_t(Hit::Count);
}
static_assert(hits_in_id_order(), "kFaceHits must list every Hit in order");

constexpr SpriteRect hit_rect(Hit id) {
    return kFaceHits[size_t(id)].rect;
}

// Codes of the index-search keypad's keys; digits 1..9 are their own.
namespace keypad {
inline constexpr int kZero = 10;
inline constexpr int kPlusTen = 11;
inline constexpr int kClear = 12;
inline constexpr int kBack = 13;
inline constexpr int kNext = 14;
inline constexpr int kEnter = 15;
inline constexpr int kErase = 16;
}  // namespace keypad

// The keys where the face shows them (the sheet holds them
// kKeypadSheetOffset columns right, lit 100 rows lower).
struct KeypadKey {
    int code;
    const char* label;
    SpriteRect rect;
};

inline constexpr KeypadKey kKeypadKeys[] = {
    {7, "7", {316, 35, 13, 11}},
    {8, "8", {330, 35, 13, 11}},
    {9, "9", {344, 35, 13, 11}},
    {4, "4", {316, 47, 13, 11}},
    {5, "5", {330, 47, 13, 11}},
    {6, "6", {344, 47, 13, 11}},
    {1, "1", {316, 59, 13, 11}},
    {2, "2", {330, 59, 13, 11}},
    {3, "3", {344, 59, 13, 11}},
    {keypad::kZero, "0", {316, 71, 13, 11}},
    {keypad::kPlusTen, "+10", {330, 71, 13, 11}},
    {keypad::kClear, "CL", {344, 71, 13, 11}},
    {keypad::kBack, "<BACK", {316, 19, 35, 13}},
    {keypad::kNext, "NEXT>", {352, 19, 35, 13}},
    {keypad::kEnter, "ENTER", {358, 55, 29, 15}},
    {keypad::kErase, "ERASE", {358, 71, 29, 11}},
};

// The keypad's number window; a press there shows the number of marks.
inline constexpr SpriteRect kKeypadNumberWindow{358, 35, 32, 18};

// The key with this code, or nullptr.
constexpr const KeypadKey* keypad_key(int code) {
    for (const KeypadKey& k : kKeypadKeys)
        if (k.code == code) return &k;
    return nullptr;
}

}  // namespace rq
