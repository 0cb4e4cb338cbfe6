#pragma once
// One customizer at a time. The first one listens on a per-user local socket
// named after the form class; a second start connects to it, asks it to come
// to the front, and ends.

#include <QObject>
#include <QString>

namespace tikloom {

class LocalListener;

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& serverPath, QObject* parent = nullptr);

    // True when another instance answered and was asked to come forward.
    // Otherwise this instance now listens (when it can) and returns false.
    bool HandOverToRunningInstance();

signals:
    // A later start asked this instance to show its window.
    void activationRequested();

private:
    void AcceptConnections();
    // True when an instance listens on ServerPath; it is asked to come forward.
    bool AskToComeForward() const;

    QString ServerPath;
    LocalListener* Server = nullptr;
};

} // namespace tikloom
