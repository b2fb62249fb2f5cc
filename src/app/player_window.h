#pragma once
// The main window's player: every piece of process-wide state lives here,
// grouped by subsystem, so a test can build several players in one process.
// No window system in here: the window is reached through WindowHost.

#include <memory>
#include <string>
#include <vector>

#include "app/settings.h"
#include "app/window_host.h"
#include "input/input_state.h"
#include "media/device_state.h"
#include "media/media_state.h"
#include "panels/control_panel.h"
#include "panels/popup_windows.h"
#include "platform/key_state.h"
#include "platform/list_store.h"
#include "platform/mci_channel.h"
#include "platform/wave_out_volume.h"
#include "playlist/playlist_editor.h"
#include "playlist/playlist_state.h"
#include "skin/skin_surfaces.h"
#include "transport/tick_state.h"
#include "transport/transport_state.h"

namespace rq {

class FileDialogs;

// What the process hands the player.
struct PlayerEnv {
    MciChannel& mci;
    WindowHost& host;
    WaveOutVolume& volume;
    KeyState& keys;
    std::string program_path;       // the executable; its folder holds the settings
    std::vector<std::string> args;  // the arguments after the program
};

// The data lists and edits that the main window keeps out of sight.
struct HiddenStores {
    ListStore path_list;            // 1006: the playlist, one full path per row
    ListStore folder_queue;         // 1007: folders still to scan during a drop
    TextStore lowercase_box{true};  // 1000: reads back what it is given in lower case
    TextStore last_list_file;       // 1061: the playlist file last loaded or saved
    ListStore index_marks;          // 1086: mark positions in ms, ascending
    ListStore index_texts;          // 1074: the text of each mark
    ListStore index_free_lines;     // 1106: index-file lines before "[IndexTime]"
    ListStore timed_text_lines;     // 1107: row 0 empty, then the timed lines
};

inline constexpr int kMainWindowBaseWidth = 356;
inline constexpr int kMainWindowHeight = 92;
inline constexpr int kTimerPeriodMs = 30;
inline constexpr char kWindowTitle[] = " \xE2\x97\x8E RQ810Z";  // " ◎ RQ810Z"

class PlayerWindow {
  public:
    explicit PlayerWindow(PlayerEnv env);
    // Closes the device however the run ended.
    ~PlayerWindow();
    PlayerWindow(const PlayerWindow&) = delete;
    PlayerWindow& operator=(const PlayerWindow&) = delete;

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

    void timer_tick();
    // The orderly end: stop, save the playlist and the settings, close the
    // windows, end the run. Runs once; later calls do nothing.
    void shutdown();
    bool has_shut_down() const { return shut_down_; }

    std::string settings_path() const { return program_folder + "RQ01.CFG"; }
    std::string template_path() const { return program_folder + "RQ01.sys"; }
    std::string default_playlist_path() const { return program_folder + "RQ01.rql"; }
    // Width of the main window: the base, 50, and the extra width of the
    // window geometry (0 until it changes).
    int main_window_width() const { return kMainWindowBaseWidth + 50 + extra_width; }

    // Sends a command whose reply is not read.
    void send(const std::string& command) { mci.send(command, nullptr, 0); }
    // Sends a query; the reply as text (empty when the command failed).
    std::string query(const std::string& command) { return mci.query(command); }

    MciChannel& mci;
    WindowHost& host;
    WaveOutVolume& volume;
    KeyState& keys;
    std::vector<std::string> args;
    std::string program_path;
    std::string program_folder;  // with a trailing "/"

    Settings settings;
    DeviceState device;
    MediaState media;
    TransportState transport;
    TickState tick;
    InputState input;
    PlaylistState playlist;
    IndexMarkState marks;
    HiddenStores stores;
    SkinSurfaces skin;  // FaceBuffer, SkinSheet, TextCanvas

    Point saved_cursor;
    Point last_mouse_point;
    int extra_width = 0;
    bool timer_running = false;

    std::unique_ptr<FullScreenInput> full_screen_input;
    std::unique_ptr<VideoWindow> video_window;
    std::unique_ptr<CaptionOverlay> caption_overlay;
    std::unique_ptr<ControlPanel> control_panel;
    std::unique_ptr<PlaylistEditor> playlist_editor;
    // The FILE button's and the editor's file dialogs; null: always cancelled.
    FileDialogs* file_dialogs = nullptr;

  private:
    void first_tick_work();
    bool shut_down_ = false;
};

}  // namespace rq
