// The theme list, the name box with its lock, saving, deleting, and handing
// the chosen theme to the clock.
#include "customizer/form/TTikloomCustomizer.h"

#include "common/profile_file.h"
#include "customizer/helpers/profile_write.h"
#include "customizer/helpers/read_only_attribute.h"
#include "customizer/helpers/theme_file_name.h"
#include "customizer/helpers/theme_name_filter.h"
#include "ui_TTikloomCustomizer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace tikloom {

namespace {

const QString kThemeSection = QStringLiteral("Theme");
const QString kFileNameKey = QStringLiteral("FileName");
const QString kDefaultThemeEntry = QStringLiteral("Default Theme");
const QString kErrorCaption = QStringLiteral("Error");
const QString kConfirmationCaption = QStringLiteral("Confirmation");

} // namespace

void TTikloomCustomizer::ReadCurrentTheme() {
    const QString fileName = ReadProfileString(SettingsPath(), kThemeSection, kFileNameKey,
                                               QString(), kCustomizerTextCapacity);
    CurrentThemeName = RemoveLastExtension(fileName);
}

QStringList TTikloomCustomizer::ThemeFolderEntries() const {
    // Every kind of entry counts, folders and hidden files included. Names come
    // in the order of a case-blind name sort, as the file manager shows them.
    // The user's themes and the shipped ones make one list; a name in both is
    // listed once.
    QStringList entries;
    for (const QString& root : ThemeRoots(Layout)) {
        const QStringList found =
            QDir(root + QStringLiteral("Themes/"))
                .entryList({QStringLiteral("*") + QLatin1String(kThemeExtension)},
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& entry : found) {
            if (!entries.contains(entry))
                entries << entry;
        }
    }
    std::sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    return entries;
}

QString TTikloomCustomizer::ThemeNameMeant(const QString& name) const {
    return ThemeNameOnDisk(name, ThemeFolderEntries());
}

void TTikloomCustomizer::FillThemeList() {
    ReadCurrentTheme();
    QListWidget* list = ui->lbThemeList;
    // Selecting from code does not count as the user's choice.
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItem(kDefaultThemeEntry);
    list->setCurrentRow(0);
    const QStringList entries = ThemeFolderEntries();
    const QString current = ThemeNameOnDisk(CurrentThemeName, entries);
    for (const QString& entry : entries) {
        const QString name = RemoveLastExtension(entry);
        // A theme is opened as its name + ".tkm": on a file system that tells
        // letter case apart, "x.TKM" could be neither loaded, applied nor deleted.
        if (!QFileInfo::exists(ThemeFilePath(name)))
            continue;
        list->addItem(name);
        if (name == current)
            list->setCurrentRow(list->count() - 1);
    }
}

void TTikloomCustomizer::ApplyCurrentTheme() {
    CurrentThemeName = ThemeNameMeant(CurrentThemeName);
    WriteProfileOrThrow(SettingsPath(), kThemeSection, kFileNameKey,
                        CurrentThemeName + QLatin1String(kThemeExtension));
    NotifyClock();
}

void TTikloomCustomizer::UpdateThemeButtons() {
    const QString named = ThemeNameMeant(ui->txtThemeName->text());
    const bool locked = IsShipped(named) || IsReadOnlyFile(ThemeFilePath(named));
    ui->sbReadOnly->setChecked(locked);
    const QListWidgetItem* item = ui->lbThemeList->currentItem();
    const bool deletable = ui->lbThemeList->currentRow() > 0;
    // A shipped theme can be neither deleted nor unlocked.
    const bool shipped = deletable && item && IsShipped(item->text());
    ui->cmdDeleteTheme->setEnabled(deletable && !shipped);
    ui->sbReadOnly->setEnabled(deletable);
    const bool nameGiven = !ui->txtThemeName->text().isEmpty();
    ui->cmdSaveTheme->setEnabled((deletable && !locked) || (!deletable && nameGiven));
}

void TTikloomCustomizer::lbThemeListClick() {
    LoadEditorTheme();
    ApplyCurrentTheme();
}

bool TTikloomCustomizer::lbThemeListKeyDown(QKeyEvent* event) {
    if (event->key() != Qt::Key_Delete)
        return false;
    if (ui->cmdDeleteTheme->isEnabled())
        cmdDeleteThemeClick();
    return true;
}

void TTikloomCustomizer::txtThemeNameChange() {
    QLineEdit* box = ui->txtThemeName;
    const FilteredThemeName filtered = FilterThemeName(box->text(), box->cursorPosition());
    if (filtered.removed > 0) {
        {
            const QSignalBlocker blocker(box);
            box->setText(filtered.text);
        }
        for (int i = 0; i < filtered.removed; ++i)
            Beep();
        box->setCursorPosition(filtered.caret);
    }
    UpdateThemeButtons();
}

void TTikloomCustomizer::sbReadOnlyClick() {
    const QString meant = ThemeNameMeant(ui->txtThemeName->text());
    const QString target = UserThemeFilePath(meant);
    // Failures (a file that does not exist, say) show as the button popping
    // back up; a shipped theme is not the user's to unlock, so it pops back too.
    if (!IsShipped(meant)) {
        if (ui->sbReadOnly->isChecked())
            SetReadOnly(target);
        else
            ClearReadOnly(target);
    }
    UpdateThemeButtons();
}

void TTikloomCustomizer::cmdSaveThemeClick() {
    const QString name = ui->txtThemeName->text();
    // "LINEN" saves over linen.tkm rather than beside it, as on Windows.
    const QString meant = ThemeNameMeant(name);
    const QString target = UserThemeFilePath(meant);
    QDir().mkpath(ThemeFolder());
    if (name.isEmpty()) {
        ShowMessage(QMessageBox::Warning, kErrorCaption,
                    QStringLiteral("Please enter theme name first."), QMessageBox::Ok);
        ui->txtThemeName->setFocus();
        return;
    }
    if (IsShipped(meant) || IsReadOnlyFile(target)) {
        ShowMessage(QMessageBox::Warning, kErrorCaption,
                    QStringLiteral("Theme '%1' is read only.\nPlease specify a different theme "
                                   "name or unlock the key.")
                        .arg(name),
                    QMessageBox::Ok);
        ui->txtThemeName->setFocus();
        return;
    }
    CurrentThemeName = meant;
    SaveEditorTheme();
    ApplyCurrentTheme();
    FillThemeList();
}

void TTikloomCustomizer::cmdDeleteThemeClick() {
    const QListWidgetItem* item = ui->lbThemeList->currentItem();
    const QString name = item ? item->text() : QString();
    const QString target = UserThemeFilePath(ThemeNameMeant(name));
    // Only a file can be deleted; a folder named like a theme is left alone,
    // and so is a shipped theme.
    if (name.isEmpty() || !QFileInfo(target).isFile())
        return;
    const auto answer =
        ShowMessage(QMessageBox::Warning, kConfirmationCaption,
                    QStringLiteral("Are you sure you want to delete '%1'?").arg(name),
                    QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    ClearReadOnly(target);
    QFile::remove(target);
    FillThemeList();
    LoadEditorTheme();
    ApplyCurrentTheme();
}

} // namespace tikloom
