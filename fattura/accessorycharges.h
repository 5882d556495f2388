#pragma once

#include "fattura/exactdecimal.h"

#include <QList>
#include <QString>

class TableComponent;

// The expenses spese and spese2 of an invoice, which the total charges
// with VAT at the rate of the first and of the second VAT slot. The file
// declares each as one more line at that rate and adds it, with its VAT,
// to that slot's summary, so that the summaries show all the VAT the
// customer pays. (spese3 enters no total and stays a plain SpeseAccessorie.)
struct AccessoryCharge
{
    int slot = 0;        // 0 for spese, 1 for spese2
    ExactDecimal amount; // greater than 0
    QString rateText;    // the slot's rate column as stored
    ExactDecimal rate;
    QString nature;       // the slot's nature column as stored
    QString taxable, vat; // the slot's summary amounts with the expense, as written

    // "10.0000": the expense in the lines' number form.
    QString linePrice() const { return amount.written(4); }
};

namespace AccessoryCharges {

// The charges of the current invoice, read leniently (an expense that is not
// a number counts as 0). An expense above 0 on a slot without rate is
// refused (AppError) before anything is written.
QList<AccessoryCharge> read(const TableComponent &invoice);

} // namespace AccessoryCharges
