#include "app/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace tsn {

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultName() {
    const QByteArray home = qgetenv("TESSARIN_HOME");
    QString user = qEnvironmentVariable("USER", "user");
    if (!home.isEmpty()) user += "-" + QString::number(qHash(QString::fromLocal8Bit(home)), 16);
    return "tessarin-" + user;
}

bool SingleInstance::OtherInstanceRaised() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(500)) return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::Listen(std::function<void()> onRaise) {
    onRaise_ = std::move(onRaise);
    server_ = new QLocalServer(this);
    QLocalServer::removeServer(name_);  // a stale name of a copy that crashed
    if (!server_->listen(name_)) return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* c = server_->nextPendingConnection()) {
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            if (onRaise_) onRaise_();
        }
    });
}

}  // namespace tsn
