#include "app/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <memory>

namespace tsn {

namespace {
// One message per connection: "raise", or "open" and the file's path, closed by a line end.
constexpr char kRaise[] = "raise\n";
constexpr char kOpen[] = "open ";
}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultName() {
    const QByteArray home = qgetenv("TESSARIN_HOME");
    QString user = qEnvironmentVariable("USER", "user");
    if (!home.isEmpty()) user += "-" + QString::number(qHash(QString::fromLocal8Bit(home)), 16);
    return "tessarin-" + user;
}

bool SingleInstance::HandOver(const QString& file) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(500)) return false;
    socket.write(file.isEmpty() ? QByteArray(kRaise) : kOpen + file.toUtf8() + "\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(500);
    return true;
}

void SingleInstance::Listen(std::function<void(const QString&)> onRaise) {
    onRaise_ = std::move(onRaise);
    server_ = new QLocalServer(this);
    QLocalServer::removeServer(name_);  // a stale name of a copy that crashed
    if (!server_->listen(name_)) return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* c = server_->nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            auto take = [this, c, received] {
                if (received->isEmpty() && c->bytesAvailable() == 0) return;
                *received += c->readAll();
                const qsizetype end = received->indexOf('\n');
                if (end < 0) return;
                const QByteArray line = received->left(end);
                received->clear();
                c->disconnect(this);  // one message per connection
                if (!onRaise_) return;
                onRaise_(line.startsWith(kOpen) ? QString::fromUtf8(line.mid(sizeof kOpen - 1))
                                                : QString());
            };
            connect(c, &QLocalSocket::readyRead, this, take);
            connect(c, &QLocalSocket::disconnected, this, take);
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            take();
        }
    });
}

}  // namespace tsn
