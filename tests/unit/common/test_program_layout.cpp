// The two layouts (portable and installed), how a start tells them apart, and
// where themes and their images are found in each.

#include "common/program_layout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tikloom;

class ProgramLayoutTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString Root() const { return dir_.path() + QLatin1Char('/'); }

    void Touch(const QString& relative) {
        const QString path = Root() + relative;
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    // An installed tree: prefix/bin, prefix/share/tikloom, and a home folder.
    ProgramLayout Installed() {
        UserEnvironment environment;
        environment.Home = Root() + QStringLiteral("home");
        return InstalledLayout(Root() + QStringLiteral("prefix/bin"),
                               Root() + QStringLiteral("prefix/share/tikloom"), environment);
    }

private slots:
    void portableKeepsEverythingInTheProgramFolder() {
        const ProgramLayout layout = PortableLayout(QStringLiteral("/opt/clock"));
        QVERIFY(!layout.Installed);
        for (const QString& folder :
             {layout.ProgramFolder, layout.SettingsFolder, layout.UserFolder, layout.SharedFolder})
            QCOMPARE(folder, QStringLiteral("/opt/clock/"));
        QCOMPARE(ThemeRoots(layout), QStringList{QStringLiteral("/opt/clock/")});
        // Nothing to make: the program folder is there.
        QVERIFY(MakeSettingsFolder(PortableLayout(QStringLiteral("/no/such/folder"))));
    }

    void installedFollowsTheXdgFolders() {
        UserEnvironment environment;
        environment.Home = QStringLiteral("/home/ann");
        ProgramLayout layout = InstalledLayout(QStringLiteral("/usr/bin"),
                                               QStringLiteral("/usr/share/tikloom"), environment);
        QVERIFY(layout.Installed);
        QCOMPARE(layout.ProgramFolder, QStringLiteral("/usr/bin/"));
        QCOMPARE(layout.SharedFolder, QStringLiteral("/usr/share/tikloom/"));
        QCOMPARE(layout.SettingsFolder, QStringLiteral("/home/ann/.config/tikloom/"));
        QCOMPARE(layout.UserFolder, QStringLiteral("/home/ann/.local/share/tikloom/"));
        QCOMPARE(ThemeRoots(layout),
                 (QStringList{layout.UserFolder, QStringLiteral("/usr/share/tikloom/")}));

        environment.ConfigHome = QStringLiteral("/cfg/");
        environment.DataHome = QStringLiteral("/data");
        layout = InstalledLayout(QStringLiteral("/usr/bin"), QStringLiteral("/usr/share/tikloom"),
                                 environment);
        QCOMPARE(layout.SettingsFolder, QStringLiteral("/cfg/tikloom/"));
        QCOMPARE(layout.UserFolder, QStringLiteral("/data/tikloom/"));

        // Relative values are invalid under the XDG rules and ignored.
        environment.ConfigHome = QStringLiteral("cfg");
        environment.DataHome = QStringLiteral("./data");
        layout = InstalledLayout(QStringLiteral("/usr/bin"), QStringLiteral("/usr/share/tikloom"),
                                 environment);
        QCOMPARE(layout.SettingsFolder, QStringLiteral("/home/ann/.config/tikloom/"));
        QCOMPARE(layout.UserFolder, QStringLiteral("/home/ann/.local/share/tikloom/"));
    }

    void aStartIsInstalledOnlyBesideSharedData() {
        UserEnvironment environment;
        environment.Home = Root() + QStringLiteral("home");
        QVERIFY(QDir().mkpath(Root() + QStringLiteral("prefix/bin")));
        const QString programs = Root() + QStringLiteral("prefix/bin");
        QCOMPARE(SharedFolderFor(programs), Root() + QStringLiteral("prefix/share/tikloom/"));

        // A bare folder (or one with its own themes and settings) is portable.
        Touch(QStringLiteral("prefix/bin/Themes/default.tkm"));
        QVERIFY(!DetectLayout(programs, environment).Installed);

        QVERIFY(QDir().mkpath(Root() + QStringLiteral("prefix/share/tikloom")));
        const ProgramLayout layout = DetectLayout(programs, environment);
        QVERIFY(layout.Installed);
        QCOMPARE(layout.SharedFolder, Root() + QStringLiteral("prefix/share/tikloom/"));
        QCOMPARE(layout.SettingsFolder, Root() + QStringLiteral("home/.config/tikloom/"));

        QVERIFY(MakeSettingsFolder(layout));
        QVERIFY(QFileInfo(layout.SettingsFolder).isDir());
    }

    void theUsersThemeWinsOverTheShippedOne() {
        const ProgramLayout layout = Installed();
        const QString user = layout.UserFolder + QStringLiteral("Themes/");
        const QString shipped = layout.SharedFolder + QStringLiteral("Themes/");
        Touch(QStringLiteral("prefix/share/tikloom/Themes/linen.tkm"));
        Touch(QStringLiteral("prefix/share/tikloom/Themes/slate.tkm"));
        Touch(QStringLiteral("home/.local/share/tikloom/Themes/slate.tkm"));
        Touch(QStringLiteral("home/.local/share/tikloom/Themes/mine.tkm"));

        QCOMPARE(FindThemeFile(layout, QStringLiteral("linen.tkm")), shipped + "linen.tkm");
        QCOMPARE(FindThemeFile(layout, QStringLiteral("slate.tkm")), user + "slate.tkm");
        QCOMPARE(FindThemeFile(layout, QStringLiteral("mine.tkm")), user + "mine.tkm");
        // A theme still to be made goes to the user's folder.
        QCOMPARE(FindThemeFile(layout, QStringLiteral("new.tkm")), user + "new.tkm");
        // Names stored with Windows separators.
        Touch(QStringLiteral("prefix/share/tikloom/Themes/Sub/blue.tkm"));
        QCOMPARE(FindThemeFile(layout, QStringLiteral("Sub\\blue.tkm")), shipped + "Sub/blue.tkm");

        QVERIFY(IsShippedTheme(layout, QStringLiteral("linen.tkm")));
        QVERIFY(!IsShippedTheme(layout, QStringLiteral("slate.tkm"))); // the user's copy
        QVERIFY(!IsShippedTheme(layout, QStringLiteral("mine.tkm")));
        QVERIFY(!IsShippedTheme(layout, QStringLiteral("new.tkm")));
        // Nothing is shipped in the portable layout: every theme is the user's.
        QVERIFY(!IsShippedTheme(PortableLayout(layout.SharedFolder), QStringLiteral("linen.tkm")));
    }

    void imagesResolveAgainstTheThemesOwnFolderFirst() {
        const ProgramLayout layout = Installed();
        const QString userRoot = layout.UserFolder;
        const QString sharedRoot = layout.SharedFolder;
        Touch(QStringLiteral("prefix/share/tikloom/Themes/linen.tkm"));
        Touch(QStringLiteral("prefix/share/tikloom/Themes/face.png"));
        Touch(QStringLiteral("home/.local/share/tikloom/Themes/mine.tkm"));
        Touch(QStringLiteral("home/.local/share/tikloom/Themes/face.png"));
        Touch(QStringLiteral("home/.local/share/tikloom/Themes/own.png"));

        const QStringList forShipped =
            ImageFoldersFor(layout, sharedRoot + QStringLiteral("Themes/linen.tkm"));
        QCOMPARE(forShipped, (QStringList{sharedRoot, userRoot}));
        const QStringList forUsers =
            ImageFoldersFor(layout, userRoot + QStringLiteral("Themes/mine.tkm"));
        QCOMPARE(forUsers, (QStringList{userRoot, sharedRoot}));

        // The same name in both: the theme's own folder wins.
        QCOMPARE(ResolveImagePath(forShipped, QStringLiteral("Themes\\face.png")),
                 sharedRoot + "Themes/face.png");
        QCOMPARE(ResolveImagePath(forUsers, QStringLiteral("Themes\\face.png")),
                 userRoot + "Themes/face.png");
        // Only in the other folder: found there.
        QCOMPARE(ResolveImagePath(forShipped, QStringLiteral("Themes/own.png")),
                 userRoot + "Themes/own.png");
        // Nowhere: the own folder's path, so the failure names the likely place.
        QCOMPARE(ResolveImagePath(forUsers, QStringLiteral("Themes\\gone.png")),
                 userRoot + "Themes/gone.png");
        // Absolute and empty paths stay as they are.
        QCOMPARE(ResolveImagePath(forUsers, QStringLiteral("/srv/x.png")),
                 QStringLiteral("/srv/x.png"));
        QCOMPARE(ResolveImagePath(forUsers, QString()), QString());
    }

    void portableImagesKeepTheProgramFolderRule() {
        const ProgramLayout layout = PortableLayout(Root());
        const QStringList folders = ImageFoldersFor(layout, Root() + "Themes/x.tkm");
        QCOMPARE(folders, QStringList{Root()});
        QCOMPARE(ResolveImagePath(folders, QStringLiteral("Themes\\a.png")),
                 Root() + "Themes/a.png");
        // A theme from elsewhere (the theme tool's argument) still uses the program folder.
        QCOMPARE(ImageFoldersFor(layout, QStringLiteral("/elsewhere/Themes/y.tkm")),
                 QStringList{Root()});
    }
};

QTEST_GUILESS_MAIN(ProgramLayoutTest)
#include "test_program_layout.moc"
