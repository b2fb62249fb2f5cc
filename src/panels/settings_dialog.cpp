#include "panels/settings_dialog.h"

#include "core/player.h"

namespace rq {

void open_settings_dialog(Player& p) {
    // The dialog itself comes with its window.
    (void)p;
}

}  // namespace rq
