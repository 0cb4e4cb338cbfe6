#pragma once
// Notices when the wall clock is set or the time zone changes, so that the
// C library's cached zone data (used to format the caption) is refreshed.

#include <QObject>

namespace tikloom {

class TimeChangeWatch : public QObject {
    Q_OBJECT
public:
    TimeChangeWatch();
    ~TimeChangeWatch() override;

signals:
    void TimeChanged();

private:
    void Arm();
    int timer_ = -1;
};

} // namespace tikloom
