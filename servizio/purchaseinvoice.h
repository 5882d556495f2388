#pragma once

#include <QList>
#include <QMap>
#include <QString>

// A received invoice as the purchase tables hold it: the values of the
// test_car and dett_car columns by column name, already in the store's
// Italian text forms (dates day/month/year, comma decimals).
struct PurchaseInvoice
{
    using Values = QMap<QString, QString>;
    Values header;
    QList<Values> lines; // each also carries its "prog" as text
};
