#include "app/player_app.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/player_lifecycle.h"
#include "media/drops.h"
#include "platform/engine_factory.h"
#include "platform/file_locations.h"
#include "platform/path_util.h"
#include "platform/working_directory.h"
#include "qt/desktop.h"

namespace rq {

namespace {

// Once per run: the folder of the settings and lists, made on the first
// start of a user's copy.
FileLocations choose_player_files(const char* argv0) {
    const FileLocations files =
        choose_file_locations(gather_location_facts(argv0, RQ_DATA_FROM_BIN));
    if (!make_files_folder(files))
        std::fprintf(stderr, "rq810z: cannot create %s; settings will not be saved\n",
                     files.folder.c_str());
    return files;
}

// SIGTERM, SIGINT and SIGHUP arrive as readable events on a descriptor,
// blocked before any thread starts so that every thread inherits the mask.
class QuitSignals {
  public:
    QuitSignals() {
        sigset_t quit_signals;
        sigemptyset(&quit_signals);
        for (int sig : {SIGTERM, SIGINT, SIGHUP})
            sigaddset(&quit_signals, sig);
        pthread_sigmask(SIG_BLOCK, &quit_signals, nullptr);
        fd_ = signalfd(-1, &quit_signals, SFD_CLOEXEC | SFD_NONBLOCK);
    }
    ~QuitSignals() {
        if (fd_ >= 0) close(fd_);
    }
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // Whether a quit signal came since the last call.
    bool arrived() {
        signalfd_siginfo info;
        bool signalled = false;
        while (fd_ >= 0 && read(fd_, &info, sizeof info) > 0)
            signalled = true;
        return signalled;
    }

  private:
    int fd_ = -1;
};

}  // namespace

int PlayerApp::run(int argc, char** argv) {
    QuitSignals signals;
    let_saves_fail_past_size_limit();
    ProcessWorkingDirectory cwd;
    QtDesktop desktop(argc, argv, cwd);

    std::unique_ptr<PlaybackEngine> engine = make_engine(&desktop.frames());
    const char* log = std::getenv("RQ810Z_MCI_LOG");
    MciChannel mci(*engine, cwd, log ? log : "");
    WaveOutVolume volume(engine.get(), WaveOutVolume::default_store_path());
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const FileLocations files = choose_player_files(argc > 0 ? argv[0] : "");

    PlayerLifecycle life({mci, desktop.face(), desktop.windows(), volume, desktop.keys(), cwd,
                          desktop.text(), desktop.dialogs(), desktop.settings_dialog(),
                          desktop.screen_saver(), files, std::move(args)});
    DesktopHooks hooks;
    // The signals are read on the tick's own timer, so an idle player wakes
    // no more often, and a quit signal that came however early in the
    // start-up is seen at the first tick.
    hooks.tick = [&] {
        if (signals.arrived()) {
            // As the POWER button: the next main tick ends the run. A
            // second signal does not wait for it.
            if (life.player().tick.quit_requested) life.shutdown();
            life.request_quit();
        }
        life.timer_tick();
    };
    hooks.request_quit = [&] { life.request_quit(); };
    hooks.shutdown = [&] { life.shutdown(); };
    hooks.end_now = [&] {
        if (life.has_shut_down()) return;
        std::fputs("rq810z: the display is gone; saving the settings and the playlist\n", stderr);
        life.save_files();
    };
    hooks.drop = [&](const std::vector<std::string>& paths) { scan_drop(life.player(), paths); };
    desktop.attach(life.player(), std::move(hooks));

    if (life.on_create() != 0) {
        desktop.detach();
        return 1;
    }
    life.init_dialog();
    const int result = desktop.exec();
    if (!life.has_shut_down()) life.shutdown();
    life.on_destroy();
    desktop.detach();
    return result == 1 ? 0 : result;
}

}  // namespace rq
