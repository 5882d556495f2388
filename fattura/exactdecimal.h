#pragma once

#include <QString>

// A decimal amount held exactly (to ten decimals), for the fiscal amounts
// that the FatturaPA file must carry to the cent: an expense's VAT and the
// withholding tax are computed without binary rounding and rounded once.
class ExactDecimal
{
public:
    ExactDecimal() = default;

    // Decimal text of the store, grouped reading ("1.234,5"); a text that
    // is not a number throws the conversion error.
    static ExactDecimal fromText(const QString &text);
    // A number as the file carries it ("1234.50").
    static ExactDecimal fromWritten(const QString &xmlNumber);

    ExactDecimal operator+(const ExactDecimal &other) const;
    ExactDecimal operator-(const ExactDecimal &other) const;
    // This amount × rate ÷ 100.
    ExactDecimal percent(const ExactDecimal &rate) const;

    bool isPositive() const { return m_units > 0; }
    bool isZero() const { return m_units == 0; }

    // Rounded to decimals (0 to 10), halves away from zero, point for
    // decimals, no grouping ("36.00").
    QString written(int decimals) const;

private:
    explicit ExactDecimal(__int128 units) : m_units(units) {}

    __int128 m_units = 0; // ten-billionths
};
