#include "platform/screen_saver.h"

#include "platform/x11.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>

namespace {
struct Inhibition {
    bool on = false;
    bool throughBus = false;
    uint cookie = 0;
};
Inhibition inhibition;

QDBusMessage callScreenSaver(const char* method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                                                       "org.freedesktop.ScreenSaver", method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
}
}  // namespace

void inhibitScreenSaver(bool on) {
    if (on == inhibition.on) return;
    inhibition.on = on;
    if (on) {
        inhibition.throughBus = false;
        if (QDBusConnection::sessionBus().isConnected()) {
            QDBusReply<uint> cookie = callScreenSaver("Inhibit", {QString("vimble"), QString("showing pictures")});
            if (cookie.isValid()) {
                inhibition.throughBus = true;
                inhibition.cookie = cookie.value();
                return;
            }
        }
        suspendXScreenSaver(true);
    } else if (inhibition.throughBus) {
        callScreenSaver("UnInhibit", {inhibition.cookie});
    } else {
        suspendXScreenSaver(false);
    }
}
