#pragma once
// The seek and volume knobs: each answers where it stands on its track,
// follows a left drag until the pointer leaves the track's end, and is
// drawn at its place plus its position.

#include "face/control.h"

namespace rq {

struct Knob {
    Hit where;  // at position 0
    SpriteId look;
    int InputState::*position;
    int InputState::*drag;  // 0 none, 1 dragging, 2 ended at a track end
    int max;                // the position at the track's right end
    int right_end;          // a drag past this column ends at `max`

    bool hit(const Player& p, Point pt) const {
        return rq::hit(shifted(hit_rect(where), p.input.*position, 0), pt);
    }
    void grab(Player& p) const { p.input.*drag = 1; }
    void draw(const Player& p, FaceCanvas& c) const;

    // While dragged: the seek knob seeks (or plays from) where it stands,
    // the volume knob sets both channels. False when not dragged.
    static bool drag_seek(Player& p, Point pt, int dx);
    static bool drag_volume(Player& p, Point pt, int dx);
    // Face pass step: the seek knob's bias over the title field, 5 while
    // the pointer is there, else fading out.
    static void fade_over_title_step(Player& p);
    static void draw_over_title(const Player& p, FaceCanvas& c);

  private:
    // Moves with the pointer; false when not dragged.
    bool follow(Player& p, Point pt, int dx) const;
};

extern const Knob kSeekKnob;
extern const Knob kVolumeKnob;

}  // namespace rq
