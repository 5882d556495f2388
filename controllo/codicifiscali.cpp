#include "controllo/codicifiscali.h"

#include <QRegularExpression>

namespace {

int digitValue(QChar c)
{
    return c.unicode() - u'0';
}

// Value of a character of the fiscal code in an odd (1st, 3rd, ...) place.
int oddValue(QChar c)
{
    static const int values[26] = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                   20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
    const int index = c.isDigit() ? digitValue(c) : c.unicode() - u'A';
    return values[index];
}

int evenValue(QChar c)
{
    return c.isDigit() ? digitValue(c) : c.unicode() - u'A';
}

} // namespace

namespace CodiciFiscali {

bool isValidVatNumber(QStringView text)
{
    if (text.size() != 11)
        return false;
    int sum = 0;
    for (int i = 0; i < 11; ++i) {
        if (!text[i].isDigit() || text[i].unicode() > u'9')
            return false;
        int digit = digitValue(text[i]);
        if (i == 10)
            break;
        if (i % 2 == 1) {
            digit *= 2;
            if (digit > 9)
                digit -= 9;
        }
        sum += digit;
    }
    return (10 - sum % 10) % 10 == digitValue(text[10]);
}

bool isValidFiscalCode(QStringView text)
{
    if (text.size() == 11)
        return isValidVatNumber(text);
    static const QRegularExpression form(
        QStringLiteral("^[A-Z]{6}[0-9LMNPQRSTUV]{2}[ABCDEHLMPRST][0-9LMNPQRSTUV]{2}[A-Z][0-9LMNPQRSTUV]{3}[A-Z]$"));
    if (!form.match(text.toString()).hasMatch())
        return false;
    int sum = 0;
    for (int i = 0; i < 15; ++i)
        sum += i % 2 == 0 ? oddValue(text[i]) : evenValue(text[i]);
    return text[15].unicode() == u'A' + sum % 26;
}

} // namespace CodiciFiscali
