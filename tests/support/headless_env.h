#pragma once
// Every service of a headless player but the engine channel, in one place,
// so that a new service is added to every test and benchmark player at once.

#include <string>
#include <utility>
#include <vector>

#include "core/player.h"
#include "support/headless.h"

namespace rq::test {

struct HeadlessServices {
    HeadlessHost host;
    HeadlessWindows children;
    KeyState keys;
    RecordingText text;
    ScriptedDialogs dialogs;
    ScriptedSettingsDialog settings_dialog;
    CountingScreenSaver screen_saver;

    // The environment of a player on `mci`; `text_renderer` and `editor`
    // stand in for the recording fakes when given.
    PlayerEnv env(MciChannel& mci, WaveOutVolume& volume, WorkingDirectory& cwd,
                  std::string program_path, std::vector<std::string> args = {},
                  TextRenderer* text_renderer = nullptr, EditorWindow* editor = nullptr) {
        ChildWindows windows{children.full_screen_input,         children.video_window,
                             children.caption_overlay,           children.control_panel,
                             editor ? *editor : children.editor, children.desktop};
        return PlayerEnv{mci,
                         host,
                         windows,
                         volume,
                         keys,
                         cwd,
                         text_renderer ? *text_renderer : text,
                         dialogs,
                         settings_dialog,
                         screen_saver,
                         std::move(program_path),
                         std::move(args)};
    }
};

}  // namespace rq::test
