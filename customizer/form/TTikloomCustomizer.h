#pragma once
// The customizer's one form: the Theme page (theme list, theme editor and the
// image previews) and the Options page. Controls come from the Designer form
// TTikloomCustomizer.ui and keep its object names; every behaviour is a
// handler named after its control and event.
//
// A numeric box of the editor is one QSpinBox named after its edit box
// (txtClockRadius, ...): it stands for the edit box and its up-down control
// (udClockRadius, ...) together, with the up-down's range, a step of 5 and
// wrap-around.

#include "common/program_layout.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QColor;
class QFont;
class QKeyEvent;
class QShowEvent;
class QUrl;

namespace Ui {
class TTikloomCustomizer;
}

namespace tikloom {

class PaintBox;

// Replaceable services of the form. Tests set them so that nothing blocks or
// reaches the outside; left empty, the form uses the real ones.
struct CustomizerHooks {
    // Message box: icon, caption, text, buttons; returns the button chosen.
    std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString&, const QString&,
                                              QMessageBox::StandardButtons)>
        message;
    // The system sound of the name filter and of emptying an image slot.
    std::function<void()> beep;
    // The file-open dialog of the image slots: the chosen file, or empty on cancel.
    std::function<QString()> openImageFile;
    // Telling the clock to reload (or starting it when none runs).
    std::function<void()> notifyClock;
    // Opening a folder or a web address with the desktop's program; false
    // when none could be started.
    std::function<bool(const QUrl&)> openUrl;
};

class TTikloomCustomizer : public QWidget {
    Q_OBJECT

public:
    explicit TTikloomCustomizer(const ProgramLayout& layout, QWidget* parent = nullptr);
    // The portable layout of programFolder.
    explicit TTikloomCustomizer(const QString& programFolder, QWidget* parent = nullptr);
    ~TTikloomCustomizer() override;

    // The controls of the Designer form, by their object names.
    std::unique_ptr<Ui::TTikloomCustomizer> ui;

    // Name of the theme the editor shows and the clock uses; empty = default theme.
    QString CurrentThemeName;
    // Language file named in the settings file; empty = chosen by the user's locale.
    QString LanguageFileName;

    CustomizerHooks Hooks;

    // Folder of the programs, ending with "/".
    QString ProgramFolder() const;
    // tikloom.ini in the layout's settings folder.
    QString SettingsPath() const;
    // The user's Themes/ folder, where themes are saved (the only one when portable).
    QString ThemeFolder() const;
    // Theme file of the theme named name: the user's when it exists, else the
    // shipped one when that exists, else the user's.
    QString ThemeFilePath(const QString& name) const;
    // Where a theme of that name is saved: ThemeFolder + name + ".tkm".
    QString UserThemeFilePath(const QString& name) const;
    // True for a theme only the installation ships: it stays locked.
    bool IsShipped(const QString& name) const;
    // Folders the edited theme's relative image paths resolve against.
    QStringList EditorImageFolders() const;

    // Colour panels hold and show an opaque RGB colour.
    static QColor PanelColor(const QWidget* panel);
    static void SetPanelColor(QWidget* panel, const QColor& rgb);
    // Font panels hold and show a family and a whole point size; the style is always regular.
    static QFont PanelFont(const QWidget* panel);
    static void SetPanelFont(QWidget* panel, const QFont& font);

    // Message box through Hooks.message when set; otherwise a real one owned by the form.
    QMessageBox::StandardButton ShowMessage(QMessageBox::Icon icon, const QString& caption,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons);
    void Beep();

    // The about group's web address and its button; with an empty address
    // (the build named no home page) both are hidden.
    void ShowHomePage(const QString& address);

    // Start-up sequence, run when the form is first shown.
    void FormShow();

    // Theme list (customizer_theme_list.cpp).
    void FillThemeList();
    void ReadCurrentTheme();
    void ApplyCurrentTheme();
    void UpdateThemeButtons();
    // The entries of the theme folder that may be themes (name + ".tkm").
    QStringList ThemeFolderEntries() const;
    // The theme a typed or stored name means: the existing theme of exactly
    // that name, else the one whose name differs only in letter case.
    QString ThemeNameMeant(const QString& name) const;

    // Theme editor (customizer_theme_editor.cpp).
    void LoadEditorTheme();
    void SaveEditorTheme();

    // Previews (customizer_previews.cpp).
    void RedrawPreviews();

public slots:
    void lbThemeListClick();
    void txtThemeNameChange();
    void sbReadOnlyClick();
    void cmdSaveThemeClick();
    void cmdDeleteThemeClick();

    void pbBackgroundImagePaint();
    void pbImagesPaint();
    void pbHandsImagePaint();
    void txtBackgroundImageDimensionsChange();
    void chkBackgroundKeepAspectRatioClick();
    void chkUseMaskImageClick();
    void chkUseOverlayImageClick();
    void grpHandsTypeClick();
    void cmdOpenImageClick();
    void pnlImageDblClick();

    // Options page, pickers and localisation (customizer_options.cpp,
    // customizer_pickers.cpp, customizer_language.cpp).
public:
    void ApplyLanguage();
    void LoadLanguageList();
    void LoadShortcutKeys();
    bool txtHotkeyKeyPress(
        QKeyEvent* event);     // from the form's event filter on txtHotkey; true = handled
    QStringList LanguageFiles; // file names parallel to cbLanguage's items
public slots:
    void cbLanguageChange();
    void chkKeyClick();
    void chkStartupClick();
    void tabOptionsShow();
    void cmdOpenThemeFolderClick();
    void sbAboutWebsiteClick();
    void pnlColorClick();
    void pnlFontClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ConnectHandlers();
    void NotifyClock();
    bool OpenUrl(const QUrl& url);
    bool lbThemeListKeyDown(QKeyEvent* event);
    // A click on the selected entry changes no row; it is told apart from one
    // that does, so that every click runs lbThemeListClick exactly once.
    bool ThemeRowChangedByPress = false;
    PaintBox* PreviewOfPanel(const QObject* panel) const;
    // A font panel's setting as the theme gives it (the size may be 0 points).
    static void SetPanelFontValues(QWidget* panel, const QString& family, int points);
    static QString PanelFontFamily(const QWidget* panel);
    static int PanelFontPoints(const QWidget* panel);

    ProgramLayout Layout;
    QString LastOpenedImage; // the file dialog starts with the file chosen last time
    bool Shown = false;
};

} // namespace tikloom
