#pragma once

#include <QString>

class SourceTable;

// The identity of the current management header in the store: its register
// code, the number text stored in num_doc and the type code in tipo_doc.
struct SourceDocument
{
    QString registerCode; // reg_doc: FV, NC, NI, FD, FI
    QString sourceNumber; // num_doc of the management program
    QString numberText;   // "123", "123 /B", "FI 123 /B"
    QString typeCode;     // TD01, or TD04 for credit notes

    bool isForeign() const;  // FI and NI: not subject to Italian VAT
    bool isDeferred() const; // FD: bills delivery notes

    // Throws AppError when num_doc is missing.
    static SourceDocument read(SourceTable &header, const QString &deskTitle);
};
