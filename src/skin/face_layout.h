#pragma once
// Where the face composition puts what moves or counts: knob positions,
// digit places, the dial's circles and the badge's fall. The fixed looks
// and their places are the sprite table's. Header-only: the art generator
// draws the dial's marks and the ghost digits from these too.

#include <array>

#include "skin/sprite_table.h"

namespace rq {

// Jog knob positions around the dial; the knob is drawn white-keyed at
// (x + 4, y - 8), 17 x 17.
inline constexpr std::array<FacePoint, 12> kJogCircle{{{339, 28},
                                                       {350, 31},
                                                       {357, 39},
                                                       {359, 48},
                                                       {357, 57},
                                                       {350, 65},
                                                       {339, 68},
                                                       {328, 65},
                                                       {321, 57},
                                                       {319, 48},
                                                       {321, 39},
                                                       {328, 31}}};
inline constexpr FacePoint kJogKnobOffset{4, -8};

// Shuttle indicator per |speed| 0..9: dot at (349 + dx, y), 5 x 5, faded in
// from the lit face; a negative speed mirrors it to 349 - dx.
inline constexpr std::array<FacePoint, 10> kShuttleArc{{{0, 12},
                                                        {8, 13},
                                                        {14, 15},
                                                        {19, 18},
                                                        {24, 21},
                                                        {28, 27},
                                                        {31, 32},
                                                        {33, 39},
                                                        {34, 45},
                                                        {33, 51}}};
inline constexpr int kShuttleDotX = 349;
inline constexpr int kShuttleDotSize = 5;
inline constexpr FacePoint kDialCentre{351, 48};
inline constexpr int kDialInnerRadius = 32;  // farther out is the shuttle ring

// The keypad's three-digit number.
inline constexpr std::array<int, 3> kKeypadNumberX{361, 369, 377};
inline constexpr int kKeypadNumberY = 37;

// Knobs: drawn at their place plus the knob position.
inline constexpr FacePoint kSeekKnobOrigin = face_place(SpriteId::SeekKnob);
inline constexpr FacePoint kVolumeKnobOrigin = face_place(SpriteId::VolumeKnob);

// Small digits of the audio information, y 22.
inline constexpr std::array<int, 3> kBitRateDigitX{127, 132, 137};
inline constexpr std::array<int, 2> kSampleRateDigitX{99, 104};
inline constexpr int kAudioInfoY = 22;

// Counter field, y 57: total, separator, current.
inline constexpr std::array<int, 7> kCounterX{68, 76, 84, 92, 100, 108, 116};
inline constexpr int kCounterY = 57;

// Time display: digit i (7..0) at x = 192 - 8 i, y 55; minus sign at 128.
constexpr int time_digit_x(int i) {
    return 192 - 8 * i;
}
inline constexpr int kTimeY = 55;
inline constexpr FacePoint kTimeMinus{128, 55};

// Speed bars grow 3 pixels a level: forward rightwards from its start,
// reverse leftwards from its end.
inline constexpr int kSpeedBarStep = 3;
inline constexpr int kSpeedBarForwardX = sprite(SpriteId::SpeedBarForward).rect.x;
inline constexpr int kSpeedBarReverseEnd =
    sprite(SpriteId::SpeedBarReverse).rect.x + sprite(SpriteId::SpeedBarReverse).rect.w;
inline constexpr int kSpeedBarY = sprite(SpriteId::SpeedBarForward).rect.y;

// Title and display fields on the face. The title field is the second
// face's title bar where the first face shows it.
inline constexpr SpriteRect kTitleField{
    sprite(SpriteId::TitleBar).rect.x, sprite(SpriteId::TitleBar).rect.y - kSecondFaceRows,
    sprite(SpriteId::TitleBar).rect.w, sprite(SpriteId::TitleBar).rect.h};
inline constexpr SpriteRect kDisplayField = face_rect(SpriteId::DisplayField);
inline constexpr int kDisplayStagingY = 127;  // FaceBuffer rows below the visible face

// The badge: home, the rows it drops on each step of its fall, and how far
// from home a drop may land and still stay.
inline constexpr FacePoint kBadgeHome = face_place(SpriteId::Badge);
inline constexpr std::array<int, 20> kBadgeFall{0, 0, 1, 0, 1, 0, 1, 1, 0,  1,
                                                1, 1, 2, 2, 2, 3, 5, 8, 10, 15};
inline constexpr int kBadgeStayDistance = 3;
// Gone once its top has dropped this far below home.
inline constexpr int kBadgeGoneBelow = 84;

}  // namespace rq
