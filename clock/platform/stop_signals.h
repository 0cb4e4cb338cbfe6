#pragma once
// SIGTERM, SIGHUP and SIGINT end the clock the orderly way (its window
// section saved), on the GUI thread: the handler only writes a byte to a pipe
// that the event loop watches.

#include <QObject>

class QSocketNotifier;

namespace tikloom {

class StopSignals : public QObject {
    Q_OBJECT
public:
    StopSignals();

signals:
    void StopRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tikloom
