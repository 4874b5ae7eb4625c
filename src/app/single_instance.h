#pragma once
// One running copy: a second start hands over to the first (which comes to the front and
// opens the file the second start was given) and ends.
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
    // True when another copy answered: it has been asked to come to the front and, when
    // `file` is not empty, to open that file.
    bool HandOver(const QString& file = QString());
    // Starts listening for later copies; `onRaise` brings this copy's window to the front and
    // opens the handed file (empty when none was given).
    void Listen(std::function<void(const QString& file)> onRaise);

    static QString DefaultName();

private:
    QString name_;
    QLocalServer* server_ = nullptr;
    std::function<void(const QString&)> onRaise_;
};

}  // namespace tsn
