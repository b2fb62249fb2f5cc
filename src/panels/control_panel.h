#pragma once
// The control panel of full screen: what its controls do to its mailbox,
// and the operations the main window and the tick call on it.

#include <string>

#include "platform/popup_windows.h"

namespace rq {

inline constexpr int kPanelSliderMax = 2048;

enum class PanelButton { Back, PlayPause, Next };
enum class PanelSlider { Seek, Volume };
// The step buttons of the hidden groups.
enum class PanelStep { ScanUp, ScanDown, MaskAUp, MaskADown, MaskBUp, MaskBDown };

// The controls' handlers.
void panel_button(ControlPanel& panel, PanelButton button);
// The "MovieSize" step buttons: +1 up, -1 down.
void panel_fit_step(ControlPanel& panel, int direction);
void panel_caption_clicked(ControlPanel& panel);
// `reported` is the position a thumb action reports.
void panel_scrolled(ControlPanel& panel, PanelSlider slider, ScrollAction action, int reported);
void panel_hidden_step(ControlPanel& panel, PanelStep step);

// Kind 0 the media length; 1 the seek slider from a position in device
// units; 2 the volume slider from a volume 0..255; 3 the slider layout for
// a screen width.
void panel_set(ControlPanel& panel, int kind, int value);
// Kind 0 seek moved (1, consumed), 1 the seek target, 2 volume moved (2,
// consumed), 3 the volume 0..255, 4 a button (3, consumed), 5 the button
// code (then 10), 6 fit mode changed (4, consumed); others 0.
int panel_poll(ControlPanel& panel, int kind);
// Shows the saved values; the second is not used. `fit` is a
// fullscreen_fit_mode (4 or 5).
void panel_load(ControlPanel& panel, int scan_mode, int unused, int mask_a, int mask_b, int fit);
// 0 scan mode, 1 the constant 1, 2 mask A, 3 mask B, 4 the fit mode as a
// fullscreen_fit_mode; others 0.
int panel_read(const ControlPanel& panel, int kind);
void panel_set_caption(ControlPanel& panel, int flag);

// The texts the panel's edits show.
std::string scan_mode_text(int scan_mode);
std::string mask_text(int percent);
std::string fit_mode_text(int panel_fit_mode);

}  // namespace rq
