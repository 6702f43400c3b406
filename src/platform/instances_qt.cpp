#include "platform/instances.h"

#include "platform/window_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
// Copies on other displays, or on none, are the user's other sessions: the name holds the
// display ("vimble-:1-4711"), so a take-over reaches only the copies on this one.
QString displayPrefix() {
    QString display = QGuiApplication::platformName() == QLatin1String("xcb") ? qEnvironmentVariable("DISPLAY")
                                                                              : QGuiApplication::platformName();
    // ":1" and ":1.0" are the same display; a socket name has no folders.
    if (const qsizetype colon = display.lastIndexOf(':'), dot = display.lastIndexOf('.'); dot > colon && colon >= 0)
        display.truncate(dot);
    display.replace('/', '_');
    return QStringLiteral("vimble-") + display + '-';
}

QString socketFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}
}  // namespace

InstanceLink::InstanceLink(WindowHost& window) : server_(std::make_unique<QLocalServer>()) {
    const QString name = socketFolder() + "/" + displayPrefix() + QString::number(QCoreApplication::applicationPid());
    QLocalServer::removeServer(name);  // a left-over of a copy that had our number before
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(name);
    QObject::connect(server_.get(), &QLocalServer::newConnection, [this, &window] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::readyRead, [peer, &window] {
                if (peer->readAll().startsWith("quit")) window.post(Message{Msg::QuitRequest});
            });
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
}

InstanceLink::~InstanceLink() { server_->close(); }

int InstanceLink::closeOthers() {
    int asked = 0;
    const QDir folder(socketFolder());
    for (const QString& entry : folder.entryList({displayPrefix() + "*"}, QDir::System)) {
        const QString path = folder.filePath(entry);
        if (path == server_->fullServerName()) continue;
        QLocalSocket socket;
        socket.connectToServer(path);
        if (!socket.waitForConnected(500)) {
            QFile::remove(path);  // nobody listens any more
            continue;
        }
        socket.write("quit\n");
        socket.waitForBytesWritten(500);
        socket.disconnectFromServer();
        ++asked;
    }
    return asked;
}
