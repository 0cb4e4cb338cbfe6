// The theme list of an installed customizer: the user's themes and the shipped
// ones in one list, the shipped ones locked, saving into the user's folder.
#include "common/profile_file.h"
#include "customizer/helpers/profile_write.h"
#include "support/customizer_fixture.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

QStringList Entries(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void Select(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const QRect rect = list->visualItemRect(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void TypeName(CustomizerFixture& f, const QString& name) {
    QLineEdit* box = f.Find<QLineEdit>("txtThemeName");
    box->selectAll();
    QTest::keyClicks(box, name);
}

// The shipped linen and slate under prefix/share/tikloom; the user's own
// slate (a radius of 300) and mine under home/.local/share/tikloom.
void InstallThemes(CustomizerFixture& f) {
    tikloom::UserEnvironment environment;
    environment.Home = f.Folder() + QStringLiteral("home");
    f.Layout =
        tikloom::InstalledLayout(f.Folder() + QStringLiteral("prefix/bin"),
                                 f.Folder() + QStringLiteral("prefix/share/tikloom"), environment);
    f.WriteFile(QStringLiteral("prefix/share/tikloom/Themes/linen.tkm"),
                "[Dimension]\nRadius=500\n");
    f.WriteFile(QStringLiteral("prefix/share/tikloom/Themes/slate.tkm"),
                "[Dimension]\nRadius=400\n");
    f.WriteFile(QStringLiteral("home/.local/share/tikloom/Themes/slate.tkm"),
                "[Dimension]\nRadius=300\n");
    f.WriteFile(QStringLiteral("home/.local/share/tikloom/Themes/mine.tkm"), "");
}

QString UserTheme(const CustomizerFixture& f, const QString& name) {
    return f.Folder() + QStringLiteral("home/.local/share/tikloom/Themes/") + name +
           QStringLiteral(".tkm");
}

QString SettingsFile(const CustomizerFixture& f) {
    return f.Folder() + QStringLiteral("home/.config/tikloom/tikloom.ini");
}

} // namespace

class TestInstalledThemes : public QObject {
    Q_OBJECT

private slots:
    void oneListWhereTheUsersThemeWins() {
        CustomizerFixture f;
        InstallThemes(f);
        auto* list = f.Find<QListWidget>("lbThemeList");
        QCOMPARE(Entries(list), QStringList({"Default Theme", "linen", "mine", "slate"}));
        Select(list, QStringLiteral("slate"));
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(),
                 300); // the user's, not the shipped 400
        // The user's copy is theirs to lock and delete.
        QVERIFY(!f.Find<QToolButton>("sbReadOnly")->isChecked());
        QVERIFY(f.Find<QPushButton>("cmdDeleteTheme")->isEnabled());
        // The choice lands in the settings folder, which the form made.
        QVERIFY(tikloom::ReadProfileString(SettingsFile(f), "Theme", "FileName", "",
                                           tikloom::kCustomizerTextCapacity) == "slate.tkm");

        // Deleting the user's copy brings the shipped theme back, locked.
        f.NextAnswer = QMessageBox::Yes;
        f.Find<QPushButton>("cmdDeleteTheme")->click();
        QVERIFY(!QFileInfo::exists(UserTheme(f, QStringLiteral("slate"))));
        QVERIFY(QFileInfo::exists(f.Folder() + "prefix/share/tikloom/Themes/slate.tkm"));
        QCOMPARE(Entries(list), QStringList({"Default Theme", "linen", "mine", "slate"}));
        Select(list, QStringLiteral("slate"));
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(), 400);
        QVERIFY(f.Find<QToolButton>("sbReadOnly")->isChecked());
    }

    void shippedThemesAreLockedAndSavedUnderANewName() {
        CustomizerFixture f;
        InstallThemes(f);
        auto* list = f.Find<QListWidget>("lbThemeList");
        Select(list, QStringLiteral("linen"));
        auto* lock = f.Find<QToolButton>("sbReadOnly");
        QVERIFY(lock->isChecked());
        QVERIFY(!f.Find<QPushButton>("cmdSaveTheme")->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdDeleteTheme")->isEnabled());
        // Unlocking a shipped theme pops back.
        lock->click();
        QVERIFY(lock->isChecked());

        // Its name in other letters still means the shipped theme: still locked.
        TypeName(f, QStringLiteral("LINEN"));
        QVERIFY(lock->isChecked());
        QVERIFY(!f.Find<QPushButton>("cmdSaveTheme")->isEnabled());
        QTest::keyClick(f.Find<QLineEdit>("txtThemeName"), Qt::Key_Return);
        QVERIFY(!QFileInfo::exists(UserTheme(f, QStringLiteral("linen"))));
        QVERIFY(!QFileInfo::exists(UserTheme(f, QStringLiteral("LINEN"))));

        // A new name saves the edited copy into the user's folder.
        TypeName(f, QStringLiteral("linen2"));
        f.Find<QSpinBox>("txtClockRadius")->setValue(450);
        f.Find<QPushButton>("cmdSaveTheme")->click();
        QVERIFY(QFileInfo::exists(UserTheme(f, QStringLiteral("linen2"))));
        QCOMPARE(tikloom::ReadProfileString(UserTheme(f, QStringLiteral("linen2")), "Dimension",
                                            "Radius", "", tikloom::kCustomizerTextCapacity),
                 QStringLiteral("450"));
        QCOMPARE(CustomizerFixture::ReadFile(f.Folder() + "prefix/share/tikloom/Themes/linen.tkm"),
                 QByteArray("[Dimension]\nRadius=500\n"));
        QCOMPARE(tikloom::ReadProfileString(SettingsFile(f), "Theme", "FileName", "",
                                            tikloom::kCustomizerTextCapacity),
                 QStringLiteral("linen2.tkm"));
        QVERIFY(Entries(list).contains(QStringLiteral("linen2")));
    }

    // A file where the settings folder belongs: the start-up's first write
    // (the hot key boxes) fails with the usual write error, which the program
    // reports before it ends; nothing is written.
    void anUnwritableSettingsFolderFailsCleanly() {
        CustomizerFixture f;
        InstallThemes(f);
        f.WriteFile(QStringLiteral("home/.config"), "in the way");
        tikloom::TTikloomCustomizer form(*f.Layout);
        form.Hooks.notifyClock = [] {};
        QVERIFY_THROWS_EXCEPTION(tikloom::ProfileWriteError, form.FormShow());
        QVERIFY_THROWS_EXCEPTION(tikloom::ProfileWriteError, form.ApplyCurrentTheme());
        QCOMPARE(CustomizerFixture::ReadFile(f.Folder() + QStringLiteral("home/.config")),
                 QByteArray("in the way"));
    }
};

QTEST_MAIN(TestInstalledThemes)
#include "test_installed_themes.moc"
