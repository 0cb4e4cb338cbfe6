#include "clock/platform/clock_menus.h"

#include <QMenu>

namespace tikloom {

ClockMenus::ClockMenus() : contextMenu_(new QMenu), trayMenu_(new QMenu) {
    const MenuTexts defaults = LoadMenuTexts(QString());
    minimize_ = contextMenu_->addAction(defaults.Minimize, this, &ClockMenus::MinimizeChosen);
    contextMenu_->addSeparator();
    customize_ = contextMenu_->addAction(defaults.Customize, this, &ClockMenus::CustomizeChosen);
    about_ = contextMenu_->addAction(defaults.About, this, &ClockMenus::AboutChosen);
    contextMenu_->addSeparator();
    contextExit_ = contextMenu_->addAction(defaults.Exit, this, &ClockMenus::ExitChosen);
    contextMenu_->setDefaultAction(minimize_);

    restore_ = trayMenu_->addAction(defaults.Restore, this, &ClockMenus::RestoreChosen);
    trayMenu_->addSeparator();
    trayExit_ = trayMenu_->addAction(defaults.Exit, this, &ClockMenus::ExitChosen);
    trayMenu_->setDefaultAction(restore_);
}

ClockMenus::~ClockMenus() {
    delete contextMenu_;
    delete trayMenu_;
}

void ClockMenus::ApplyTexts(const MenuTexts& texts) {
    minimize_->setText(texts.Minimize);
    customize_->setText(texts.Customize);
    about_->setText(texts.About);
    contextExit_->setText(texts.Exit);
    restore_->setText(texts.Restore);
    trayExit_->setText(texts.Exit);
}

} // namespace tikloom
