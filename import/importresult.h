#pragma once

#include <QList>
#include <QString>

// One invoice the import created in the store.
struct ImportedInvoice
{
    QString number; // num_doc as stored ("123 /B", "FI 7")
    QString type;   // tipo_doc: TD01 or TD04
    int idInvio = 0;
    QString fileName; // nome_file of the FatturaPA file written
};

// What a run of the import did. A run that stops on a failing document
// keeps the invoices completed before it; that document is rolled back.
struct ImportResult
{
    QList<ImportedInvoice> invoices; // in the order imported
    int alreadyPresent = 0;          // source documents found in the store
    bool stopped = false;            // the user asked to stop between two invoices
    QString failure;                 // empty, or the message of the document that failed

    int imported() const { return int(invoices.size()); }
    bool failed() const { return !failure.isEmpty(); }
};
