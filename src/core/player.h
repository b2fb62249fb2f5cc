#pragma once
// The player: the services it reaches (PlayerEnv) and its whole state,
// grouped by subsystem, in one object, so a test can build several players
// in one process. No window system in here: windows, text, dialogs and the
// device are reached through the interfaces in PlayerEnv.

#include <string>
#include <string_view>
#include <vector>

#include "core/device_state.h"
#include "core/geometry_state.h"
#include "core/input_state.h"
#include "core/media_state.h"
#include "core/playlist_state.h"
#include "core/save_state.h"
#include "core/settings.h"
#include "core/stores.h"
#include "core/tick_state.h"
#include "core/timed_text_state.h"
#include "core/transport_state.h"
#include "platform/file_dialogs.h"
#include "platform/file_locations.h"
#include "platform/key_state.h"
#include "platform/mci_channel.h"
#include "platform/popup_windows.h"
#include "platform/screen_saver.h"
#include "platform/settings_dialog_ui.h"
#include "platform/wave_out_volume.h"
#include "platform/window_host.h"
#include "platform/working_directory.h"
#include "skin/skin_surfaces.h"
#include "skin/text_renderer.h"

namespace rq {

// What the process hands the player.
struct PlayerEnv {
    MciChannel& mci;
    WindowHost& host;  // the main window
    ChildWindows windows;
    WaveOutVolume& volume;
    KeyState& keys;
    WorkingDirectory& cwd;
    TextRenderer& text;
    FileDialogs& dialogs;
    SettingsDialogUi& settings_dialog;
    ScreenSaver& screen_saver;
    FileLocations files;            // where the settings, lists and folders live
    std::vector<std::string> args;  // the arguments after the program
};

inline constexpr int kMainWindowBaseWidth = 356;
inline constexpr int kMainWindowHeight = 92;

class Player {
  public:
    explicit Player(PlayerEnv env);
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Sends a command whose reply is not read.
    void send(std::string_view command) { env.mci.send(command, nullptr, 0); }
    // Sends a query; the reply as text (empty when the command failed).
    std::string query(std::string_view command) { return env.mci.query(command); }
    // The number a query answers, 0 when it fails.
    int query_number(std::string_view command);

    WindowHost& host() { return env.host; }
    ChildWindows& windows() { return env.windows; }

    std::string settings_path() const { return files_folder + "RQ01.CFG"; }
    std::string template_path() const { return env.files.template_path; }
    std::string default_playlist_path() const { return files_folder + "RQ01.rql"; }
    // Width of the main window: the base, the width term and the extra width.
    int main_window_width() const {
        return kMainWindowBaseWidth + geometry.width_term + geometry.extra_width;
    }

    PlayerEnv env;
    std::string files_folder;  // env.files.folder once started; with a trailing "/"

    Settings settings;
    DeviceState device;
    MediaState media;
    TransportState transport;
    TickState tick;
    FaceState face;
    InputState input;
    GeometryState geometry;
    PlaylistState playlist;
    EditorState editor;
    IndexMarkState marks;
    TimedTextState timed_text;
    Stores stores;
    SkinSurfaces skin;  // FaceBuffer, SkinSheet, TextCanvas
    UnsavedFiles unsaved;

    Point saved_cursor;      // kept while the cursor is hidden in full screen
    Point last_mouse_point;  // the last press or drag point on the face
};

}  // namespace rq
