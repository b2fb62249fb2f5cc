#include "app/player_app.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QApplication>
#include <QPalette>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "app/engine_factory.h"
#include "app/player_window.h"
#include "media/drops.h"
#include "platform/file_locations.h"
#include "platform/path_util.h"
#include "platform/working_directory.h"
#include "qt/dbus_screen_saver.h"
#include "qt/drop_filter.h"
#include "qt/face_window.h"
#include "qt/file_dialogs.h"
#include "qt/key_filter.h"
#include "qt/mpris.h"
#include "qt/picture_targets.h"
#include "qt/popup_windows.h"
#include "qt/settings_dialog.h"
#include "qt/text_renderer.h"
#include "qt/translations.h"
#include "video/main_window_events.h"

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

}  // namespace

int PlayerApp::run(int argc, char** argv) {
    // SIGTERM, SIGINT and SIGHUP arrive as readable events on a descriptor,
    // blocked before any thread starts so that every thread inherits it.
    sigset_t quit_signals;
    sigemptyset(&quit_signals);
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&quit_signals, sig);
    pthread_sigmask(SIG_BLOCK, &quit_signals, nullptr);
    int signal_fd = signalfd(-1, &quit_signals, SFD_CLOEXEC | SFD_NONBLOCK);

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // QApplication resets the locale; libmpv needs "C" numbers.
    std::setlocale(LC_NUMERIC, "C");

    QTranslator translator;
    install_translations(translator);

    QPalette palette = app.palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    app.setPalette(palette);

    KeyState keys;
    KeyFilter key_filter(keys);
    app.installEventFilter(&key_filter);

    // Outlives the engine, whose render thread hands it frames.
    // Software unless RQ810Z_RENDER=auto or =opengl asks for OpenGL: that
    // path still now and then leaves the picture at its full-screen place
    // after full screen, or misses Alt+Enter, on a software rasteriser.
    const std::string_view render =
        std::getenv("RQ810Z_RENDER") ? std::getenv("RQ810Z_RENDER") : "";
    PictureTargets targets(nullptr, render == "auto"     ? Rendering::Auto
                                    : render == "opengl" ? Rendering::OpenGL
                                                         : Rendering::Software);
    std::unique_ptr<PlaybackEngine> engine = make_engine(&targets);
    ProcessWorkingDirectory cwd;
    const char* log = std::getenv("RQ810Z_MCI_LOG");
    MciChannel mci(*engine, cwd, log ? log : "");
    WaveOutVolume volume(engine.get(), WaveOutVolume::default_store_path());

    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const FileLocations files = choose_player_files(argc > 0 ? argv[0] : "");

    FaceWindow face;
    // RQ810Z_TIMING=FILE: when the face and the first frame were first shown.
    if (const char* timing = std::getenv("RQ810Z_TIMING")) {
        auto mark = [path = std::string(timing)](const char* what) {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            if (std::FILE* f = std::fopen(path.c_str(), "a")) {
                std::fprintf(f, "%s %lld\n", what, now.tv_sec * 1000000000LL + now.tv_nsec);
                std::fclose(f);
            }
        };
        face.on_first_paint = [mark] { mark("face"); };
        targets.on_first_frame = [mark] { mark("frame"); };
    }
    QtTextRenderer text_renderer;
    QtFileDialogs dialogs(&face, cwd);
    QtSettingsDialogUi settings_dialog(&face);
    QtChildWindows children(targets);
    DbusScreenSaver screen_saver;
    int result = 0;
    {
        PlayerWindow player({mci, face, children.windows(), volume, keys, cwd, text_renderer,
                             dialogs, settings_dialog, screen_saver, files, std::move(args)});
        face.attach(&player);
        children.editor.attach(&player, &face);
        DropFilter drops([&](const std::vector<std::string>& paths) { scan_drop(player, paths); });
        face.installEventFilter(&drops);

        // The signal descriptor is read on the tick's own timer, so an idle
        // player wakes no more often, and a quit signal that came however
        // early in the start-up is seen at the first tick.
        if (signal_fd >= 0) {
            face.before_tick = [&] {
                signalfd_siginfo info;
                bool signalled = false;
                while (read(signal_fd, &info, sizeof info) > 0)
                    signalled = true;
                if (!signalled) return;
                // As the POWER button: the next main tick ends the run. A
                // second signal does not wait for it.
                if (player.tick.quit_requested == 1) player.shutdown();
                player.request_quit();
            };
        }
        // A logout ends the session's applications: save on the way out.
        QObject::connect(&app, &QGuiApplication::commitDataRequest,
                         [&](QSessionManager&) { player.shutdown(); });
        QObject::connect(&face, &FaceWindow::ended, &app, [&](int r) { app.exit(r); });
        QObject::connect(&app, &QGuiApplication::applicationStateChanged,
                         [&](Qt::ApplicationState state) {
                             application_activated(player, state == Qt::ApplicationActive);
                         });

        // The desktop's media controls and media keys, when there is a
        // session bus and no other copy holds the name.
        Mpris mpris(
            player,
            [&] {
                face.showNormal();
                face.raise();
                face.activateWindow();
            },
            [&] { player.request_quit(); });

        if (player.on_create() != 0) return 1;
        player.init_dialog();
        result = app.exec();
        if (!player.has_shut_down()) player.shutdown();
        player.on_destroy();
        children.editor.attach(nullptr, nullptr);
        face.attach(nullptr);
        face.before_tick = nullptr;
    }
    if (signal_fd >= 0) close(signal_fd);
    return result == 1 ? 0 : result;
}

}  // namespace rq
