#include "tools/command_options.h"

namespace tikloom {

bool IsOption(const QString& arg, const QString& name) {
    return arg == name || arg.startsWith(name + QLatin1Char('='));
}

bool TakeOptionValue(const QStringList& args, qsizetype& i, const QString& name, QString& value,
                     QString& error) {
    const QString& arg = args.at(i);
    QString taken;
    if (arg == name) {
        if (i + 1 >= args.size()) {
            error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        taken = args.at(++i);
    } else {
        taken = arg.mid(name.size() + 1);
    }
    if (!value.isNull()) {
        error = QStringLiteral("%1 given twice").arg(name);
        return false;
    }
    value = taken;
    return true;
}

ClockTime ToClockTime(const QDate& date, const QTime& time) {
    ClockTime result;
    result.Year = static_cast<uint16_t>(date.year());
    result.Month = static_cast<uint16_t>(date.month());
    result.DayOfWeek = static_cast<uint16_t>(date.dayOfWeek() % 7); // Sunday 0
    result.Day = static_cast<uint16_t>(date.day());
    result.Hour = static_cast<uint16_t>(time.hour());
    result.Minute = static_cast<uint16_t>(time.minute());
    result.Second = static_cast<uint16_t>(time.second());
    return result;
}

} // namespace tikloom
