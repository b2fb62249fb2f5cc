#pragma once
// The face's push buttons: where each answers, what a press asks of the
// tick, and the look it shows lit while its timer counts. A plain button is
// a row of data; the transport buttons with rules of their own are Button's
// static presses.

#include "face/control.h"

namespace rq {

struct Button {
    Hit where;
    int timer;        // the button_timers slot that keeps it lit
    Command request;  // what a left press asks of the tick

    bool hit(Point pt) const { return on(where, pt); }
    // Lit, with its request (FILE, CONFIG and FULL arm theirs for the
    // left release).
    void press(Player& p) const;

    // PLAY: opens the current entry when stopped, resumes a pause or ends
    // a search.
    static void play(Player& p);
    // STILL: pauses, or resumes a pause.
    static void still(Player& p);
    // STOP: the index file is saved first.
    static void stop(Player& p);
    // BACK or NEXT with either button; paused, it steps one unit at once.
    static void back_or_next(Player& p, bool next);
    // REW or FF with either button: lit and searching while held.
    static void search(Player& p, bool forward);
    // POWER: the left release quits.
    static void power(Player& p);
    // The minimise button; `by` 1 left, 2 right.
    static void minimise(Player& p, int by);

    // A search held with a button ends at its release.
    static void end_search(Player& p);
    // At the left release: the action FILE, CONFIG, FULL or POWER armed.
    static void run_release_action(Player& p);
    // A press cancelled: what FILE, CONFIG, FULL or POWER armed is dropped.
    static void disarm(Player& p);

    // Face pass step: REW or FF lit searches by the table of search steps.
    static void held_search_step(Player& p);

    // The lit looks, in three groups of the face's drawing order: the
    // transport buttons, the zoom buttons, then FILE, CONFIG, FULL, POWER.
    static void draw_transport(const Player& p, FaceCanvas& c);
    static void draw_zoom(const Player& p, FaceCanvas& c);
    static void draw_later(const Player& p, FaceCanvas& c);
};

inline constexpr Button kZoomMinusButton{Hit::ZoomMinus, button::kSmaller, Command::SmallerPicture};
inline constexpr Button kZoomPlusButton{Hit::ZoomPlus, button::kLarger, Command::LargerPicture};
inline constexpr Button kFileButton{Hit::File, button::kFile, Command::FileRelease};
inline constexpr Button kConfigButton{Hit::Config, button::kConfig, Command::ConfigRelease};
inline constexpr Button kFullButton{Hit::Full, button::kFull, Command::FullRelease};

}  // namespace rq
