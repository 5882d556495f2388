#include "import/invoicecopier.h"

#include "import/sourcedocument.h"
#include "import/sourcevalue.h"

#include "db/apperror.h"

#include "fattura/generaxml.h"
#include "fattura/totali.h"
#include "store/decimaltext.h"
#include "store/tdiz.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString kAmount = u"######0.00"_s;
const QString kPrice = u"######0.000"_s;

QString amount(long double value)
{
    return DecimalText::format(value, kAmount);
}
QString price(long double value)
{
    return DecimalText::format(value, kPrice);
}

// Header columns copied as they stand, store column from source column.
struct Copied
{
    const char *store;
    const char *source;
};

} // namespace

InvoiceCopier::InvoiceCopier(TDiz &diz) : m_diz(diz) {}

ImportedInvoice InvoiceCopier::copy(const SourceDocument &document)
{
    writeHeader(document);

    m_lineCounter = 1;
    if (document.isDeferred())
        writeDeliveryNotes(document);
    else
        writeSourceLines(document);
    // Moving Test_Fatt on must not re-read the lines of every later header.
    m_diz.Dett_Fatt->close();
    // The totals of an invoice without lines leave its VAT summary empty,
    // and a FatturaPA file needs at least one line: say so plainly.
    if (m_lineCounter == 1)
        throw AppError(u"Il documento non ha righe: impossibile creare il file della fattura elettronica"_s);

    TableComponent &testata = *m_diz.Testata;
    testata.refreshCurrent();
    RicalcolaTotali(m_diz);
    m_writtenFile = GeneraXmlPrivati(m_diz);
    return {testata.text(u"num_doc"_s), testata.text(u"tipo_doc"_s), m_invoiceId, testata.text(u"nome_file"_s)};
}

void InvoiceCopier::readVatSlots()
{
    SourceTable &header = *m_diz.Test_Fatt;
    std::array<SourceVatSlot, 5> source{};
    for (int i = 0; i < int(source.size()); ++i) {
        const QString n = QString::number(i + 1);
        source[i].vat = SourceValue::numberOrZero(header, u"iva"_s + n);
        if (source[i].vat > 0) {
            source[i].taxable = SourceValue::number(header, u"imponibile"_s + n);
            source[i].rate = SourceValue::number(header, u"aliquota"_s + n);
        }
    }
    m_slots = chooseVatSlots(source);
}

void InvoiceCopier::writeHeader(const SourceDocument &document)
{
    readVatSlots();
    SourceTable &source = *m_diz.Test_Fatt;
    TableComponent &testata = *m_diz.Testata;
    auto copyText = [&](const char *store, const char *from) {
        testata.setText(QLatin1StringView(store), SourceValue::text(source, QLatin1StringView(from)));
    };

    const QString recipientCode = SourceValue::text(source, u"cod_destinatario"_s);
    const bool publicAdministration = recipientCode.size() == 6;
    const QString vatDue = publicAdministration ? u"S"_s : u"I"_s;

    // The lines are read again once the header has its id_invio.
    m_diz.Detta->close();
    testata.append();
    static const Copied customer[] = {
        {"rag_soc", "rag_soc"}, {"indirizzo", "indirizzo"}, {"comune", "citta"}, {"cap", "cap"}, {"prov", "prov"}};
    for (const Copied &c : customer)
        copyText(c.store, c.source);
    testata.setText(u"num_doc"_s, document.numberText);
    testata.setText(u"esig_iva"_s, vatDue);
    for (int k = 1; k < 4; ++k)
        if (m_slots[k].vat > 0)
            testata.setText(u"esig_iva"_s + QString::number(k + 1), vatDue);
    copyText("pec", "pec");
    copyText("cod_dest", "cod_destinatario");
    testata.setText(u"nazione"_s, u"IT"_s);
    for (int k = 0; k < 4; ++k) {
        const QString suffix = k == 0 ? QString() : QString::number(k + 1);
        testata.setText(u"imponibile"_s + suffix, amount(m_slots[k].taxable));
        testata.setText(u"imposta"_s + suffix, amount(m_slots[k].vat));
        testata.setText(u"aliquota"_s + suffix, DecimalText::generalText(m_slots[k].rate));
    }
    static const Copied rest[] = {{"cod_fis", "cod_fis"},   {"p_iva", "partiva"},
                                  {"dest_soc", "dest_soc"}, {"dest_indir", "dest_indirizzo"},
                                  {"dest_cap", "dest_cap"}, {"dest_comune", "dest_citta"}};
    for (const Copied &c : rest)
        copyText(c.store, c.source);

    if (document.isForeign()) {
        // Sold abroad: not subject to Italian VAT, no Italian recipient.
        testata.setText(u"nazione"_s, u"ES"_s);
        testata.setText(u"cod_fis"_s, QString());
        testata.setText(u"cod_dest"_s, u"XXXXXXX"_s);
        for (const char *column : {"esig_iva", "esig_iva2", "esig_iva3", "esig_iva4", "pec", "prov"})
            testata.setText(QLatin1StringView(column), QString());
        testata.setText(u"natura"_s, u"N2"_s);
        testata.setText(u"normativa"_s, u"Non Soggetta"_s);
        testata.setText(u"imponibile"_s, amount(SourceValue::number(source, u"imponibile3"_s)));
        testata.setText(u"imposta"_s, u"0,00"_s);
        testata.setText(u"aliquota"_s, u"0,00"_s);
        for (const char *column : {"imponibile2", "imposta2", "aliquota2", "imponibile3", "imposta3", "aliquota3"})
            testata.setText(QLatin1StringView(column), QString());
    }

    testata.setText(u"data_doc"_s, SourceValue::dateText(source, u"data"_s));
    testata.setText(u"tipo_doc"_s, document.typeCode);
    testata.setText(u"tipo_pag"_s, u"TP02"_s);
    testata.setText(u"mod_pag"_s, publicAdministration ? u"MP05"_s : QString());
    testata.setText(u"spese"_s, u"0,00"_s);
    testata.setText(u"arrot"_s, u"0"_s);
    testata.setText(u"spese2"_s, u"0,00"_s);
    testata.setText(u"arrot2"_s, u"0"_s);
    testata.setText(u"sc_importo"_s, amount(SourceValue::number(source, u"sconto"_s)));
    testata.setText(u"tot_doc"_s, amount(SourceValue::number(source, u"totale"_s)));
    testata.post();
    m_headerSaved = true;
    m_invoiceId = testata.integer(u"id_invio"_s);
    m_diz.Detta->open();
}

void InvoiceCopier::writeSourceLines(const SourceDocument &document)
{
    SourceTable &lines = *m_diz.Dett_Fatt;
    lines.close();
    lines.setMaster(m_diz.Test_FattS, u"protocollo"_s, u"prot_testa"_s);
    lines.open();
    for (lines.first(); !lines.eof(); lines.next())
        writeLine(document);
}

void InvoiceCopier::writeDeliveryNotes(const SourceDocument &document)
{
    SourceTable &lines = *m_diz.Dett_Fatt;
    SourceTable &notes = *m_diz.BolleT;
    lines.close();
    lines.setMaster(m_diz.BolleS, u"protocollo"_s, u"prot_testa"_s);
    notes.setSql(u"SELECT * from a2020.testata where prot_f_diff="_s +
                 SourceValue::integerText(*m_diz.Test_Fatt, u"protocollo"_s));
    lines.open();
    for (notes.first(); !notes.eof(); notes.next()) {
        const QString destination = SourceValue::text(notes, u"dest_soc"_s).left(35);
        const QString address = SourceValue::text(notes, u"dest_indirizzo"_s).left(30);
        writeNoteReference(destination, address);
        for (lines.first(); !lines.eof(); lines.next())
            writeLine(document);
    }
}

void InvoiceCopier::writeLine(const SourceDocument &document)
{
    SourceTable &source = *m_diz.Dett_Fatt;
    TableComponent &detta = *m_diz.Detta;
    auto number = [&source](const QString &field) { return SourceValue::number(source, field); };
    const QString origin = SourceValue::text(source, u"origine"_s);
    const QString category = SourceValue::text(source, u"categoria"_s);
    const QString lot = SourceValue::text(source, u"lotto"_s);
    const QString unit = SourceValue::text(source, u"um"_s);

    detta.append();
    detta.setValue(u"id_invio"_s, m_invoiceId);
    detta.setValue(u"prog"_s, m_lineCounter);
    detta.setText(u"codice_val"_s, SourceValue::text(source, u"cod_art"_s));
    detta.setText(u"descrizione"_s, SourceValue::text(source, u"descrizione"_s));
    detta.setText(u"quantita"_s, amount(number(u"quantita"_s)));
    detta.setText(u"um"_s, unit);
    detta.setText(u"prezzo_unit"_s, price(number(u"Netto"_s)));
    const double firstDiscount = SourceValue::numberOrZero(source, u"sc_1"_s);
    if (firstDiscount > 0) {
        detta.setText(u"sc_perc"_s, amount(firstDiscount));
        detta.setText(u"sc_tipo"_s, u"SC"_s);
        const long double discount =
            static_cast<long double>(number(u"pr_lordo"_s)) * number(u"quantita"_s) - number(u"Imp_Netto"_s);
        detta.setText(u"sc_importo"_s, DecimalText::generalText(discount));
    }
    detta.setText(u"prezzo_tot"_s, price(number(u"Imp_Netto"_s)));
    detta.setText(u"aliquota"_s, QString::number(static_cast<qlonglong>(std::nearbyint(number(u"aliquota"_s)))));
    if (document.isForeign())
        detta.setText(u"natura"_s, u"N2"_s);
    detta.setText(u"categoria"_s, category);
    detta.setText(u"lotto"_s, lot);
    detta.setText(u"origine"_s, origin);
    detta.post();
    ++m_lineCounter;
}

void InvoiceCopier::writeNoteReference(const QString &destination, const QString &address)
{
    SourceTable &note = *m_diz.BolleT;
    const QString description = u"Rif. Bolla "_s + SourceValue::text(note, u"reg_doc"_s) + u" n. "_s +
                                SourceValue::integerText(note, u"num_doc"_s) + u" del "_s +
                                SourceValue::dateText(note, u"data"_s) + u' ' + destination + u' ' + address;
    TableComponent &detta = *m_diz.Detta;
    detta.append();
    detta.setValue(u"id_invio"_s, m_invoiceId);
    detta.setValue(u"prog"_s, m_lineCounter);
    detta.setText(u"codice_val"_s, QString());
    detta.setText(u"descrizione"_s, description);
    detta.setText(u"quantita"_s, u"0,00"_s);
    detta.setText(u"um"_s, QString());
    detta.setText(u"prezzo_unit"_s, u"0,00"_s);
    detta.setText(u"prezzo_tot"_s, u"0,00"_s);
    detta.setText(u"aliquota"_s, DecimalText::generalText(m_slots[0].rate));
    for (const char *column : {"categoria", "lotto", "origine"})
        detta.setText(QLatin1StringView(column), QString());
    detta.post();
    ++m_lineCounter;
}
