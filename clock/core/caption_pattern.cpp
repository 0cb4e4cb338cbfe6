#include "clock/core/caption_pattern.h"

namespace tikloom {

namespace {

constexpr QChar kQuote = QLatin1Char('\'');

CaptionPiece Number(CaptionField field, qsizetype run) {
    return CaptionPiece{field, static_cast<uint8_t>(run >= 2 ? 2 : 0), {}};
}

bool ShowsDayPeriod(const QString& format) {
    bool quoted = false;
    for (const QChar c : format) {
        if (c == kQuote) {
            quoted = !quoted;
        } else if (!quoted &&
                   (c == QLatin1Char('A') || c == QLatin1Char('a') || c == QLatin1Char('B'))) {
            return true;
        }
    }
    return false;
}

// The text of a quoted part starting at format[i] == '\''; i ends on the
// closing quote. "''" is one quote, inside quotes or out.
QString QuotedText(const QString& format, qsizetype& i) {
    QString text;
    for (++i; i < format.size(); ++i) {
        if (format.at(i) != kQuote) {
            text += format.at(i);
        } else if (i + 1 < format.size() && format.at(i + 1) == kQuote) {
            text += kQuote;
            ++i;
        } else {
            break;
        }
    }
    return text;
}

// The piece for a run of one pattern letter; Literal with empty text for
// letters that print nothing here (the zone, milliseconds).
CaptionPiece PieceForRun(QChar letter, qsizetype run, bool twelveHour) {
    switch (letter.unicode()) {
    case 'd':
        if (run >= 4) {
            return {CaptionField::DayNameLong, 0, {}};
        }
        return run == 3 ? CaptionPiece{CaptionField::DayNameShort, 0, {}}
                        : Number(CaptionField::DayOfMonth, run);
    case 'M':
        if (run >= 4) {
            return {CaptionField::MonthNameLongInDate, 0, {}};
        }
        return run == 3 ? CaptionPiece{CaptionField::MonthNameShortInDate, 0, {}}
                        : Number(CaptionField::Month, run);
    case 'y':
        return run == 2 ? CaptionPiece{CaptionField::YearInCentury, 2, {}}
                        : CaptionPiece{CaptionField::Year, 0, {}};
    case 'h':
        return Number(twelveHour ? CaptionField::Hour12 : CaptionField::Hour24, run);
    case 'H':
        return Number(CaptionField::Hour24, run);
    case 'm':
        return Number(CaptionField::Minute, run);
    case 's':
        return Number(CaptionField::Second, run);
    case 'A':
    case 'a':
    case 'B': // a day period in the locale's words ("上午"); Qt's own time
              // formats use it as the day-period mark
        return {CaptionField::DayPeriod, 0, {}};
    case 't':
    case 'z':
        return {};
    default:
        return {CaptionField::Literal, 0, QString(run, letter)};
    }
}

// Blanks left at either end once the zone is dropped ("h:mm:ss AP t").
void TrimEnds(CaptionPattern& pattern) {
    while (!pattern.empty() && pattern.back().field == CaptionField::Literal) {
        QString& text = pattern.back().text;
        while (!text.isEmpty() && text.back().isSpace()) {
            text.chop(1);
        }
        if (!text.isEmpty()) {
            break;
        }
        pattern.pop_back();
    }
    while (!pattern.empty() && pattern.front().field == CaptionField::Literal) {
        QString& text = pattern.front().text;
        while (!text.isEmpty() && text.front().isSpace()) {
            text.remove(0, 1);
        }
        if (!text.isEmpty()) {
            break;
        }
        pattern.erase(pattern.begin());
    }
}

} // namespace

void AppendLiteral(CaptionPattern& pattern, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    if (!pattern.empty() && pattern.back().field == CaptionField::Literal) {
        pattern.back().text += text;
    } else {
        pattern.push_back({CaptionField::Literal, 0, text});
    }
}

void AppendPattern(CaptionPattern& pattern, const CaptionPattern& more) {
    for (const CaptionPiece& piece : more) {
        if (piece.field == CaptionField::Literal) {
            AppendLiteral(pattern, piece.text);
        } else {
            pattern.push_back(piece);
        }
    }
}

CaptionPattern CompileQtPattern(const QString& format) {
    const bool twelveHour = ShowsDayPeriod(format);
    CaptionPattern pattern;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == kQuote) {
            AppendLiteral(pattern, QuotedText(format, i));
            continue;
        }
        if (!c.isLetter() || c.unicode() > 0x7F) {
            AppendLiteral(pattern, QString(c));
            continue;
        }
        qsizetype run = 1;
        if (c == QLatin1Char('A') || c == QLatin1Char('a')) {
            // "AP", "ap", "A" or "a": one day period.
            if (i + 1 < format.size() && format.at(i + 1).toLower() == QLatin1Char('p')) {
                run = 2;
            }
        } else {
            while (i + run < format.size() && format.at(i + run) == c) {
                ++run;
            }
        }
        const CaptionPiece piece = PieceForRun(c, run, twelveHour);
        if (piece.field == CaptionField::Literal) {
            AppendLiteral(pattern, piece.text);
        } else {
            pattern.push_back(piece);
        }
        i += run - 1;
    }
    TrimEnds(pattern);
    return pattern;
}

} // namespace tikloom
