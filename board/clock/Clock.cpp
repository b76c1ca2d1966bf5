#include "board/clock/Clock.h"

#include <QList>

using namespace Qt::Literals::StringLiterals;

namespace Clock {
namespace {

// One piece of a time pattern: a field letter with its repeat count, or literal text.
struct Token
{
    QChar field; // null for literal text
    int count = 0;
    QString literal;
};

QList<Token> Tokenize(const QString &pattern)
{
    QList<Token> tokens;
    const auto literal = [&tokens](const QString &text) {
        if (tokens.isEmpty() || !tokens.last().field.isNull())
            tokens.append(Token{});
        tokens.last().literal += text;
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == u'\'') {
            const qsizetype end = pattern.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            // '' is a quote sign, inside quotes or out.
            literal(stop == i + 1 ? u"'"_s : pattern.mid(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        if (QStringView(u"hHmszt").contains(c) || c == u'A' || c == u'a' || c == u'B') {
            qsizetype run = i + 1;
            if (c == u'A' || c == u'a') {
                if (run < pattern.size() && (pattern.at(run) == u'P' || pattern.at(run) == u'p'))
                    ++run;
            } else {
                while (run < pattern.size() && pattern.at(run) == c)
                    ++run;
            }
            tokens.append(Token{c, int(run - i), {}});
            i = run;
            continue;
        }
        literal(QString(c));
        ++i;
    }
    return tokens;
}

// The time-zone name goes, and with it the spaces, commas and brackets that set it apart.
void DropZone(QList<Token> &tokens)
{
    static const QString before = u" ,(["_s;
    static const QString after = u" ,)]"_s;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens.at(i).field != u't')
            continue;
        if (i > 0 && tokens.at(i - 1).field.isNull()) {
            QString &text = tokens[i - 1].literal;
            while (!text.isEmpty() && before.contains(text.back()))
                text.chop(1);
        }
        if (i + 1 < tokens.size() && tokens.at(i + 1).field.isNull()) {
            QString &text = tokens[i + 1].literal;
            while (!text.isEmpty() && after.contains(text.front()))
                text.remove(0, 1);
        }
        tokens.removeAt(i--);
    }
}

QString Digits(int value, int count)
{
    return QString::number(value).rightJustified(count >= 2 ? 2 : 1, u'0');
}

QString Field(const Token &token, const QTime &time, const QLocale &locale, bool twelveHour)
{
    const int count = std::min(token.count, 2);
    switch (token.field.unicode()) {
    case u'H':
        return Digits(time.hour(), count);
    case u'h': {
        const int hour = twelveHour ? (time.hour() + 11) % 12 + 1 : time.hour();
        return Digits(hour, count);
    }
    case u'm':
        return Digits(time.minute(), count);
    case u's':
        return Digits(time.second(), count);
    case u'z':
        return token.count >= 3 ? QString::number(time.msec()).rightJustified(3, u'0')
                                : QString::number(time.msec());
    default: // the morning or afternoon mark, as the locale writes it
        return time.hour() < 12 ? locale.amText() : locale.pmText();
    }
}

} // namespace

QString FormatTimeText(const QTime &time, const QLocale &locale)
{
    QList<Token> tokens = Tokenize(locale.timeFormat(QLocale::LongFormat));
    DropZone(tokens);
    bool twelveHour = false;
    for (const Token &token : tokens)
        twelveHour =
            twelveHour || token.field == u'A' || token.field == u'a' || token.field == u'B';
    QString text;
    for (const Token &token : tokens)
        text += token.field.isNull() ? token.literal : Field(token, time, locale, twelveHour);
    return text.trimmed();
}

QString GetWeek(const QDate &date)
{
    static const QString names[7] = {u"星期日"_s, u"星期一"_s, u"星期二"_s, u"星期三"_s,
                                     u"星期四"_s, u"星期五"_s, u"星期六"_s};
    // dayOfWeek() runs from 1 (Monday) to 7 (Sunday).
    return names[date.dayOfWeek() % 7];
}

QString FormatDateText(const QDate &date)
{
    const QChar zero(u'0');
    return u"%1-%2-%3   %4"_s.arg(date.year(), 4, 10, zero)
        .arg(date.month(), 2, 10, zero)
        .arg(date.day(), 2, 10, zero)
        .arg(GetWeek(date));
}

bool TileToggleDue(int drawn, int hour, const QString &picAlong)
{
    return picAlong == u"0"_s && drawn == hour;
}

int NextTipLeft(int left, int width, int windowWidth)
{
    const qint64 next = qint64(left) - 1;
    // "Past the left edge", not "exactly at it": a left edge already beyond -width (the text
    // was replaced by a shorter one while it scrolled) must still come back.
    if (next + width <= 0)
        return windowWidth;
    return int(next);
}

} // namespace Clock
