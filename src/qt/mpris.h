#pragma once
// The player on the session bus as "org.mpris.MediaPlayer2.rq810z", so the
// desktop's media controls and the keyboard's media keys reach it. Calls
// become requests for the next main tick (transport/remote_control.h);
// property changes are found by comparing snapshots and announced with
// PropertiesChanged.

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <QVariantMap>
#include <functional>

#include "transport/remote_control.h"

namespace rq {

class Player;

class Mpris : public QObject {
    Q_OBJECT
  public:
    // `raise` brings the face to the front; `quit` ends the player as POWER
    // does.
    Mpris(Player& player, std::function<void()> raise, std::function<void()> quit,
          QDBusConnection bus = QDBusConnection::sessionBus());
    ~Mpris() override;

    // True when the name is ours; otherwise the player runs without it (the
    // reason went to stderr once).
    bool registered() const { return registered_; }

    // Compares the player with the last snapshot and announces what changed.
    void poll();

    // What the interfaces' calls do.
    Player& player() { return player_; }
    const RemoteView& view() const { return view_; }
    QVariantMap metadata() const;
    void raise() { raise_(); }
    void quit() { quit_(); }
    // Announced by Seek and SetPosition once the tick has carried them out.
    void expect_seek() { seek_pending_ = true; }

  signals:
    void Seeked(qlonglong position);

  private:
    void announce(const char* interface, const QVariantMap& changed);

    Player& player_;
    std::function<void()> raise_, quit_;
    QDBusConnection bus_;
    bool registered_ = false;
    bool seek_pending_ = false;
    RemoteView view_;
    QTimer timer_;
};

}  // namespace rq
