#pragma once
// Where the face composition puts the sprites: the fixed copies of one
// face pass in drawing order, and the positions of the moving parts.
// Header-only: the art generator draws the dial's marks from these too.

#include <array>

#include "skin/sprite_table.h"

namespace rq {

struct FacePoint {
    int x, y;
};

enum class BlitKind { Copy, KeyWhite, KeyBlack, Fade };

// One fixed copy from SkinSheet into FaceBuffer, listed in drawing order;
// whether it is drawn depends on the player's state.
struct FaceBlit {
    const char* what;
    FacePoint dest;
    SpriteRect source;
    BlitKind blit = BlitKind::Copy;
};

inline constexpr FaceBlit kFixedFaceBlits[] = {
    {"the face", {0, 0}, {0, 0, 406, 93}},
    {"A-B set", {179, 22}, {179, 122, 21, 5}},
    {"A-B set", {163, 22}, {163, 122, 9, 5}},
    {"A-B: B set", {173, 22}, {173, 122, 4, 5}},
    {"kHz", {109, 22}, {109, 122, 13, 5}},
    {"kbps", {142, 22}, {142, 122, 16, 5}},
    {"PLAY while stopped", {237, 45}, {441, 126, 37, 25}},
    {"pause lamp", {347, 4}, {347, 104, 8, 6}},
    {"STILL while paused", {275, 19}, {479, 100, 28, 23}},
    {"SHUFFLE on", {19, 51}, {19, 151, 32, 11}},
    {"REPEAT on", {19, 38}, {19, 138, 32, 11}},
    {"PLAY pressed", {236, 45}, {236, 145, 38, 25}},
    {"STILL pressed to pause", {275, 19}, {412, 170, 28, 23}},
    {"STILL pressed", {275, 19}, {275, 119, 28, 23}},
    {"STOP pressed", {237, 19}, {237, 119, 37, 23}},
    {"BACK pressed", {208, 73}, {208, 173, 46, 13}},
    {"NEXT pressed", {256, 73}, {256, 173, 46, 13}},
    {"REW pressed", {208, 45}, {208, 145, 28, 25}},
    {"FF pressed", {275, 45}, {275, 145, 28, 25}},
    {"ZOOM - pressed", {140, 73}, {462, 45, 38, 13}},
    {"ZOOM + pressed", {140, 73}, {462, 30, 38, 13}},
    {"PLAY while searching paused", {237, 45}, {441, 126, 37, 25}},
    {"FILE pressed", {208, 19}, {208, 119, 28, 23}},
    {"CONFIG pressed", {18, 21}, {18, 121, 34, 13}},
    {"FULL pressed", {179, 73}, {180, 173, 24, 13}},
    {"POWER pressed", {17, 66}, {17, 166, 36, 20}},
    {"logo while inactive", {12, 0}, {12, 100, 46, 16}},
};

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

// The keypad covers the dial at this point while keypad mode is on.
inline constexpr FacePoint kKeypadOrigin{313, 11};
inline constexpr std::array<int, 3> kKeypadNumberX{361, 369, 377};
inline constexpr int kKeypadNumberY = 37;

// Knobs: drawn at origin + knob position.
inline constexpr FacePoint kSeekKnobOrigin{62, 4};
inline constexpr FacePoint kVolumeKnobOrigin{61, 75};

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
inline constexpr int kUnitLampY = 48;

// Speed display.
inline constexpr int kSpeedBarForwardX = 362;
inline constexpr int kSpeedBarReverseEnd = 339;
inline constexpr int kSpeedBarY = 6;

// Title and display fields.
inline constexpr SpriteRect kTitleField{58, 0, 236, 17};
inline constexpr SpriteRect kDisplayField{60, 27, 141, 19};
inline constexpr int kDisplayStagingY = 127;  // FaceBuffer rows below the visible face

// The badge's home; it is white-keyed there plus its offset.
inline constexpr FacePoint kBadgeHome{134, 19};

}  // namespace rq
