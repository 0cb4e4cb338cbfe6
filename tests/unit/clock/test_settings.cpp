// Settings of the clock in tikloom.ini: reading with defaults and the Shift
// override, and saving [Window] as exactly three keys.

#include "clock/core/app_state.h"
#include "clock/core/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tikloom;

namespace {

void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// The non-blank lines of [section] as they stand in the file.
QStringList SectionLines(const QString& path, const QString& section) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines;
    bool inside = false;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inside = line.compare(QLatin1Char('[') + section + QLatin1Char(']'),
                                  Qt::CaseInsensitive) == 0;
        } else if (inside && !line.isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void missingFileGivesDefaults() {
        QTemporaryDir dir;
        AppState state;
        state.WindowLeft = 99;
        state.WindowTop = 99;
        state.Minimized = true;
        state.HighQualitySmoothing = false;
        state.MinimizeShortcutModifier = 0;
        state.MinimizeShortcutKey = 0;
        ReadSettings(dir.path() + QLatin1Char('/'), false, state);
        QCOMPARE(state.WindowLeft, 10);
        QCOMPARE(state.WindowTop, 10);
        QCOMPARE(state.Minimized, false);
        QCOMPARE(state.HighQualitySmoothing, true);
        QCOMPARE(state.MinimizeShortcutModifier, 8u);
        QCOMPARE(state.MinimizeShortcutKey, 67u);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("tikloom.ini"))));
    }

    void valuesFromFile() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        WriteFile(SettingsFilePath(folder), "[Window]\nLeft=-500\nTop=300\nMinimized=5\n"
                                            "[Options]\nHighQualitySmoothing=0\n"
                                            "MinimizeShortcutModifier=6\nMinimizeShortcutKey=75\n");
        AppState state;
        ReadSettings(folder, false, state);
        QCOMPARE(state.WindowLeft, -500);
        QCOMPARE(state.WindowTop, 300);
        QCOMPARE(state.Minimized, true);
        QCOMPARE(state.HighQualitySmoothing, false);
        QCOMPARE(state.MinimizeShortcutModifier, 6u);
        QCOMPARE(state.MinimizeShortcutKey, 75u);
    }

    void shiftResetsPositionOnly() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const QByteArray text = "[Window]\nLeft=3000\nTop=-2000\nMinimized=1\n";
        WriteFile(SettingsFilePath(folder), text);
        AppState state;
        ReadSettings(folder, true, state);
        QCOMPARE(state.WindowLeft, 10);
        QCOMPARE(state.WindowTop, 10);
        QCOMPARE(state.Minimized, true);
        QFile file(SettingsFilePath(folder));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
    }

    void firstExitCreatesExactlyWindowSection() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        SaveWindowSettings(folder, QRect(-20, 35, 128, 128), false);
        QCOMPARE(SectionLines(SettingsFilePath(folder), QStringLiteral("Window")),
                 QStringList({QStringLiteral("Left=-20"), QStringLiteral("Top=35"),
                              QStringLiteral("Minimized=0")}));
        AppState state;
        ReadSettings(folder, false, state);
        QCOMPARE(state.WindowLeft, -20);
        QCOMPARE(state.WindowTop, 35);
    }

    void saveReplacesWindowSectionAndKeepsOthers() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        WriteFile(SettingsFilePath(folder), "[Window]\nLeft=1\nTop=2\nMinimized=5\nExtra=7\n"
                                            "[Options]\nExtra=9\nMinimizeShortcutKey=70\n"
                                            "[Theme]\nFileName=Blue.tkm\n");
        AppState state;
        ReadSettings(folder, false, state);
        QVERIFY(state.Minimized);
        SaveWindowSettings(folder, QRect(400, 500, 128, 128), state.Minimized);

        const QString path = SettingsFilePath(folder);
        QCOMPARE(SectionLines(path, QStringLiteral("Window")),
                 QStringList({QStringLiteral("Left=400"), QStringLiteral("Top=500"),
                              QStringLiteral("Minimized=1")}));
        QCOMPARE(
            SectionLines(path, QStringLiteral("Options")),
            QStringList({QStringLiteral("Extra=9"), QStringLiteral("MinimizeShortcutKey=70")}));
        QCOMPARE(SectionLines(path, QStringLiteral("Theme")),
                 QStringList({QStringLiteral("FileName=Blue.tkm")}));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
