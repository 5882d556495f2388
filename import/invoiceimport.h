#pragma once

#include "import/importresult.h"

#include <QSet>
#include <QString>

#include <functional>

class TDiz;
struct SourceDocument;

// The import of the management program's invoices ("Importa Fatture"):
// every document of register FV, NC, NI, FD or FI not yet in the store
// becomes an invoice with its lines, totals and FatturaPA file. Each
// invoice is written in one transaction, its file put in place before the
// commit: a document that fails is rolled back whole and stops the run,
// the invoices before it stay, and a later run imports it once corrected.
// The store must be open (connectStore); the management database is
// reached through the data module's Dati.
class InvoiceImport
{
public:
    // Called before each source document with its position (from 1) and
    // the number of documents selected; setting stop ends the run there,
    // between two invoices.
    using Progress = std::function<void(int current, int total, bool &stop)>;

    explicit InvoiceImport(TDiz &diz);

    // Throws AppError when the run cannot start: the management database
    // cannot be reached, a declared column is missing, the store is not
    // open. Failures of single documents come back in the result.
    ImportResult run(const Progress &progress = {});

    // The texts of the desk around a run.
    static QString confirmationQuestion();                  // "Confermi importazione Fatture: ?"
    static QString progressText(int current, int total);    // "Importazione fattura 37 di 1.200"
    static QString summaryText(const ImportResult &result); // imported, already present, failed

private:
    void readStoredNumbers();
    static QString storedKey(const QString &number, const QString &type);
    void importOne(const SourceDocument &document, ImportResult &result);

    TDiz &m_diz;
    QSet<QString> m_stored; // num_doc and tipo_doc of every store header
};
