#pragma once
// What the tool's commands share in reading their arguments: options given
// as "--name VALUE" or "--name=VALUE", and a date and time given by hand.

#include "clock/core/clock_time.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace tikloom {

// True when arg is the option name, alone or as "name=value".
bool IsOption(const QString& arg, const QString& name);

// Takes the value of the option at args[i] (moving i past a separate value).
// Returns false with an error message when it is missing or given twice
// (value not null).
bool TakeOptionValue(const QStringList& args, qsizetype& i, const QString& name, QString& value,
                     QString& error);

// The clock's time fields of a wall-clock date and time. Summer time is left
// unknown, as for any time given by hand: the zone's rules decide it.
ClockTime ToClockTime(const QDate& date, const QTime& time);

} // namespace tikloom
