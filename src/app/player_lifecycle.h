#pragma once
// The player's life from the face window's creation to the end of the run,
// and the timer tick that drives it. It holds the Player; the windows are
// the desktop's.

#include "core/player.h"

namespace rq {

inline constexpr int kTimerPeriodMs = 30;
inline constexpr char kWindowTitle[] = " \xE2\x97\x8E RQ810Z";  // " ◎ RQ810Z"

class PlayerLifecycle {
  public:
    explicit PlayerLifecycle(PlayerEnv env);
    PlayerLifecycle(const PlayerLifecycle&) = delete;
    PlayerLifecycle& operator=(const PlayerLifecycle&) = delete;
    // Closes the device however the run ended.
    ~PlayerLifecycle();

    // Window creation: starts the timer; -1 when it cannot run.
    int on_create();
    // Window destruction: stops the timer.
    void on_destroy();
    void init_dialog();
    // Changes into the remembered folder, prefix by prefix.
    void enter_last_folder();

    void load_settings();
    void save_settings();
    // Reads and forgets every polled key, so keys pressed while starting or
    // closing do not act on the next poll.
    void clear_key_states();

    // Every 30 ms: start-up on the first call, the keyboard on every call,
    // the main tick's steps when it is one.
    void timer_tick();
    // The orderly end: stop, save the playlist and the settings, close the
    // windows, end the run. Runs once; later calls do nothing.
    void shutdown();
    bool has_shut_down() const { return shut_down_; }
    // What the shutdown saves (the default playlist once it was read, the
    // settings), then one line on stderr for each file that could not be
    // saved in the run. Also for an end that leaves no time for the rest.
    void save_files();
    // As the POWER button, from outside (a signal): the next main tick
    // ends the run, also when the first tick is still to come.
    void request_quit();

    Player& player() { return player_; }
    const Player& player() const { return player_; }

  private:
    void first_tick_work();
    Player player_;
    void main_tick();
    bool timer_running_ = false;
    bool shut_down_ = false;
    bool quit_before_start_ = false;
};

}  // namespace rq
