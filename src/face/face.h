#pragma once
// The face pass's own steps and the face's drawing. The steps move what
// the face's controls move (held buttons, the dial or keypad, the title,
// the badge) and read what the drawing shows; the drawing then records the
// face into the pass's blits from the state alone. The transport's face
// pass runs them in this order, with the speed's preparation between the
// first two.

#include "face/control.h"

namespace rq {

// REW or FF held, the dial or the keypad, and the pace of paced steps.
void face_controls_step(Player& p, FaceFrame& f);
// The device's position, and the title's paced scroll and staging.
void face_readings_step(Player& p, FaceFrame& f);
// The whole face into `out`, in drawing order; changes nothing else.
void draw_face(const Player& p, const FaceFrame& f, BlitList& out);
// What follows the drawing: the badge falls, the zoom display counts down.
void face_after_drawing_step(Player& p, const FaceFrame& f);

}  // namespace rq
