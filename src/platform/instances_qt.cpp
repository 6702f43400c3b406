#include "platform/instances.h"

#include "platform/window_host.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
const QString prefix = QStringLiteral("vimble-");

QString socketFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder;
}
}  // namespace

InstanceLink::InstanceLink(WindowHost& window) : server_(std::make_unique<QLocalServer>()) {
    const QString name = socketFolder() + "/" + prefix + QString::number(QCoreApplication::applicationPid());
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
    for (const QString& entry : folder.entryList({prefix + "*"}, QDir::System)) {
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
