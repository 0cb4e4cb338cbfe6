// The colour and font pickers behind the theme editor's panels. Each opens
// its dialog on the clicked panel's value; a cancelled dialog changes nothing.
#include "customizer/form/customizer_pickers.h"

#include "customizer/form/TTikloomCustomizer.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>

namespace tikloom {

namespace {

PickerDialogRunner& Runner() {
    static PickerDialogRunner runner;
    return runner;
}

int RunDialog(QDialog& dialog) {
    if (Runner()) {
        return Runner()(dialog);
    }
    return dialog.exec();
}

// The font as the panels keep it: face and size in regular style.
QFont RegularStyle(QFont font) {
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleName(QString());
    return font;
}

// The panels show a face and a size only. Qt's dialog has no option to leave
// out its effects (strike-out and underline), so their boxes and the group
// that holds them are hidden.
void HideEffects(QFontDialog& dialog) {
    for (QCheckBox* effect : dialog.findChildren<QCheckBox*>()) {
        effect->hide();
        if (auto* group = qobject_cast<QGroupBox*>(effect->parentWidget()))
            group->hide();
    }
}

} // namespace

void SetPickerDialogRunner(PickerDialogRunner runner) {
    Runner() = std::move(runner);
}

void TTikloomCustomizer::pnlColorClick() {
    auto* panel = qobject_cast<QWidget*>(sender());
    if (panel == nullptr) {
        return;
    }
    // Qt's own dialog always shows the custom colours, kept for the whole session.
    QColorDialog dialog(PanelColor(panel), this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    const QColor chosen = dialog.currentColor();
    SetPanelColor(panel, QColor(chosen.red(), chosen.green(), chosen.blue()));
}

void TTikloomCustomizer::pnlFontClick() {
    auto* panel = qobject_cast<QWidget*>(sender());
    if (panel == nullptr) {
        return;
    }
    QFontDialog dialog(PanelFont(panel), this);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    HideEffects(dialog);
    // A face that is not installed is offered as a fallback face; unless the
    // user picks another, the theme keeps its own name (and size).
    const QFont offered = dialog.currentFont();
    if (RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    const QFont chosen = RegularStyle(dialog.currentFont());
    const QString family =
        chosen.family() == offered.family() ? PanelFontFamily(panel) : chosen.family();
    const int points =
        chosen.pointSize() == offered.pointSize() ? PanelFontPoints(panel) : chosen.pointSize();
    SetPanelFontValues(panel, family, points);
}

} // namespace tikloom
