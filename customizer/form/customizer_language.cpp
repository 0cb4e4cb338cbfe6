// The form's captions from the chosen language file. Every caption is read
// again on each run, each with its English default, so switching to a file
// that lacks some keys never leaves a text of the language shown before.
#include "customizer/form/TTikloomCustomizer.h"

#include "common/language_choice.h"
#include "common/profile_file.h"
#include "customizer/helpers/caption_tables.h"
#include "customizer/helpers/language_encoding.h"
#include "ui_TTikloomCustomizer.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace tikloom {

namespace {

// The about group keeps a font of its own whatever the language file says.
constexpr int kAboutFontPixels = 11;
const QStringList kAboutFontFamilies = {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                        QStringLiteral("DejaVu Sans")};

// Gives a control its caption: a page its tab's title, a group box its
// title, a label or any kind of button its text.
void SetCaption(QWidget* control, const QString& caption) {
    for (QWidget* ancestor = control->parentWidget(); ancestor != nullptr;
         ancestor = ancestor->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(ancestor)) {
            const int index = tabs->indexOf(control);
            if (index >= 0) {
                tabs->setTabText(index, caption);
                return;
            }
            break;
        }
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    }
}

QFont AboutFont() {
    QFont font;
    font.setFamilies(kAboutFontFamilies);
    font.setPixelSize(kAboutFontPixels);
    return font;
}

} // namespace

void TTikloomCustomizer::ApplyLanguage() {
    LanguageFileName = ReadProfileString(SettingsPath(), QStringLiteral("Locale"),
                                         QStringLiteral("Language"), QString(), kClockTextCapacity);
    const QString languageFile =
        ChooseLanguageFile(Layout.SharedFolder, LanguageFileName, UserLanguageAbbreviation());

    // The file's character set chooses the code page its texts are decoded with.
    const LanguageEncoding encoding = ReadLanguageEncoding(languageFile);

    for (const CaptionRow& row : CaptionRows()) {
        const QString caption = ReadCaption(languageFile, row, encoding.codePage);
        for (const QString& name : row.controls) {
            if (QWidget* control = findChild<QWidget*>(name)) {
                SetCaption(control, caption);
            }
        }
    }
    ui->grpAbout->setFont(AboutFont());
}

} // namespace tikloom
