#include "gui/models/SortKeys.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <numeric>

namespace {
QStringView trimBlanks(QStringView s)
{
    while (!s.isEmpty() && s.front() == u' ')
        s = s.mid(1);
    while (!s.isEmpty() && s.back() == u' ')
        s.chop(1);
    return s;
}

// The digits of s from pos, as a number; false unless there are exactly count.
bool takeDigits(QStringView s, qsizetype& pos, int count, int& value)
{
    value = 0;
    for (int i = 0; i < count; ++i, ++pos) {
        if (pos >= s.size() || s[pos] < u'0' || s[pos] > u'9')
            return false;
        value = value * 10 + (s[pos].unicode() - u'0');
    }
    return true;
}

bool take(QStringView s, qsizetype& pos, char16_t c)
{
    if (pos >= s.size() || s[pos] != c)
        return false;
    ++pos;
    return true;
}

template <class Less> std::vector<int> sortedRows(std::size_t count, Qt::SortOrder order, Less less)
{
    std::vector<int> rows(count);
    std::iota(rows.begin(), rows.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(rows.begin(), rows.end(), less);
    else
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return less(b, a); });
    return rows;
}
} // namespace

TypedKey NumberKey(QStringView cell, qsizetype unitLength)
{
    if (cell.size() < unitLength)
        return std::nullopt;
    QStringView number = trimBlanks(cell.chopped(unitLength));
    // [+-] digits [. digits], nothing else: no exponents, no "inf".
    qsizetype pos = number.startsWith(u'-') || number.startsWith(u'+') ? 1 : 0;
    qsizetype digits = 0;
    bool point = false;
    for (; pos < number.size(); ++pos) {
        char16_t c = number[pos].unicode();
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    double value = number.toDouble(&ok);
    return ok ? TypedKey(value) : std::nullopt;
}

TypedKey DateKey(QStringView cell)
{
    QStringView s = trimBlanks(cell);
    qsizetype pos = 0;
    int day, month, year, hour = 0, minute = 0, second = 0;
    if (!takeDigits(s, pos, 2, day) || !take(s, pos, u'/') || !takeDigits(s, pos, 2, month) || !take(s, pos, u'/') ||
        !takeDigits(s, pos, 4, year))
        return std::nullopt;
    if (pos < s.size() &&
        (!take(s, pos, u' ') || !takeDigits(s, pos, 2, hour) || !take(s, pos, u':') || !takeDigits(s, pos, 2, minute) ||
         !take(s, pos, u':') || !takeDigits(s, pos, 2, second) || pos != s.size()))
        return std::nullopt;
    if (!QDate::isValid(year, month, day) || !QTime::isValid(hour, minute, second))
        return std::nullopt;
    // YYYYMMDDhhmmss: fourteen digits, exact in a double.
    return ((((year * 100.0 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
}

std::vector<int> SortedRows(const std::vector<TypedKey>& keys, Qt::SortOrder order)
{
    return sortedRows(keys.size(), order, [&](int a, int b) { return keys[a] < keys[b]; });
}

std::vector<int> SortedRows(const QStringList& texts, Qt::SortOrder order)
{
    return sortedRows(std::size_t(texts.size()), order,
                      [&](int a, int b) { return QString::compare(texts[a], texts[b], Qt::CaseInsensitive) < 0; });
}
