// The printed invoice and the printed purchase invoice, laid out from a real
// invoice store: pages, element positions, footer computations and the PDF.
#include "apperror.h"
#include "tdiz.h"
#include "testdatabase.h"
#include "tst_fatt.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The page header ends 74.9 mm under the top margin; the footer takes the
// last 38.9 mm above the bottom margin.
constexpr double QR1DetailTop = 10 + 74.9;
constexpr double QR1FooterTop = 297 - 10 - 38.9;
constexpr double QR2FooterTop = 297 - 10 - 25.9;

struct Amounts
{
    QString imponibile[4];
    QString imposta[4];
};

QString sqlText(const QString &text)
{
    if (text.isNull())
        return QStringLiteral("NULL");
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QStringList texts(const QList<ReportTextItem> &items)
{
    QStringList result;
    for (const ReportTextItem &item : items)
        result.append(item.text);
    return result;
}

ReportTextItem only(const ReportPage &page, const QString &element)
{
    const QList<ReportTextItem> items = page.textsOf(element);
    if (items.size() != 1)
        qWarning() << element << "printed" << items.size() << "times";
    return items.value(0);
}

} // namespace

class TestStampa : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDiz> diz;
    std::unique_ptr<TSt_Fatt> form;

    void openStore()
    {
        diz = std::make_unique<TDiz>();
        db->openDataModule(*diz);
        form = std::make_unique<TSt_Fatt>(diz.get());
    }

    // An issued invoice with `lines` lines; returns its id_invio.
    int addInvoice(int lines, const QString &dataDoc = QStringLiteral("05/01/2021"), const Amounts &amounts = {})
    {
        db->execute(QStringLiteral(
                        "INSERT INTO testata (rag_soc, indirizzo, cap, comune, prov, p_iva, data_doc, num_doc, tipo_doc,"
                        " tot_doc, aliquota, imponibile, imposta, aliquota2, imponibile2, imposta2, imponibile3,"
                        " imposta3, imponibile4, imposta4, colli, dest_soc)"
                        " VALUES ('Bianchi Mario', 'Via Verdi 7', '20100', 'Milano', 'MI', '09876543210', %1, '12', 'TD01',"
                        " '147,73', '22,00', %2, %3, '10,00', %4, %5, %6, %7, %8, %9, '3', 'Magazzino Nord')")
                        .arg(sqlText(dataDoc), sqlText(amounts.imponibile[0]), sqlText(amounts.imposta[0]),
                             sqlText(amounts.imponibile[1]), sqlText(amounts.imposta[1]), sqlText(amounts.imponibile[2]),
                             sqlText(amounts.imposta[2]), sqlText(amounts.imponibile[3]), sqlText(amounts.imposta[3])));
        const int id = db->scalar(QStringLiteral("SELECT MAX(id_invio) FROM testata")).toInt();
        for (int i = 1; i <= lines; ++i)
            db->execute(QStringLiteral("INSERT INTO dettaglio (id_invio, prog, codice_val, descrizione, quantita, prezzo_unit,"
                                       " sc_perc, prezzo_tot, aliquota) VALUES (%1, %2, 'ART%2', 'Riga %2', '1.234,5',"
                                       " '10,00', '5', '9,50', '22,00')")
                            .arg(id)
                            .arg(i));
        return id;
    }

    void selectInvoice(int id)
    {
        QVERIFY(diz->Testata->locate(QStringLiteral("id_invio"), id));
    }

    // A purchase invoice with the given amounts and `lines` lines; returns its prot.
    int addPurchase(const QString &supplier, int lines, const QString &scImporto = QString(),
                    const QString &imponibile = QString(), const QString &spese = QString())
    {
        db->execute(QStringLiteral("INSERT INTO test_car (rag_soc, p_iva, data_doc, num_doc, tipo_doc, tot_doc, sc_perc,"
                                   " sc_importo, imponibile, spese) VALUES (%1, '11122233344', '10/03/2021', '77', 'TD01',"
                                   " '1.220,00', '2', %2, %3, %4)")
                        .arg(sqlText(supplier), sqlText(scImporto), sqlText(imponibile), sqlText(spese)));
        const int prot = db->scalar(QStringLiteral("SELECT MAX(prot) FROM test_car")).toInt();
        for (int i = 1; i <= lines; ++i)
            addPurchaseLine(prot, QStringLiteral("%1 riga %2").arg(supplier).arg(i));
        return prot;
    }

    void addPurchaseLine(int prot, const QString &description)
    {
        db->execute(QStringLiteral("INSERT INTO dett_car (prot_car, prog, codice_val, descrizione, quantita, prezzo_tot)"
                                   " VALUES (%1, 1, 'C1', %2, '2,00', '1.000,00')")
                        .arg(prot)
                        .arg(sqlText(description)));
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        db->execute(QStringLiteral("INSERT INTO azienda (rag_soc, indirizzo, cap, comune, prov, p_iva, cod_fis, telefono,"
                                   " mail) VALUES ('Rossi Forniture S.r.l.', 'Via Roma 1', '00100', 'Roma', 'RM',"
                                   " '01234567890', 'RSSMRA80A01H501U', '06 1234567', 'info@rossiforniture.it')"));
    }

    void cleanup()
    {
        form.reset();
        diz.reset();
        db.reset();
    }

    void qr1Pages_data();
    void qr1Pages();
    void qr1ElementsStandWhereTheLayoutPutsThem();
    void qr1FooterSums_data();
    void qr1FooterSums();
    void qr1WithholdingInTheTotals_data();
    void qr1WithholdingInTheTotals();
    void qr1YearAfterTheNumber_data();
    void qr1YearAfterTheNumber();
    void qr1UnreadableDateEndsTheReport_data();
    void qr1UnreadableDateEndsTheReport();
    void qr2FooterSums_data();
    void qr2FooterSums();
    void qr2PrintsOnlyTheCurrentPurchaseLines();
    void qr2Pages_data();
    void qr2Pages();
    void qr1PdfPageAndPositions();
};

void TestStampa::qr1Pages_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("linesPerPage");
    QTest::newRow("no lines") << 0 << QList<int>{0};
    QTest::newRow("page full") << 29 << QList<int>{29};
    QTest::newRow("30th line on page 2") << 30 << QList<int>{29, 1};
}

void TestStampa::qr1Pages()
{
    QFETCH(int, lines);
    QFETCH(QList<int>, linesPerPage);
    addInvoice(3); // another invoice's lines must not show
    const int id = addInvoice(lines, QStringLiteral("05/01/2021"), {{"100,00", "21,50"}, {"22,00", "4,73"}});
    openStore();
    selectInvoice(id);

    const QList<ReportPage> pages = form->buildQR1();
    QCOMPARE(pages.size(), linesPerPage.size());
    int prog = 1;
    for (const ReportPage &page : pages) {
        const QList<ReportTextItem> rows = page.textsOf(QStringLiteral("Detta.descrizione"));
        QCOMPARE(rows.size(), linesPerPage[page.number - 1]);
        for (const ReportTextItem &row : rows)
            QCOMPARE(row.text, QStringLiteral("Riga %1").arg(prog++));
        // Every page repeats the header and closes with the whole invoice's totals.
        QCOMPARE(only(page, QStringLiteral("PageNumber")).text, QString::number(page.number));
        QCOMPARE(only(page, QStringLiteral("AziendaT.rag_soc")).text, QStringLiteral("Rossi Forniture S.r.l."));
        QCOMPARE(only(page, QStringLiteral("Testata.rag_soc")).text, QStringLiteral("Bianchi Mario"));
        QCOMPARE(only(page, QStringLiteral("QRLabel84")).text, QStringLiteral("/ 2021"));
        QCOMPARE(only(page, QStringLiteral("imponib")).text, QStringLiteral("121,50"));
        QCOMPARE(only(page, QStringLiteral("iva")).text, QStringLiteral("26,73"));
        QCOMPARE(only(page, QStringLiteral("imponib")).box.top(), QR1FooterTop + 2.1);
        QCOMPARE(page.boxes.first().rect, QRectF(10, 10, 190, 277)); // the frame
    }
}

void TestStampa::qr1ElementsStandWhereTheLayoutPutsThem()
{
    const int id = addInvoice(2);
    openStore();
    selectInvoice(id);
    const ReportPage page = form->buildQR1().first();

    const ReportTextItem name = only(page, QStringLiteral("AziendaT.rag_soc"));
    QCOMPARE(name.box, QRectF(14.2, 12.1, 101.9, 6.6));
    QCOMPARE(name.font.family, QStringLiteral("Times New Roman"));
    QCOMPARE(name.font.pointSize, 16.0);
    QVERIFY(name.font.bold && name.font.italic && !name.font.underline);

    QCOMPARE(only(page, QStringLiteral("Testata.comune")).box, QRectF(131.4, 33.3, 57.1, 4.5));
    QCOMPARE(only(page, QStringLiteral("Testata.dest_soc")).text, QStringLiteral("Magazzino Nord"));
    const ReportTextItem number = only(page, QStringLiteral("Testata.num_doc"));
    QCOMPARE(number.box, QRectF(152.3, 69.3, 8.2, 4.5));
    QCOMPARE(number.align, ReportAlign::Right);
    QVERIFY(number.font.bold);
    QCOMPARE(only(page, QStringLiteral("QRLabel84")).box, QRectF(160.8, 69.3, 14.0, 4.5));
    QCOMPARE(only(page, QStringLiteral("Spett.le")).font.underline, true);

    // Line cells: stored text unchanged, one row under the other.
    const QList<ReportTextItem> quantities = page.textsOf(QStringLiteral("Detta.quantita"));
    QCOMPARE(quantities.size(), 2);
    QCOMPARE(quantities[0].text, QStringLiteral("1.234,5"));
    QCOMPARE(quantities[0].box, QRectF(116.6, QR1DetailTop, 12.2, 4.5));
    QCOMPARE(quantities[1].box.top(), QR1DetailTop + 5.6);
    QCOMPARE(page.textsOf(QStringLiteral("Detta.sc_perc"))[0].align, ReportAlign::Centre);

    // Footer on the bottom margin.
    const ReportTextItem total = only(page, QStringLiteral("Testata.tot_doc"));
    QCOMPARE(total.box, QRectF(174.3, QR1FooterTop + 12.7, 22.8, 4.5));
    QCOMPARE(total.text, QStringLiteral("147,73"));
    QCOMPARE(only(page, QStringLiteral("Testata.colli")).box, QRectF(179.3, QR1FooterTop + 30.4, 15.1, 4.5));

    // The pen 2 rule under the addresses, and the detail rows' ruled edges.
    bool rule = false;
    bool firstRowBottom = false;
    for (const ReportLineItem &line : page.lines) {
        rule |= line.pen == 2 && line.line == QLineF(10, 61.9, 199.2, 61.9);
        firstRowBottom |= line.pen == 1 && line.line == QLineF(10, QR1DetailTop + 5.6, 200, QR1DetailTop + 5.6);
    }
    QVERIFY(rule);
    QVERIFY(firstRowBottom);
}

void TestStampa::qr1FooterSums_data()
{
    QTest::addColumn<QStringList>("imponibili");
    QTest::addColumn<QString>("imponib");
    QTest::newRow("two rates") << QStringList{"100,00", "21,50", QString(), QString()} << "121,50";
    QTest::newRow("empty and unreadable left out") << QStringList{"", "abc", "1.000,00", "7"} << "7,00";
    QTest::newRow("four rates") << QStringList{"0,10", "0,20", "0,30", "0,40"} << "1,00";
    QTest::newRow("single precision") << QStringList{"1234567,89", QString(), QString(), QString()} << "1234567,88";
    QTest::newRow("nothing") << QStringList{QString(), QString(), QString(), QString()} << "0,00";
}

void TestStampa::qr1FooterSums()
{
    QFETCH(QStringList, imponibili);
    QFETCH(QString, imponib);
    Amounts amounts;
    for (int i = 0; i < 4; ++i) {
        amounts.imponibile[i] = imponibili[i];
        amounts.imposta[3 - i] = imponibili[i]; // the same values, other columns
    }
    const int id = addInvoice(0, QStringLiteral("05/01/2021"), amounts);
    openStore();
    selectInvoice(id);
    const ReportPage page = form->buildQR1().first();
    QCOMPARE(only(page, QStringLiteral("imponib")).text, imponib);
    QCOMPARE(only(page, QStringLiteral("iva")).text, imponib);
}

void TestStampa::qr1WithholdingInTheTotals_data()
{
    QTest::addColumn<QString>("ritenuta"); // of the first of two lines of 9,50
    QTest::addColumn<QString>("rate");     // the company's rit_aliquota
    QTest::addColumn<QStringList>("printed"); // caption and amount of the withholding, of the net amount
    QTest::newRow("withholding on one line")
        << "SI" << "20" << QStringList{"Ritenuta d'acconto", "1,90", "Netto a pagare", "145,83"};
    QTest::newRow("half a cent rounded away from zero")
        << "SI" << "3" << QStringList{"Ritenuta d'acconto", "0,29", "Netto a pagare", "147,44"};
    QTest::newRow("no withholding") << "NO" << "20" << QStringList{"", "", "", ""};
    QTest::newRow("withholding settings incomplete") << "SI" << "" << QStringList{"", "", "", ""};
}

void TestStampa::qr1WithholdingInTheTotals()
{
    QFETCH(QString, ritenuta);
    QFETCH(QString, rate);
    QFETCH(QStringList, printed);
    db->execute(QStringLiteral("UPDATE azienda SET rit_tipo = 'RT01', rit_aliquota = %1, rit_causale = 'A'")
                    .arg(sqlText(rate)));
    const int id = addInvoice(2);
    db->execute(QStringLiteral("UPDATE dettaglio SET ritenuta = %1 WHERE prog = 1").arg(sqlText(ritenuta)));
    openStore();
    selectInvoice(id);
    const ReportPage page = form->buildQR1().first();

    QStringList shown;
    for (const char *label : {"rit_testo", "ritenuta", "netto_testo", "netto"})
        shown << texts(page.textsOf(QLatin1String(label))).join(QString());
    QCOMPARE(shown, printed);
    QCOMPARE(only(page, QStringLiteral("netto")).box, QRectF(128.5, QR1FooterTop + 17.2, 17.0, 4.5));
    QCOMPARE(only(page, QStringLiteral("Testata.tot_doc")).text, QStringLiteral("147,73"));
}

void TestStampa::qr1YearAfterTheNumber_data()
{
    QTest::addColumn<QString>("dataDoc");
    QTest::addColumn<QString>("label");
    QTest::newRow("full date") << "05/01/2021" << "/ 2021";
    QTest::newRow("short year") << "31/12/19" << "/ 2019";
}

void TestStampa::qr1YearAfterTheNumber()
{
    QFETCH(QString, dataDoc);
    QFETCH(QString, label);
    const int id = addInvoice(1, dataDoc);
    openStore();
    selectInvoice(id);
    const ReportPage page = form->buildQR1().first();
    QCOMPARE(only(page, QStringLiteral("QRLabel84")).text, label);
    QCOMPARE(only(page, QStringLiteral("Testata.data_doc")).text, dataDoc);
}

void TestStampa::qr1UnreadableDateEndsTheReport_data()
{
    QTest::addColumn<QString>("dataDoc");
    QTest::newRow("empty") << QString();
    QTest::newRow("no date") << "31/02/2021";
    QTest::newRow("text") << "gennaio";
}

void TestStampa::qr1UnreadableDateEndsTheReport()
{
    QFETCH(QString, dataDoc);
    const int id = addInvoice(1, dataDoc);
    openStore();
    selectInvoice(id);
    QVERIFY_THROWS_EXCEPTION(AppError, form->buildQR1());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("fattura.pdf"));
    QVERIFY_THROWS_EXCEPTION(AppError, form->writeQR1Pdf(pdf));
    QVERIFY(!QFile::exists(pdf));
}

void TestStampa::qr2FooterSums_data()
{
    QTest::addColumn<QString>("scImporto");
    QTest::addColumn<QString>("imponibile");
    QTest::addColumn<QString>("spese");
    QTest::addColumn<QString>("merce");
    QTest::addColumn<QString>("speseTotal");
    QTest::addColumn<QString>("imponib");
    QTest::newRow("grouping dots") << "1.234,50" << "1.000,00" << "10,00" << "2224,50" << "10,00" << "1000,00";
    QTest::newRow("unreadable as 0") << "x" << "50,5" << "" << "50,50" << "0,00" << "50,50";
    QTest::newRow("nothing") << QString() << QString() << QString() << "0,00" << "0,00" << "0,00";
}

void TestStampa::qr2FooterSums()
{
    QFETCH(QString, scImporto);
    QFETCH(QString, imponibile);
    QFETCH(QString, spese);
    addPurchase(QStringLiteral("Fornitore"), 1, scImporto, imponibile, spese);
    openStore();
    const ReportPage page = form->buildQR2().first();
    QTEST(only(page, QStringLiteral("imp_lordo1")).text, "merce");
    QTEST(only(page, QStringLiteral("spese1")).text, "speseTotal");
    QTEST(only(page, QStringLiteral("imponib1")).text, "imponib");
    QCOMPARE(only(page, QStringLiteral("iva1")).text, QStringLiteral("0,00"));
    QCOMPARE(only(page, QStringLiteral("Testa_Car.sc_importo")).text, scImporto);
    QCOMPARE(only(page, QStringLiteral("imp_lordo1")).box, QRectF(14.8, QR2FooterTop + 7.1, 16.4, 4.5));
    QCOMPARE(only(page, QStringLiteral("iva1")).box, QRectF(173.8, QR2FooterTop + 8.5, 22.8, 4.5));
}

void TestStampa::qr2PrintsOnlyTheCurrentPurchaseLines()
{
    const int first = addPurchase(QStringLiteral("Alfa"), 2);
    const int second = addPurchase(QStringLiteral("Beta"), 2);
    addPurchaseLine(first, QStringLiteral("Alfa riga 3"));
    addPurchaseLine(second, QStringLiteral("Beta riga 3"));
    openStore();
    QVERIFY(diz->Testa_Car->locate(QStringLiteral("prot"), second));
    diz->Detta_Car->moveTo(1);

    const ReportPage page = form->buildQR2().first();
    QCOMPARE(texts(page.textsOf(QStringLiteral("Detta_Car.descrizione"))),
             (QStringList{"Beta riga 1", "Beta riga 2", "Beta riga 3"}));
    QCOMPARE(only(page, QStringLiteral("Testa_Car.rag_soc")).text, QStringLiteral("Beta"));
    QCOMPARE(only(page, QStringLiteral("AziendaT.rag_soc")).box, QRectF(119.5, 24.8, 78.6, 4.5));
    // The user's row of the lines table is where it was.
    QCOMPARE(diz->Detta_Car->currentIndex(), 1);
    QCOMPARE(diz->Testa_Car->integer(QStringLiteral("prot")), second);

    QVERIFY(diz->Testa_Car->locate(QStringLiteral("prot"), first));
    QCOMPARE(texts(form->buildQR2().first().textsOf(QStringLiteral("Detta_Car.descrizione"))),
             (QStringList{"Alfa riga 1", "Alfa riga 2", "Alfa riga 3"}));
}

void TestStampa::qr2Pages_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("linesPerPage");
    QTest::newRow("no lines") << 0 << QList<int>{0};
    QTest::newRow("page full") << 22 << QList<int>{22};
    QTest::newRow("23rd line on page 2") << 23 << QList<int>{22, 1};
}

void TestStampa::qr2Pages()
{
    QFETCH(int, lines);
    QFETCH(QList<int>, linesPerPage);
    addPurchase(QStringLiteral("Gamma"), lines, QStringLiteral("1.234,50"), QStringLiteral("1.000,00"),
                QStringLiteral("10,00"));
    openStore();
    const QList<ReportPage> pages = form->buildQR2();
    QCOMPARE(pages.size(), linesPerPage.size());
    for (const ReportPage &page : pages) {
        const QList<ReportTextItem> rows = page.textsOf(QStringLiteral("Detta_Car.descrizione"));
        QCOMPARE(rows.size(), linesPerPage[page.number - 1]);
        if (!rows.isEmpty())
            QCOMPARE(rows.first().box.top(), 10 + 64.8 + 0.8);
        QCOMPARE(only(page, QStringLiteral("PageNumber")).text, QString::number(page.number));
        QCOMPARE(only(page, QStringLiteral("imp_lordo1")).text, QStringLiteral("2224,50"));
        QVERIFY(page.boxes.size() == 6); // no frame: the supplier block, four small boxes, the totals
    }
}

void TestStampa::qr1PdfPageAndPositions()
{
    const QString pdftotext = QStringLiteral(PDFTOTEXT);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const int id = addInvoice(3, QStringLiteral("05/01/2021"), {{"100,00", "21,50"}, {"22,00", "4,73"}});
    openStore();
    selectInvoice(id);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("fattura.pdf"));
    form->writeQR1Pdf(pdf);

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());

    const QRegularExpression pageTag(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
    const auto pageMatch = pageTag.match(html);
    QVERIFY(pageMatch.hasMatch());
    QCOMPARE(qRound(pageMatch.captured(1).toDouble()), 595);
    QCOMPARE(qRound(pageMatch.captured(2).toDouble()), 842);
    QCOMPARE(html.count(QStringLiteral("<page ")), 1);

    // Word boxes, in points: left and top edges of left-aligned words, the
    // right edge of right-aligned ones.
    struct Expected
    {
        QString word;
        double mm;
        const char *edge;
        double topMm;
    };
    const QList<Expected> expected = {
        {QStringLiteral("PAG."), 10 + 173.6, "xMin", 10 + 2.1},
        {QStringLiteral("Spett.le"), 10 + 109.5, "xMin", 10 + 10.6},
        {QStringLiteral("Bianchi"), 10 + 109.5, "xMin", 10 + 14.8},
        {QStringLiteral("Riga"), 10 + 24.3, "xMin", QR1DetailTop},
        {QStringLiteral("121,50"), 10 + 163.8 + 22.8, "xMax", QR1FooterTop + 2.1},
        {QStringLiteral("147,73"), 10 + 164.3 + 22.8, "xMax", QR1FooterTop + 12.7},
    };
    const double ptPerMm = 72.0 / 25.4;
    for (const Expected &e : expected) {
        const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                                     "yMax=\"([0-9.]+)\">%1</word>")
                                          .arg(QRegularExpression::escape(e.word)));
        const auto match = word.match(html);
        QVERIFY2(match.hasMatch(), qPrintable(e.word));
        const double x = match.captured(qstrcmp(e.edge, "xMin") == 0 ? 1 : 3).toDouble() / ptPerMm;
        const double top = match.captured(2).toDouble() / ptPerMm;
        QVERIFY2(qAbs(x - e.mm) <= 0.5, qPrintable(QStringLiteral("%1 at x %2 mm").arg(e.word).arg(x)));
        QVERIFY2(qAbs(top - e.topMm) <= 0.5, qPrintable(QStringLiteral("%1 at y %2 mm").arg(e.word).arg(top)));
    }
}

QTEST_MAIN(TestStampa)
#include "tst_stampa.moc"
