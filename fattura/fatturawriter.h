#pragma once

#include "fattura/accessorycharges.h"
#include "fattura/fatturaformat.h"
#include "fattura/withholding.h"

#include <QList>
#include <QString>

class TDiz;
class TableComponent;
class XmlLineWriter;

// Writes the current invoice of the data module as a FatturaPA file of one
// format, in one pass from the current rows of AziendaT, Testata and Detta:
// 1. the header values and the document references are read and prepared
//    (a NULL, a bad number or date, a character XML cannot carry or a
//    customer without VAT number and fiscal code stops here, and so do an
//    expense without VAT rate and a withholding without the company's
//    settings: nothing is changed);
// 2. nome_file is saved on the invoice;
// 3. the file is written in the company's folder under a temporary name
//    and put in place only when complete, so that a failure while writing
//    leaves an earlier file of that name as it was.
class FatturaWriter
{
public:
    FatturaWriter(TDiz &diz, const FatturaFormat &format);

    // Returns the full path of the written file; throws AppError.
    QString write();

private:
    // The header block's values and the document data read up front, as
    // stored (the writer puts them into their written form).
    struct HeaderValues
    {
        QString companyVatNumber, companyTaxCode, companyPhone, companyMail;
        QString companyName, companyAddress, companyPostcode, companyTown, companyProvince, companyCountry;
        QString reaOffice, reaNumber, shareCapital, singleShareholder, liquidationState, taxRegime;
        qint64 invoiceId = 0;
        QString recipientCode, recipientPec;
        QString customerVatNumber, customerTaxCode, customerName, customerAddress, customerPostcode;
        QString customerTown, customerProvince, customerCountry;
        QString documentType, paymentMethod, documentDate, documentNumber, documentTotal, reason;
        QString discountPercent; // written form; empty when no document discount
    };

    // One order, contract, agreement, receipt or linked-invoice reference
    // (a dati_acquisto row), in its written form.
    struct DocumentReference
    {
        QString kind; // the element: DatiOrdineAcquisto, DatiContratto, ...
        qint64 lineNumber = 0;
        QString document, date, item, jobCode, cup, cig;
    };

    // Summary amounts converted before the lines are written.
    struct EarlySummaryAmounts
    {
        QString taxable1, vat1;
        QString charges[3], rounding[3];
    };

    void readHeaderValues();
    void requireCustomerIdentity() const;
    void readDocumentReferences(); // walks ContrattoT and ContrattoD
    void checkBodyCharacters();    // walks the lines
    void readFiscalData();         // expenses, withholding, stamp duty; walks the lines
    QString saveFileName();

    void writeHeader(XmlLineWriter &out) const;
    void writeTransmission(XmlLineWriter &out) const;
    void writeSupplier(XmlLineWriter &out) const;
    void writeCustomer(XmlLineWriter &out) const;

    void writeBody(XmlLineWriter &out);
    void writeDocumentData(XmlLineWriter &out) const;
    void writeDocumentReferences(XmlLineWriter &out) const;
    void writeLine(XmlLineWriter &out, int number) const;
    void writeChargeLine(XmlLineWriter &out, int number, const AccessoryCharge &charge) const;
    const AccessoryCharge *chargeOf(int summary) const;
    bool isSummaryWritten(int summary) const;
    // The amount to pay: what is due less the withholding.
    QString netOfWithholding(const QString &dueAmount) const;
    EarlySummaryAmounts convertEarlySummaryAmounts() const;
    float writeSummaries(XmlLineWriter &out, const EarlySummaryAmounts &early) const;
    void writePayment(XmlLineWriter &out, float taxableSum) const;
    void writeInstalments(XmlLineWriter &out) const;
    void writePaymentDetail(XmlLineWriter &out, const QString &method, const QString &dueDate,
                            const QString &amount) const;

    TDiz &m_diz;
    const FatturaFormat &m_format;
    TableComponent &m_company;
    TableComponent &m_invoice;
    TableComponent &m_lines;
    HeaderValues m_values;
    QList<DocumentReference> m_references;
    QList<AccessoryCharge> m_charges;
    Withholding m_withholding;
    bool m_stampDuty = false;
};
