#include "customizer/helpers/desktop_entry.h"

namespace tikloom {

namespace {

// Characters that make an Exec argument need double quotes.
const QString kReservedInExec = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
// Characters that need a backslash inside double quotes.
const QString kEscapedInQuotes = QStringLiteral("\"`$\\");

} // namespace

QString QuoteExecArgument(const QString& argument) {
    QString text;
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        if (kReservedInExec.contains(c)) {
            needsQuotes = true;
        }
        if (kEscapedInQuotes.contains(c)) {
            text += QLatin1Char('\\');
        }
        // "%" introduces a field code; a literal one is doubled.
        text += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    if (!needsQuotes) {
        return text;
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString EscapeDesktopString(const QString& value) {
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\')) {
            text += QStringLiteral("\\\\");
        } else if (c == QLatin1Char('\n')) {
            text += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\t')) {
            text += QStringLiteral("\\t");
        } else if (c == QLatin1Char('\r')) {
            text += QStringLiteral("\\r");
        } else if (c == QLatin1Char(' ') && i == 0) {
            text += QStringLiteral("\\s");
        } else {
            text += c;
        }
    }
    return text;
}

QByteArray DesktopEntryText(const QString& name, const QString& programFile,
                            const QString& workingFolder) {
    QString text = QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=") + EscapeDesktopString(name) + QLatin1Char('\n');
    text += QStringLiteral("Comment=") + EscapeDesktopString(name) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + EscapeDesktopString(QuoteExecArgument(programFile)) +
            QLatin1Char('\n');
    text += QStringLiteral("Path=") + EscapeDesktopString(workingFolder) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");
    return text.toUtf8();
}

} // namespace tikloom
