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

QDateTime parseServiceDate(const QString &text)
{
    const QStringList parts = text.split(u' ');
    if (parts.size() != 2)
        return {};
    const QDate date = QDate::fromString(parts[0], QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(parts[1], QStringLiteral("hh:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
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
    const QDateTime date = parseServiceDate(text);
    return date.isValid() ? date.addSecs(shiftSeconds).toString(serviceDateFormat) : QString();
}

QString displayDate(const QString &serviceDate)
{
    const QDateTime date = parseServiceDate(serviceDate);
    return date.isValid() ? date.toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")) : QString();
}
