#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The check a FatturaPA file must pass before it is mailed to the exchange
// system: given the file's path, the problems found, as Italian texts. An
// empty list lets the file go. The service takes one through
// TransmissionService::setInvoiceCheck; without one every file goes.
using InvoiceCheck = std::function<QStringList(const QString &filePath)>;
