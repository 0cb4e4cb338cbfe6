// The Options page: the language of both programs, the minimize hot key,
// starting the clock at log-on, and the buttons that open the theme folder
// and the web page. Every change is written at once.
#include "customizer/form/TTikloomCustomizer.h"

#include "common/profile_file.h"
#include "customizer/helpers/autostart_entry.h"
#include "customizer/helpers/hotkey_key_codes.h"
#include "customizer/helpers/language_list.h"
#include "customizer/helpers/profile_write.h"
#include "ui_TTikloomCustomizer.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

namespace tikloom {

namespace {

const QString kLocaleSection = QStringLiteral("Locale");
const QString kLanguageKey = QStringLiteral("Language");
const QString kOptionsSection = QStringLiteral("Options");
const QString kModifierKey = QStringLiteral("MinimizeShortcutModifier");
const QString kHotkeyKey = QStringLiteral("MinimizeShortcutKey");
// The first item of the language list: choose by the user's locale. Never translated.
const QString kDefaultLanguageItem = QStringLiteral("(Default)");
const QString kErrorCaption = QStringLiteral("Error");

} // namespace

void TTikloomCustomizer::LoadLanguageList() {
    ui->cbLanguage->clear();
    LanguageFiles.clear();
    ui->cbLanguage->addItem(kDefaultLanguageItem);
    LanguageFiles.append(QString());
    ui->cbLanguage->setCurrentIndex(0);

    for (const LanguageListEntry& entry : FindLanguageFiles(Layout.SharedFolder)) {
        ui->cbLanguage->addItem(entry.label);
        LanguageFiles.append(entry.fileName);
        if (SameLanguageFileName(entry.fileName, LanguageFileName)) {
            ui->cbLanguage->setCurrentIndex(ui->cbLanguage->count() - 1);
        }
    }
}

void TTikloomCustomizer::cbLanguageChange() {
    LanguageFileName = LanguageFiles.value(ui->cbLanguage->currentIndex());
    WriteProfileOrThrow(SettingsPath(), kLocaleSection, kLanguageKey, LanguageFileName);
    // The clock reloads its menu texts along with the theme.
    ApplyCurrentTheme();
    ApplyLanguage();
}

void TTikloomCustomizer::LoadShortcutKeys() {
    const int modifier = ReadProfileIntCustomizer(SettingsPath(), kOptionsSection, kModifierKey,
                                                  kDefaultShortcutModifier);
    const int key =
        ReadProfileIntCustomizer(SettingsPath(), kOptionsSection, kHotkeyKey, kDefaultShortcutKey);
    ui->txtHotkey->setText(HotkeyTextForCode(key));
    // Each change of a box writes the modifiers as they stand; in this order
    // the last write carries the whole value read (its four known bits).
    ui->chkAltKey->setChecked((modifier & kAltModifierBit) != 0);
    ui->chkCtrlKey->setChecked((modifier & kCtrlModifierBit) != 0);
    ui->chkShiftKey->setChecked((modifier & kShiftModifierBit) != 0);
    ui->chkWinKey->setChecked((modifier & kWinModifierBit) != 0);
}

void TTikloomCustomizer::chkKeyClick() {
    int modifier = 0;
    if (ui->chkAltKey->isChecked()) {
        modifier += kAltModifierBit;
    }
    if (ui->chkCtrlKey->isChecked()) {
        modifier += kCtrlModifierBit;
    }
    if (ui->chkShiftKey->isChecked()) {
        modifier += kShiftModifierBit;
    }
    if (ui->chkWinKey->isChecked()) {
        modifier += kWinModifierBit;
    }
    WriteProfileOrThrow(SettingsPath(), kOptionsSection, kModifierKey, QString::number(modifier));
}

bool TTikloomCustomizer::txtHotkeyKeyPress(QKeyEvent* event) {
    const HotkeyInput input = ClassifyHotkeyInput(event->text(), event->key());
    switch (input.kind) {
    case HotkeyInputKind::PassOn:
        return false;
    case HotkeyInputKind::Refuse:
        Beep();
        return true;
    case HotkeyInputKind::Take:
        break;
    }
    ui->txtHotkey->setText(QString(input.character));
    WriteProfileOrThrow(SettingsPath(), kOptionsSection, kHotkeyKey,
                        QString::number(HotkeyCodeForText(ui->txtHotkey->text())));
    return true;
}

void TTikloomCustomizer::chkStartupClick() {
    const QString entry = StartupEntryPath();
    if (entry.isEmpty()) {
        return;
    }
    if (ui->chkStartup->isChecked()) {
        WriteStartupEntry(entry, ProgramFolder());
    } else {
        DeleteStartupEntry(entry);
    }
}

void TTikloomCustomizer::tabOptionsShow() {
    const QString entry = StartupEntryPath();
    if (entry.isEmpty()) {
        return;
    }
    // A change runs chkStartupClick, which writes the entry anew for this program folder.
    ui->chkStartup->setChecked(QFileInfo::exists(entry));
}

void TTikloomCustomizer::cmdOpenThemeFolderClick() {
    const QString folder = ThemeFolder();
    QDir().mkpath(folder); // the user's own folder may not exist yet
    // Where the desktop has no program for folders, the user is told where
    // the themes are, so that they can be reached another way.
    if (!OpenUrl(QUrl::fromLocalFile(folder)))
        ShowMessage(QMessageBox::Warning, kErrorCaption,
                    QStringLiteral("No program is set up to open folders.\nThe themes are in:\n%1")
                        .arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::Ok);
}

void TTikloomCustomizer::sbAboutWebsiteClick() {
    // The button shows the address it opens.
    const QString address = ui->sbAboutWebsite->text();
    if (!OpenUrl(QUrl(address)))
        ShowMessage(QMessageBox::Warning, kErrorCaption,
                    QStringLiteral("No program is set up to open web pages.\nThe address is:\n%1")
                        .arg(address),
                    QMessageBox::Ok);
}

} // namespace tikloom
