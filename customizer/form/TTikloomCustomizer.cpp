// Construction of the main form, the wiring of its handlers, the start-up
// sequence and the services shared by the handlers (messages, sound, paths,
// the values held by the colour and font panels).
#include "customizer/form/TTikloomCustomizer.h"

#include "common/clock_link.h"
#include "customizer/form/clickable_panel.h"
#include "customizer/form/form_icons.h"
#include "customizer/form/paint_box.h"
#include "customizer/helpers/theme_file_name.h"
#include "ui_TTikloomCustomizer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QUrl>

namespace tikloom {

namespace {

constexpr int kClientWidth = 754;
constexpr int kClientHeight = 541;
// Tahoma 8 points is 11 pixels at 96 dots per inch; the fallbacks are close
// sans-serif faces of the same height, so the fixed layout keeps its fit.
constexpr int kFormFontPixels = 11;
const QStringList kFormFontFamilies = {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                       QStringLiteral("DejaVu Sans")};
constexpr int kAppIconSize = 32;

// Properties under which a font panel keeps its setting: the displayed font
// cannot hold a size of 0 points, which a theme may give.
constexpr char kFontFamilyProperty[] = "tikloomFontFamily";
constexpr char kFontPointsProperty[] = "tikloomFontPoints";

} // namespace

TTikloomCustomizer::TTikloomCustomizer(const QString& programFolder, QWidget* parent)
    : TTikloomCustomizer(PortableLayout(programFolder), parent) {}

TTikloomCustomizer::TTikloomCustomizer(const ProgramLayout& layout, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TTikloomCustomizer>()), Layout(layout) {
    // A failure shows later as the settings file that cannot be written.
    MakeSettingsFolder(Layout);
    ui->setupUi(this);

    // Customised flags, so that the window manager is told there is no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    QFont formFont;
    formFont.setFamilies(kFormFontFamilies);
    formFont.setPixelSize(kFormFontPixels);
    setFont(formFont);
    ui->sbReadOnly->setIcon(PadlockIcon());
    // Enter clicks the focused button, and Save from anywhere else.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    ui->cmdSaveTheme->setDefault(true);
    // The caption boxes take any typed text but keep their fixed item lists.
    // No completer: it matches items without regard to case and completes
    // inline, so "%X" would be stored as "%x" and "%x" as "%x\n%X".
    for (QComboBox* box : {ui->cbCaptionLanguage, ui->cbCaptionFormat}) {
        box->lineEdit()->setMaxLength(128);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
    }

    ConnectHandlers();

    CurrentThemeName.clear();
    LanguageFileName.clear();
    LanguageFiles.clear();
    setWindowTitle(QStringLiteral("Tikloom Customizer"));
    ApplyLanguage();
    LoadLanguageList();
    ui->imgAppIcon->setPixmap(ApplicationIcon().pixmap(kAppIconSize, kAppIconSize));
    ShowHomePage(QStringLiteral(TIKLOOM_HOME_PAGE));
}

TTikloomCustomizer::~TTikloomCustomizer() = default;

void TTikloomCustomizer::ConnectHandlers() {
    auto* u = ui.get();
    // A change of row (by the keys or a click) is a click; so is a click on
    // the entry already selected, which changes no row.
    connect(u->lbThemeList, &QListWidget::currentRowChanged, this, [this] {
        ThemeRowChangedByPress = true;
        lbThemeListClick();
    });
    connect(u->lbThemeList, &QListWidget::itemClicked, this, [this] {
        if (!ThemeRowChangedByPress)
            lbThemeListClick();
    });
    u->lbThemeList->installEventFilter(this);
    u->lbThemeList->viewport()->installEventFilter(this);
    connect(u->txtThemeName, &QLineEdit::textChanged, this,
            &TTikloomCustomizer::txtThemeNameChange);
    connect(u->sbReadOnly, &QToolButton::clicked, this, &TTikloomCustomizer::sbReadOnlyClick);
    connect(u->cmdSaveTheme, &QPushButton::clicked, this, &TTikloomCustomizer::cmdSaveThemeClick);
    connect(u->cmdDeleteTheme, &QPushButton::clicked, this,
            &TTikloomCustomizer::cmdDeleteThemeClick);
    connect(u->cmdOpenThemeFolder, &QPushButton::clicked, this,
            &TTikloomCustomizer::cmdOpenThemeFolderClick);

    // Previews and their switches.
    connect(u->pbBackgroundImage, &PaintBox::paint, this,
            &TTikloomCustomizer::pbBackgroundImagePaint);
    connect(u->pbMaskImage, &PaintBox::paint, this, &TTikloomCustomizer::pbImagesPaint);
    connect(u->pbOverlayImage, &PaintBox::paint, this, &TTikloomCustomizer::pbImagesPaint);
    connect(u->pbHandsImage, &PaintBox::paint, this, &TTikloomCustomizer::pbHandsImagePaint);
    for (QSpinBox* box : findChildren<QSpinBox*>())
        connect(box, &QSpinBox::valueChanged, this,
                &TTikloomCustomizer::txtBackgroundImageDimensionsChange);
    // A check box or radio button set from code runs its handler as a click would.
    connect(u->chkBackgroundKeepAspectRatio, &QCheckBox::toggled, this,
            &TTikloomCustomizer::chkBackgroundKeepAspectRatioClick);
    connect(u->chkUseMaskImage, &QCheckBox::toggled, this,
            &TTikloomCustomizer::chkUseMaskImageClick);
    connect(u->chkUseOverlayImage, &QCheckBox::toggled, this,
            &TTikloomCustomizer::chkUseOverlayImageClick);
    connect(u->grpHandsTypeLines, &QRadioButton::toggled, this,
            &TTikloomCustomizer::grpHandsTypeClick);
    connect(u->grpHandsTypeImage, &QRadioButton::toggled, this,
            &TTikloomCustomizer::grpHandsTypeClick);
    for (QPushButton* open : {u->cmdBackgroundImageOpen, u->cmdMaskImageOpen,
                              u->cmdOverlayImageOpen, u->cmdHandsImageOpen})
        connect(open, &QPushButton::clicked, this, &TTikloomCustomizer::cmdOpenImageClick);
    for (ClickablePanel* host :
         {u->pnlBackgroundImage, u->pnlMaskImage, u->pnlOverlayImage, u->pnlHandsImage})
        connect(host, &ClickablePanel::doubleClicked, this, &TTikloomCustomizer::pnlImageDblClick);

    // Pickers behind the colour and font panels.
    for (ClickablePanel* swatch : {u->pnlBackgroundColor, u->pnlHourHandColor, u->pnlMinHandColor,
                                   u->pnlSecHandColor, u->pnlMajorTicksColor, u->pnlMinorTicksColor,
                                   u->pnlNumbersColor, u->pnlCaptionColor, u->pnlShadowColor})
        connect(swatch, &ClickablePanel::clicked, this, &TTikloomCustomizer::pnlColorClick);
    for (ClickablePanel* sample : {u->pnlNumbersFont, u->pnlCaptionFont})
        connect(sample, &ClickablePanel::clicked, this, &TTikloomCustomizer::pnlFontClick);

    // Options page.
    connect(u->cbLanguage, &QComboBox::activated, this, &TTikloomCustomizer::cbLanguageChange);
    for (QCheckBox* key : {u->chkAltKey, u->chkCtrlKey, u->chkShiftKey, u->chkWinKey})
        connect(key, &QCheckBox::toggled, this, &TTikloomCustomizer::chkKeyClick);
    connect(u->chkStartup, &QCheckBox::toggled, this, &TTikloomCustomizer::chkStartupClick);
    u->txtHotkey->installEventFilter(this);
    // The box turns letters to upper case, also in text pasted into it.
    connect(u->txtHotkey, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int caret = ui->txtHotkey->cursorPosition();
        ui->txtHotkey->setText(upper);
        ui->txtHotkey->setCursorPosition(caret);
    });
    connect(u->pageMain, &QTabWidget::currentChanged, this, [this](int index) {
        if (ui->pageMain->widget(index) == ui->tabOptions)
            tabOptionsShow();
    });
    connect(u->sbAboutWebsite, &QToolButton::clicked, this,
            &TTikloomCustomizer::sbAboutWebsiteClick);
}

void TTikloomCustomizer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (Shown)
        return;
    Shown = true;
    FormShow();
}

void TTikloomCustomizer::FormShow() {
    FillThemeList();
    LoadEditorTheme();
    LoadShortcutKeys();
}

bool TTikloomCustomizer::eventFilter(QObject* watched, QEvent* event) {
    // Seen before the list handles the press, which may change the row.
    if (event->type() == QEvent::MouseButtonPress && watched == ui->lbThemeList->viewport())
        ThemeRowChangedByPress = false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == ui->txtHotkey)
            return txtHotkeyKeyPress(key);
        if (watched == ui->lbThemeList)
            return lbThemeListKeyDown(key);
    }
    return QWidget::eventFilter(watched, event);
}

void TTikloomCustomizer::keyPressEvent(QKeyEvent* event) {
    // Enter in a control that does not use it clicks the default button, Save.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && ui->cmdSaveTheme->isEnabled() &&
        ui->cmdSaveTheme->isVisible()) {
        ui->cmdSaveTheme->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString TTikloomCustomizer::ProgramFolder() const {
    return Layout.ProgramFolder;
}

QString TTikloomCustomizer::SettingsPath() const {
    return Layout.SettingsFolder + QStringLiteral("tikloom.ini");
}

QString TTikloomCustomizer::ThemeFolder() const {
    return Layout.UserFolder + QStringLiteral("Themes/");
}

QString TTikloomCustomizer::ThemeFilePath(const QString& name) const {
    return FindThemeFile(Layout, name + QLatin1String(kThemeExtension));
}

QString TTikloomCustomizer::UserThemeFilePath(const QString& name) const {
    return ThemeFolder() + name + QLatin1String(kThemeExtension);
}

bool TTikloomCustomizer::IsShipped(const QString& name) const {
    return IsShippedTheme(Layout, name + QLatin1String(kThemeExtension));
}

QStringList TTikloomCustomizer::EditorImageFolders() const {
    return ImageFoldersFor(Layout, ThemeFilePath(CurrentThemeName));
}

QMessageBox::StandardButton TTikloomCustomizer::ShowMessage(QMessageBox::Icon icon,
                                                            const QString& caption,
                                                            const QString& text,
                                                            QMessageBox::StandardButtons buttons) {
    if (Hooks.message)
        return Hooks.message(icon, caption, text, buttons);
    QMessageBox box(icon, caption, text, buttons, this);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void TTikloomCustomizer::ShowHomePage(const QString& address) {
    ui->sbAboutWebsite->setText(address);
    ui->sbAboutWebsite->setVisible(!address.isEmpty());
    ui->lblAboutWebsiteLabel->setVisible(!address.isEmpty());
}

bool TTikloomCustomizer::OpenUrl(const QUrl& url) {
    if (Hooks.openUrl)
        return Hooks.openUrl(url);
    return QDesktopServices::openUrl(url);
}

void TTikloomCustomizer::Beep() {
    if (Hooks.beep)
        Hooks.beep();
    else
        QApplication::beep();
}

void TTikloomCustomizer::NotifyClock() {
    if (Hooks.notifyClock) {
        Hooks.notifyClock();
        return;
    }
    // A running clock reloads before it answers; with none running, start one.
    if (RequestClockReload() == ReloadResult::NoClock)
        QProcess::startDetached(Layout.ProgramFolder + QStringLiteral("tikloom"), {});
}

QColor TTikloomCustomizer::PanelColor(const QWidget* panel) {
    return QColor(panel->palette().color(QPalette::Window).rgb());
}

void TTikloomCustomizer::SetPanelColor(QWidget* panel, const QColor& rgb) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(rgb.red(), rgb.green(), rgb.blue()));
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

QFont TTikloomCustomizer::PanelFont(const QWidget* panel) {
    QFont font(PanelFontFamily(panel));
    const int points = PanelFontPoints(panel);
    if (points > 0)
        font.setPointSize(points);
    return font;
}

void TTikloomCustomizer::SetPanelFont(QWidget* panel, const QFont& font) {
    SetPanelFontValues(panel, font.family(), font.pointSize());
}

void TTikloomCustomizer::SetPanelFontValues(QWidget* panel, const QString& family, int points) {
    panel->setProperty(kFontFamilyProperty, family);
    panel->setProperty(kFontPointsProperty, points);
    // Shown in regular style; a size below one point is shown at one point.
    QFont shown(family);
    shown.setPointSize(points > 0 ? points : 1);
    panel->setFont(shown);
}

QString TTikloomCustomizer::PanelFontFamily(const QWidget* panel) {
    return panel->property(kFontFamilyProperty).toString();
}

int TTikloomCustomizer::PanelFontPoints(const QWidget* panel) {
    return panel->property(kFontPointsProperty).toInt();
}

} // namespace tikloom
