// Saves that land whole or not at all: a file system that runs out of room
// part-way keeps the old file byte for byte, leftovers of killed saves are
// cleared, and only our own temporary names are ever touched.

#include "common/file_replacement.h"
#include "common/profile_file.h"
#include "common/regular_file.h"
#include "support/file_contents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
// The system's own (WriteProfileStringW, for win.ini) is not the one meant here.
#undef WriteProfileString
#else
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#endif

using namespace tikloom;
using tikloom::test::Contents;
using tikloom::test::Store;

namespace {

#ifndef Q_OS_WIN
constexpr rlim_t kFileSizeLimit = 4096;
constexpr qsizetype kLongValue = 3 * kFileSizeLimit;
constexpr int kTmpfsKiB = 16;
#endif

QByteArray Settings() {
    QByteArray bytes = "[Window]\nLeft=10\nTop=20\n[Theme]\nFileName=default.tkm\n";
    while (bytes.size() < 1500) {
        bytes += "; padding line to give the file some body\n";
    }
    return bytes;
}

// Writes larger than the limit fail with EFBIG, as on a full disk, without
// needing any privilege; restored when the scope ends.
#ifndef Q_OS_WIN
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    bool Active() const { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
};
#endif

} // namespace

class FileReplacementTest : public QObject {
    Q_OBJECT

private:
    QStringList Leftovers(const QString& folder) const {
        return QDir(folder).entryList({"*.saving-*"}, QDir::Files | QDir::Hidden);
    }

private slots:
    void saveThatCannotFinishKeepsTheOldFile() {
#ifdef Q_OS_WIN
        QSKIP("Windows has no per-process file size limit to make writes fail");
#else
        QTemporaryDir dir;
        const QString f = dir.filePath("tikloom.ini");
        const QByteArray original = Settings();
        Store(f, original);
        const QString longValue(kLongValue, QLatin1Char('x'));
        {
            const FileSizeLimit limit(kFileSizeLimit);
            QVERIFY(limit.Active());
            QVERIFY(!WriteProfileString(f, "Theme", "FileName", longValue));
            QVERIFY(!WriteProfileSection(f, "Window", {"Left=" + longValue}));
            QVERIFY(!ReplaceFileContents(f, QByteArray(kLongValue, 'y')));
            // A save that fits still lands.
            QVERIFY(WriteProfileString(f, "Window", "Left", "11"));
        }
        QCOMPARE(Contents(f), QByteArray(original).replace("Left=10", "Left=11"));
        QCOMPARE(Leftovers(dir.path()), QStringList());
#endif
    }

    // The same on a real file system that is full (needs permission to mount).
    void fullFileSystemKeepsTheOldFile() {
#ifdef Q_OS_WIN
        QSKIP("mounting a small file system needs Linux");
#else
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        const QByteArray options = "size=" + QByteArray::number(kTmpfsKiB) + "k";
        if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, options.constData()) != 0) {
            QSKIP("no permission to mount a tmpfs; the file size limit test covers this");
        }
        const auto unmount = qScopeGuard([&] { umount(mountPoint.constData()); });
        const QString f = dir.filePath("tikloom.ini");
        const QByteArray original = Settings();
        Store(f, original);
        // Fill what is left of the file system.
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        QVERIFY(!WriteProfileString(f, "Theme", "FileName", QString(kLongValue, 'x')));
        QVERIFY(!WriteProfileString(f, "Window", "Left", "12345"));
        QCOMPARE(Contents(f), original);
        QCOMPARE(Leftovers(dir.path()), QStringList());

        QVERIFY(QFile::remove(filler.fileName()));
        QVERIFY(WriteProfileString(f, "Window", "Left", "12345"));
        QCOMPARE(ReadProfileIntClock(f, "Window", "Left", 0), 12345u);
#endif
    }

    void leftoversOfKilledSavesAreRemovedAndNothingElse() {
        QTemporaryDir dir;
        const QString f = dir.filePath("tikloom.ini");
        Store(f, Settings());
        const QStringList ours = {"tikloom.ini.saving-Ab12Cd", "tikloom.ini.saving-zzzzzz"};
        const QStringList others = {"tikloom.ini.backup", "tikloom.ini.saving-backup1",
                                    "tikloom.ini.saving-ab-cd!", "other.ini.saving-Ab12Cd",
                                    "tikloom.ini.XYZ123"};
        for (const QString& name : ours + others) {
            Store(dir.filePath(name), "partial");
        }
        QVERIFY(WriteProfileString(f, "Window", "Left", "1"));
        QStringList left = QDir(dir.path()).entryList(QDir::Files);
        left.removeOne("tikloom.ini");
        QStringList expected = others;
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
    }

    void replacementNamesAreRecognisedExactly() {
        const QString name = QFileInfo(ReplacementNameFor("/x/Themes/a.tkm")).fileName();
        QVERIFY(IsReplacementNameOf(name, "a.tkm"));
        QVERIFY(ReplacementNameFor("a.tkm") != ReplacementNameFor("a.tkm"));
        QVERIFY(!IsReplacementNameOf(name, "b.tkm"));
        QVERIFY(!IsReplacementNameOf("a.tkm.saving-abcde", "a.tkm"));
        QVERIFY(!IsReplacementNameOf("a.tkm.saving-abcdeé", "a.tkm"));
        QVERIFY(!IsReplacementNameOf("a.tkm", "a.tkm"));
    }

    void linkedFileIsReplacedBehindItsLink() {
#ifdef Q_OS_WIN
        QSKIP("Qt links files on Windows as .lnk shortcuts, which profile names never are");
#else
        QTemporaryDir dir;
        const QString target = dir.filePath("real.ini");
        const QString link = dir.filePath("tikloom.ini");
        Store(target, "[A]\nK=1\n");
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(QFile::link(target, link));
        QVERIFY(WriteProfileString(link, "A", "K", "2"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(Contents(target), QByteArray("[A]\nK=2\n"));
        QCOMPARE(QFile::permissions(target) & 0x0077, QFileDevice::Permissions());
#endif
    }
    // A save leaves the file as an edit in place would: a hidden settings
    // file stays hidden, and a reader of the programs holding it open does not stop the save.
    void savedFileKeepsItsAttributes() {
#ifndef Q_OS_WIN
        QSKIP("file attributes are Windows' own; permissions are kept through the mode");
#else
        QTemporaryDir dir;
        const QString f = dir.filePath("tikloom.ini");
        Store(f, Settings());
        const std::wstring name = QDir::toNativeSeparators(f).toStdWString();
        QVERIFY(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
        QFile reader;
        QVERIFY(OpenRegularFile(reader, f)); // as the programs read profile files
        QVERIFY(WriteProfileString(f, "Window", "Left", "33"));
        reader.close();
        QCOMPARE(ReadProfileIntClock(f, "Window", "Left", 0), 33u);
        QVERIFY((GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0);
        QCOMPARE(Leftovers(dir.path()), QStringList());
        // A new file is made as usual.
        QVERIFY(ReplaceFileContents(dir.filePath("new.ini"), "[A]\n"));
        QCOMPARE(Contents(dir.filePath("new.ini")), QByteArray("[A]\n"));
#endif
    }
};

QTEST_GUILESS_MAIN(FileReplacementTest)
#include "test_file_replacement.moc"
