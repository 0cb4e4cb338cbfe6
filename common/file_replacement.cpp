#include "common/file_replacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace tikloom {

namespace {

const QString kReplacementTag = QStringLiteral(".saving-");
constexpr int kRandomLength = 6;
const char kRandomCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool IsRandomCharacter(QChar c) {
    return c.isDigit() || (c.unicode() < 0x80 && c.isLetter());
}

} // namespace

QString ReplacementNameFor(const QString& file) {
    QString name = file + kReplacementTag;
    constexpr int kChoices = sizeof kRandomCharacters - 1;
    for (int i = 0; i < kRandomLength; ++i) {
        name += QLatin1Char(kRandomCharacters[QRandomGenerator::global()->bounded(kChoices)]);
    }
    return name;
}

bool IsReplacementNameOf(const QString& name, const QString& fileName) {
    const QString prefix = fileName + kReplacementTag;
    if (name.size() != prefix.size() + kRandomLength || !name.startsWith(prefix)) {
        return false;
    }
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        if (!IsRandomCharacter(name.at(i))) {
            return false;
        }
    }
    return true;
}

void RemoveStaleReplacements(const QString& file) {
    const QFileInfo info(file);
    const QDir folder = info.absoluteDir();
    const QStringList candidates =
        folder.entryList({info.fileName() + kReplacementTag + QLatin1Char('*')},
                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates) {
        if (IsReplacementNameOf(name, info.fileName())) {
            QFile::remove(folder.filePath(name));
        }
    }
}

} // namespace tikloom
