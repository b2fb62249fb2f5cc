#include "panels/control_panel.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace rq {

namespace {

inline constexpr int kScanModeMax = 6;
inline constexpr int kMaskMax = 25;
inline constexpr int kFull1 = 3, kFull2 = 4;

// Single precision, as the sliders have always been scaled; NaN, infinite
// and out-of-range results read as 0 or the nearest end.
int truncate_to_int(float v) {
    if (!(v > -2147483648.0f)) return v < 0 ? -2147483647 - 1 : 0;
    if (v >= 2147483648.0f) return 2147483647;
    return static_cast<int>(v);
}

int clamp_slider(int v) {
    return std::clamp(v, 0, kPanelSliderMax);
}

}  // namespace

void panel_button(ControlPanel& panel, PanelButton button) {
    PanelMailbox& m = panel.mailbox;
    switch (button) {
        case PanelButton::PlayPause:
            m.panel_button_code = m.panel_play_toggle;
            m.panel_play_toggle = m.panel_play_toggle == 1 ? 0 : 1;
            break;
        case PanelButton::Next:
            m.panel_button_code = 2;
            break;
        case PanelButton::Back:
            m.panel_button_code = 3;
            break;
    }
    m.panel_button_event = 3;
}

void panel_fit_step(ControlPanel& panel, int direction) {
    PanelMailbox& m = panel.mailbox;
    m.panel_fit_mode = m.panel_fit_mode + direction > kFull1 ? kFull2 : kFull1;
    m.panel_fit_event = 4;
    panel.show_values();
}

void panel_caption_clicked(ControlPanel& panel) {
    panel.caption = panel.caption ? 0 : 1;
}

void panel_scrolled(ControlPanel& panel, PanelSlider slider, ScrollAction action, int reported) {
    int& slot = slider == PanelSlider::Seek ? panel.seek_slider : panel.volume_slider;
    int pos = slot;
    switch (action) {
        case ScrollAction::LineBack:
            pos -= 1;
            break;
        case ScrollAction::LineForward:
            pos += 1;
            break;
        case ScrollAction::PageBack:
            pos -= 5;
            break;
        case ScrollAction::PageForward:
            pos += 5;
            break;
        case ScrollAction::ToStart:
            pos = 0;
            break;
        case ScrollAction::ToEnd:
            pos = kPanelSliderMax;
            break;
        case ScrollAction::Thumb:
            pos = reported;
            break;
        case ScrollAction::EndScroll:
            break;
    }
    slot = clamp_slider(pos);
    PanelMailbox& m = panel.mailbox;
    if (slider == PanelSlider::Volume) {
        m.panel_volume_pos = slot;
        m.panel_volume_event = 2;
    } else {
        m.panel_seek_event = 1;
        m.panel_seek_target =
            truncate_to_int(static_cast<float>(m.panel_length) /
                            static_cast<float>(kPanelSliderMax) * static_cast<float>(slot));
    }
    panel.show_values();
}

void panel_hidden_step(ControlPanel& panel, PanelStep step) {
    PanelMailbox& m = panel.mailbox;
    auto up = [](int& v, int top) { v = std::clamp(v + 1, 0, top); };
    auto down = [](int& v, int top) { v = std::clamp(v - 1, 0, top); };
    switch (step) {
        case PanelStep::ScanUp:
            up(m.panel_scan_mode, kScanModeMax);
            break;
        case PanelStep::ScanDown:
            down(m.panel_scan_mode, kScanModeMax);
            break;
        case PanelStep::MaskAUp:
            up(m.panel_mask_a, kMaskMax);
            break;
        case PanelStep::MaskADown:
            down(m.panel_mask_a, kMaskMax);
            break;
        case PanelStep::MaskBUp:
            up(m.panel_mask_b, kMaskMax);
            break;
        case PanelStep::MaskBDown:
            down(m.panel_mask_b, kMaskMax);
            break;
    }
    panel.show_values();
}

void panel_set(ControlPanel& panel, int kind, int value) {
    PanelMailbox& m = panel.mailbox;
    switch (kind) {
        case 0:
            m.panel_length = value;
            return;
        case 1: {
            // A length of 0 (nothing open) leaves the slider at its start.
            const float per_step =
                static_cast<float>(m.panel_length) / static_cast<float>(kPanelSliderMax);
            panel.seek_slider =
                per_step > 0 ? clamp_slider(truncate_to_int(static_cast<float>(value) / per_step))
                             : 0;
            break;
        }
        case 2:
            panel.volume_slider = clamp_slider(value * 8 + 8);
            break;
        case 3:
            panel.seek_slider_rect = {10, 45, value - 200, 12};
            panel.volume_slider_rect = {value - 175, 45, 150, 12};
            break;
        default:
            return;
    }
    panel.show_values();
}

int panel_poll(ControlPanel& panel, int kind) {
    PanelMailbox& m = panel.mailbox;
    auto consume = [](int& event, int value) {
        if (event != value) return 0;
        event = 0;
        return value;
    };
    switch (kind) {
        case 0:
            return consume(m.panel_seek_event, 1);
        case 1:
            return m.panel_seek_target;
        case 2:
            return consume(m.panel_volume_event, 2);
        case 3:
            return m.panel_volume_pos / 8 > 1 ? m.panel_volume_pos / 8 - 1 : 0;
        case 4:
            return consume(m.panel_button_event, 3);
        case 5: {
            const int code = m.panel_button_code;
            m.panel_button_code = 10;
            return code;
        }
        case 6:
            return consume(m.panel_fit_event, 4);
        default:
            return 0;
    }
}

void panel_load(ControlPanel& panel, int scan_mode, int, int mask_a, int mask_b, int fit) {
    PanelMailbox& m = panel.mailbox;
    m.panel_scan_mode = std::clamp(scan_mode, 0, kScanModeMax);
    m.panel_mask_a = mask_a;
    m.panel_mask_b = mask_b;
    m.panel_fit_mode = fit - 1 > kFull1 ? kFull2 : kFull1;
    panel.show_values();
}

int panel_read(const ControlPanel& panel, int kind) {
    const PanelMailbox& m = panel.mailbox;
    switch (kind) {
        case 0:
            return m.panel_scan_mode;
        case 1:
            return 1;
        case 2:
            return m.panel_mask_a;
        case 3:
            return m.panel_mask_b;
        case 4:
            return m.panel_fit_mode + 1;
        default:
            return 0;
    }
}

void panel_set_caption(ControlPanel& panel, int flag) {
    panel.caption = flag ? 1 : 0;
    panel.show_values();
}

std::string scan_mode_text(int scan_mode) {
    static constexpr std::array<const char*, 7> kTexts{"Off",   "Auto",  "Mode1", "Mode2",
                                                       "Mode3", "Mode4", "Mode5"};
    return kTexts[static_cast<size_t>(std::clamp(scan_mode, 0, kScanModeMax))];
}

std::string mask_text(int percent) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d%%", percent);
    return text;
}

std::string fit_mode_text(int panel_fit_mode) {
    return panel_fit_mode > kFull1 ? "FULL2" : "FULL1";
}

}  // namespace rq
