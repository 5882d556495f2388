#pragma once

#include "store/tdiz.h"
#include "testdatabase.h"

#include <QList>
#include <QString>
#include <QVariantMap>

// The rows behind one FatturaPA file: the company, one invoice and its lines,
// column to value (a null QVariant stands for NULL), and the desk title.
struct InvoiceRows
{
    QVariantMap company;
    QVariantMap invoice;
    QList<QVariantMap> lines;
    // Order and contract references: dati_acquisto rows; a test_dati row is
    // made for each kind ("tipo").
    QList<QVariantMap> references;
    QString deskTitle;

    // Changes given as "azienda.col", "testata.col", "dettaglio.col" (the
    // first line), "dati_acquisto.col" (the first reference) or "deskTitle".
    void apply(const QVariantMap &changes);
};

namespace InvoiceSamples {
InvoiceRows completePrivate();  // every optional element of the private-recipient file
InvoiceRows essentialPrivate(); // none of them
InvoiceRows splitPayment();     // a public-administration invoice
// Sound data (the exchange system accepts them) for the fiscal parts:
InvoiceRows withCharges();     // expenses at the first and at the second rate
InvoiceRows withWithholding(); // withholding on some lines, three instalments
InvoiceRows withStampDuty();   // a flat-rate company's invoice without VAT
} // namespace InvoiceSamples

// A store of its own holding the rows, opened as the program opens it, with
// Testata on the invoice.
class InvoiceStore
{
public:
    explicit InvoiceStore(const InvoiceRows &rows);

    TDiz &diz() { return m_diz; }
    TestDatabase &db() { return m_db; }
    // nome_file as stored (a null QString for NULL).
    QString storedFileName();

private:
    TestDatabase m_db;
    TDiz m_diz;
    int m_invoiceId;
};

QByteArray fileBytes(const QString &path);
// Empty when a real XML parser reads the whole text without error.
QString xmlError(const QByteArray &bytes);
