// The theme list: what it shows, what a selection does, and deleting themes.
#include "common/profile_file.h"
#include "support/customizer_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

QString CurrentFileName(const CustomizerFixture& f) {
    return tikloom::ReadProfileString(f.SettingsPath(), QStringLiteral("Theme"),
                                      QStringLiteral("FileName"), QStringLiteral("<absent>"),
                                      tikloom::kCustomizerTextCapacity);
}

QStringList Entries(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void ClickEntry(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

} // namespace

class TestThemeList : public QObject {
    Q_OBJECT

private slots:
    void listsThemeFilesAndFoldersAndSelectsTheCurrentOne() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("blue"), "[Dimension]\nRadius=400\n");
        f.WriteTheme(QStringLiteral("Red"), "[Dimension]\nRadius=300\n");
        QVERIFY(QDir(f.Folder()).mkpath(QStringLiteral("Themes/x.tkm")));
        f.WriteFile(QStringLiteral("Themes/notes.txt"), "not a theme");
        // Opened as its name + ".tkm", which does not exist: not a theme here.
        f.WriteFile(QStringLiteral("Themes/Upper.TKM"), "[Dimension]\nRadius=100\n");
        f.WriteSettings("[Theme]\nfilename=RED.tkm\n"); // any letter case matches

        auto* list = f.Find<QListWidget>("lbThemeList");
        QCOMPARE(Entries(list), QStringList({"Default Theme", "blue", "Red", "x"}));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Red"));
        QCOMPARE(f.Find<QLineEdit>("txtThemeName")->text(), QStringLiteral("Red"));
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(), 300);
        // Start-up neither writes the settings nor contacts the clock.
        QCOMPARE(f.ClockNotifications, 0);
        QCOMPARE(CurrentFileName(f), QStringLiteral("RED.tkm"));
    }

    void missingThemeFolderGivesOnlyTheDefault() {
        CustomizerFixture f;
        QVERIFY(QDir(f.Folder() + QStringLiteral("Themes")).removeRecursively());
        auto* list = f.Find<QListWidget>("lbThemeList");
        QCOMPARE(Entries(list), QStringList({"Default Theme"}));
        QCOMPARE(list->currentRow(), 0);
    }

    void selectingAThemeAppliesIt() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("blue"), "[Dimension]\nRadius=400\n");
        f.WriteTheme(QStringLiteral("green"), "[Dimension]\nRadius=200\n");
        auto* list = f.Find<QListWidget>("lbThemeList");
        QCOMPARE(list->currentRow(), 0);

        ClickEntry(list, 2);
        QCOMPARE(CurrentFileName(f), QStringLiteral("green.tkm"));
        QCOMPARE(f.Form().CurrentThemeName, QStringLiteral("green"));
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(), 200);
        QCOMPARE(f.ClockNotifications, 1);

        // The arrow keys apply each theme in turn.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(CurrentFileName(f), QStringLiteral("blue.tkm"));
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(), 400);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(CurrentFileName(f), QStringLiteral(".tkm"));
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(), 480);
        QCOMPARE(f.ClockNotifications, 3);
    }

    void defaultEntryButtons() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("blue"), "");
        auto* save = f.Find<QPushButton>("cmdSaveTheme");
        auto* del = f.Find<QPushButton>("cmdDeleteTheme");
        auto* lock = f.Find<QToolButton>("sbReadOnly");
        auto* name = f.Find<QLineEdit>("txtThemeName");
        QVERIFY(name->text().isEmpty());
        QVERIFY(!save->isEnabled());
        QVERIFY(!del->isEnabled());
        QVERIFY(!lock->isEnabled());
        QTest::keyClicks(name, QStringLiteral("n"));
        QVERIFY(save->isEnabled());
        QVERIFY(!del->isEnabled());
        // The Delete key in the list does nothing for the default entry.
        auto* list = f.Find<QListWidget>("lbThemeList");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(f.Messages.isEmpty());
        QCOMPARE(list->count(), 2);
    }

    void theLastOfSeveralMatchingEntriesIsSelected() {
        CustomizerFixture f;
        // A theme file with an empty name lists as an empty entry and matches the default.
        f.WriteTheme(QString(), "");
        f.WriteTheme(QStringLiteral("a"), "");
        auto* list = f.Find<QListWidget>("lbThemeList");
        QCOMPARE(Entries(list), QStringList({"Default Theme", "", "a"}));
        QCOMPARE(list->currentRow(), 1);
        // Delete does nothing on the empty entry.
        f.Find<QPushButton>("cmdDeleteTheme")->click();
        QVERIFY(f.Messages.isEmpty());
        QVERIFY(QFile::exists(f.ThemePath(QString())));
    }

    void deletingALockedThemeAsksAndFallsBackToTheDefault() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("old"), "[Dimension]\nRadius=100\n");
        f.WriteSettings("[Theme]\nFileName=old.tkm\n");
        QFile::setPermissions(f.ThemePath(QStringLiteral("old")), QFile::ReadOwner);
        auto* list = f.Find<QListWidget>("lbThemeList");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("old"));
        QVERIFY(f.Find<QToolButton>("sbReadOnly")->isChecked());

        // Answering No keeps it.
        f.NextAnswer = QMessageBox::No;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(f.Messages.size(), 1);
        QCOMPARE(f.Messages[0].caption, QStringLiteral("Confirmation"));
        QCOMPARE(f.Messages[0].text, QStringLiteral("Are you sure you want to delete 'old'?"));
        QVERIFY(QFile::exists(f.ThemePath(QStringLiteral("old"))));
        // Enter on the focused Delete button clicks it, not the default button.
        auto* del = f.Find<QPushButton>("cmdDeleteTheme");
        del->setFocus();
        QTest::keyClick(del, Qt::Key_Return);
        QCOMPARE(f.Messages.size(), 2);
        QCOMPARE(f.Messages[1].caption, QStringLiteral("Confirmation"));

        f.NextAnswer = QMessageBox::Yes;
        del->click();
        QCOMPARE(f.Messages.size(), 3);
        QVERIFY(!QFile::exists(f.ThemePath(QStringLiteral("old"))));
        QCOMPARE(Entries(list), QStringList({"Default Theme"}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(), 480);
        QCOMPARE(CurrentFileName(f), QStringLiteral(".tkm"));
        QCOMPARE(f.ClockNotifications, 1);
    }

    void aNameDifferingOnlyInCaseMeansTheExistingTheme() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("linen"), "[Dimension]\nRadius=100\n");
        f.WriteTheme(QStringLiteral("other"), "");
        auto* list = f.Find<QListWidget>("lbThemeList");
        auto* name = f.Find<QLineEdit>("txtThemeName");
        auto* lock = f.Find<QToolButton>("sbReadOnly");
        QTest::keyClicks(name, QStringLiteral("LINEN"));
        f.Find<QSpinBox>("txtClockRadius")->setValue(200);
        f.Form().cmdSaveThemeClick();
        // Saved over linen.tkm, which the settings and the list name as it is.
        QVERIFY(!QDir(f.Folder() + QStringLiteral("Themes")).entryList().contains("LINEN.tkm"));
        QCOMPARE(tikloom::ReadProfileString(f.ThemePath(QStringLiteral("linen")),
                                            QStringLiteral("Dimension"), QStringLiteral("Radius"),
                                            QString(), tikloom::kCustomizerTextCapacity),
                 QStringLiteral("200"));
        QCOMPARE(CurrentFileName(f), QStringLiteral("linen.tkm"));
        QCOMPARE(Entries(list), QStringList({"Default Theme", "linen", "other"}));
        QCOMPARE(list->currentItem()->text(), QStringLiteral("linen"));

        // The lock, pressed with the name typed in another case, locks linen.tkm ...
        name->setText(QStringLiteral("Linen"));
        lock->click();
        QVERIFY(lock->isChecked());
        QVERIFY(
            !(QFileInfo(f.ThemePath(QStringLiteral("linen"))).permissions() & QFile::WriteOwner));
        // ... and protects it from a save under any case of its name.
        name->setText(QStringLiteral("LINEN"));
        QVERIFY(lock->isChecked());
        f.Form().cmdSaveThemeClick();
        QCOMPARE(f.Messages.size(), 1);
        QCOMPARE(f.Messages[0].caption, QStringLiteral("Error"));
        QVERIFY(!QDir(f.Folder() + QStringLiteral("Themes")).entryList().contains("LINEN.tkm"));
    }

    void theExactNameWinsOverOneDifferingInCase() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("Slate"), "[Dimension]\nRadius=100\n");
        f.WriteTheme(QStringLiteral("slate"), "[Dimension]\nRadius=200\n");
        f.WriteSettings("[Theme]\nFileName=slate.tkm\n");
        auto* list = f.Find<QListWidget>("lbThemeList");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("slate"));
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(), 200);
        QFile::setPermissions(f.ThemePath(QStringLiteral("Slate")), QFile::ReadOwner);
        // The typed name "slate" is not locked: its own file is writable.
        auto* name = f.Find<QLineEdit>("txtThemeName");
        name->clear();
        name->setText(QStringLiteral("slate"));
        QVERIFY(!f.Find<QToolButton>("sbReadOnly")->isChecked());
        name->setText(QStringLiteral("Slate"));
        QVERIFY(f.Find<QToolButton>("sbReadOnly")->isChecked());
        ClickEntry(list, 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Slate"));
        QVERIFY(f.Find<QToolButton>("sbReadOnly")->isChecked());
        QCOMPARE(CurrentFileName(f), QStringLiteral("Slate.tkm"));
    }

    void clickingTheSelectedEntryDoesWhatAnyClickDoes() {
        CustomizerFixture f;
        f.WriteTheme(QStringLiteral("blue"), "[Dimension]\nRadius=400\n");
        auto* list = f.Find<QListWidget>("lbThemeList");
        auto* del = f.Find<QPushButton>("cmdDeleteTheme");
        auto* lock = f.Find<QToolButton>("sbReadOnly");
        QTest::keyClicks(f.Find<QLineEdit>("txtThemeName"), QStringLiteral("fresh"));
        f.Form().cmdSaveThemeClick();
        QCOMPARE(f.ClockNotifications, 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("fresh"));
        // A save leaves the buttons as they were; a click on the entry refreshes them.
        QVERIFY(!del->isEnabled());
        ClickEntry(list, list->currentRow());
        QVERIFY(del->isEnabled());
        QVERIFY(lock->isEnabled());
        QCOMPARE(f.ClockNotifications, 2);
        // A click that changes the row runs the handler once, not twice.
        ClickEntry(list, 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("blue"));
        QCOMPARE(f.ClockNotifications, 3);
        // And a click on the selected entry reloads what the file holds now.
        f.WriteTheme(QStringLiteral("blue"), "[Dimension]\nRadius=300\n");
        ClickEntry(list, 1);
        QCOMPARE(f.Find<QSpinBox>("txtClockRadius")->value(), 300);
        QCOMPARE(f.ClockNotifications, 4);
    }

    void aFolderNamedLikeAThemeIsListedButNotDeleted() {
        CustomizerFixture f;
        QVERIFY(QDir(f.Folder()).mkpath(QStringLiteral("Themes/x.tkm")));
        auto* list = f.Find<QListWidget>("lbThemeList");
        ClickEntry(list, 1);
        QCOMPARE(CurrentFileName(f), QStringLiteral("x.tkm"));
        QCOMPARE(f.Find<QSpinBox>("txtMinorTicksRadius")->value(), 15);
        f.Find<QPushButton>("cmdDeleteTheme")->click();
        QVERIFY(f.Messages.isEmpty());
        QVERIFY(QFileInfo(f.ThemePath(QStringLiteral("x"))).isDir());
    }
};

QTEST_MAIN(TestThemeList)
#include "test_theme_list.moc"
