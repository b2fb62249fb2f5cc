#include "qt/desktop.h"

#include <unistd.h>

#include <QApplication>
#include <QPalette>
#include <QThread>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string_view>

#include <xcb/xcb.h>

#include "platform/render_choice.h"
#include "qt/child_windows.h"
#include "qt/dbus_screen_saver.h"
#include "qt/drop_filter.h"
#include "qt/face_window.h"
#include "qt/gl_frames.h"
#include "qt/key_filter.h"
#include "qt/mpris.h"
#include "qt/picture_targets.h"
#include "qt/qt_file_dialogs.h"
#include "qt/qt_settings_dialog.h"
#include "qt/qt_text_renderer.h"
#include "qt/translations.h"
#include "video/main_window_events.h"

namespace rq {

namespace {

// Decided once, with the application made, and said on stderr.
bool draw_with_opengl() {
    const Rendering asked = rendering_asked(std::getenv("RQ810Z_RENDER"));
    const bool device = graphics_device_present();
    const bool probe = asked == Rendering::OpenGL || (asked == Rendering::Auto && device);
    const std::string renderer = probe ? QtGlFrames::renderer() : "";
    const RenderChoice choice = choose_rendering(asked, renderer, device);
    std::fprintf(stderr, "rq810z: %s\n", choice.why.c_str());
    return choice.opengl;
}

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool x_display_reachable() {
    if (!set("DISPLAY")) return false;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    return reached;
}

// The face needs what Wayland does not give a client: absolute window
// places, a shaped window, staying on top. In a Wayland session it runs
// through XWayland, unless the user chose a platform.
void choose_platform() {
    if (set("QT_QPA_PLATFORM")) return;
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland =
        set("WAYLAND_DISPLAY") || (session && std::string_view(session) == "wayland");
    if (!wayland) return;
    if (x_display_reachable()) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        return;
    }
    std::fputs(
        "rq810z: no X display (XWayland) to reach, running on Wayland: the windows keep no places "
        "of "
        "their own, the face is not shaped and cannot stay on top\n",
        stderr);
}

QApplication& started_application(std::optional<QApplication>& app, int& argc, char** argv) {
    choose_platform();
    app.emplace(argc, argv);
    app->setQuitOnLastWindowClosed(false);
    // QApplication resets the locale; libmpv needs "C" numbers.
    std::setlocale(LC_NUMERIC, "C");
    QPalette palette = app->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    app->setPalette(palette);
    return *app;
}

// RQ810Z_TIMING=FILE: when the face and the first frame were first shown.
void mark_first_sights(FaceWindow& face, PictureTargets& targets) {
    const char* timing = std::getenv("RQ810Z_TIMING");
    if (!timing) return;
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

// Qt's X11 platform ends the process with exit(1) from its event
// dispatcher when the connection to the X server breaks, and Xlib's fatal
// I/O error handler does the same: no signal, event or handler of the
// toolkit comes first. An exit handler is the one place left where the
// player can still save, and it takes no argument that could outlive the
// desktop, so what it runs is held here: set by attach() and cleared by
// detach() on the GUI thread. The player's only mutable static, for want
// of another way in.
std::function<void()>& exit_hook() {
    static std::function<void()> hook;
    return hook;
}

void save_before_exit(int status, void*) {
    std::function<void()>& hook = exit_hook();
    // From another thread the save would race the GUI thread's own work.
    if (!hook || !qApp || QThread::currentThread() != qApp->thread()) return;
    const std::function<void()> save = std::move(hook);
    hook = nullptr;
    save();
    std::fflush(nullptr);
    // The rest of exit would destroy the toolkit's and the libraries'
    // statics under the engine's threads and the windows that still live.
    // The run did not end the orderly way, whatever the status asked.
    _exit(status == 0 ? 1 : status);
}

}  // namespace

// In the order they are made; the application first, as every widget needs it.
struct QtDesktop::Parts {
    Parts(int& argc, char** argv, const WorkingDirectory& cwd)
        : app(started_application(app_slot, argc, argv)),
          key_filter(keys),
          targets(nullptr, draw_with_opengl()),
          dialogs(&face, cwd),
          settings_dialog(&face),
          children(targets) {
        install_translations(translator);
        app.installEventFilter(&key_filter);
        mark_first_sights(face, targets);
    }

    std::optional<QApplication> app_slot;
    QApplication& app;
    QTranslator translator;
    KeyState keys;
    KeyFilter key_filter;
    PictureTargets targets;
    FaceWindow face;
    QtTextRenderer text;
    QtFileDialogs dialogs;
    QtSettingsDialogUi settings_dialog;
    QtChildWindows children;
    DbusScreenSaver screen_saver;

    // While a player runs.
    std::unique_ptr<DropFilter> drops;
    std::unique_ptr<Mpris> mpris;
    std::vector<QMetaObject::Connection> connections;
};

QtDesktop::QtDesktop(int& argc, char** argv, const WorkingDirectory& cwd)
    : parts_(std::make_unique<Parts>(argc, argv, cwd)) {}

QtDesktop::~QtDesktop() {
    detach();
}

FrameSink& QtDesktop::frames() {
    return parts_->targets;
}
KeyState& QtDesktop::keys() {
    return parts_->keys;
}
WindowHost& QtDesktop::face() {
    return parts_->face;
}
ChildWindows QtDesktop::windows() {
    return parts_->children.windows();
}
TextRenderer& QtDesktop::text() {
    return parts_->text;
}
FileDialogs& QtDesktop::dialogs() {
    return parts_->dialogs;
}
SettingsDialogUi& QtDesktop::settings_dialog() {
    return parts_->settings_dialog;
}
ScreenSaver& QtDesktop::screen_saver() {
    return parts_->screen_saver;
}

void QtDesktop::attach(Player& player, DesktopHooks hooks) {
    Parts& d = *parts_;
    static const bool exit_handled = on_exit(save_before_exit, nullptr) == 0;
    if (!exit_handled)
        std::fputs("rq810z: no exit handler; a lost display loses the run\n", stderr);
    exit_hook() = hooks.end_now;
    d.face.attach(&player, hooks.tick);
    d.children.editor.attach(&player, &d.face);
    d.drops = std::make_unique<DropFilter>(hooks.drop);
    d.face.installEventFilter(d.drops.get());

    // A logout ends the session's applications: save on the way out.
    d.connections.push_back(
        QObject::connect(&d.app, &QGuiApplication::commitDataRequest,
                         [shutdown = hooks.shutdown](QSessionManager&) { shutdown(); }));
    d.connections.push_back(QObject::connect(&d.face, &FaceWindow::ended, &d.app,
                                             [&app = d.app](int r) { app.exit(r); }));
    d.connections.push_back(QObject::connect(
        &d.app, &QGuiApplication::applicationStateChanged, [&player](Qt::ApplicationState state) {
            application_activated(player, state == Qt::ApplicationActive);
        }));

    // The desktop's media controls and media keys, when there is a session
    // bus and no other copy holds the name.
    d.mpris = std::make_unique<Mpris>(
        player,
        [&face = d.face] {
            face.showNormal();
            face.raise();
            face.activateWindow();
        },
        hooks.request_quit);
}

void QtDesktop::detach() {
    Parts& d = *parts_;
    exit_hook() = nullptr;
    d.mpris.reset();
    for (const QMetaObject::Connection& c : d.connections)
        QObject::disconnect(c);
    d.connections.clear();
    if (d.drops) d.face.removeEventFilter(d.drops.get());
    d.drops.reset();
    d.children.editor.attach(nullptr, nullptr);
    d.face.attach(nullptr);
}

int QtDesktop::exec() {
    return parts_->app.exec();
}

}  // namespace rq
