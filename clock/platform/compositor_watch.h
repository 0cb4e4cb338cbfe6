#pragma once
// Whether a compositing manager runs. Without one the X server ignores
// per-pixel alpha and the window's opacity, so the clock cuts its outline to
// its picture instead; the watch reports when one starts or stops.

#include <QObject>
#include <memory>

namespace tikloom {

class CompositorWatch : public QObject {
    Q_OBJECT
public:
    CompositorWatch();
    ~CompositorWatch() override;

    bool Active() const { return active_; }

signals:
    void Changed(bool active);

private:
    void Update();

    struct Native;
    std::unique_ptr<Native> native_;
    bool active_ = true;
};

} // namespace tikloom
