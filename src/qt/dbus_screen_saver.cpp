#include "qt/dbus_screen_saver.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <memory>

namespace rq {

namespace {

constexpr int kCallTimeoutMs = 500;

std::unique_ptr<QDBusInterface> screen_saver() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return nullptr;
    auto iface = std::make_unique<QDBusInterface>("org.freedesktop.ScreenSaver",
                                                  "/org/freedesktop/ScreenSaver",
                                                  "org.freedesktop.ScreenSaver", bus);
    if (!iface->isValid()) return nullptr;
    iface->setTimeout(kCallTimeoutMs);
    return iface;
}

}  // namespace

DbusScreenSaver::~DbusScreenSaver() {
    release();
}

void DbusScreenSaver::keep_awake() {
    if (held_) return;
    auto iface = screen_saver();
    if (!iface) return;
    QDBusReply<uint> reply = iface->call("Inhibit", "RQ810Z", "Playing a video full screen");
    if (!reply.isValid()) return;
    cookie_ = reply.value();
    held_ = true;
}

void DbusScreenSaver::release() {
    if (!held_) return;
    held_ = false;
    if (auto iface = screen_saver()) iface->call("UnInhibit", cookie_);
}

}  // namespace rq
