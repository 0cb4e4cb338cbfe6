// Windows: the shortcut Tikloom.lnk in the user's Startup folder, made
// through the shell's link object (ole32, shell32 and uuid, linked by CMake).
#include "customizer/helpers/autostart_entry.h"

#include <QDir>
#include <QFile>
#include <string>

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace tikloom {

namespace {

const QString kShortcutFileName = QStringLiteral("Tikloom.lnk");
const QString kClockProgramName = QStringLiteral("tikloom.exe");
const wchar_t kDescription[] = L"Tikloom";

// The program folder without its trailing backslash; a drive root ("C:\") keeps it.
QString WorkingFolder(const QString& programFolder) {
    QString folder = QDir::toNativeSeparators(programFolder);
    while (folder.endsWith(QLatin1Char('\\')) &&
           !(folder.size() == 3 && folder.at(1) == QLatin1Char(':'))) {
        folder.chop(1);
    }
    return folder;
}

} // namespace

QString StartupEntryPath() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return QString();
    }
    return QDir::fromNativeSeparators(QString::fromWCharArray(folder)) + QLatin1Char('/') +
           kShortcutFileName;
}

bool WriteStartupEntry(const QString& path, const QString& programFolder) {
    const HRESULT initialised = CoInitialize(nullptr);
    bool saved = false;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        const std::wstring target =
            QDir::toNativeSeparators(programFolder + kClockProgramName).toStdWString();
        const std::wstring working = WorkingFolder(programFolder).toStdWString();
        link->SetPath(target.c_str());
        link->SetDescription(kDescription);
        link->SetWorkingDirectory(working.c_str());
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            const std::wstring shortcut = QDir::toNativeSeparators(path).toStdWString();
            saved = SUCCEEDED(file->Save(shortcut.c_str(), TRUE));
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(initialised)) {
        CoUninitialize();
    }
    return saved;
}

void DeleteStartupEntry(const QString& path) {
    QFile::remove(path);
}

} // namespace tikloom
