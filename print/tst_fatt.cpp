#include "tst_fatt.h"

#include "invoicelayouts.h"
#include "tablerecords.h"

#include "reportengine.h"
#include "reportpainter.h"
#include "reportpreview.h"

#include "apperror.h"
#include "datetext.h"
#include "decimaltext.h"
#include "tdiz.h"

#include "fattura/exactdecimal.h"
#include "fattura/withholding.h"

#include <QPrinter>

namespace {

const QString Amount = QStringLiteral("#####0.00");

// A purchase amount as the supplier's file has it, grouping dots and all;
// what does not read counts as 0.
Single purchaseAmount(const TableComponent &header, const QString &field)
{
    QString text = header.text(field);
    text.remove(QLatin1Char('.'));
    long double value = 0;
    if (!DecimalText::tryReadStrict(text, &value))
        return 0;
    return toSingle(value);
}

// Sum of the given columns that read as decimal text; the others are left out.
Single sumOfReadable(const TableComponent &header, std::initializer_list<const char *> fields)
{
    Single sum = 0;
    for (const char *field : fields) {
        long double value = 0;
        if (DecimalText::tryReadStrict(header.text(QLatin1String(field)), &value))
            sum = toSingle(sum + value);
    }
    return sum;
}

} // namespace

TSt_Fatt::TSt_Fatt(TDiz *diz, QObject *parent)
    : QObject(parent), QR1(InvoiceLayouts::issuedInvoice()), QR2(InvoiceLayouts::purchaseInvoice()), m_diz(diz)
{
    QR1.pageHeader.beforePrint = [this](ReportLabels &labels) { QRBand10BeforePrint(labels); };
    QR1.pageFooter.beforePrint = [this](ReportLabels &labels) { QRBand12BeforePrint(labels); };
    QR2.pageFooter.beforePrint = [this](ReportLabels &labels) { QRBand3BeforePrint(labels); };
}

TSt_Fatt::~TSt_Fatt() = default;

QList<ReportPage> TSt_Fatt::buildQR1()
{
    const TableRecord testata(*m_diz->Testata);
    const TableRecord azienda(*m_diz->AziendaT);
    readWithholding();
    TableRows lines(*m_diz->Detta);
    ReportSources sources;
    sources.addRecord(QStringLiteral("Testata"), &testata);
    sources.addRecord(QStringLiteral("AziendaT"), &azienda);
    sources.setDetail(QStringLiteral("Detta"), &lines);
    return ReportEngine::build(QR1, sources);
}

QList<ReportPage> TSt_Fatt::buildQR2()
{
    const TableRecord header(*m_diz->Testa_Car);
    const TableRecord azienda(*m_diz->AziendaT);
    // Detta_Car holds the lines of every purchase invoice: only those of the
    // current one belong on its page.
    TableRows lines(*m_diz->Detta_Car, QStringLiteral("prot_car"), m_diz->Testa_Car->value(QStringLiteral("prot")));
    ReportSources sources;
    sources.addRecord(QStringLiteral("Testa_Car"), &header);
    sources.addRecord(QStringLiteral("AziendaT"), &azienda);
    sources.setDetail(QStringLiteral("Detta_Car"), &lines);
    return ReportEngine::build(QR2, sources);
}

void TSt_Fatt::previewQR1(QWidget *parent)
{
    const QList<ReportPage> pages = buildQR1();
    ReportPreview::exec(pages, QR1.page, printer(), QStringLiteral("Stampa Fattura"), parent);
}

void TSt_Fatt::previewQR2(QWidget *parent)
{
    const QList<ReportPage> pages = buildQR2();
    ReportPreview::exec(pages, QR2.page, printer(), QStringLiteral("Stampa Fattura di Acquisto"), parent);
}

void TSt_Fatt::writeQR1Pdf(const QString &fileName)
{
    ReportPainter::writePdf(buildQR1(), fileName);
}

void TSt_Fatt::writeQR2Pdf(const QString &fileName)
{
    ReportPainter::writePdf(buildQR2(), fileName);
}

QPrinter &TSt_Fatt::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setCopyCount(QR1.page.copies); // one copy, until the user asks for more
    }
    return *m_printer;
}

void TSt_Fatt::QRBand10BeforePrint(ReportLabels &labels)
{
    const QDate date = DateText::read(m_diz->Testata->text(QStringLiteral("data_doc")));
    labels.set(QStringLiteral("QRLabel84"), QStringLiteral("/ ") + QString::number(date.year()));
}

void TSt_Fatt::QRBand12BeforePrint(ReportLabels &labels)
{
    const TableComponent &testata = *m_diz->Testata;
    const Single imponib = sumOfReadable(testata, {"imponibile", "imponibile2", "imponibile3", "imponibile4"});
    const Single iva = sumOfReadable(testata, {"imposta", "imposta2", "imposta3", "imposta4"});
    labels.set(QStringLiteral("imponib"), DecimalText::format(imponib, Amount));
    labels.set(QStringLiteral("iva"), DecimalText::format(iva, Amount));
    const bool withheld = !m_withholding.isEmpty();
    labels.set(QStringLiteral("rit_testo"), withheld ? QStringLiteral("Ritenuta d'acconto") : QString());
    labels.set(QStringLiteral("ritenuta"), m_withholding);
    labels.set(QStringLiteral("netto_testo"), withheld ? QStringLiteral("Netto a pagare") : QString());
    labels.set(QStringLiteral("netto"), m_netToPay);
}

// The withholding as the FatturaPA file carries it. The print is not held
// up by incomplete withholding settings (the file refuses them): the rows
// are then left out.
void TSt_Fatt::readWithholding()
{
    m_withholding.clear();
    m_netToPay.clear();
    try {
        const Withholding withholding = Withholding::read(*m_diz->AziendaT, *m_diz->Detta);
        if (!withholding.due)
            return;
        const ExactDecimal total = ExactDecimal::fromText(m_diz->Testata->text(QStringLiteral("tot_doc")));
        m_withholding = withholding.amount.written(2).replace(QLatin1Char('.'), QLatin1Char(','));
        m_netToPay = (total - withholding.amount).written(2).replace(QLatin1Char('.'), QLatin1Char(','));
    } catch (const AppError &) {
        m_withholding.clear();
        m_netToPay.clear();
    }
}

void TSt_Fatt::QRBand3BeforePrint(ReportLabels &labels)
{
    const TableComponent &header = *m_diz->Testa_Car;
    const Single scImporto = purchaseAmount(header, QStringLiteral("sc_importo"));
    const Single imponibile = purchaseAmount(header, QStringLiteral("imponibile"));
    const Single imponibile2 = purchaseAmount(header, QStringLiteral("imponibile2"));
    const Single imposta = purchaseAmount(header, QStringLiteral("imposta"));
    const Single imposta2 = purchaseAmount(header, QStringLiteral("imposta2"));
    const Single spese = purchaseAmount(header, QStringLiteral("spese"));
    const Single spese2 = purchaseAmount(header, QStringLiteral("spese2"));

    const Single totImponibile = toSingle((long double)imponibile + imponibile2);
    const Single totIva = toSingle((long double)imposta + imposta2);
    const Single totSpese = toSingle((long double)spese + spese2);
    const Single merce = toSingle((long double)scImporto + totImponibile - totSpese);

    labels.set(QStringLiteral("imponib1"), DecimalText::format(totImponibile, Amount));
    labels.set(QStringLiteral("iva1"), DecimalText::format(totIva, Amount));
    labels.set(QStringLiteral("spese1"), DecimalText::format(totSpese, Amount));
    labels.set(QStringLiteral("imp_lordo1"), DecimalText::format(merce, Amount));
}
