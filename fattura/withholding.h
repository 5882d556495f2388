#pragma once

#include "fattura/exactdecimal.h"

#include <QString>

class TableComponent;

// The withholding tax (ritenuta d'acconto) of the current invoice: due when
// at least one line has ritenuta "SI", at the company's type, rate and
// payment reason, on the sum of those lines' amounts.
struct Withholding
{
    bool due = false;
    QString type;        // TipoRitenuta, RT01 to RT06
    QString rate;        // AliquotaRitenuta as written ("20.00")
    QString reason;      // CausalePagamento
    ExactDecimal amount; // rounded to the cent

    // Reads the company's settings and walks the lines (left at their end).
    // Lines with withholding and a setting missing are refused (AppError,
    // naming what is missing) before anything is written.
    static Withholding read(const TableComponent &company, TableComponent &lines);
};
