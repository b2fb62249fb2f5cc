#include "panels/panel_values.h"

#include "core/player.h"
#include "panels/control_panel.h"

namespace rq {

void panel_set_caption(Player& p) {
    panel_set_caption(p.windows().control_panel, p.settings.caption_flag);
}

void read_panel_values(Player& p) {
    const ControlPanel& panel = p.windows().control_panel;
    Settings& s = p.settings;
    s.panel_scan_mode = panel_read(panel, 0);
    // Kind 1 is a constant the settings have no use for.
    s.panel_mask_a = panel_read(panel, 2);
    s.panel_mask_b = panel_read(panel, 3);
}

}  // namespace rq
