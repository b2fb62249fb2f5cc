#pragma once
// The two passes that end a main tick: the face pass (windowed, or full
// screen with the panel) composes and presents the face and runs the
// transport; the full-screen pass runs the transport alone.

namespace rq {

class Player;

void face_pass(Player& p);

// Face pass step: the face's steps around its drawing, with the speed's
// preparation among them, and the drawing run into FaceBuffer when it
// changes the face.
void compose_face(Player& p);
void full_screen_pass(Player& p);

// Face pass step: the main tick rate for what is on the face now.
void choose_tick_divider(Player& p);

}  // namespace rq
