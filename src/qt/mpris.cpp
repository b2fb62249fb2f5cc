#include "qt/mpris.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QStringList>
#include <QUrl>
#include <cstdio>

#include "core/player.h"

namespace rq {

namespace {

constexpr char kService[] = "org.mpris.MediaPlayer2.rq810z";
constexpr char kObjectPath[] = "/org/mpris/MediaPlayer2";
constexpr char kPlayerInterface[] = "org.mpris.MediaPlayer2.Player";
constexpr int kPollMs = 100;

QString utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QDBusObjectPath track_id(const RemoteView& v) {
    if (v.entry < 0) return QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack");
    return QDBusObjectPath(QStringLiteral("/org/rq810z/track/%1").arg(v.entry));
}

QString status_name(RemoteStatus s) {
    switch (s) {
        case RemoteStatus::Playing:
            return QStringLiteral("Playing");
        case RemoteStatus::Paused:
            return QStringLiteral("Paused");
        case RemoteStatus::Stopped:
            break;
    }
    return QStringLiteral("Stopped");
}

QString loop_name(bool repeat) {
    return repeat ? QStringLiteral("Playlist") : QStringLiteral("None");
}

}  // namespace

// org.mpris.MediaPlayer2: the application.
class MprisRoot : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ yes)
    Q_PROPERTY(bool CanRaise READ yes)
    Q_PROPERTY(bool HasTrackList READ no)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktop_entry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ uri_schemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ mime_types)

  public:
    explicit MprisRoot(Mpris* mpris) : QDBusAbstractAdaptor(mpris), mpris_(mpris) {}
    bool yes() const { return true; }
    bool no() const { return false; }
    QString identity() const { return QStringLiteral("RQ810Z"); }
    QString desktop_entry() const { return QStringLiteral("rq810z"); }
    QStringList uri_schemes() const { return {QStringLiteral("file")}; }
    QStringList mime_types() const {
        return {"video/mpeg",  "video/x-msvideo", "video/mp4",      "video/x-matroska",
                "audio/x-wav", "audio/mpeg",      "audio/x-mpegurl"};
    }

  public slots:
    void Raise() { mpris_->raise(); }
    void Quit() { mpris_->quit(); }

  private:
    Mpris* mpris_;
};

// org.mpris.MediaPlayer2.Player: the transport.
class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playback_status)
    Q_PROPERTY(QString LoopStatus READ loop_status WRITE set_loop_status)
    Q_PROPERTY(double Rate READ rate WRITE set_rate)
    Q_PROPERTY(bool Shuffle READ shuffle WRITE set_shuffle)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE set_volume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(bool CanGoNext READ can_go_next)
    Q_PROPERTY(bool CanGoPrevious READ can_go_previous)
    Q_PROPERTY(bool CanPlay READ can_play)
    Q_PROPERTY(bool CanPause READ can_play)
    Q_PROPERTY(bool CanSeek READ can_seek)
    Q_PROPERTY(bool CanControl READ can_control)

  public:
    explicit MprisPlayer(Mpris* mpris) : QDBusAbstractAdaptor(mpris), mpris_(mpris) {
        setAutoRelaySignals(true);
    }
    RemoteView now() const { return remote_view(mpris_->player()); }
    QString playback_status() const { return status_name(now().status); }
    QString loop_status() const { return loop_name(now().repeat); }
    void set_loop_status(const QString& s) {
        // "Track" has no match here; it leaves the setting as it is.
        if (s == "Playlist" || s == "None") remote_set_repeat(mpris_->player(), s == "Playlist");
    }
    double rate() const { return 1.0; }
    void set_rate(double) {}
    bool shuffle() const { return now().shuffle; }
    void set_shuffle(bool on) { remote_set_shuffle(mpris_->player(), on); }
    QVariantMap metadata() const { return mpris_->metadata(); }
    double volume() const { return now().volume; }
    void set_volume(double v) { remote_set_volume(mpris_->player(), v); }
    qlonglong position() const { return now().position_us; }
    bool can_go_next() const { return now().can_go_next; }
    bool can_go_previous() const { return now().can_go_previous; }
    bool can_play() const { return now().can_play; }
    bool can_seek() const { return now().status != RemoteStatus::Stopped; }
    bool can_control() const { return true; }

  public slots:
    void Next() { remote_next(mpris_->player()); }
    void Previous() { remote_previous(mpris_->player()); }
    void Pause() { remote_pause(mpris_->player()); }
    void PlayPause() { remote_play_pause(mpris_->player()); }
    void Stop() { remote_stop(mpris_->player()); }
    void Play() { remote_play(mpris_->player()); }
    void Seek(qlonglong offset) {
        if (now().status == RemoteStatus::Stopped) return;
        remote_seek_by(mpris_->player(), offset);
        mpris_->expect_seek();
    }
    void SetPosition(const QDBusObjectPath& track, qlonglong position) {
        const RemoteView v = now();
        // A position for another track, or past the end, is ignored.
        if (v.status == RemoteStatus::Stopped || track != track_id(v) || position < 0 ||
            position > v.length_us)
            return;
        remote_seek_to(mpris_->player(), position);
        mpris_->expect_seek();
    }
    void OpenUri(const QString& uri) {
        const QUrl url(uri);
        if (!url.isLocalFile()) return;
        remote_open(mpris_->player(), QFile::encodeName(url.toLocalFile()).toStdString());
    }

  signals:
    void Seeked(qlonglong Position);

  private:
    Mpris* mpris_;
};

Mpris::Mpris(Player& player, std::function<void()> raise, std::function<void()> quit,
             QDBusConnection bus)
    : player_(player), raise_(std::move(raise)), quit_(std::move(quit)), bus_(std::move(bus)) {
    new MprisRoot(this);
    new MprisPlayer(this);
    view_ = remote_view(player_);
    if (!bus_.isConnected()) {
        std::fprintf(stderr, "rq810z: no session bus; media keys and media controls are off\n");
        return;
    }
    if (!bus_.registerObject(kObjectPath, this)) {
        std::fprintf(stderr, "rq810z: %s is in use; media keys and media controls are off\n",
                     kObjectPath);
        return;
    }
    // A second copy finds the name taken and runs on without it.
    if (!bus_.registerService(kService)) {
        bus_.unregisterObject(kObjectPath);
        std::fprintf(stderr,
                     "rq810z: %s is taken by another player; media keys and media controls "
                     "are off\n",
                     kService);
        return;
    }
    registered_ = true;
    connect(&timer_, &QTimer::timeout, this, &Mpris::poll);
    timer_.start(kPollMs);
}

Mpris::~Mpris() {
    if (!registered_) return;
    bus_.unregisterService(kService);
    bus_.unregisterObject(kObjectPath);
}

QVariantMap Mpris::metadata() const {
    const RemoteView v = remote_view(player_);
    QVariantMap m;
    m.insert("mpris:trackid", QVariant::fromValue(track_id(v)));
    if (v.entry < 0) return m;
    if (v.length_us > 0) m.insert("mpris:length", qlonglong(v.length_us));
    m.insert("xesam:title", utf8(v.title));
    if (!v.artist.empty()) m.insert("xesam:artist", QStringList{utf8(v.artist)});
    m.insert("xesam:url", QUrl::fromLocalFile(QFile::decodeName(v.path.c_str())).toString());
    return m;
}

void Mpris::poll() {
    const RemoteView now = remote_view(player_);
    if (seek_pending_ && player_.transport.remote_seek_ms < 0) {
        seek_pending_ = false;
        emit Seeked(now.position_us);
    }
    if (now == view_) return;
    QVariantMap changed;
    if (now.status != view_.status) changed.insert("PlaybackStatus", status_name(now.status));
    if (now.entry != view_.entry || now.path != view_.path || now.title != view_.title ||
        now.artist != view_.artist || now.length_us != view_.length_us)
        changed.insert("Metadata", metadata());
    if (now.volume != view_.volume) changed.insert("Volume", now.volume);
    if (now.shuffle != view_.shuffle) changed.insert("Shuffle", now.shuffle);
    if (now.repeat != view_.repeat) changed.insert("LoopStatus", loop_name(now.repeat));
    if (now.can_go_next != view_.can_go_next) changed.insert("CanGoNext", now.can_go_next);
    if (now.can_go_previous != view_.can_go_previous)
        changed.insert("CanGoPrevious", now.can_go_previous);
    if (now.can_play != view_.can_play) {
        changed.insert("CanPlay", now.can_play);
        changed.insert("CanPause", now.can_play);
    }
    if ((now.status == RemoteStatus::Stopped) != (view_.status == RemoteStatus::Stopped))
        changed.insert("CanSeek", now.status != RemoteStatus::Stopped);
    view_ = now;
    // The position moves on its own; the bus hears of it only through Seeked.
    if (!changed.isEmpty()) announce(kPlayerInterface, changed);
}

void Mpris::announce(const char* interface, const QVariantMap& changed) {
    if (!registered_) return;
    QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, "org.freedesktop.DBus.Properties",
                                                     "PropertiesChanged");
    signal << QString::fromLatin1(interface) << changed << QStringList();
    bus_.send(signal);
}

}  // namespace rq

#include "mpris.moc"
