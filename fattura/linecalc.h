#pragma once

#include <QString>

// The texts of the line entry panel that the line computation reads and
// writes: quantity, unit price, discount type (the chosen item, empty when
// none), percentage, discount amount and line total.
struct LineAmounts
{
    QString quantita;
    QString prezzo;
    QString scTipo;
    QString scPerc;
    QString scImporto;
    QString totale;
};

// Works out the discount (or surcharge) amount and the line total in single
// precision: q × p × r ÷ 100, then q × p less or plus it for "SC" or "MG";
// with any other type the percentage and the amount are emptied. Texts that
// are not numbers count as 0.
void computeLine(LineAmounts &line);

// What a numeric field of the panel shows once left: quantity and
// percentage with two decimals, price with three; a text that is not a
// number becomes "0,00", "0,000" and empty text respectively.
QString reformatQuantity(const QString &text);
QString reformatPrice(const QString &text);
QString reformatPercentage(const QString &text);
