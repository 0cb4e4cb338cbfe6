#pragma once
// A tray icon that is a small window of our own, taken in by the system tray
// (the XEmbed tray protocol on X11). The miniature changes every second;
// drawn straight into this window it costs one image upload, where a toolkit
// tray icon repaints a widget through its backing store. Where no such tray
// runs, or on other window systems, Dock() fails and the caller uses Qt's
// tray icon instead.

#include <QImage>
#include <QObject>
#include <QSize>
#include <memory>

namespace tikloom {

class EmbeddedTrayIcon : public QObject {
    Q_OBJECT
public:
    EmbeddedTrayIcon();
    ~EmbeddedTrayIcon() override;

    // True from a successful Dock() until Remove() or the tray goes away.
    bool Docked() const;
    // Asks the tray that runs now to take the icon; false when none runs.
    bool Dock();
    // The place the tray gave the icon, in device pixels.
    QSize Place() const;
    // Shows `miniature` (premultiplied ARGB) centred on the place; it is
    // kept and shown again whenever the tray uncovers the icon.
    void Show(const QImage& miniature);
    void Remove();

signals:
    void PlaceChanged(); // the miniature is due again at the new size
    void DoubleClicked();
    void ContextMenuRequested(); // the right button released on the icon
    void PointerEntered();
    void PointerLeft(); // also when a button is pressed on the icon

private:
    struct Native;
    std::unique_ptr<Native> native_;
};

} // namespace tikloom
