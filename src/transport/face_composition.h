#pragma once
// The face composed into FaceBuffer from the sheet, in drawing order. Some
// steps also move the transport: held search buttons, the jog dial and
// shuttle ring, the speed preparation, the title's pace.

namespace rq {

class Player;

void compose_face(Player& p);

}  // namespace rq
