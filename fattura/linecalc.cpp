#include "fattura/linecalc.h"

#include "decimaltext.h"

namespace {
const QString TwoDecimals = QStringLiteral("#####0.00");
const QString ThreeDecimals = QStringLiteral("#####0.000");

Single readOrZero(const QString &text)
{
    long double value = 0;
    DecimalText::tryReadStrict(text, &value);
    return toSingle(value);
}

QString reformat(const QString &text, const QString &pattern, const QString &fallback)
{
    long double value = 0;
    if (!DecimalText::tryReadStrict(text, &value))
        return fallback;
    return DecimalText::format(value, pattern);
}
} // namespace

void computeLine(LineAmounts &line)
{
    const Single q = readOrZero(line.quantita);
    const Single p = readOrZero(line.prezzo);
    const bool discounted = line.scTipo == QLatin1String("SC") || line.scTipo == QLatin1String("MG");
    if (!discounted)
        line.scPerc = QStringLiteral("0,00");
    const Single r = readOrZero(line.scPerc);
    const Single amount = toSingle((long double)q * p * r / 100);
    line.scImporto = DecimalText::format(amount, TwoDecimals);
    Single total;
    if (line.scTipo == QLatin1String("SC")) {
        total = toSingle((long double)q * p - amount);
    } else if (line.scTipo == QLatin1String("MG")) {
        total = toSingle((long double)q * p + amount);
    } else {
        total = toSingle((long double)q * p);
        line.scImporto.clear();
        line.scPerc.clear();
    }
    line.totale = DecimalText::format(total, ThreeDecimals);
}

QString reformatQuantity(const QString &text) { return reformat(text, TwoDecimals, QStringLiteral("0,00")); }

QString reformatPrice(const QString &text) { return reformat(text, ThreeDecimals, QStringLiteral("0,000")); }

QString reformatPercentage(const QString &text) { return reformat(text, TwoDecimals, QString()); }
