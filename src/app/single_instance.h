#pragma once
// One running copy: a second start hands over to the first (which comes to the front) and
// ends.
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace tsn {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;
    // True when another copy answered (it has been asked to come to the front).
    bool OtherInstanceRaised();
    // Starts listening for later copies; `onRaise` brings this copy's window to the front.
    void Listen(std::function<void()> onRaise);

    static QString DefaultName();

private:
    QString name_;
    QLocalServer* server_ = nullptr;
    std::function<void()> onRaise_;
};

}  // namespace tsn
