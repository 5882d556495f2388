#include "fattura/exactdecimal.h"

#include "db/apperror.h"
#include "store/decimaltext.h"

namespace {

constexpr int kDecimals = 10;

__int128 powerOfTen(int exponent)
{
    __int128 result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// "-1234.5" (point, at most ten decimals) in ten-billionths; false when the
// text is not of that form.
bool parseWritten(const QString &text, __int128 *units)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        ++i;
    __int128 value = 0;
    int digits = 0, decimals = -1;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('.') && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!c.isDigit() || digits >= 30 || decimals >= kDecimals)
            return false;
        value = value * 10 + c.digitValue();
        ++digits;
        if (decimals >= 0)
            ++decimals;
    }
    if (digits == 0)
        return false;
    value *= powerOfTen(kDecimals - qMax(decimals, 0));
    *units = negative ? -value : value;
    return true;
}

} // namespace

ExactDecimal ExactDecimal::fromText(const QString &text)
{
    // The decimal text read as the writers read it, brought back to its ten
    // decimals: exact for every amount of the store.
    const QString written = DecimalText::xmlNumber(text, QStringLiteral("0.0000000000"));
    __int128 units = 0;
    if (!parseWritten(written, &units))
        throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return ExactDecimal(units);
}

ExactDecimal ExactDecimal::fromWritten(const QString &xmlNumber)
{
    __int128 units = 0;
    if (!parseWritten(xmlNumber, &units))
        throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(xmlNumber));
    return ExactDecimal(units);
}

ExactDecimal ExactDecimal::operator+(const ExactDecimal &other) const
{
    return ExactDecimal(m_units + other.m_units);
}

ExactDecimal ExactDecimal::operator-(const ExactDecimal &other) const
{
    return ExactDecimal(m_units - other.m_units);
}

ExactDecimal ExactDecimal::percent(const ExactDecimal &rate) const
{
    // Amounts of four decimals at rates of two stay within ten decimals.
    return ExactDecimal(m_units * rate.m_units / powerOfTen(kDecimals + 2));
}

QString ExactDecimal::written(int decimals) const
{
    const __int128 step = powerOfTen(kDecimals - decimals);
    const __int128 magnitude = m_units < 0 ? -m_units : m_units;
    __int128 rounded = magnitude / step;
    if ((magnitude % step) * 2 >= step)
        ++rounded;
    QString digits;
    for (__int128 rest = rounded; rest > 0; rest /= 10)
        digits.prepend(QChar(u'0' + int(rest % 10)));
    digits = digits.rightJustified(decimals + 1, QLatin1Char('0'));
    if (decimals > 0)
        digits.insert(digits.size() - decimals, QLatin1Char('.'));
    return rounded != 0 && m_units < 0 ? QLatin1Char('-') + digits : digits;
}
