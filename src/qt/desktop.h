#pragma once
// The player's desktop on Qt: the application with its texts and colours,
// the keyboard, the face and its child windows, the picture targets, the
// dialogs, the text renderer, the screen saver and the media controls.
// Built before the engine and the player, it hands them their services and
// runs the event loop.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/player.h"
#include "platform/frame_sink.h"

namespace rq {

// What the desktop's events ask of the player's run.
struct DesktopHooks {
    std::function<void()> tick;          // every 30 ms
    std::function<void()> request_quit;  // as POWER: the next main tick ends the run
    std::function<void()> shutdown;      // the session ends: save now
    // The process ends now, from inside the toolkit (the display went
    // away): save what can be saved; no window may be touched.
    std::function<void()> end_now;
    std::function<void(const std::vector<std::string>&)> drop;  // files dropped on the face
};

class QtDesktop {
  public:
    // `argc` and `argv` must outlive the desktop.
    QtDesktop(int& argc, char** argv, const WorkingDirectory& cwd);
    ~QtDesktop();
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    // Where the engine delivers its pictures; outlives the engine.
    FrameSink& frames();
    // PlayerEnv less what the desktop does not own.
    KeyState& keys();
    WindowHost& face();
    ChildWindows windows();
    TextRenderer& text();
    FileDialogs& dialogs();
    SettingsDialogUi& settings_dialog();
    ScreenSaver& screen_saver();

    // The player that runs on this desktop, until detach().
    void attach(Player& player, DesktopHooks hooks);
    void detach();
    // Runs the event loop until the face ends the run; the run's result.
    int exec();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace rq
