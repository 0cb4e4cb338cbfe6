// Theme names, their files, the read-only lock, and how picked images are stored.
#include "customizer/helpers/read_only_attribute.h"
#include "customizer/helpers/relative_image_path.h"
#include "customizer/helpers/theme_file_name.h"
#include "customizer/helpers/theme_name_filter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tikloom;

class TestThemeNames : public QObject {
    Q_OBJECT

private slots:
    void filterRemovesFileNameCharacters() {
        const FilteredThemeName pasted = FilterThemeName(QStringLiteral("a/b?c"), 5);
        QCOMPARE(pasted.text, QStringLiteral("abc"));
        QCOMPARE(pasted.removed, 2);
        QCOMPARE(pasted.caret, 3);

        const FilteredThemeName all = FilterThemeName(QStringLiteral("\\/:*?\"<>|"), 9);
        QCOMPARE(all.text, QString());
        QCOMPARE(all.removed, 9);
        QCOMPARE(all.caret, 0);
    }

    void filterKeepsTheCaretWhereTheUserTyped() {
        // "ab|cd" with a ":" typed after "ab": the caret stays between b and c.
        const FilteredThemeName typed = FilterThemeName(QStringLiteral("ab:cd"), 3);
        QCOMPARE(typed.text, QStringLiteral("abcd"));
        QCOMPARE(typed.caret, 2);
        const FilteredThemeName clean = FilterThemeName(QStringLiteral("My Theme.1"), 4);
        QCOMPARE(clean.text, QStringLiteral("My Theme.1"));
        QCOMPARE(clean.removed, 0);
        QCOMPARE(clean.caret, 4);
    }

    void lastExtensionComesOff() {
        QCOMPARE(RemoveLastExtension(QStringLiteral("blue.tkm")), QStringLiteral("blue"));
        QCOMPARE(RemoveLastExtension(QStringLiteral(".tkm")), QString());
        QCOMPARE(RemoveLastExtension(QStringLiteral("a.b.tkm")), QStringLiteral("a.b"));
        QCOMPARE(RemoveLastExtension(QStringLiteral("plain")), QStringLiteral("plain"));
        QCOMPARE(RemoveLastExtension(QStringLiteral("dir.x\\name")), QStringLiteral("dir.x\\name"));
        QVERIFY(SameThemeName(QStringLiteral("Blue"), QStringLiteral("bLUE")));
        QVERIFY(!SameThemeName(QStringLiteral("Blue"), QStringLiteral("Blue2")));
    }

    void aNameMeansTheExactFileFirstElseTheOneThatDiffersInCase() {
        const QStringList files = {"linen.tkm", "Slate.tkm", "slate.tkm", "Upper.TKM", "x.png"};
        // Exact match wins, also when another file differs only in case.
        QCOMPARE(ThemeNameOnDisk("linen", files), QStringLiteral("linen"));
        QCOMPARE(ThemeNameOnDisk("slate", files), QStringLiteral("slate"));
        QCOMPARE(ThemeNameOnDisk("Slate", files), QStringLiteral("Slate"));
        // The one file that differs in case only.
        QCOMPARE(ThemeNameOnDisk("LINEN", files), QStringLiteral("linen"));
        QCOMPARE(ThemeNameOnDisk("Linen", files), QStringLiteral("linen"));
        // Two candidates and no exact one: no single file is meant.
        QCOMPARE(ThemeNameOnDisk("SLATE", files), QStringLiteral("SLATE"));
        // Another extension, or none matching: the name stands for a new file.
        QCOMPARE(ThemeNameOnDisk("upper", files), QStringLiteral("upper"));
        QCOMPARE(ThemeNameOnDisk("x", files), QStringLiteral("x"));
        QCOMPARE(ThemeNameOnDisk("linen2", files), QStringLiteral("linen2"));
        QCOMPARE(ThemeNameOnDisk("", {".tkm"}), QString());
        QCOMPARE(ThemeNameOnDisk("Blue", {}), QStringLiteral("Blue"));
    }

    void pickedImagesInsideTheFolderAreRelative() {
        QTemporaryDir root;
        const QString program = root.path() + QStringLiteral("/bin/");
        QDir().mkpath(program + QStringLiteral("Themes/sub"));
        QCOMPARE(StoredImagePath(program, program + QStringLiteral("Themes/face.png")),
                 QStringLiteral("Themes\\face.png"));
        QCOMPARE(StoredImagePath(program, program + QStringLiteral("Themes/sub/face.png")),
                 QStringLiteral("Themes\\sub\\face.png"));
        QCOMPARE(StoredImagePath(program, program + QStringLiteral("top.png")),
                 QStringLiteral("top.png"));
    }

    void pickedImagesOutsideTheFolderKeepTheirFullPath() {
        QTemporaryDir root;
        const QString program = root.path() + QStringLiteral("/bin/");
        const QString beside = root.path() + QStringLiteral("/pictures/face.png");
        QCOMPARE(StoredImagePath(program, beside), QDir::toNativeSeparators(beside));
        // A sibling whose name starts like the program folder is still outside.
        const QString sibling = root.path() + QStringLiteral("/bin2/face.png");
        QCOMPARE(StoredImagePath(program, sibling), QDir::toNativeSeparators(sibling));
    }

    // Installed: the user's data folder and the shipped one; an image from
    // either is stored relative (found again through either folder).
    void pickedImagesAreRelativeToWhicheverFolderHoldsThem() {
        QTemporaryDir root;
        const QString user = root.path() + QStringLiteral("/home/data/tikloom/");
        const QString shipped = root.path() + QStringLiteral("/usr/share/tikloom/");
        const QStringList folders{user, shipped};
        QCOMPARE(StoredImagePath(folders, user + QStringLiteral("Themes/mine.png")),
                 QStringLiteral("Themes\\mine.png"));
        QCOMPARE(StoredImagePath(folders, shipped + QStringLiteral("Themes/linen.png")),
                 QStringLiteral("Themes\\linen.png"));
        const QString elsewhere = root.path() + QStringLiteral("/pictures/face.png");
        QCOMPARE(StoredImagePath(folders, elsewhere), QDir::toNativeSeparators(elsewhere));
    }

    void readOnlyLockIsTheOwnersWriteBit() {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/x.tkm");
        QVERIFY(!IsReadOnlyFile(path));
        QVERIFY(!SetReadOnly(path)); // nothing to lock
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(!IsReadOnlyFile(path));
        QVERIFY(SetReadOnly(path));
        QVERIFY(IsReadOnlyFile(path));
        QVERIFY(!(QFile::permissions(path) & QFile::WriteOwner));
        QVERIFY(ClearReadOnly(path));
        QVERIFY(!IsReadOnlyFile(path));
        QVERIFY(QFile::permissions(path) & QFile::WriteOwner);
        // A folder is never a locked theme file.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("y.tkm")));
        QVERIFY(!IsReadOnlyFile(dir.path() + QStringLiteral("/y.tkm")));
    }
};

QTEST_GUILESS_MAIN(TestThemeNames)
#include "test_theme_names.moc"
