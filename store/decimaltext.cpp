#include "store/decimaltext.h"

#include "db/apperror.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// Digits of the extended type kept before any decimal rounding: rounding is
// done on this decimal expansion, never on the binary value.
constexpr int kExpansionDigits = 18;
constexpr int kGeneralDigits = 15;
// From this magnitude on a value has more integer digits than the expansion
// holds, and the patterns fall back to the general form.
constexpr long double kLargestFixed = 1e18L;

// |value| as decimal digits d1 d2 ... with value = 0.d1d2... x 10^exponent.
struct DecimalExpansion
{
    std::string digits;
    int exponent = 0;
};

DecimalExpansion expand(long double magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kExpansionDigits - 1);
    // "d.ddddddddddddddddde+XX"
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    DecimalExpansion expansion;
    expansion.digits = text.substr(0, 1) + text.substr(2, e - 2);
    expansion.exponent = std::stoi(text.substr(e + 1)) + 1;
    return expansion;
}

// Adds one unit in the last place of a digit string; true on a carry out of
// the first digit (the string is then all zeros).
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

struct FixedDigits
{
    std::string integer;  // without leading zeros, may be empty
    std::string fraction; // exactly the decimals asked for
    bool isZero() const
    {
        return integer.find_first_not_of('0') == std::string::npos
            && fraction.find_first_not_of('0') == std::string::npos;
    }
};

// |value| rounded to a number of decimals, half away from zero.
FixedDigits toFixed(long double magnitude, int decimals)
{
    const DecimalExpansion expansion = expand(magnitude);
    // Put the point at index `point` of `all`, with at least one digit before it.
    const int leadingZeros = std::max(0, 1 - expansion.exponent);
    std::string all = std::string(leadingZeros, '0') + expansion.digits;
    int point = expansion.exponent + leadingZeros;
    const std::size_t kept = point + decimals;
    if (all.size() < kept + 1)
        all.resize(kept + 1, '0');
    const bool roundUp = all[kept] >= '5';
    all.resize(kept);
    if (roundUp && incrementDigits(all)) {
        all.insert(all.begin(), '1');
        ++point;
    }
    FixedDigits fixed;
    fixed.integer = all.substr(0, point);
    fixed.fraction = all.substr(point);
    const auto firstSignificant = fixed.integer.find_first_not_of('0');
    fixed.integer.erase(0, firstSignificant == std::string::npos ? fixed.integer.size()
                                                                 : firstSignificant);
    return fixed;
}

QString nonFiniteText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// The subset of format patterns the program uses: placeholders '#' and '0',
// ',' for grouping, '.' for the decimal point.
struct NumberPattern
{
    int minIntegerDigits = 0;
    int requiredDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;

    explicit NumberPattern(QStringView pattern)
    {
        bool inDecimals = false;
        bool zeroSeen = false;
        for (const QChar c : pattern) {
            if (c == u'.') {
                inDecimals = true;
            } else if (c == u',') {
                grouping = grouping || !inDecimals;
            } else if (c == u'0' || c == u'#') {
                if (inDecimals) {
                    ++maxDecimals;
                    if (c == u'0')
                        requiredDecimals = maxDecimals;
                } else {
                    zeroSeen = zeroSeen || c == u'0';
                    if (zeroSeen)
                        ++minIntegerDigits;
                }
            } else {
                Q_ASSERT_X(false, "DecimalText::format", "unsupported pattern character");
            }
        }
    }
};

QString groupThousands(const std::string &integer)
{
    QString grouped;
    const int length = int(integer.size());
    for (int i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            grouped += u'.';
        grouped += QChar(integer[i]);
    }
    return grouped;
}

AppError conversionError(const QString &text)
{
    return AppError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// One parser for the strict and the grouped forms: the text is checked
// character by character and rebuilt in the neutral form that from_chars
// reads ("-1234.5e3"), so the process locale never matters.
bool parseNumber(const QString &text, bool groupingDots, long double *value)
{
    const int length = int(text.size());
    int i = 0;
    auto skipBlanks = [&] {
        while (i < length && text[i] == u' ')
            ++i;
    };
    auto isDigit = [&](int at) { return at < length && text[at] >= u'0' && text[at] <= u'9'; };

    std::string neutral;
    skipBlanks();
    if (i < length && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            neutral += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (isDigit(i) || (groupingDots && mantissaDigits > 0 && i < length && text[i] == u'.')) {
        if (text[i] != u'.') {
            neutral += char(text[i].unicode());
            ++mantissaDigits;
        }
        ++i;
    }
    if (i < length && text[i] == u',') {
        neutral += '.';
        ++i;
        for (; isDigit(i); ++i, ++mantissaDigits)
            neutral += char(text[i].unicode());
    }
    if (mantissaDigits == 0)
        return false;
    if (i < length && (text[i] == u'e' || text[i] == u'E')) {
        neutral += 'e';
        ++i;
        if (i < length && (text[i] == u'+' || text[i] == u'-')) {
            neutral += char(text[i].unicode());
            ++i;
        }
        if (!isDigit(i))
            return false;
        for (; isDigit(i); ++i)
            neutral += char(text[i].unicode());
    }
    skipBlanks();
    if (i != length)
        return false;

    long double parsed = 0;
    const char *end = neutral.data() + neutral.size();
    const auto result = std::from_chars(neutral.data(), end, parsed);
    if (result.ec != std::errc() || result.ptr != end)
        return false;
    *value = parsed;
    return true;
}

} // namespace

namespace DecimalText {

QString format(long double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (std::fabs(value) >= kLargestFixed)
        return generalText(value);

    const NumberPattern shape(pattern);
    FixedDigits fixed = toFixed(std::fabs(value), shape.maxDecimals);
    while (int(fixed.fraction.size()) > shape.requiredDecimals && fixed.fraction.back() == '0')
        fixed.fraction.pop_back();
    if (int(fixed.integer.size()) < shape.minIntegerDigits)
        fixed.integer.insert(0, shape.minIntegerDigits - fixed.integer.size(), '0');

    QString text;
    if (value < 0 && !fixed.isZero())
        text += u'-';
    text += shape.grouping ? groupThousands(fixed.integer) : QString::fromLatin1(fixed.integer);
    if (!fixed.fraction.empty())
        text += u',' + QString::fromLatin1(fixed.fraction);
    return text;
}

long double readStrict(const QString &text)
{
    long double value = 0;
    if (!parseNumber(text, false, &value))
        throw conversionError(text);
    return value;
}

long double readLenient(const QString &text) noexcept
{
    long double value = 0;
    return parseNumber(text, false, &value) ? value : 0;
}

bool tryReadStrict(const QString &text, long double *value) noexcept
{
    return parseNumber(text, false, value);
}

long double readGrouped(const QString &text)
{
    long double value = 0;
    if (!parseNumber(text, true, &value))
        throw conversionError(text);
    return value;
}

QString xmlNumber(const QString &text, QStringView pattern)
{
    return format(readGrouped(text), pattern).replace(u',', u'.');
}

QString generalText(long double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");

    DecimalExpansion expansion = expand(std::fabs(value));
    std::string &digits = expansion.digits;
    const bool roundUp = digits[kGeneralDigits] >= '5';
    digits.resize(kGeneralDigits);
    if (roundUp && incrementDigits(digits)) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++expansion.exponent;
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    const int integerDigits = expansion.exponent;
    std::string body;
    if (integerDigits > kGeneralDigits || integerDigits < -4) {
        body = digits.substr(0, 1);
        if (digits.size() > 1)
            body += ',' + digits.substr(1);
        body += 'E' + std::to_string(integerDigits - 1);
    } else if (integerDigits <= 0) {
        body = "0," + std::string(-integerDigits, '0') + digits;
    } else {
        if (int(digits.size()) < integerDigits)
            digits.resize(integerDigits, '0');
        body = digits.substr(0, integerDigits);
        if (int(digits.size()) > integerDigits)
            body += ',' + digits.substr(integerDigits);
    }
    return (value < 0 ? QStringLiteral("-") : QString()) + QString::fromLatin1(body);
}

} // namespace DecimalText
