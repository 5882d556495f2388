#include "invoicelayouts.h"

using namespace ReportElements;

namespace {

constexpr auto L = ReportAlign::Left;
constexpr auto C = ReportAlign::Centre;
constexpr auto R = ReportAlign::Right;
constexpr double Auto = ReportAutoWidth;

const ReportFont Arial8{};
const ReportFont Arial7 = Arial8.sized(7);
const ReportFont Arial10 = Arial8.sized(10);
const ReportFont Arial10Bold = Arial10.withBold();
const ReportFont NameFont{QStringLiteral("Times New Roman"), 16, true, true, false};

const QString Testata = QStringLiteral("Testata");
const QString Azienda = QStringLiteral("AziendaT");
const QString Detta = QStringLiteral("Detta");
const QString TestaCar = QStringLiteral("Testa_Car");
const QString DettaCar = QStringLiteral("Detta_Car");

QList<ReportElement> columnHeadings(double y, double importoX)
{
    return {
        text(QStringLiteral("COD.ARTICOLO"), 2.1, y, Auto, L, Arial8),
        text(QStringLiteral("DESCRIZIONE"), 24.9, y, Auto, L, Arial8),
        text(QStringLiteral("QUANTITA'"), 108.0, y, Auto, L, Arial8),
        text(QStringLiteral("PREZZO"), 128.6, y, Auto, L, Arial8),
        text(QStringLiteral("%Sc."), 142.1, y, Auto, L, Arial8),
        text(QStringLiteral("IMPORTO"), importoX, y, Auto, L, Arial8),
        text(QStringLiteral("Aliquota"), 176.5, y, Auto, L, Arial8),
    };
}

QList<ReportElement> verticalLines(std::initializer_list<double> xs, double y1, double y2)
{
    QList<ReportElement> lines;
    for (double x : xs)
        lines.append(vline(x, y1, y2));
    return lines;
}

// Name, address and tax codes of a company, as both layouts print them in
// their top-left box.
QList<ReportElement> companyBlock(const QString &source, double boxHeight)
{
    return {
        box(2.1, 1.1, 106.1, boxHeight),
        field(source, QStringLiteral("rag_soc"), 4.2, 2.1, 101.9, L, NameFont).withHeight(6.6),
        field(source, QStringLiteral("indirizzo"), 4.2, 10.6, 95.5, L, Arial8),
        field(source, QStringLiteral("cap"), 4.2, 15.3, 10.8, L, Arial8),
        field(source, QStringLiteral("comune"), 16.9, 15.3, 89.2, L, Arial8),
        text(QStringLiteral("P.Iva:"), 4.0, 20.9, Auto, L, Arial8),
        field(source, QStringLiteral("p_iva"), 12.2, 20.9, 29.9, L, Arial8),
        text(QStringLiteral("Cod. Fiscale:"), 48.4, 20.9, Auto, L, Arial8),
        field(source, QStringLiteral("cod_fis"), 66.1, 20.9, 29.9, L, Arial8),
    };
}

// Page number and the addressee's name and address, top right.
QList<ReportElement> addresseeBlock(const QString &source)
{
    return {
        text(QStringLiteral("PAG."), 173.6, 2.1, Auto, L, Arial8),
        pageNumber(182.0, 2.1, 5.3, R, Arial10),
        text(QStringLiteral("Spett.le"), 109.5, 10.6, Auto, L, Arial8.withUnderline()),
        field(source, QStringLiteral("rag_soc"), 109.5, 14.8, 78.6, L, Arial10),
        field(source, QStringLiteral("indirizzo"), 109.5, 19.1, 78.6, L, Arial10),
        field(source, QStringLiteral("cap"), 109.5, 23.3, 10.8, L, Arial10),
        field(source, QStringLiteral("comune"), 121.4, 23.3, 57.1, L, Arial10),
        field(source, QStringLiteral("prov"), 179.9, 23.3, 8.2, L, Arial10),
    };
}

// One VAT rate of an invoice: three headings over aliquota, imponibile and
// imposta of the given slot ("", "2", "3", "4").
struct VatColumns
{
    double headingY, aliquotaX, imponibileX, ivaX;
    double valueY, aliquotaValueX, imponibileValueX, impostaValueX;
};

QList<ReportElement> vatRate(const QString &source, const QString &slot, const VatColumns &c)
{
    return {
        text(QStringLiteral("Aliquota"), c.aliquotaX, c.headingY, Auto, L, Arial8),
        text(QStringLiteral("Imponibile"), c.imponibileX, c.headingY, Auto, L, Arial8),
        text(QStringLiteral("Iva"), c.ivaX, c.headingY, Auto, L, Arial8),
        field(source, QStringLiteral("aliquota") + slot, c.aliquotaValueX, c.valueY, 7.9, R, Arial8),
        field(source, QStringLiteral("imponibile") + slot, c.imponibileValueX, c.valueY, 15.1, R, Arial8),
        field(source, QStringLiteral("imposta") + slot, c.impostaValueX, c.valueY, 12.4, R, Arial8),
    };
}

// "Imponibile", "Tot. Iva" and "Totale Fattura" in their box, on the rows
// given by rowY.
struct TotalsRows
{
    double boxY, imponibileY, ivaY, totaleY;
};

QList<ReportElement> totalsBlock(const QString &source, const TotalsRows &rowY, const QString &imponibLabel,
                                 const QString &ivaLabel)
{
    return {
        box(137.6, rowY.boxY, 50.3, 19.8, 2),
        text(QStringLiteral("Imponibile"), 146.8, rowY.imponibileY, 15.6, R, Arial10),
        computed(imponibLabel, 163.8, rowY.imponibileY, 22.8, R, Arial10),
        text(QStringLiteral("Tot. Iva"), 151.3, rowY.ivaY, Auto, L, Arial10),
        computed(ivaLabel, 163.8, rowY.ivaY, 22.8, R, Arial10),
        text(QStringLiteral("Totale Fattura"), 138.9, rowY.totaleY, Auto, L, Arial10Bold),
        field(source, QStringLiteral("tot_doc"), 164.3, rowY.totaleY, 22.8, R, Arial10Bold),
    };
}

ReportBand issuedHeader()
{
    ReportBand band;
    band.name = QStringLiteral("QRBand10");
    band.height = 74.9;
    band.bottomEdge = true;
    band.elements = companyBlock(Azienda, 36.8);
    band.elements += {
        text(QStringLiteral("Tel."), 4.0, 26.5, Auto, L, Arial8),
        field(Azienda, QStringLiteral("telefono"), 10.1, 26.5, 29.9, L, Arial8),
        text(QStringLiteral("Mail:"), 42.1, 26.5, Auto, L, Arial8),
        field(Azienda, QStringLiteral("mail"), 48.7, 26.5, 57.4, L, Arial8),
    };
    band.elements += addresseeBlock(Testata);
    band.elements += {
        box(108.0, 27.8, 82.0, 21.7),
        text(QStringLiteral("LUOGO DI DESTINAZIONE (SE DIVERSO DAL DOMICILIO)"), 109.5, 29.6, Auto, L, Arial7.withUnderline()),
        field(Testata, QStringLiteral("dest_soc"), 109.5, 33.9, 78.6, L, Arial10),
        field(Testata, QStringLiteral("dest_indir"), 109.5, 38.1, 78.6, L, Arial10),
        field(Testata, QStringLiteral("dest_cap"), 109.5, 42.3, 13.0, L, Arial10),
        field(Testata, QStringLiteral("dest_comune"), 124.4, 42.3, 63.5, L, Arial10),
        hline(0.0, 189.2, 51.9, 2),
        text(QStringLiteral("TIPO DOCUMENTO:"), 2.1, 57.1, Auto, L, Arial10.withUnderline()),
        field(Testata, QStringLiteral("tipo_doc"), 36.5, 57.1, 63.2, L, Arial10Bold),
        text(QStringLiteral("PARTITA IVA"), 108.0, 55.0, Auto, L, Arial8),
        field(Testata, QStringLiteral("p_iva"), 109.5, 59.3, Auto, L, Arial10),
        text(QStringLiteral("NUM./DATA DOCUMENTO"), 148.2, 55.0, Auto, L, Arial8),
        field(Testata, QStringLiteral("num_doc"), 142.3, 59.3, 8.2, R, Arial10Bold),
        computed(QStringLiteral("QRLabel84"), 150.8, 59.3, 14.0, L, Arial10Bold),
        field(Testata, QStringLiteral("data_doc"), 166.7, 59.3, Auto, L, Arial10Bold),
        hline(0.0, 189.7, 66.8, 2),
    };
    band.elements += columnHeadings(69.6, 159.5);
    band.elements += verticalLines({0.1, 23.9, 106.0, 123.7, 141.2, 151.2, 174.2}, 66.9, 74.1);
    band.elements += vline(189.0, 66.7, 74.6);
    return band;
}

ReportBand issuedDetail()
{
    ReportBand band;
    band.name = QStringLiteral("QRBand11");
    band.height = 5.6;
    band.leftEdge = band.rightEdge = band.bottomEdge = true;
    band.elements = {
        field(Detta, QStringLiteral("codice_val"), 1.6, 0.0, 19.8, L, Arial8),
        field(Detta, QStringLiteral("descrizione"), 24.3, 0.0, 79.6, L, Arial8),
        field(Detta, QStringLiteral("quantita"), 106.6, 0.0, 12.2, R, Arial8),
        field(Detta, QStringLiteral("prezzo_unit"), 125.7, 0.0, 14.3, R, Arial8),
        field(Detta, QStringLiteral("sc_perc"), 142.6, 0.0, 6.3, C, Arial8),
        field(Detta, QStringLiteral("prezzo_tot"), 155.3, 0.0, 16.7, R, Arial8),
        field(Detta, QStringLiteral("aliquota"), 177.8, 0.0, 9.0, R, Arial8),
    };
    band.elements += verticalLines({23.9, 106.0, 123.7, 141.2, 151.2, 174.2}, 0.0, band.height);
    return band;
}

ReportBand issuedFooter()
{
    ReportBand band;
    band.name = QStringLiteral("QRBand12");
    band.height = 38.9;
    band.elements = {
        box(1.1, 1.3, 44.7, 10.6),
        box(45.5, 1.3, 44.7, 10.6),
        box(90.0, 1.3, 44.7, 10.6),
        box(1.1, 11.6, 44.7, 11.1),
    };
    band.elements += vatRate(Testata, QString(), {2.1, 2.1, 14.6, 40.2, 7.1, 2.1, 11.6, 31.8});
    band.elements += vatRate(Testata, QStringLiteral("2"), {2.1, 46.6, 61.4, 84.7, 7.1, 46.6, 58.7, 76.2});
    band.elements += vatRate(Testata, QStringLiteral("3"), {2.1, 91.0, 105.8, 129.1, 7.1, 91.0, 103.2, 120.7});
    band.elements += vatRate(Testata, QStringLiteral("4"), {12.7, 2.1, 16.9, 40.2, 17.7, 2.1, 14.3, 31.8});
    band.elements += totalsBlock(Testata, {0.5, 2.1, 6.3, 12.7}, QStringLiteral("imponib"), QStringLiteral("iva"));
    // The withholding and the net amount to pay, beside the totals: their
    // captions stay empty on an invoice without withholding.
    band.elements += {
        computed(QStringLiteral("rit_testo"), 91.0, 12.7, 27.0, L, Arial8),
        computed(QStringLiteral("ritenuta"), 118.5, 12.7, 17.0, R, Arial8),
        computed(QStringLiteral("netto_testo"), 91.0, 17.2, 27.0, L, Arial8.withBold()),
        computed(QStringLiteral("netto"), 118.5, 17.2, 17.0, R, Arial8.withBold()),
    };
    band.elements += {
        box(1.1, 22.5, 186.8, 15.1),
        text(QStringLiteral("Esenzione"), 1.6, 26.2, Auto, L, Arial10),
        text(QStringLiteral("Colli"), 177.3, 26.2, 7.1, L, Arial10),
        field(Testata, QStringLiteral("colli"), 169.3, 30.4, 15.1, R, Arial8),
    };
    return band;
}

ReportBand purchaseHeader()
{
    ReportBand band;
    band.name = QStringLiteral("QRBand1");
    band.height = 64.8;
    band.elements = companyBlock(TestaCar, 30.2);
    band.elements += addresseeBlock(Azienda);
    band.elements += {
        hline(0.0, 189.2, 41.3, 2),
        text(QStringLiteral("PARTITA IVA"), 108.0, 44.5, Auto, L, Arial8),
        text(QStringLiteral("NUM./DATA DOCUMENTO"), 148.2, 44.5, Auto, L, Arial8),
        text(QStringLiteral("TIPO DOCUMENTO:"), 2.1, 46.6, Auto, L, Arial10.withUnderline()),
        field(TestaCar, QStringLiteral("tipo_doc"), 36.5, 46.6, 63.2, L, Arial10Bold),
        field(TestaCar, QStringLiteral("p_iva"), 109.5, 48.7, Auto, L, Arial10),
        field(TestaCar, QStringLiteral("num_doc"), 152.9, 48.7, 8.2, R, Arial10Bold),
        field(TestaCar, QStringLiteral("data_doc"), 166.7, 48.7, Auto, L, Arial10Bold),
        hline(0.0, 189.7, 54.9, 2),
        hline(0.0, 189.7, 63.6, 2),
    };
    band.elements += columnHeadings(57.9, 157.4);
    band.elements += verticalLines({0.1, 23.9, 106.0, 123.7, 141.2, 151.2, 173.2}, 55.3, 62.4);
    return band;
}

ReportBand purchaseDetail()
{
    ReportBand band;
    band.name = QStringLiteral("QRBand2");
    band.height = 8.2;
    band.elements = {
        field(DettaCar, QStringLiteral("codice_val"), 1.6, 0.8, 17.7, L, Arial8),
        field(DettaCar, QStringLiteral("descrizione"), 25.1, 0.8, 78.8, L, Arial8),
        field(DettaCar, QStringLiteral("quantita"), 108.7, 0.8, 12.2, R, Arial8),
        field(DettaCar, QStringLiteral("prezzo_unit"), 125.4, 0.8, 14.3, R, Arial8),
        field(DettaCar, QStringLiteral("sc_perc"), 142.6, 0.8, 6.3, C, Arial8),
        field(DettaCar, QStringLiteral("prezzo_tot"), 153.2, 0.8, 16.7, R, Arial8),
        field(DettaCar, QStringLiteral("aliquota"), 176.5, 0.8, 10.1, R, Arial8),
        hline(0.0, 189.7, 7.3),
    };
    band.elements += verticalLines({23.9, 106.0, 123.7, 141.2, 151.2, 173.2}, 0.5, 6.1);
    return band;
}

ReportBand purchaseFooter()
{
    ReportBand band;
    band.name = QStringLiteral("QRBand3");
    band.height = 25.9;
    band.elements = {
        box(1.3, 2.6, 22.2, 9.8, 2),
        text(QStringLiteral("Tot. Merce"), 5.0, 3.2, Auto, L, Arial10),
        computed(QStringLiteral("imp_lordo1"), 4.8, 7.1, 16.4, R, Arial10),
        box(23.3, 2.6, 23.5, 9.8, 2),
        text(QStringLiteral("Spese"), 25.1, 3.2, Auto, L, Arial10),
        computed(QStringLiteral("spese1"), 24.1, 7.1, 21.2, R, Arial10),
        box(46.6, 2.6, 19.3, 9.8, 2),
        text(QStringLiteral("% Sconto"), 48.4, 3.2, Auto, L, Arial10),
        field(TestaCar, QStringLiteral("sc_perc"), 52.7, 6.9, 7.7, R, Arial10),
        box(65.6, 2.6, 23.5, 9.8, 2),
        text(QStringLiteral("Imp. Sconto"), 69.1, 3.2, Auto, L, Arial10),
        field(TestaCar, QStringLiteral("sc_importo"), 67.5, 6.9, 20.4, R, Arial10),
    };
    band.elements += totalsBlock(TestaCar, {2.6, 4.2, 8.5, 14.8}, QStringLiteral("imponib1"), QStringLiteral("iva1"));
    band.elements += vatRate(TestaCar, QString(), {14.8, 2.1, 14.6, 40.2, 19.8, 2.1, 11.6, 31.8});
    band.elements += vatRate(TestaCar, QStringLiteral("2"), {14.8, 46.6, 61.4, 84.7, 19.8, 46.6, 58.7, 76.2});
    return band;
}

} // namespace

namespace InvoiceLayouts {

ReportLayout issuedInvoice()
{
    ReportLayout layout;
    layout.name = QStringLiteral("QR1");
    layout.page.frame = true;
    layout.pageHeader = issuedHeader();
    layout.detail = issuedDetail();
    layout.pageFooter = issuedFooter();
    return layout;
}

ReportLayout purchaseInvoice()
{
    ReportLayout layout;
    layout.name = QStringLiteral("QR2");
    layout.pageHeader = purchaseHeader();
    layout.detail = purchaseDetail();
    layout.pageFooter = purchaseFooter();
    return layout;
}

} // namespace InvoiceLayouts
