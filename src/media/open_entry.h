#pragma once
// Opening the current playlist entry: the only place that sends the open
// command.

namespace rq {

class Player;

enum class OpenResult {
    Opened,     // the device holds the file
    NotOpened,  // the device refused it
    EmptyList,  // nothing to open: the device was closed
};

// Opens the current playlist entry on the device, places its picture, reads
// its lengths, renders its title lines and starts it (in the window). An
// empty playlist closes the device instead. When a whole pass over the
// playlist has opened nothing, the player stops.
OpenResult open_current_entry(Player& p);

}  // namespace rq
