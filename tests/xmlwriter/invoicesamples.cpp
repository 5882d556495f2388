#include "invoicesamples.h"

#include <QFile>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

QString literal(const QVariant &value)
{
    if (value.isNull())
        return u"NULL"_s;
    if (value.typeId() == QMetaType::Int)
        return QString::number(value.toInt());
    QString text = value.toString();
    text.replace(u'\\', u"\\\\"_s).replace(u'\'', u"''"_s);
    return u'\'' + text + u'\'';
}

void insert(TestDatabase &db, const QString &table, const QVariantMap &row)
{
    QStringList names, values;
    for (auto it = row.begin(); it != row.end(); ++it) {
        names << u'`' + it.key() + u'`';
        values << literal(it.value());
    }
    db.execute(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(table, names.join(u','), values.join(u',')));
}

const QVariant Null;

QVariantMap company()
{
    return {
        {"rag_soc", "Rossi & Figli - Forni S.r.l."}, {"p_iva", "01234567890"}, {"cod_fis", "01234567890"},
        {"reg_fisc", "RF01"}, {"indirizzo", "Via Roma 10/A"}, {"cap", "20100"}, {"comune", "Milano"},
        {"prov", "MI"}, {"nazione", "IT"}, {"uff_rea", "MI"}, {"num_rea", "123456"},
        {"capit_soc", "10.000,00"}, {"soc_uni", "SU"}, {"stato_liq", "LN"}, {"mail", "info@rossi.it"},
        {"telefono", "0212345678"}, {"path", ""}, {"iban", "IT60X0542811101000000123456"},
        {"rit_tipo", "RT01"}, {"rit_aliquota", "20,00"}, {"rit_causale", "A"},
    };
}

// The amount columns a new header starts with.
QVariantMap noCharges()
{
    return {{"spese", "0,00"}, {"spese2", "0,00"}, {"spese3", "0,00"},
            {"arrot", "0,00"}, {"arrot2", "0,00"}, {"arrot3", "0,00"}};
}

QVariantMap plainLine(int prog, const QString &description, const QString &quantity, const QString &unit,
                      const QString &price, const QString &total, const QString &rate)
{
    return {
        {"prog", prog}, {"codice_tipo", ""}, {"codice_val", ""}, {"descrizione", description},
        {"quantita", quantity}, {"um", unit}, {"prezzo_unit", price}, {"sc_tipo", ""}, {"sc_perc", ""},
        {"sc_importo", ""}, {"prezzo_tot", total}, {"aliquota", rate}, {"tipo_cessione", ""},
        {"ritenuta", ""}, {"natura", ""}, {"rif_amm", ""}, {"categoria", ""}, {"lotto", ""}, {"origine", ""},
    };
}

QVariantMap reference(const QString &kind, int line, const QString &document, const QString &date,
                      const QString &item, const QString &jobCode, const QString &cup, const QString &cig)
{
    return {{"tipo", kind},      {"n_linea", line},    {"id_documento", document}, {"data", date},
            {"numero", item},    {"cod_comm", jobCode}, {"cup", cup},              {"cig", cig}};
}

} // namespace

void InvoiceRows::apply(const QVariantMap &changes)
{
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        const QString table = it.key().section(u'.', 0, 0);
        const QString column = it.key().section(u'.', 1);
        if (table == u"deskTitle")
            deskTitle = it.value().toString();
        else if (table == u"azienda")
            company[column] = it.value();
        else if (table == u"testata")
            invoice[column] = it.value();
        else if (table == u"dettaglio")
            lines[0][column] = it.value();
        else if (table == u"dati_acquisto")
            references[0][column] = it.value();
        else
            qFatal("unknown table in a change: %s", qPrintable(it.key()));
    }
}

namespace InvoiceSamples {

InvoiceRows completePrivate()
{
    InvoiceRows rows;
    rows.deskTitle = u"A"_s;
    rows.company = company();
    rows.invoice = {
        {"id_invio", 42}, {"rag_soc", "Bianchi \"Il Forno\" s.n.c."}, {"indirizzo", "Corso Italia 5"},
        {"comune", "Forlì"}, {"cap", "47121"}, {"prov", "FC"}, {"nazione", "IT"}, {"p_iva", "09876543210"},
        {"cod_fis", "BNCMRA80A01F205X"}, {"cod_dest", "ABC1234"}, {"pec", "fatture@pec.bianchi.it"},
        {"data_doc", "05/03/2024"}, {"num_doc", "15/A"}, {"tot_doc", "325,52"}, {"tipo_doc", "TD01"},
        {"tipo_pag", "TP02"}, {"mod_pag", "MP05"}, {"n_rate", 2}, {"scad1", "05/04/2024"},
        {"scad2", "05/05/2024"}, {"scad3", ""}, {"scad4", ""}, {"nome_file", "vecchio.xml"},
        {"sc_tipo", "SC"}, {"sc_perc", "5,00"}, {"sc_importo", "11,75"},
        {"dest_soc", "Bianchi - Magazzino"}, {"dest_indir", " Via Po 1 "}, {"dest_comune", "Torino"},
        {"aliquota", "22"}, {"imponibile", "235,00"}, {"imposta", "51,70"}, {"natura", ""},
        {"esig_iva", "I"}, {"spese", "10,00"}, {"arrot", "0,01"},
        {"aliquota2", "0"}, {"imponibile2", "12,50"}, {"imposta2", "0,00"}, {"natura2", "N2"},
        {"esig_iva2", "I"}, {"spese2", "0,004"}, {"arrot2", "-0,01"},
        {"aliquota3", "10"}, {"imponibile3", "10,00"}, {"imposta3", "1,00"}, {"natura3", ""},
        {"esig_iva3", "D"}, {"spese3", "0,005"}, {"arrot3", "0,00"},
        {"aliquota4", "4"}, {"imponibile4", "3,00"}, {"imposta4", "0,12"}, {"natura4", ""}, {"esig_iva4", "S"},
    };
    QVariantMap flour = plainLine(1, u"Farina tipo 00 - 25 kg <sacco>"_s, u"10,00"_s, u"pz"_s, u"20,00"_s,
                                  u"180,00"_s, u"22"_s);
    flour.insert({{"codice_tipo", "EAN"}, {"codice_val", "8001234567890"}, {"sc_tipo", "SC"}, {"sc_perc", "10,00"},
                  {"sc_importo", "20,00"}, {"ritenuta", "SI"}, {"rif_amm", "RIF-1"}, {"categoria", "A1"},
                  {"lotto", " L23"}, {"origine", "IT"}});
    QVariantMap carriage = plainLine(2, u"Trasporto"_s, u"1,00"_s, u""_s, u"50,00"_s, u"55,00"_s, u"22"_s);
    carriage.insert({{"sc_tipo", "MG"}, {"sc_perc", "10,00"}, {"sc_importo", "5,00"}, {"categoria", "   "},
                     {"lotto", Null}});
    // Columns the writer may find NULL.
    QVariantMap books = plainLine(3, u"Libri"_s, u"0,00"_s, u"nr"_s, u"12,5"_s, u"12,50"_s, u"0"_s);
    books.insert({{"codice_tipo", Null}, {"codice_val", Null}, {"sc_tipo", Null}, {"sc_perc", Null},
                  {"sc_importo", Null}, {"ritenuta", Null}, {"natura", "N2"}, {"rif_amm", Null},
                  {"categoria", Null}, {"lotto", Null}, {"origine", Null}});
    rows.lines = {
        flour, carriage, books,
        plainLine(4, u"Pane"_s, u"5"_s, u"kg"_s, u"2"_s, u"10,00"_s, u"10"_s),
        plainLine(5, u"Latte 1° scelta"_s, u"1"_s, u"lt"_s, u"3"_s, u"3,00"_s, u"4"_s),
    };
    rows.references = {
        reference(u"DatiContratto"_s, 0, u"CTR 7/2024"_s, u""_s, u"3"_s, u""_s, u"J12B34000560001"_s, u"Z1A2B3C4D5"_s),
        reference(u"DatiOrdineAcquisto"_s, 1, u"ORD-15"_s, u"01/03/2024"_s, u""_s, u"COMM & 1"_s, u""_s, u""_s),
        reference(u"DatiOrdineAcquisto"_s, 0, u"ORD-16"_s, u""_s, u""_s, u""_s, u""_s, u""_s),
        reference(u"DatiFattureCollegate"_s, 2, u"12/A"_s, u"5/1/2024"_s, u""_s, u""_s, u""_s, u""_s),
    };
    return rows;
}

InvoiceRows essentialPrivate()
{
    InvoiceRows rows;
    rows.deskTitle = QString();
    rows.company = company();
    rows.company.insert({{"cod_fis", ""}, {"telefono", ""}, {"mail", ""}, {"prov", ""}, {"reg_fisc", ""},
                         {"uff_rea", ""}, {"num_rea", ""}, {"capit_soc", ""}, {"soc_uni", ""}, {"stato_liq", ""}});
    rows.invoice = noCharges();
    rows.invoice.insert({
        {"id_invio", 7}, {"rag_soc", "Verdi <Gamma>"}, {"indirizzo", "Via Dante 3"}, {"cap", "00100"},
        {"comune", "Roma"}, {"prov", ""}, {"nazione", "IT"}, {"p_iva", ""}, {"cod_fis", "VRDGPP75C41H501F"}, {"cod_dest", ""},
        {"pec", ""}, {"tipo_doc", "TD01"}, {"data_doc", "1/2/2024"}, {"num_doc", "7"}, {"tot_doc", "12,20"},
        {"sc_tipo", ""}, {"sc_perc", "0"}, {"mod_pag", "MP01"}, {"n_rate", Null}, {"dest_soc", ""},
        {"dest_indir", ""}, {"dest_comune", ""}, {"aliquota", "22"}, {"imponibile", "10,00"},
        {"imposta", "2,20"}, {"natura", ""}, {"esig_iva", "I"}, {"imponibile2", ""}, {"imponibile3", Null},
        {"imponibile4", ""},
    });
    rows.lines = {plainLine(1, u"Consulenza"_s, u"0,00"_s, u""_s, u"10"_s, u"10,00"_s, u"22"_s)};
    return rows;
}

InvoiceRows splitPayment()
{
    InvoiceRows rows;
    rows.deskTitle = u"B"_s;
    rows.company = company();
    rows.invoice = noCharges();
    // NULL where the public-administration file reads nothing.
    rows.invoice.insert({
        {"id_invio", 12345}, {"rag_soc", "Comune di Pavia - Ufficio Tecnico"}, {"indirizzo", "Piazza Municipio 2"},
        {"cap", "27100"}, {"comune", "Pavia"}, {"prov", "PV"}, {"nazione", "IT"}, {"p_iva", Null},
        {"cod_fis", "80012345678"}, {"cod_dest", "UFABCD"}, {"pec", ""}, {"tipo_doc", "TD01"},
        {"data_doc", "31/12/2024"}, {"num_doc", "PA/7"}, {"tot_doc", "172,00"}, {"sc_tipo", ""},
        {"sc_perc", ""}, {"mod_pag", "MP01"}, {"n_rate", Null}, {"dest_soc", Null}, {"dest_indir", Null},
        {"dest_comune", Null},
        {"aliquota", "22"}, {"imponibile", "100,00"}, {"imposta", "22,00"}, {"natura", ""}, {"esig_iva", "I"},
        {"aliquota2", "0"}, {"imponibile2", "50,00"}, {"imposta2", "0,00"}, {"natura2", "N2"}, {"esig_iva2", "I"},
        {"aliquota3", "10"}, {"imponibile3", "0,00"}, {"imposta3", "0,00"}, {"natura3", ""}, {"esig_iva3", Null},
        {"imponibile4", Null},
    });
    QVariantMap service = plainLine(1, u"Manutenzione impianto & verifica"_s, u"1"_s, u""_s, u"100"_s,
                                    u"100,00"_s, u"22"_s);
    service.insert({{"rif_amm", "CIG 123"}, {"categoria", Null}, {"lotto", Null}, {"origine", Null}});
    QVariantMap notice = plainLine(2, u"Pubblicazione"_s, u"2"_s, u"nr"_s, u"25"_s, u"50,00"_s, u"0"_s);
    notice.insert({{"natura", "N2"}, {"ritenuta", Null}, {"rif_amm", Null}, {"categoria", " "}, {"lotto", Null},
                   {"origine", "IT"}});
    rows.lines = {service, notice};
    rows.references = {
        reference(u"DatiOrdineAcquisto"_s, 0, u"DET-42"_s, u"15/12/2024"_s, u""_s, u""_s, u""_s, u"B123456789"_s)};
    return rows;
}

// A company and a customer with sound identifiers, paid by bank transfer.
InvoiceRows soundInvoice(int id, const QString &total)
{
    InvoiceRows rows;
    rows.deskTitle = u"A"_s;
    rows.company = company();
    rows.company.insert({{"p_iva", "01234567897"}, {"cod_fis", "01234567897"}});
    rows.invoice = noCharges();
    rows.invoice.insert({
        {"id_invio", id}, {"rag_soc", "Gialli Impianti S.r.l."}, {"indirizzo", "Via Emilia 12"}, {"cap", "40100"},
        {"comune", "Bologna"}, {"prov", "BO"}, {"nazione", "IT"}, {"p_iva", "09876543217"},
        {"cod_fis", "09876543217"}, {"cod_dest", "KRRH6B9"}, {"pec", ""}, {"tipo_doc", "TD01"},
        {"data_doc", "15/04/2024"}, {"num_doc", QString::number(id)}, {"tot_doc", total}, {"sc_tipo", ""},
        {"sc_perc", ""}, {"mod_pag", "MP05"}, {"n_rate", 0}, {"dest_soc", ""}, {"dest_indir", ""},
        {"dest_comune", ""}, {"imponibile2", ""}, {"imponibile3", ""}, {"imponibile4", ""},
    });
    return rows;
}

InvoiceRows withCharges()
{
    InvoiceRows rows = soundInvoice(21, u"191,95"_s);
    // 12,25 at 22% is 2,695 of VAT: exactly half a cent.
    rows.invoice.insert({
        {"aliquota", "22"}, {"imponibile", "100,00"}, {"imposta", "22,00"}, {"natura", ""}, {"esig_iva", "I"},
        {"spese", "12,25"}, {"aliquota2", "0"}, {"imponibile2", "50,00"}, {"imposta2", "0,00"},
        {"natura2", "N2.2"}, {"esig_iva2", "I"}, {"spese2", "5,00"}, {"spese3", "1,50"},
    });
    QVariantMap books = plainLine(2, u"Manuali d'uso"_s, u"2,00"_s, u"nr"_s, u"25,00"_s, u"50,00"_s, u"0"_s);
    books[u"natura"_s] = u"N2.2"_s;
    rows.lines = {plainLine(1, u"Collaudo impianto"_s, u"1,00"_s, u""_s, u"100,00"_s, u"100,00"_s, u"22"_s),
                  books};
    return rows;
}

InvoiceRows withWithholding()
{
    InvoiceRows rows = soundInvoice(22, u"1427,52"_s);
    rows.invoice.insert({
        {"aliquota", "22"}, {"imponibile", "1170,10"}, {"imposta", "257,42"}, {"natura", ""}, {"esig_iva", "I"},
        {"n_rate", 3}, {"scad1", "15/05/2024"}, {"scad2", "15/06/2024"}, {"scad3", "15/07/2024"},
    });
    QVariantMap advice = plainLine(1, u"Consulenza fiscale"_s, u"1,00"_s, u""_s, u"1.000,00"_s, u"1.000,00"_s,
                                   u"22"_s);
    advice[u"ritenuta"_s] = u"SI"_s;
    QVariantMap assistance = plainLine(3, u"Assistenza"_s, u"2,00"_s, u"h"_s, u"62,55"_s, u"125,10"_s, u"22"_s);
    assistance[u"ritenuta"_s] = u"SI"_s;
    rows.lines = {advice, plainLine(2, u"Rimborso trasferta"_s, u"1,00"_s, u""_s, u"45,00"_s, u"45,00"_s, u"22"_s),
                  assistance};
    return rows;
}

InvoiceRows withStampDuty()
{
    InvoiceRows rows = soundInvoice(23, u"500,00"_s);
    rows.company[u"reg_fisc"_s] = u"RF19"_s;
    rows.invoice.insert({
        {"aliquota", "0"}, {"imponibile", "500,00"}, {"imposta", "0,00"}, {"natura", "N2.2"}, {"esig_iva", ""},
        {"mod_pag", "MP01"}, {"bollo", 1},
    });
    QVariantMap site = plainLine(1, u"Sviluppo sito web"_s, u"1,00"_s, u""_s, u"500,00"_s, u"500,00"_s, u"0"_s);
    site[u"natura"_s] = u"N2.2"_s;
    rows.lines = {site};
    return rows;
}

} // namespace InvoiceSamples

InvoiceStore::InvoiceStore(const InvoiceRows &rows)
    : m_invoiceId(rows.invoice.value(u"id_invio"_s).toInt())
{
    insert(m_db, u"azienda"_s, rows.company);
    insert(m_db, u"testata"_s, rows.invoice);
    for (QVariantMap line : rows.lines) {
        line.insert(u"id_invio"_s, m_invoiceId);
        insert(m_db, u"dettaglio"_s, line);
    }
    QStringList kinds;
    for (QVariantMap reference : rows.references) {
        const QString kind = reference.value(u"tipo"_s).toString();
        if (!kinds.contains(kind)) {
            kinds << kind;
            insert(m_db, u"test_dati"_s, {{"id_invio", m_invoiceId}, {"tipo", kind}});
        }
        reference.insert(u"id_invio"_s, m_invoiceId);
        insert(m_db, u"dati_acquisto"_s, reference);
    }
    m_diz.deskTitle = rows.deskTitle;
    m_db.openDataModule(m_diz);
    if (!m_diz.Testata->locate(u"id_invio"_s, m_invoiceId))
        qFatal("invoice %d not found", m_invoiceId);
}

QString InvoiceStore::storedFileName()
{
    return m_db.scalar(u"SELECT nome_file FROM testata WHERE id_invio = %1"_s.arg(m_invoiceId));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString xmlError(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        return u"line %1: %2"_s.arg(reader.lineNumber()).arg(reader.errorString());
    return QString();
}
