#include "app/screen_saver.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace tsn {

namespace {
const char* kService = "org.freedesktop.ScreenSaver";
const char* kPath = "/org/freedesktop/ScreenSaver";
}  // namespace

ScreenSaverBlock::ScreenSaverBlock() {
    if (!QDBusConnection::sessionBus().isConnected()) return;
    QDBusInterface saver(kService, kPath, kService, QDBusConnection::sessionBus());
    if (!saver.isValid()) return;
    QDBusReply<uint32_t> reply = saver.call("Inhibit", "Tessarin", "A game is open");
    if (reply.isValid()) cookie_ = reply.value();
}

ScreenSaverBlock::~ScreenSaverBlock() {
    if (cookie_ == 0) return;
    QDBusInterface saver(kService, kPath, kService, QDBusConnection::sessionBus());
    if (saver.isValid()) saver.call("UnInhibit", cookie_);
}

}  // namespace tsn
