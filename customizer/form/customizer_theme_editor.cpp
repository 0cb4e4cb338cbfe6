// Loading a theme file into the editor's controls and writing them back, key
// by key in the order of the theme key table.
#include "customizer/form/TTikloomCustomizer.h"

#include "common/profile_file.h"
#include "customizer/form/paint_box.h"
#include "customizer/helpers/profile_write.h"
#include "customizer/helpers/theme_color.h"
#include "customizer/helpers/theme_key_table.h"
#include "ui_TTikloomCustomizer.h"

#include <algorithm>

namespace tikloom {

namespace {

QString Latin(const char* text) {
    return QString::fromLatin1(text);
}

template <typename Control> Control* Find(const QWidget* form, const char* name) {
    auto* control = form->findChild<Control*>(Latin(name));
    Q_ASSERT(control);
    return control;
}

// Limits of what the user may type; a longer text from a file is shown whole,
// so that saving does not cut it.
constexpr int kThemeNameLimit = 40;
constexpr int kCaptionTextLimit = 128;

void ShowWhole(QLineEdit* box, int typingLimit, const QString& text) {
    box->setMaxLength(std::max(typingLimit, static_cast<int>(text.size())));
    box->setText(text);
}

QString FlagText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

void TTikloomCustomizer::LoadEditorTheme() {
    const int row = ui->lbThemeList->currentRow();
    if (row < 0)
        return;
    CurrentThemeName = row == 0 ? QString() : ui->lbThemeList->item(row)->text();
    ShowWhole(ui->txtThemeName, kThemeNameLimit, CurrentThemeName);

    const QString file = ThemeFilePath(CurrentThemeName);
    for (const ThemeKeyRow& key : ThemeKeyTable()) {
        const QString section = Latin(key.section);
        const QString name = Latin(key.key);
        auto readInt = [&] {
            return ReadProfileIntCustomizer(file, section, name, key.absentNumber);
        };
        auto readText = [&] {
            return ReadProfileString(file, section, name, Latin(key.absentText),
                                     kCustomizerTextCapacity);
        };
        switch (key.kind) {
        case ThemeKeyKind::ImagePath:
            Find<PaintBox>(this, key.control)->SetImagePath(readText());
            break;
        case ThemeKeyKind::Flag:
            // A change of state runs the box's handler, as a click would.
            Find<QCheckBox>(this, key.control)->setChecked(readInt() != 0);
            break;
        case ThemeKeyKind::HandsType: {
            const bool image = readInt() != 0;
            Find<QRadioButton>(this, key.control)->setChecked(image);
            Find<QRadioButton>(this, key.secondControl)->setChecked(!image);
            break;
        }
        case ThemeKeyKind::Number:
            Find<QSpinBox>(this, key.control)->setValue(readInt());
            break;
        case ThemeKeyKind::Color: {
            const ThemeColor color = ParseThemeColor(readText());
            SetPanelColor(Find<QWidget>(this, key.control), color.rgb);
            Find<QSpinBox>(this, key.secondControl)->setValue(TransparencyFromAlpha(color.alpha));
            break;
        }
        case ThemeKeyKind::FontName: {
            auto* panel = Find<QWidget>(this, key.control);
            SetPanelFontValues(panel, readText(), PanelFontPoints(panel));
            break;
        }
        case ThemeKeyKind::FontSize: {
            auto* panel = Find<QWidget>(this, key.control);
            SetPanelFontValues(panel, PanelFontFamily(panel), FontPointsFromStored(readInt()));
            break;
        }
        case ThemeKeyKind::Text:
            ShowWhole(Find<QComboBox>(this, key.control)->lineEdit(), kCaptionTextLimit,
                      readText());
            break;
        case ThemeKeyKind::TransparencyLimit:
            Find<QSpinBox>(this, key.control)->setValue(PositionFromTransparencyLimit(readInt()));
            break;
        }
    }
    RedrawPreviews();
    UpdateThemeButtons();
}

void TTikloomCustomizer::SaveEditorTheme() {
    const QString file = UserThemeFilePath(CurrentThemeName);
    for (const ThemeKeyRow& key : ThemeKeyTable()) {
        QString value;
        switch (key.kind) {
        case ThemeKeyKind::ImagePath:
            value = Find<PaintBox>(this, key.control)->ImagePath();
            break;
        case ThemeKeyKind::Flag:
            value = FlagText(Find<QCheckBox>(this, key.control)->isChecked());
            break;
        case ThemeKeyKind::HandsType:
            value = FlagText(Find<QRadioButton>(this, key.control)->isChecked());
            break;
        case ThemeKeyKind::Number:
            value = QString::number(Find<QSpinBox>(this, key.control)->value());
            break;
        case ThemeKeyKind::Color:
            value = FormatThemeColor(PanelColor(Find<QWidget>(this, key.control)),
                                     Find<QSpinBox>(this, key.secondControl)->value());
            break;
        case ThemeKeyKind::FontName:
            value = PanelFontFamily(Find<QWidget>(this, key.control));
            break;
        case ThemeKeyKind::FontSize:
            value = QString::number(
                StoredFromFontPoints(PanelFontPoints(Find<QWidget>(this, key.control))));
            break;
        case ThemeKeyKind::Text:
            value = Find<QComboBox>(this, key.control)->currentText();
            break;
        case ThemeKeyKind::TransparencyLimit:
            value = QString::number(
                TransparencyLimitFromPosition(Find<QSpinBox>(this, key.control)->value()));
            break;
        }
        WriteProfileOrThrow(file, Latin(key.section), Latin(key.key), value);
    }
}

} // namespace tikloom
