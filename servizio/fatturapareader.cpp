#include "fatturapareader.h"

#include "apperror.h"
#include "store/datetext.h"
#include "store/decimaltext.h"

#include <QDate>
#include <QDomDocument>

namespace {

const QString notFatturaPa = QStringLiteral("Il file non è una fattura elettronica FatturaPA");

// Element names without their namespace prefix ("p:FatturaElettronica").
QString localName(const QDomElement &element)
{
    const QString tag = element.tagName();
    const qsizetype colon = tag.indexOf(QLatin1Char(':'));
    return colon < 0 ? tag : tag.mid(colon + 1);
}

QList<QDomElement> children(const QDomElement &parent, const QString &name)
{
    QList<QDomElement> found;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        if (localName(e) == name)
            found << e;
    return found;
}

// The first element along a path of names ("Sede/Comune"); null if absent.
QDomElement at(const QDomElement &from, const QString &path)
{
    QDomElement element = from;
    for (const QString &name : path.split(QLatin1Char('/'))) {
        const QList<QDomElement> found = element.isNull() ? QList<QDomElement>() : children(element, name);
        element = found.isEmpty() ? QDomElement() : found.first();
    }
    return element;
}

QString text(const QDomElement &from, const QString &path)
{
    return at(from, path).text().trimmed();
}

long double number(const QString &value)
{
    bool ok = false;
    const double read = value.toDouble(&ok); // the file's numbers have a point
    if (!ok)
        throw AppError(QStringLiteral("Valore numerico non valido nella fattura: '%1'").arg(value));
    return read;
}

// A number of the file in the store's Italian form; absent stays empty.
QString decimal(const QString &value, QStringView pattern)
{
    return value.isEmpty() ? QString() : DecimalText::format(number(value), pattern);
}

QString rate(const QString &value)
{
    return value.isEmpty() ? QString() : DecimalText::generalText(number(value));
}

QString date(const QString &value)
{
    if (value.isEmpty())
        return QString();
    const QDate read = QDate::fromString(value, Qt::ISODate);
    if (!read.isValid())
        throw AppError(QStringLiteral("Data non valida nella fattura: '%1'").arg(value));
    return DateText::format(read);
}

const QString amount = QStringLiteral("######0.00");
const QString price = QStringLiteral("######0.000");

void readSupplier(const QDomElement &supplier, PurchaseInvoice::Values &h)
{
    const QDomElement personal = at(supplier, QStringLiteral("DatiAnagrafici"));
    const QString name = text(personal, QStringLiteral("Anagrafica/Denominazione"));
    h[QStringLiteral("rag_soc")] = !name.isEmpty()
                                       ? name
                                       : (text(personal, QStringLiteral("Anagrafica/Nome")) + QLatin1Char(' ') +
                                          text(personal, QStringLiteral("Anagrafica/Cognome")))
                                             .trimmed();
    h[QStringLiteral("p_iva")] = text(personal, QStringLiteral("IdFiscaleIVA/IdCodice"));
    h[QStringLiteral("cod_fis")] = text(personal, QStringLiteral("CodiceFiscale"));
    const QDomElement seat = at(supplier, QStringLiteral("Sede"));
    h[QStringLiteral("indirizzo")] =
        (text(seat, QStringLiteral("Indirizzo")) + QLatin1Char(' ') + text(seat, QStringLiteral("NumeroCivico")))
            .trimmed();
    h[QStringLiteral("cap")] = text(seat, QStringLiteral("CAP"));
    h[QStringLiteral("comune")] = text(seat, QStringLiteral("Comune"));
    h[QStringLiteral("prov")] = text(seat, QStringLiteral("Provincia"));
    h[QStringLiteral("nazione")] = text(seat, QStringLiteral("Nazione"));
}

void readPayment(const QDomElement &general, PurchaseInvoice::Values &h)
{
    const QDomElement payment = at(general, QStringLiteral("DatiPagamento"));
    h[QStringLiteral("tipo_pag")] = text(payment, QStringLiteral("CondizioniPagamento"));
    const QList<QDomElement> instalments =
        payment.isNull() ? QList<QDomElement>() : children(payment, QStringLiteral("DettaglioPagamento"));
    h[QStringLiteral("n_rate")] = QString::number(instalments.size());
    if (!instalments.isEmpty())
        h[QStringLiteral("mod_pag")] = text(instalments.first(), QStringLiteral("ModalitaPagamento"));
    // The table has room for four instalments.
    for (int i = 0; i < qMin(4, int(instalments.size())); ++i) {
        const QString n = QString::number(i + 1);
        h[QStringLiteral("scad") + n] = date(text(instalments[i], QStringLiteral("DataScadenzaPagamento")));
        h[QStringLiteral("imp_scad") + n] = decimal(text(instalments[i], QStringLiteral("ImportoPagamento")), amount);
    }
}

void readSummaries(const QList<QDomElement> &summaries, PurchaseInvoice::Values &h)
{
    // The table has room for two summaries.
    for (int i = 0; i < qMin(2, int(summaries.size())); ++i) {
        const QString n = i == 0 ? QString() : QStringLiteral("2");
        const QDomElement &s = summaries[i];
        h[QStringLiteral("aliquota") + n] = rate(text(s, QStringLiteral("AliquotaIVA")));
        h[QStringLiteral("natura") + n] = text(s, QStringLiteral("Natura"));
        h[QStringLiteral("spese") + n] = decimal(text(s, QStringLiteral("SpeseAccessorie")), amount);
        h[QStringLiteral("arrot") + n] = decimal(text(s, QStringLiteral("Arrotondamento")), amount);
        h[QStringLiteral("imponibile") + n] = decimal(text(s, QStringLiteral("ImponibileImporto")), amount);
        h[QStringLiteral("imposta") + n] = decimal(text(s, QStringLiteral("Imposta")), amount);
        h[QStringLiteral("esig_iva") + n] = text(s, QStringLiteral("EsigibilitaIVA"));
        h[QStringLiteral("normativa") + n] = text(s, QStringLiteral("RiferimentoNormativo"));
    }
}

// Without ImportoTotaleDocumento (it is optional) the total is the sum of
// every summary's taxable amount and tax.
QString documentTotal(const QDomElement &document, const QList<QDomElement> &summaries)
{
    const QString stated = text(document, QStringLiteral("ImportoTotaleDocumento"));
    if (!stated.isEmpty())
        return decimal(stated, amount);
    long double total = 0;
    for (const QDomElement &s : summaries) {
        const QString taxable = text(s, QStringLiteral("ImponibileImporto"));
        const QString tax = text(s, QStringLiteral("Imposta"));
        total += (taxable.isEmpty() ? 0 : number(taxable)) + (tax.isEmpty() ? 0 : number(tax));
    }
    return DecimalText::format(total, amount);
}

PurchaseInvoice::Values readLine(const QDomElement &line)
{
    PurchaseInvoice::Values l;
    l[QStringLiteral("prog")] = text(line, QStringLiteral("NumeroLinea"));
    l[QStringLiteral("codice_tipo")] = text(line, QStringLiteral("CodiceArticolo/CodiceTipo"));
    l[QStringLiteral("codice_val")] = text(line, QStringLiteral("CodiceArticolo/CodiceValore"));
    l[QStringLiteral("descrizione")] = text(line, QStringLiteral("Descrizione"));
    l[QStringLiteral("quantita")] = decimal(text(line, QStringLiteral("Quantita")), amount);
    l[QStringLiteral("um")] = text(line, QStringLiteral("UnitaMisura"));
    l[QStringLiteral("prezzo_unit")] = decimal(text(line, QStringLiteral("PrezzoUnitario")), price);
    l[QStringLiteral("sc_tipo")] = text(line, QStringLiteral("ScontoMaggiorazione/Tipo"));
    l[QStringLiteral("sc_perc")] = decimal(text(line, QStringLiteral("ScontoMaggiorazione/Percentuale")), amount);
    l[QStringLiteral("sc_importo")] = decimal(text(line, QStringLiteral("ScontoMaggiorazione/Importo")), amount);
    l[QStringLiteral("prezzo_tot")] = decimal(text(line, QStringLiteral("PrezzoTotale")), price);
    l[QStringLiteral("aliquota")] = rate(text(line, QStringLiteral("AliquotaIVA")));
    l[QStringLiteral("tipo_cessione")] = text(line, QStringLiteral("TipoCessionePrestazione"));
    l[QStringLiteral("ritenuta")] = text(line, QStringLiteral("Ritenuta"));
    l[QStringLiteral("natura")] = text(line, QStringLiteral("Natura"));
    l[QStringLiteral("rif_amm")] = text(line, QStringLiteral("RiferimentoAmministrazione"));
    return l;
}

} // namespace

namespace FatturaPaReader {

PurchaseInvoice read(const QByteArray &xml)
{
    QDomDocument document;
    if (!document.setContent(xml))
        throw AppError(notFatturaPa);
    const QDomElement root = document.documentElement();
    const QString version = root.attribute(QStringLiteral("versione"));
    if (localName(root) != QLatin1String("FatturaElettronica") ||
        (version != QLatin1String("FPR12") && version != QLatin1String("FPA12")))
        throw AppError(notFatturaPa);
    const QDomElement header = at(root, QStringLiteral("FatturaElettronicaHeader"));
    const QList<QDomElement> bodies = children(root, QStringLiteral("FatturaElettronicaBody"));
    if (header.isNull() || bodies.isEmpty())
        throw AppError(notFatturaPa);
    if (bodies.size() > 1)
        throw AppError(
            QStringLiteral("Il file contiene %1 fatture: se ne può caricare una sola per file").arg(bodies.size()));
    const QDomElement body = bodies.first();

    PurchaseInvoice invoice;
    PurchaseInvoice::Values &h = invoice.header;
    readSupplier(at(header, QStringLiteral("CedentePrestatore")), h);
    h[QStringLiteral("cod_destinatario")] = text(header, QStringLiteral("DatiTrasmissione/CodiceDestinatario"));
    h[QStringLiteral("pec")] = text(header, QStringLiteral("DatiTrasmissione/PECDestinatario"));

    const QDomElement general = at(body, QStringLiteral("DatiGenerali/DatiGeneraliDocumento"));
    if (general.isNull())
        throw AppError(notFatturaPa);
    const QDomElement goods = at(body, QStringLiteral("DatiBeniServizi"));
    const QList<QDomElement> summaries =
        goods.isNull() ? QList<QDomElement>() : children(goods, QStringLiteral("DatiRiepilogo"));
    h[QStringLiteral("tipo_doc")] = text(general, QStringLiteral("TipoDocumento"));
    h[QStringLiteral("data_doc")] = date(text(general, QStringLiteral("Data")));
    h[QStringLiteral("num_doc")] = text(general, QStringLiteral("Numero"));
    h[QStringLiteral("tot_doc")] = documentTotal(general, summaries);
    h[QStringLiteral("sc_tipo")] = text(general, QStringLiteral("ScontoMaggiorazione/Tipo"));
    h[QStringLiteral("sc_perc")] = decimal(text(general, QStringLiteral("ScontoMaggiorazione/Percentuale")), amount);
    h[QStringLiteral("sc_importo")] = decimal(text(general, QStringLiteral("ScontoMaggiorazione/Importo")), amount);
    readPayment(body, h);
    readSummaries(summaries, h);

    if (!goods.isNull())
        for (const QDomElement &line : children(goods, QStringLiteral("DettaglioLinee")))
            invoice.lines << readLine(line);
    return invoice;
}

} // namespace FatturaPaReader
