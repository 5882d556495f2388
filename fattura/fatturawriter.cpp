#include "fattura/fatturawriter.h"

#include "db/apperror.h"
#include "fattura/fatturafilename.h"
#include "fattura/storedvalue.h"
#include "fattura/valueforms.h"
#include "fattura/xmllinewriter.h"
#include "store/decimaltext.h"
#include "store/tdiz.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QString kAmountPattern = u"######0.00"_s;
constexpr int kFileNameColumnSize = 25; // when the data layer knows no size

int columnSize(const TableComponent &table, const QString &field)
{
    const int index = table.columnIndex(field);
    const int size = index >= 0 ? table.columns().at(index).maxChars : 0;
    return size > 0 ? size : kFileNameColumnSize;
}

// The seat of the supplier or of the customer: same elements, same rules.
void writeSede(XmlLineWriter &out, const QString &address, const QString &postcode, const QString &town,
               const QString &province, const QString &country)
{
    out.start("Sede"_L1);
    out.escapedElement("Indirizzo"_L1, address);
    out.element("CAP"_L1, postcode);
    out.escapedElement("Comune"_L1, town);
    if (!province.isEmpty())
        out.element("Provincia"_L1, province);
    out.element("Nazione"_L1, country);
    out.end("Sede"_L1);
}

} // namespace

FatturaWriter::FatturaWriter(TDiz &diz, const FatturaFormat &format)
    : m_diz(diz)
    , m_format(format)
    , m_company(*diz.AziendaT)
    , m_invoice(*diz.Testata)
    , m_lines(*diz.Detta)
{
}

QString FatturaWriter::write()
{
    readHeaderValues();
    requireCustomerIdentity();
    readDocumentReferences();
    readFiscalData();
    checkBodyCharacters();
    const QString fileName = saveFileName();
    const QString path = ValueForm::trimmed(StoredValue::text(m_company, u"path"_s)) + fileName;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(u"Impossibile creare il file '%1': %2"_s.arg(path, file.errorString()));
    XmlLineWriter out(file);
    out.line(m_format.declaration);
    out.line(m_format.rootStartTag);
    writeHeader(out);
    writeBody(out);
    out.line(m_format.rootEndTag);
    out.flush();
    if (!file.commit())
        throw AppError(u"Impossibile scrivere il file '%1': %2"_s.arg(path, file.errorString()));
    return path;
}

void FatturaWriter::readHeaderValues()
{
    using StoredValue::writableText;
    HeaderValues &v = m_values;
    const TableComponent &c = m_company;
    v.companyVatNumber = writableText(c, u"p_iva"_s);
    v.companyTaxCode = writableText(c, u"cod_fis"_s);
    v.companyPhone = writableText(c, u"telefono"_s);
    v.companyMail = writableText(c, u"mail"_s);
    v.companyName = writableText(c, u"rag_soc"_s);
    v.companyAddress = writableText(c, u"indirizzo"_s);
    v.companyPostcode = writableText(c, u"cap"_s);
    v.companyTown = writableText(c, u"comune"_s);
    v.companyProvince = writableText(c, u"prov"_s);
    v.companyCountry = writableText(c, u"nazione"_s);
    v.reaOffice = writableText(c, u"uff_rea"_s);
    v.reaNumber = writableText(c, u"num_rea"_s);
    const QString shareCapital = writableText(c, u"capit_soc"_s);
    if (!shareCapital.isEmpty())
        v.shareCapital = DecimalText::xmlNumber(shareCapital, kAmountPattern);
    v.singleShareholder = writableText(c, u"soc_uni"_s);
    v.liquidationState = writableText(c, u"stato_liq"_s);
    // A company that has not chosen its tax regime is in the ordinary one.
    v.taxRegime = c.text(u"reg_fisc"_s);
    StoredValue::requireXmlCharacters(c, u"reg_fisc"_s, v.taxRegime);
    if (v.taxRegime.isEmpty())
        v.taxRegime = u"RF01"_s;

    const TableComponent &i = m_invoice;
    v.invoiceId = StoredValue::integer(i, u"id_invio"_s);
    v.recipientCode = writableText(i, u"cod_dest"_s);
    v.recipientPec = writableText(i, u"pec"_s);
    if (m_format.customerVatId)
        v.customerVatNumber = writableText(i, u"p_iva"_s);
    v.customerTaxCode = writableText(i, u"cod_fis"_s);
    v.customerName = writableText(i, u"rag_soc"_s);
    v.customerAddress = writableText(i, u"indirizzo"_s);
    v.customerPostcode = writableText(i, u"cap"_s);
    v.customerTown = writableText(i, u"comune"_s);
    v.customerProvince = writableText(i, u"prov"_s);
    v.customerCountry = writableText(i, u"nazione"_s);

    v.documentType = writableText(i, u"tipo_doc"_s);
    // The split-payment file pays by bank transfer whatever the invoice says.
    if (!m_format.splitPayment)
        v.paymentMethod = StoredValue::text(i, u"mod_pag"_s);
    v.documentDate = StoredValue::xmlDate(i, u"data_doc"_s);
    v.documentNumber = writableText(i, u"num_doc"_s);
    v.documentTotal = StoredValue::xmlNumber(i, u"tot_doc"_s, kAmountPattern);
    const QString discount = i.text(u"sc_perc"_s);
    if (!discount.isEmpty() && DecimalText::readGrouped(discount) > 0)
        v.discountPercent = DecimalText::xmlNumber(discount, kAmountPattern);
    if (m_format.reasonText) {
        auto destination = [&i](const QString &field) {
            const QString trimmed = ValueForm::trimmed(StoredValue::text(i, field));
            StoredValue::requireXmlCharacters(i, field, trimmed);
            return trimmed;
        };
        const QString company = destination(u"dest_soc"_s);
        const QString address = destination(u"dest_indir"_s);
        const QString town = destination(u"dest_comune"_s);
        v.reason = u"Consegna Sede: "_s + company + u' ' + address + u' ' + town;
    }

    const QString progressive = sendingProgressive(m_diz.deskTitle, v.invoiceId);
    if (!ValueForm::fitsXml(progressive))
        throw AppError(u"Carattere non ammesso in XML nel titolo dell'elenco fatture"_s);
}

// The SdI refuses a customer identified neither by VAT number nor by fiscal
// code. (The public-administration file carries only the fiscal code: one
// with only a VAT number is written, and the SdI check reports it.)
void FatturaWriter::requireCustomerIdentity() const
{
    const TableComponent &i = m_invoice;
    if (ValueForm::trimmed(i.text(u"p_iva"_s)).isEmpty() && ValueForm::trimmed(i.text(u"cod_fis"_s)).isEmpty())
        throw AppError(u"Mancano la partita IVA e il codice fiscale del cliente: indicarne almeno uno "
                       "nella fattura prima di creare il file XML"_s);
}

// Stores the file's name on the invoice; a name longer than nome_file holds
// is refused, since a cut name would not lead the transmission to the file.
QString FatturaWriter::saveFileName()
{
    const QString progressive = sendingProgressive(m_diz.deskTitle, m_values.invoiceId);
    const QString fileName = fatturaFileName(m_values.companyVatNumber, progressive);
    const int size = columnSize(m_invoice, u"nome_file"_s);
    if (fileName.size() > size)
        throw AppError(u"Il nome del file '%1' supera i %2 caratteri della colonna 'nome_file'"_s.arg(fileName)
                           .arg(size));
    m_invoice.edit();
    m_invoice.setText(u"nome_file"_s, fileName);
    m_invoice.post();
    return fileName;
}

void FatturaWriter::writeHeader(XmlLineWriter &out) const
{
    out.start("FatturaElettronicaHeader"_L1);
    writeTransmission(out);
    writeSupplier(out);
    writeCustomer(out);
    out.element("SoggettoEmittente"_L1, u"CC"_s);
    out.end("FatturaElettronicaHeader"_L1);
}

void FatturaWriter::writeTransmission(XmlLineWriter &out) const
{
    const HeaderValues &v = m_values;
    out.start("DatiTrasmissione"_L1);
    out.start("IdTrasmittente"_L1);
    out.element("IdPaese"_L1, u"IT"_s);
    out.element("IdCodice"_L1, v.companyTaxCode);
    out.end("IdTrasmittente"_L1);
    out.element("ProgressivoInvio"_L1, sendingProgressive(m_diz.deskTitle, v.invoiceId));
    out.element("FormatoTrasmissione"_L1, QString(m_format.transmissionFormat));
    // The element is mandatory: a private recipient without a code of its
    // own receives the file through its PEC or its tax drawer ("0000000").
    if (m_format.recipientCodeAlways || !ValueForm::trimmed(v.recipientCode).isEmpty())
        out.element("CodiceDestinatario"_L1, v.recipientCode);
    else
        out.element("CodiceDestinatario"_L1, u"0000000"_s);
    if (!v.companyPhone.isEmpty() || !v.companyMail.isEmpty()) {
        out.start("ContattiTrasmittente"_L1);
        if (!v.companyPhone.isEmpty())
            out.element("Telefono"_L1, v.companyPhone);
        if (!v.companyMail.isEmpty())
            out.element("Email"_L1, v.companyMail);
        out.end("ContattiTrasmittente"_L1);
    }
    if (!v.recipientPec.isEmpty())
        out.element("PECDestinatario"_L1, v.recipientPec);
    out.end("DatiTrasmissione"_L1);
}

void FatturaWriter::writeSupplier(XmlLineWriter &out) const
{
    const HeaderValues &v = m_values;
    out.start("CedentePrestatore"_L1);
    out.start("DatiAnagrafici"_L1);
    out.start("IdFiscaleIVA"_L1);
    out.element("IdPaese"_L1, u"IT"_s);
    out.element("IdCodice"_L1, v.companyVatNumber);
    out.end("IdFiscaleIVA"_L1);
    if (!v.companyTaxCode.isEmpty())
        out.element("CodiceFiscale"_L1, v.companyTaxCode);
    out.start("Anagrafica"_L1);
    out.escapedElement("Denominazione"_L1, v.companyName);
    out.end("Anagrafica"_L1);
    out.element("RegimeFiscale"_L1, v.taxRegime);
    out.end("DatiAnagrafici"_L1);
    writeSede(out, v.companyAddress, v.companyPostcode, v.companyTown, v.companyProvince, v.companyCountry);
    // Only a company entered in the register of companies has REA data.
    if (!v.reaOffice.isEmpty() && !v.reaNumber.isEmpty()) {
        out.start("IscrizioneREA"_L1);
        out.element("Ufficio"_L1, v.reaOffice);
        out.element("NumeroREA"_L1, v.reaNumber);
        if (!v.shareCapital.isEmpty())
            out.element("CapitaleSociale"_L1, v.shareCapital);
        if (!v.singleShareholder.isEmpty())
            out.element("SocioUnico"_L1, v.singleShareholder);
        out.element("StatoLiquidazione"_L1, v.liquidationState.isEmpty() ? u"LN"_s : v.liquidationState);
        out.end("IscrizioneREA"_L1);
    }
    out.end("CedentePrestatore"_L1);
}

void FatturaWriter::writeCustomer(XmlLineWriter &out) const
{
    const HeaderValues &v = m_values;
    out.start("CessionarioCommittente"_L1);
    out.start("DatiAnagrafici"_L1);
    if (m_format.customerVatId && !ValueForm::trimmed(v.customerVatNumber).isEmpty()) {
        out.start("IdFiscaleIVA"_L1);
        out.element("IdPaese"_L1, v.customerCountry);
        out.element("IdCodice"_L1, v.customerVatNumber);
        out.end("IdFiscaleIVA"_L1);
    }
    if (!v.customerTaxCode.isEmpty())
        out.element("CodiceFiscale"_L1, v.customerTaxCode);
    out.start("Anagrafica"_L1);
    out.escapedElement("Denominazione"_L1, v.customerName);
    out.end("Anagrafica"_L1);
    out.end("DatiAnagrafici"_L1);
    writeSede(out, v.customerAddress, v.customerPostcode, v.customerTown, v.customerProvince, v.customerCountry);
    out.end("CessionarioCommittente"_L1);
}
