#include "customizer_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

CustomizerFixture::CustomizerFixture()
    : OwnConfigHome(!qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    QDir(Dir.path()).mkpath(QStringLiteral("Themes"));
    // Unless the test chose one, the start-at-log-on entry goes to a
    // configuration folder of the fixture's own.
    if (OwnConfigHome) {
        QDir(Dir.path()).mkpath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", (Dir.path() + QStringLiteral("/config")).toLocal8Bit());
    }
}

CustomizerFixture::~CustomizerFixture() {
    FormInstance.reset();
    if (OwnConfigHome)
        qunsetenv("XDG_CONFIG_HOME");
}

QString CustomizerFixture::Folder() const {
    return Dir.path() + QLatin1Char('/');
}

QString CustomizerFixture::SettingsPath() const {
    return Folder() + QStringLiteral("tikloom.ini");
}

QString CustomizerFixture::ThemePath(const QString& name) const {
    return Folder() + QStringLiteral("Themes/") + name + QStringLiteral(".tkm");
}

void CustomizerFixture::WriteFile(const QString& relativePath, const QByteArray& text) {
    const QString path = Folder() + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text);
}

void CustomizerFixture::WriteTheme(const QString& name, const QByteArray& text) {
    WriteFile(QStringLiteral("Themes/") + name + QStringLiteral(".tkm"), text);
}

void CustomizerFixture::WriteSettings(const QByteArray& text) {
    WriteFile(QStringLiteral("tikloom.ini"), text);
}

QByteArray CustomizerFixture::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

tikloom::TTikloomCustomizer& CustomizerFixture::Form() {
    if (!FormInstance) {
        FormInstance = Layout ? std::make_unique<tikloom::TTikloomCustomizer>(*Layout)
                              : std::make_unique<tikloom::TTikloomCustomizer>(Folder());
        tikloom::CustomizerHooks& hooks = FormInstance->Hooks;
        hooks.message = [this](QMessageBox::Icon icon, const QString& caption, const QString& text,
                               QMessageBox::StandardButtons) {
            Messages.append({icon, caption, text});
            return NextAnswer;
        };
        hooks.beep = [this] { ++Beeps; };
        hooks.notifyClock = [this] { ++ClockNotifications; };
        hooks.openImageFile = [this] { return NextImageFile; };
        FormInstance->show();
        if (!QTest::qWaitForWindowExposed(FormInstance.get()))
            qWarning("customizer form was not exposed");
    }
    return *FormInstance;
}
