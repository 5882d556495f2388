#pragma once

#include <QString>

// The sending progressive of a FatturaPA file: the invoice's id_invio with
// zeros in front up to four digits, then the desk title in front ("A" stands
// for one more zero): "A"/7 gives 00007, "B"/12345 B12345, ""/7 0007.
QString sendingProgressive(const QString &deskTitle, qint64 invoiceId);

// "IT", the company's VAT number, "_", the progressive and ".xml": the name
// the file gets in the company's folder and in nome_file.
QString fatturaFileName(const QString &companyVatNumber, const QString &progressive);
