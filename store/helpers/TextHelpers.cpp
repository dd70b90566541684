#include "TextHelpers.h"

#include "Utils.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QStringList>

namespace {

const QString serviceDateFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

// Codes -2 to 15.
const char *const lowStatusKeys[] = {
    QT_TRANSLATE_NOOP("Utils", "IQ local"), QT_TRANSLATE_NOOP("Utils", "FA"),
    QT_TRANSLATE_NOOP("Utils", "FA"),       QT_TRANSLATE_NOOP("Utils", "OK"),
    QT_TRANSLATE_NOOP("Utils", "IQ"),       QT_TRANSLATE_NOOP("Utils", "NF"),
    QT_TRANSLATE_NOOP("Utils", "IT"),       QT_TRANSLATE_NOOP("Utils", "CF"),
    QT_TRANSLATE_NOOP("Utils", "BU"),       QT_TRANSLATE_NOOP("Utils", "CR"),
    QT_TRANSLATE_NOOP("Utils", "CE"),       QT_TRANSLATE_NOOP("Utils", "NA"),
    QT_TRANSLATE_NOOP("Utils", "IN"),       QT_TRANSLATE_NOOP("Utils", "SB"),
    QT_TRANSLATE_NOOP("Utils", "BA"),       QT_TRANSLATE_NOOP("Utils", "LP"),
    QT_TRANSLATE_NOOP("Utils", "CS"),       QT_TRANSLATE_NOOP("Utils", "RF"),
};
constexpr int lowestStatus = -2;

// Codes 101 to 110.
const char *const highStatusKeys[] = {
    QT_TRANSLATE_NOOP("Utils", "BL"), QT_TRANSLATE_NOOP("Utils", "NT"), QT_TRANSLATE_NOOP("Utils", "MF"),
    QT_TRANSLATE_NOOP("Utils", "NC"), QT_TRANSLATE_NOOP("Utils", "SE"), QT_TRANSLATE_NOOP("Utils", "UF"),
    QT_TRANSLATE_NOOP("Utils", "AF"), QT_TRANSLATE_NOOP("Utils", "NR"), QT_TRANSLATE_NOOP("Utils", "MA"),
    QT_TRANSLATE_NOOP("Utils", "GF"),
};
constexpr int firstHighStatus = 101;

// The key of code in a table whose first entry is for firstCode; null outside the table.
template <std::size_t N> const char *keyOf(const char *const (&keys)[N], int firstCode, int code)
{
    // In 64 bits, so that no code near the int limits overflows.
    const qint64 index = qint64(code) - firstCode;
    return index >= 0 && index < qint64(N) ? keys[index] : nullptr;
}

const char *statusKey(int code)
{
    if (const char *key = keyOf(lowStatusKeys, lowestStatus, code))
        return key;
    if (const char *key = keyOf(highStatusKeys, firstHighStatus, code))
        return key;
    return "FA";
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A service date: its day and the second of that day. Service dates carry no zone, so they are read and
// shifted as UTC, where no daylight-saving change moves or drops a time.
struct ServiceDate
{
    QDate day;
    qint64 second = 0;
};

// Reads a date of the exact form "yyyy-MM-dd hh:mm:ss" (ASCII digits in every digit place) without the
// format parser, which costs microseconds a date: the lists show tens of thousands of them. False for any
// other form, which the format parser then reads.
bool readStrictServiceDate(const QString &text, QDate *date, QTime *time)
{
    static const char form[] = "dddd-dd-dd dd:dd:dd";
    if (text.size() != qsizetype(sizeof form - 1))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (form[i] == 'd' ? !isAsciiDigit(text[i]) : text[i] != QLatin1Char(form[i]))
            return false;
    }
    const auto number = [&text](qsizetype from, qsizetype length) {
        int value = 0;
        for (qsizetype i = from; i < from + length; ++i)
            value = value * 10 + (text[i].unicode() - u'0');
        return value;
    };
    *date = QDate(number(0, 4), number(5, 2), number(8, 2));
    *time = QTime(number(11, 2), number(14, 2), number(17, 2));
    return true;
}

// An invalid day when text is no valid date.
ServiceDate parseServiceDate(const QString &text)
{
    QDate date;
    QTime time;
    if (!readStrictServiceDate(text, &date, &time)) {
        const QStringList parts = text.split(u' ');
        if (parts.size() != 2)
            return {};
        date = QDate::fromString(parts[0], QStringLiteral("yyyy-MM-dd"));
        time = QTime::fromString(parts[1], QStringLiteral("hh:mm:ss"));
    }
    if (!date.isValid() || !time.isValid())
        return {};
    return {date, time.msecsSinceStartOfDay() / 1000};
}

ServiceDate shifted(const ServiceDate &date, qint64 seconds)
{
    constexpr qint64 secondsPerDay = 86400;
    const qint64 total = date.second + seconds;
    qint64 days = total / secondsPerDay;
    qint64 second = total % secondsPerDay;
    if (second < 0) {
        second += secondsPerDay;
        --days;
    }
    return {date.day.addDays(days), second};
}

// "yyyy-MM-dd hh:mm:ss" or, for the user, "dd-MM-yyyy hh:mm:ss"; empty for an invalid day.
QString writeDate(const ServiceDate &date, bool yearFirst)
{
    if (!date.day.isValid())
        return QString();
    int year = 0;
    int month = 0;
    int day = 0;
    date.day.getDate(&year, &month, &day);
    if (year < 1000 || year > 9999) {
        const QDateTime value(date.day, QTime::fromMSecsSinceStartOfDay(int(date.second) * 1000), Qt::UTC);
        return value.toString(yearFirst ? serviceDateFormat : QStringLiteral("dd-MM-yyyy hh:mm:ss"));
    }
    QString text(19, u' ');
    const auto put = [&text](qsizetype at, int number, int digits) {
        for (int i = digits - 1; i >= 0; --i, number /= 10)
            text[at + i] = QChar(u'0' + number % 10);
    };
    put(yearFirst ? 0 : 6, year, 4);
    put(yearFirst ? 5 : 3, month, 2);
    put(yearFirst ? 8 : 0, day, 2);
    text[yearFirst ? 4 : 2] = u'-';
    text[yearFirst ? 7 : 5] = u'-';
    put(11, int(date.second / 3600), 2);
    text[13] = u':';
    put(14, int(date.second / 60 % 60), 2);
    text[16] = u':';
    put(17, int(date.second % 60), 2);
    return text;
}

} // namespace

QString statusText(int code)
{
    return Utils::tr(statusKey(code));
}

QString readStateText(int flag)
{
    return flag != 0 ? Utils::tr("Read") : Utils::tr("Unread");
}

QString md5Hex(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

bool isPhoneNumber(const QString &text)
{
    if (!text.startsWith(u'+'))
        return false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (!isAsciiDigit(text[i]))
            return false;
    }
    return true;
}

QString normalizeNumber(const QString &text)
{
    QString digits;
    for (const char32_t c : text.toUcs4()) {
        // Any script's decimal digit stands for its ASCII digit; superscripts and the like are no digits.
        if (QChar::category(c) == QChar::Number_DecimalDigit)
            digits += QChar(u'0' + QChar::digitValue(c));
    }
    return digits.isEmpty() ? digits : u'+' + digits;
}

QString joinNumbers(const QList<int> &numbers, QChar separator)
{
    QStringList texts;
    texts.reserve(numbers.size());
    for (const int number : numbers)
        texts += QString::number(number);
    return texts.join(separator);
}

QString shiftedServiceDate(const QString &text, int shiftSeconds)
{
    return writeDate(shifted(parseServiceDate(text), shiftSeconds), true);
}

QString displayDate(const QString &serviceDate)
{
    return writeDate(parseServiceDate(serviceDate), false);
}
