#pragma once

#include "purchaseinvoice.h"

#include <QByteArray>

// Reads a received FatturaPA file ("FPR12" or "FPA12", the plain XML) into
// the columns of the purchase tables. A file that is not FatturaPA, or
// whose body holds several invoices, throws AppError with the Italian text.
namespace FatturaPaReader {

PurchaseInvoice read(const QByteArray &xml);

} // namespace FatturaPaReader
