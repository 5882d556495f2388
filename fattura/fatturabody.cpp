// The body of the FatturaPA file: document data, one DettaglioLinee per
// line, the VAT summaries of the header and the payment data. The totals are
// taken from the header as RicalcolaTotali left them; nothing is added up
// here except the split payment's sum.

#include "fattura/fatturawriter.h"

#include "db/apperror.h"
#include "fattura/storedvalue.h"
#include "fattura/valueforms.h"
#include "fattura/xmllinewriter.h"
#include "store/datetext.h"
#include "store/decimaltext.h"
#include "store/tdiz.h"

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString kAmountPattern = u"######0.00"_s;
const QString kPricePattern = u"######0.0000"_s;
const QString kInstalmentPattern = u"#######0.00"_s;
constexpr int kDueDateCount = 4;

// Header columns of one VAT summary; the fourth has no charges or rounding.
struct SummaryColumns
{
    QString rate, taxable, vat, nature, chargeability, charges, rounding;
};

const std::array<SummaryColumns, 4> &summaryColumns()
{
    static const std::array<SummaryColumns, 4> columns{{
        {u"aliquota"_s, u"imponibile"_s, u"imposta"_s, u"natura"_s, u"esig_iva"_s, u"spese"_s, u"arrot"_s},
        {u"aliquota2"_s, u"imponibile2"_s, u"imposta2"_s, u"natura2"_s, u"esig_iva2"_s, u"spese2"_s, u"arrot2"_s},
        {u"aliquota3"_s, u"imponibile3"_s, u"imposta3"_s, u"natura3"_s, u"esig_iva3"_s, u"spese3"_s, u"arrot3"_s},
        {u"aliquota4"_s, u"imponibile4"_s, u"imposta4"_s, u"natura4"_s, u"esig_iva4"_s, QString(), QString()},
    }};
    return columns;
}

// The conditions on which parts of the body are written. The emptiness
// tests here read NULL as empty; the checks of the characters use the same
// tests, so that they look at exactly what will be written.

bool isFilled(const TableComponent &table, const QString &field)
{
    return !table.text(field).isEmpty();
}

// AltriDatiGestionali blocks: a column that is not NULL and not blank.
bool hasOtherData(const TableComponent &line, const QString &field)
{
    return !ValueForm::trimmed(line.text(field)).isEmpty();
}

bool isBankTransfer(const QString &paymentMethod)
{
    return paymentMethod == u"MP05";
}

bool isPositive(const QString &xmlNumber)
{
    return readWrittenNumber(xmlNumber) > 0;
}

// The kinds of document reference in the order the file carries them.
const QStringList kReferenceKinds = {u"DatiOrdineAcquisto"_s, u"DatiContratto"_s, u"DatiConvenzione"_s,
                                     u"DatiRicezione"_s, u"DatiFattureCollegate"_s};
const QLatin1StringView kReferenceTags[] = {"DatiOrdineAcquisto"_L1, "DatiContratto"_L1, "DatiConvenzione"_L1,
                                            "DatiRicezione"_L1, "DatiFattureCollegate"_L1};

const QString kOtherDataFields[] = {u"categoria"_s, u"lotto"_s, u"origine"_s};
const QString kOtherDataKinds[] = {u"Categoria"_s, u"Lotto"_s, u"Origine"_s};

// The checks of the characters read NULL as empty: a NULL stops the writer
// later, at the point where it is read as a value.
void checkColumn(const TableComponent &table, const QString &field)
{
    StoredValue::requireXmlCharacters(table, field, table.text(field));
}

void checkLineCharacters(const TableComponent &line)
{
    if (isFilled(line, u"codice_tipo"_s)) {
        checkColumn(line, u"codice_tipo"_s);
        checkColumn(line, u"codice_val"_s);
    }
    checkColumn(line, u"descrizione"_s);
    checkColumn(line, u"um"_s);
    if (isFilled(line, u"sc_tipo"_s)) {
        checkColumn(line, u"sc_tipo"_s);
        checkColumn(line, u"sc_perc"_s);
        checkColumn(line, u"sc_importo"_s);
    }
    checkColumn(line, u"ritenuta"_s);
    checkColumn(line, u"natura"_s);
    checkColumn(line, u"rif_amm"_s);
    for (const QString &field : kOtherDataFields) {
        if (hasOtherData(line, field))
            checkColumn(line, field);
    }
}

} // namespace

void FatturaWriter::readFiscalData()
{
    m_charges = AccessoryCharges::read(m_invoice);
    m_withholding = Withholding::read(m_company, m_lines);
    m_stampDuty = m_invoice.boolean(u"bollo"_s);
}

const AccessoryCharge *FatturaWriter::chargeOf(int summary) const
{
    for (const AccessoryCharge &charge : m_charges) {
        if (charge.slot == summary)
            return &charge;
    }
    return nullptr;
}

// Summaries 2 to 4 stand in the file when their taxable column holds text
// ("0,00" included) or when an expense is charged at their rate; the first
// always does.
bool FatturaWriter::isSummaryWritten(int summary) const
{
    return summary == 0 || isFilled(m_invoice, summaryColumns()[summary].taxable) || chargeOf(summary);
}

QString FatturaWriter::netOfWithholding(const QString &dueAmount) const
{
    if (!m_withholding.due)
        return dueAmount;
    return (ExactDecimal::fromWritten(dueAmount) - m_withholding.amount).written(2);
}

void FatturaWriter::checkBodyCharacters()
{
    const QString discount = m_invoice.text(u"sc_perc"_s);
    long double percent = 0;
    if (!discount.isEmpty()) {
        try {
            percent = DecimalText::readGrouped(discount);
        } catch (const AppError &) {
            // not a number: the writer stops on it before anything is written
        }
    }
    if (percent > 0) {
        checkColumn(m_invoice, u"sc_tipo"_s);
        checkColumn(m_invoice, u"sc_perc"_s);
    }

    for (m_lines.first(); !m_lines.eof(); m_lines.next())
        checkLineCharacters(m_lines);

    for (int k = 0; k < 4; ++k) {
        if (!isSummaryWritten(k))
            continue;
        const SummaryColumns &columns = summaryColumns()[k];
        checkColumn(m_invoice, columns.nature);
        if (!m_format.splitPayment && ValueForm::trimmed(m_invoice.text(columns.nature)).isEmpty())
            checkColumn(m_invoice, columns.chargeability);
    }

    if (m_format.splitPayment || isBankTransfer(m_values.paymentMethod))
        checkColumn(m_company, u"iban"_s); // rag_soc was checked with the header
}

void FatturaWriter::writeBody(XmlLineWriter &out)
{
    out.start("FatturaElettronicaBody"_L1);
    writeDocumentData(out);
    out.start("DatiBeniServizi"_L1);
    const EarlySummaryAmounts early = convertEarlySummaryAmounts();
    int number = 0;
    for (m_lines.first(); !m_lines.eof(); m_lines.next())
        writeLine(out, ++number);
    for (const AccessoryCharge &charge : m_charges)
        writeChargeLine(out, ++number, charge);
    const float taxableSum = writeSummaries(out, early);
    out.end("DatiBeniServizi"_L1);
    writePayment(out, taxableSum);
    out.end("FatturaElettronicaBody"_L1);
}

void FatturaWriter::writeDocumentData(XmlLineWriter &out) const
{
    const HeaderValues &v = m_values;
    out.start("DatiGenerali"_L1);
    out.start("DatiGeneraliDocumento"_L1);
    out.element("TipoDocumento"_L1, v.documentType);
    out.element("Divisa"_L1, u"EUR"_s);
    out.element("Data"_L1, v.documentDate);
    out.element("Numero"_L1, v.documentNumber);
    if (m_withholding.due) {
        out.start("DatiRitenuta"_L1);
        out.element("TipoRitenuta"_L1, m_withholding.type);
        out.element("ImportoRitenuta"_L1, m_withholding.amount.written(2));
        out.element("AliquotaRitenuta"_L1, m_withholding.rate);
        out.element("CausalePagamento"_L1, m_withholding.reason);
        out.end("DatiRitenuta"_L1);
    }
    if (m_stampDuty) {
        out.start("DatiBollo"_L1);
        out.element("BolloVirtuale"_L1, u"SI"_s);
        out.element("ImportoBollo"_L1, u"2.00"_s);
        out.end("DatiBollo"_L1);
    }
    if (!v.discountPercent.isEmpty()) {
        out.start("ScontoMaggiorazione"_L1);
        out.element("Tipo"_L1, StoredValue::text(m_invoice, u"sc_tipo"_s));
        out.element("Percentuale"_L1, v.discountPercent);
        out.end("ScontoMaggiorazione"_L1);
    }
    out.element("ImportoTotaleDocumento"_L1, v.documentTotal);
    if (m_format.reasonText)
        out.escapedElement("Causale"_L1, v.reason);
    out.end("DatiGeneraliDocumento"_L1);
    writeDocumentReferences(out);
    out.end("DatiGenerali"_L1);
}

// The references typed on the desk: one kind per test_dati row, its
// references in dati_acquisto. Read before anything is written, so that a
// bad date stops the writer with nothing changed; the kinds' current row is
// put back afterwards.
void FatturaWriter::readDocumentReferences()
{
    m_references.clear();
    TableComponent &kinds = *m_diz.ContrattoT;
    TableComponent &references = *m_diz.ContrattoD;
    if (!kinds.isOpen() || !references.isOpen())
        return;
    const TableComponent::Bookmark position = kinds.bookmark();
    QStringList seen; // a kind entered twice holds the same references
    for (kinds.first(); !kinds.eof(); kinds.next()) {
        const QString kind = kinds.text(u"tipo"_s);
        if (!kReferenceKinds.contains(kind) || seen.contains(kind))
            continue;
        seen << kind;
        for (references.first(); !references.eof(); references.next()) {
            auto written = [&references](const QString &field) {
                const QString text = references.text(field);
                StoredValue::requireXmlCharacters(references, field, text);
                return text;
            };
            DocumentReference reference;
            reference.kind = kind;
            reference.lineNumber = references.integer(u"n_linea"_s);
            reference.document = written(u"id_documento"_s);
            const QString date = written(u"data"_s);
            if (!date.isEmpty())
                reference.date = DateText::xml(DateText::read(date));
            reference.item = written(u"numero"_s);
            reference.jobCode = written(u"cod_comm"_s);
            reference.cup = written(u"cup"_s);
            reference.cig = written(u"cig"_s);
            m_references << reference;
        }
    }
    kinds.gotoBookmark(position);
}

void FatturaWriter::writeDocumentReferences(XmlLineWriter &out) const
{
    for (const QString &kind : kReferenceKinds) {
        const QLatin1StringView tag = kReferenceTags[kReferenceKinds.indexOf(kind)];
        for (const DocumentReference &reference : m_references) {
            if (reference.kind != kind)
                continue;
            out.start(tag);
            if (reference.lineNumber != 0)
                out.element("RiferimentoNumeroLinea"_L1, QString::number(reference.lineNumber));
            auto optional = [&out](QLatin1StringView element, const QString &text) {
                if (!text.isEmpty())
                    out.element(element, text);
            };
            optional("IdDocumento"_L1, reference.document);
            optional("Data"_L1, reference.date);
            optional("NumItem"_L1, reference.item);
            optional("CodiceCommessaConvenzione"_L1, reference.jobCode);
            optional("CodiceCUP"_L1, reference.cup);
            optional("CodiceCIG"_L1, reference.cig);
            out.end(tag);
        }
    }
}

void FatturaWriter::writeLine(XmlLineWriter &out, int number) const
{
    const TableComponent &line = m_lines;
    const QString rate = StoredValue::xmlNumber(line, u"aliquota"_s, kAmountPattern);
    const QString unitPrice = StoredValue::xmlNumber(line, u"prezzo_unit"_s, kPricePattern);
    const QString quantity = StoredValue::xmlNumber(line, u"quantita"_s, kAmountPattern);
    const QString total = StoredValue::xmlNumber(line, u"prezzo_tot"_s, kPricePattern);
    const bool discounted = isFilled(line, u"sc_tipo"_s);

    out.start("DettaglioLinee"_L1);
    out.element("NumeroLinea"_L1, QString::number(number));
    if (discounted)
        out.element("TipoCessionePrestazione"_L1, u"SC"_s);
    if (isFilled(line, u"codice_tipo"_s)) {
        out.start("CodiceArticolo"_L1);
        out.element("CodiceTipo"_L1, StoredValue::text(line, u"codice_tipo"_s));
        out.element("CodiceValore"_L1, StoredValue::text(line, u"codice_val"_s));
        out.end("CodiceArticolo"_L1);
    }
    out.escapedElement("Descrizione"_L1, StoredValue::text(line, u"descrizione"_s));
    if (DecimalText::readGrouped(StoredValue::text(line, u"quantita"_s)) > 0)
        out.element("Quantita"_L1, quantity);
    const QString unit = StoredValue::text(line, u"um"_s);
    if (!unit.isEmpty())
        out.element("UnitaMisura"_L1, unit);
    out.element("PrezzoUnitario"_L1, unitPrice);
    if (discounted) {
        out.start("ScontoMaggiorazione"_L1);
        out.element("Tipo"_L1, StoredValue::text(line, u"sc_tipo"_s));
        out.element("Percentuale"_L1, StoredValue::text(line, u"sc_perc"_s).replace(u',', u'.'));
        out.element("Importo"_L1, StoredValue::text(line, u"sc_importo"_s).replace(u',', u'.'));
        out.end("ScontoMaggiorazione"_L1);
    }
    out.element("PrezzoTotale"_L1, total);
    out.element("AliquotaIVA"_L1, rate);
    if (isFilled(line, u"ritenuta"_s))
        out.element("Ritenuta"_L1, StoredValue::text(line, u"ritenuta"_s));
    if (isFilled(line, u"natura"_s))
        out.element("Natura"_L1, StoredValue::text(line, u"natura"_s));
    if (isFilled(line, u"rif_amm"_s))
        out.element("RiferimentoAmministrazione"_L1, StoredValue::text(line, u"rif_amm"_s));
    for (int k = 0; k < 3; ++k) {
        if (!hasOtherData(line, kOtherDataFields[k]))
            continue;
        out.start("AltriDatiGestionali"_L1);
        out.element("TipoDato"_L1, kOtherDataKinds[k]);
        out.element("RiferimentoTesto"_L1, StoredValue::text(line, kOtherDataFields[k]));
        out.end("AltriDatiGestionali"_L1);
    }
    out.end("DettaglioLinee"_L1);
}

// An expense as one more line at its slot's rate (with the slot's nature
// when the rate is zero), so that its VAT has a line behind it.
void FatturaWriter::writeChargeLine(XmlLineWriter &out, int number, const AccessoryCharge &charge) const
{
    out.start("DettaglioLinee"_L1);
    out.element("NumeroLinea"_L1, QString::number(number));
    out.element("TipoCessionePrestazione"_L1, u"AC"_s);
    out.element("Descrizione"_L1, u"Spese accessorie"_s);
    out.element("PrezzoUnitario"_L1, charge.linePrice());
    out.element("PrezzoTotale"_L1, charge.linePrice());
    out.element("AliquotaIVA"_L1, DecimalText::xmlNumber(charge.rateText, kAmountPattern));
    if (charge.rate.isZero() && !charge.nature.isEmpty())
        out.element("Natura"_L1, charge.nature);
    out.end("DettaglioLinee"_L1);
}

FatturaWriter::EarlySummaryAmounts FatturaWriter::convertEarlySummaryAmounts() const
{
    EarlySummaryAmounts early;
    const SummaryColumns &first = summaryColumns()[0];
    early.taxable1 = StoredValue::xmlNumber(m_invoice, first.taxable, kAmountPattern);
    early.vat1 = StoredValue::xmlNumber(m_invoice, first.vat, kAmountPattern);
    for (int k = 0; k < 3; ++k) {
        early.charges[k] = StoredValue::xmlNumber(m_invoice, summaryColumns()[k].charges, kAmountPattern);
        early.rounding[k] = StoredValue::xmlNumber(m_invoice, summaryColumns()[k].rounding, kAmountPattern);
    }
    return early;
}

// Writes the summaries and returns the sum of their taxable amounts as
// written, added in single precision: the split payment pays that sum.
float FatturaWriter::writeSummaries(XmlLineWriter &out, const EarlySummaryAmounts &early) const
{
    Single taxableSum = 0;
    for (int k = 0; k < 4; ++k) {
        if (!isSummaryWritten(k))
            continue;
        const SummaryColumns &columns = summaryColumns()[k];
        const QString rate = StoredValue::xmlNumber(m_invoice, columns.rate, kAmountPattern);
        QString taxable, vat;
        if (const AccessoryCharge *charge = chargeOf(k)) {
            taxable = charge->taxable;
            vat = charge->vat;
        } else {
            taxable = k == 0 ? early.taxable1 : StoredValue::xmlNumber(m_invoice, columns.taxable, kAmountPattern);
            vat = k == 0 ? early.vat1 : StoredValue::xmlNumber(m_invoice, columns.vat, kAmountPattern);
        }

        out.start("DatiRiepilogo"_L1);
        out.element("AliquotaIVA"_L1, rate);
        if (isFilled(m_invoice, columns.nature))
            out.element("Natura"_L1, StoredValue::text(m_invoice, columns.nature));
        if (k < 3 && isPositive(early.charges[k]))
            out.element("SpeseAccessorie"_L1, early.charges[k]);
        if (k < 3 && isPositive(early.rounding[k]))
            out.element("Arrotondamento"_L1, early.rounding[k]);
        out.element("ImponibileImporto"_L1, taxable);
        out.element("Imposta"_L1, vat);
        if (ValueForm::trimmed(StoredValue::text(m_invoice, columns.nature)).isEmpty()) {
            out.element("EsigibilitaIVA"_L1,
                        m_format.splitPayment ? u"S"_s : StoredValue::text(m_invoice, columns.chargeability));
        }
        out.end("DatiRiepilogo"_L1);
        taxableSum = toSingle(taxableSum + readWrittenNumber(taxable));
    }
    return taxableSum;
}

void FatturaWriter::writePayment(XmlLineWriter &out, float taxableSum) const
{
    if (m_format.splitPayment) {
        out.start("DatiPagamento"_L1);
        out.element("CondizioniPagamento"_L1, u"TP02"_s);
        writePaymentDetail(out, u"MP05"_s, QString(), netOfWithholding(xmlFormat(taxableSum, kAmountPattern)));
        out.end("DatiPagamento"_L1);
    } else if (isBankTransfer(m_values.paymentMethod)) {
        out.start("DatiPagamento"_L1);
        out.element("CondizioniPagamento"_L1, u"TP02"_s);
        writeInstalments(out);
        out.end("DatiPagamento"_L1);
    }
}

// One payment of the whole amount to pay (the total less the withholding),
// or n equal instalments of it divided by n and brought to cents; they are
// not adjusted to add up. The first four carry the invoice's due dates.
void FatturaWriter::writeInstalments(XmlLineWriter &out) const
{
    const qint64 count = StoredValue::integer(m_invoice, u"n_rate"_s);
    const QString toPay = netOfWithholding(m_values.documentTotal);
    if (count == 0) {
        writePaymentDetail(out, m_values.paymentMethod, QString(), toPay);
        return;
    }
    if (count < 0)
        return;
    const long double share = readWrittenNumber(toPay) / count;
    const Single instalment = toSingle(std::trunc(share / 0.01L + 0.5L) * 0.01L);
    const QString amount = xmlFormat(instalment, kInstalmentPattern);
    for (qint64 k = 1; k <= count; ++k) {
        QString dueDate;
        if (k <= kDueDateCount)
            dueDate = StoredValue::xmlDate(m_invoice, u"scad"_s + QString::number(k));
        writePaymentDetail(out, m_values.paymentMethod, dueDate, amount);
    }
}

void FatturaWriter::writePaymentDetail(XmlLineWriter &out, const QString &method, const QString &dueDate,
                                       const QString &amount) const
{
    out.start("DettaglioPagamento"_L1);
    out.element("Beneficiario"_L1, StoredValue::text(m_company, u"rag_soc"_s));
    out.element("ModalitaPagamento"_L1, method);
    if (!dueDate.isEmpty())
        out.element("DataScadenzaPagamento"_L1, dueDate);
    out.element("ImportoPagamento"_L1, amount);
    out.element("IBAN"_L1, StoredValue::text(m_company, u"iban"_s));
    out.end("DettaglioPagamento"_L1);
}
