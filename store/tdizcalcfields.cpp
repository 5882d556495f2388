// The calculated columns of the management tables: double precision, an
// empty (NULL) operand leaves the result empty, "rounded" goes to the
// nearest whole number with ties to even. A step that fails (an empty value
// to round) sets every calculated column of the row to 0, silently.
#include "managementcolumns.h"
#include "tdiz.h"

#include <cmath>
#include <optional>

namespace {

using Value = std::optional<double>;

struct CalcFailure
{
};

Value read(const SourceTable &table, const char *column)
{
    const QVariant value = table.storedValue(QLatin1StringView(column));
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        throw CalcFailure{};
    return number;
}

Value operator+(Value a, Value b)
{
    return a && b ? Value(*a + *b) : std::nullopt;
}
Value operator-(Value a, Value b)
{
    return a && b ? Value(*a - *b) : std::nullopt;
}
Value operator*(Value a, Value b)
{
    return a && b ? Value(*a * *b) : std::nullopt;
}
Value operator/(Value a, double b)
{
    return a ? Value(*a / b) : std::nullopt;
}
Value operator-(double a, Value b)
{
    return b ? Value(a - *b) : std::nullopt;
}
Value operator+(double a, Value b)
{
    return b ? Value(a + *b) : std::nullopt;
}

double roundedToEven(Value v)
{
    if (!v)
        throw CalcFailure{};
    return std::nearbyint(*v); // the default rounding mode: ties to even
}

QVariant variant(Value v)
{
    return v ? QVariant(*v) : QVariant();
}

void setAll(SourceTable &table, const QStringList &columns, const QList<Value> &values)
{
    for (int i = 0; i < columns.size(); ++i)
        table.setCalcValue(columns[i], variant(values.value(i, 0.0)));
}

} // namespace

void TDiz::Test_FattCalcFields(SourceTable &header)
{
    const QStringList columns = managementHeaderCalcColumns();
    try {
        auto in = [&header](const char *column) { return read(header, column); };
        const Value impMerce =
            in("imponibile1") + in("imponibile2") + in("imponibile3") + in("imponibile4") + in("imponibile5");
        const Value ivaMerce = in("iva1") + in("iva2") + in("iva3") + in("iva4") + in("iva5");
        const Value sconto =
            in("val_sconto1") + in("val_sconto2") + in("val_sconto3") + in("val_sconto4") + in("val_sconto5");
        const Value impTotale = impMerce + in("spese_tr") + in("spese_inc") - sconto;
        // The VAT on the charges, in cents.
        const double chargesVatCents = roundedToEven((in("spese_tr") + in("spese_inc")) * in("aliq_spese"));
        const Value ivaTotale = ivaMerce + Value(chargesVatCents / 100);
        const Value totale = impTotale + ivaTotale + in("bolli") - in("abbuono");
        setAll(header, columns, {impMerce, ivaMerce, sconto, impTotale, ivaTotale, totale});
    } catch (const CalcFailure &) {
        setAll(header, columns, {});
    }
}

void TDiz::Dett_FattCalcFields(SourceTable &line)
{
    const QStringList columns = managementLineCalcColumns();
    try {
        auto in = [&line](const char *column) { return read(line, column); };
        // The gross price less three cascading discounts, to four decimals.
        const Value netto =
            Value(roundedToEven(in("pr_lordo") * ((100 - in("sc_1")) / 100) * ((100 - in("sc_2")) / 100) *
                                ((100 - in("sc_3")) / 100) * Value(10000)) /
                  10000);
        const Value impNetto = netto * in("quantita");
        // The net price with VAT, to two decimals.
        const Value prIvato = Value(roundedToEven(netto * (1 + in("aliquota") / 100) * Value(100)) / 100);
        const Value impIvato = prIvato * in("quantita");
        setAll(line, columns, {netto, impNetto, prIvato, impIvato});
    } catch (const CalcFailure &) {
        setAll(line, columns, {});
    }
}
