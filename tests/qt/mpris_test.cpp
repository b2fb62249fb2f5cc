// The player on a private session bus, driven by playerctl as the desktop
// would drive it: each call becomes a request the next main tick carries
// out, and what changed is announced. Run under dbus-run-session.

#include "qt/mpris.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <algorithm>

#include "support/player_fixture.h"
#include "support/qt_app.h"

namespace rq {
namespace {

// Collects the PropertiesChanged signals of the player's interface.
class ChangeSpy : public QObject {
    Q_OBJECT
  public:
    explicit ChangeSpy(QDBusConnection bus) {
        bus.connect({}, "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties",
                    "PropertiesChanged", this, SLOT(changed(QString, QVariantMap, QStringList)));
    }
    QList<QVariantMap> seen;

  public slots:
    void changed(const QString& interface, const QVariantMap& values, const QStringList&) {
        if (interface == "org.mpris.MediaPlayer2.Player") seen << values;
    }
};

struct BusPlayer : test::Player {
    // Two files in the default playlist; the first plays from the start.
    BusPlayer() {
        for (const char* name : {"first.avi", "second.wav"})
            test::write_bytes(dir / name, "clip");
        engine.add_media(dir / "first.avi", {10000, 25, Rect{0, 0, 320, 240}});
        engine.add_media(dir / "second.wav", {4000, 0, std::nullopt});
        test::write_bytes(dir / "RQ01.rql",
                          dir / "first.avi" + "\r\n" + dir / "second.wav" + "\r\n");
        start();
        main_ticks(1);
    }

    // Runs playerctl against this player while the event loop serves its
    // calls; then the main ticks carry out what it asked (the clock stands).
    std::string ctl(QStringList args) {
        QProcess p;
        args.prepend("--player=rq810z");
        p.start("playerctl", args);
        QElapsedTimer t;
        t.start();
        while (p.state() != QProcess::NotRunning && t.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            p.waitForFinished(5);
        }
        EXPECT_EQ(p.exitCode(), 0)
            << args.join(' ').toStdString() << ": " << p.readAllStandardError().toStdString();
        main_ticks(1, 0);
        mpris.poll();
        QCoreApplication::processEvents();
        return p.readAllStandardOutput().trimmed().toStdString();
    }

    bool raised = false, quit = false;
    Mpris mpris{*pw, [this] { raised = true; }, [this] { life->request_quit(); }};
};

bool sent(const std::vector<std::string>& log, const std::string& command) {
    return std::find(log.begin(), log.end(), command) != log.end();
}

TEST(Mpris, PlayerctlDrivesThePlayerThroughTheTick) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";
    BusPlayer p;
    ASSERT_TRUE(p.mpris.registered());
    ChangeSpy spy(QDBusConnection::sessionBus());

    EXPECT_EQ(p.ctl({"--list-all"}), "rq810z");
    EXPECT_EQ(p.ctl({"status"}), "Playing");
    EXPECT_EQ(p.ctl({"metadata", "--format", "{{title}}|{{mpris:length}}|{{xesam:url}}"}),
              "first|10000000|file://" + p.dir / "first.avi");

    // Play-pause pauses through the pending command: the device hears it
    // from the tick, and the change is announced.
    p.forget_commands();
    p.ctl({"play-pause"});
    EXPECT_TRUE(sent(p.commands(), "pause movie"));
    EXPECT_EQ(p.pw->device.paused, 1);
    EXPECT_EQ(p.ctl({"status"}), "Paused");
    ASSERT_FALSE(spy.seen.isEmpty());
    EXPECT_EQ(spy.seen.back().value("PlaybackStatus").toString(), "Paused");

    // A position set while paused seeks there and stays paused.
    p.forget_commands();
    p.ctl({"position", "4"});
    EXPECT_EQ(p.engine.position_ms(), 4000);
    EXPECT_EQ(p.pw->device.paused, 1);
    EXPECT_EQ(p.ctl({"position"}), "4.000000");
    // A relative seek from there, still through the tick.
    p.ctl({"position", "2+"});
    EXPECT_EQ(p.engine.position_ms(), 6000);
    EXPECT_FALSE(sent(p.commands(), "play movie")) << "a seek does not resume";

    // Next opens the second entry; its metadata follows.
    p.ctl({"next"});
    EXPECT_EQ(p.engine.open_path(), p.dir / "second.wav");
    EXPECT_EQ(p.ctl({"metadata", "--format", "{{title}}|{{mpris:length}}"}), "second|4000000");
    EXPECT_EQ(p.ctl({"status"}), "Playing");
    EXPECT_TRUE(std::any_of(spy.seen.begin(), spy.seen.end(),
                            [](const QVariantMap& m) { return m.contains("Metadata"); }));

    // Repeat, shuffle and volume are the player's own settings.
    EXPECT_EQ(p.ctl({"loop"}), "Playlist");
    p.ctl({"loop", "None"});
    EXPECT_EQ(p.pw->settings.repeat, 0);
    p.ctl({"shuffle", "On"});
    EXPECT_EQ(p.pw->settings.shuffle, 1);
    EXPECT_EQ(p.ctl({"shuffle"}), "On");
    p.ctl({"volume", "0.5"});
    EXPECT_EQ(p.volume.get(), 0x80008000u);

    // Stop closes the device as STOP does; Quit ends as POWER does.
    p.ctl({"stop"});
    EXPECT_EQ(p.pw->device.stopped, 1);
    EXPECT_EQ(p.ctl({"status"}), "Stopped");
    QDBusMessage quit =
        QDBusMessage::createMethodCall("org.mpris.MediaPlayer2.rq810z", "/org/mpris/MediaPlayer2",
                                       "org.mpris.MediaPlayer2", "Quit");
    QDBusConnection::sessionBus().call(quit, QDBus::NoBlock);
    // The call makes its way through the bus daemon: wait for it, not for
    // a number of loops.
    QElapsedTimer waited;
    waited.start();
    while (!p.host.ended && waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
        p.main_ticks(1, 0);
    }
    EXPECT_TRUE(p.host.ended);
}

TEST(Mpris, ASecondCopyOrNoBusRunsWithoutTheName) {
    BusPlayer first;
    ASSERT_TRUE(first.mpris.registered());
    test::Player second_player;
    second_player.start();
    testing::internal::CaptureStderr();
    // Another process has a connection of its own.
    QDBusConnection other = QDBusConnection::connectToBus(
        qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("other process"));
    ASSERT_NE(other.baseService(), QDBusConnection::sessionBus().baseService());
    Mpris second(
        *second_player.pw, [] {}, [] {}, other);
    Mpris no_bus(
        *second_player.pw, [] {}, [] {}, QDBusConnection(QStringLiteral("none")));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(second.registered());
    EXPECT_FALSE(no_bus.registered());
    EXPECT_NE(said.find("taken by another player"), std::string::npos) << said;
    EXPECT_NE(said.find("no session bus"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << "one line each";
    // The first keeps the name and answers.
    EXPECT_EQ(first.ctl({"status"}), "Playing");
    second_player.main_ticks(2);
}

}  // namespace
}  // namespace rq

#include "mpris_test.moc"
