#pragma once
// The clock's two popup menus: the context menu of the clock (Minimize,
// Customize, About, Exit) and the tray menu (Restore, Exit). The default item
// of each is shown bold.

#include "clock/core/menu_texts.h"

#include <QObject>

class QAction;
class QMenu;

namespace tikloom {

class ClockMenus : public QObject {
    Q_OBJECT
public:
    ClockMenus();
    ~ClockMenus() override;

    void ApplyTexts(const MenuTexts& texts);

    QMenu* ContextMenu() const { return contextMenu_; }
    QMenu* TrayMenu() const { return trayMenu_; }

signals:
    void MinimizeChosen();
    void CustomizeChosen();
    void AboutChosen();
    void RestoreChosen();
    void ExitChosen();

private:
    QMenu* contextMenu_;
    QMenu* trayMenu_;
    QAction* minimize_;
    QAction* customize_;
    QAction* about_;
    QAction* contextExit_;
    QAction* restore_;
    QAction* trayExit_;
};

} // namespace tikloom
