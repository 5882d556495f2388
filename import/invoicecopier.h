#pragma once

#include "import/importresult.h"
#include "import/vatslots.h"

#include <QString>

class TDiz;
struct SourceDocument;

// Copies the current management header of Test_Fatt into the store as one
// invoice: the header with customer, destination, VAT and payment data, its
// lines (or, for a deferred invoice, the lines of the delivery notes it
// bills, each note introduced by a reference line), then the recomputed
// totals and the FatturaPA file. Works through Testata and Detta, and leaves
// the new invoice current. Throws AppError; the caller owns the transaction.
class InvoiceCopier
{
public:
    explicit InvoiceCopier(TDiz &diz);

    ImportedInvoice copy(const SourceDocument &document);
    // The first part of copy(): the header row alone, saved, current in
    // Testata, with the VAT slots, discount and total of the source (what
    // the totals later recompute from the lines).
    void writeHeader(const SourceDocument &document);

    // Set once the header row is in the store, and the path of the file
    // once it is written: what a failure has to undo.
    bool headerSaved() const { return m_headerSaved; }
    const QString &writtenFile() const { return m_writtenFile; }

private:
    void readVatSlots();
    void writeSourceLines(const SourceDocument &document);
    void writeDeliveryNotes(const SourceDocument &document);
    void writeLine(const SourceDocument &document);
    void writeNoteReference(const QString &destination, const QString &address);

    TDiz &m_diz;
    std::array<VatSlot, 4> m_slots{};
    int m_invoiceId = 0;
    int m_lineCounter = 1;
    bool m_headerSaved = false;
    QString m_writtenFile;
};
