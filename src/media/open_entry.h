#pragma once

namespace rq {

class PlayerWindow;

// Opens the current playlist entry on the device, places its picture, reads
// its lengths and starts it (in the window). An empty playlist closes the
// device instead.
void open_current_entry(PlayerWindow& pw);

}  // namespace rq
