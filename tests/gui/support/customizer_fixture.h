#pragma once
// A customizer form on a temporary program folder, for GUI tests.
//
//   CustomizerFixture f;                       // empty folder with Themes/
//   f.WriteTheme("blue", "[Color]\nSecColor=4278190335\n");
//   f.WriteSettings("[Theme]\nFileName=blue.tkm\n");
//   auto& form = f.Form();                     // built, shown, start-up sequence run
//   auto* list = f.Find<QListWidget>("lbThemeList");
//
// Nothing leaves the test. Unless the test has set XDG_CONFIG_HOME itself, it
// points into the temporary folder while the fixture lives (the start-at-log-on
// entry lands there). Message boxes are recorded (and answered with
// NextAnswer), beeps are counted, the clock is never contacted (each request
// is counted), and the image file dialog returns NextImageFile.

#include "customizer/form/TTikloomCustomizer.h"

#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

class CustomizerFixture {
public:
    CustomizerFixture();
    ~CustomizerFixture();

    // The program folder, ending with "/".
    QString Folder() const;
    QString SettingsPath() const;
    QString ThemePath(const QString& name) const;

    // Writes text as a file of the program folder (relative path, "/" separators).
    void WriteFile(const QString& relativePath, const QByteArray& text);
    void WriteTheme(const QString& name, const QByteArray& text);
    void WriteSettings(const QByteArray& text);
    static QByteArray ReadFile(const QString& path);

    // The form, created and shown on first use.
    tikloom::TTikloomCustomizer& Form();

    template <typename Control> Control* Find(const char* name) {
        return Form().findChild<Control*>(QString::fromLatin1(name));
    }

    // What the form did through its hooks.
    struct Message {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
    };
    QList<Message> Messages;
    QMessageBox::StandardButton NextAnswer = QMessageBox::Yes;
    int Beeps = 0;
    int ClockNotifications = 0;
    QString NextImageFile; // empty = the dialog is cancelled
    // When set before the form is made, the form runs on this layout instead
    // of the portable layout of Folder().
    std::optional<tikloom::ProgramLayout> Layout;

private:
    QTemporaryDir Dir;
    bool OwnConfigHome; // XDG_CONFIG_HOME was unset and points into Dir meanwhile
    std::unique_ptr<tikloom::TTikloomCustomizer> FormInstance;
};
