// The SdI check on the official example files and on a clean invoice broken
// one rule at a time: each fault is caught with the SdI's code, and what the
// exchange system accepts is not reported.
#include "controllo/controllosdi.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kCleanName = u"IT01234567897_00001.xml"_s;

// A small FPR12 invoice that passes every check: a discounted line at 22%,
// an export at 0% with its nature code, one summary for each.
QString cleanInvoice()
{
    QFile file(QStringLiteral(CLEAN_INVOICE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("clean invoice missing");
    return QString::fromUtf8(file.readAll());
}

QStringList codes(const SdiProblems &problems)
{
    QStringList result;
    for (const SdiProblem &problem : problems)
        result << problem.code;
    result.removeDuplicates();
    result.sort();
    return result;
}

QString listed(const SdiProblems &problems)
{
    QStringList lines;
    for (const SdiProblem &problem : problems)
        lines << u"%1 (riga %2)"_s.arg(problem.toString()).arg(problem.line);
    return lines.join(u'\n');
}

} // namespace

class TestControlloSdi : public QObject
{
    Q_OBJECT
private slots:
    void officialExamples_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        // Placeholders with wrong check digits: transmitter, supplier, customer.
        const QStringList placeholders{u"00300"_s, u"00301"_s, u"00306"_s};
        QTest::newRow("FPA01") << u"IT01234567890_FPA01.xml"_s << placeholders;
        QTest::newRow("FPA02") << u"IT01234567890_FPA02.xml"_s << placeholders;
        QTest::newRow("FPA03") << u"IT01234567890_FPA03.xml"_s << placeholders;
        QTest::newRow("FPR01") << u"IT01234567890_FPR01.xml"_s << placeholders;
        QTest::newRow("FPR02 breaks the schema and its taxable total")
            << u"IT01234567890_FPR02.xml"_s << QStringList{u"00200"_s, u"00300"_s, u"00301"_s, u"00306"_s, u"00422"_s};
        QTest::newRow("FPR03 breaks the taxable total of its first body")
            << u"IT01234567890_FPR03.xml"_s << QStringList{u"00300"_s, u"00301"_s, u"00306"_s, u"00422"_s};
    }

    void officialExamples()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        const SdiProblems problems = ControlloSdi::checkFile(QStringLiteral(EXAMPLES_DIR "/") + file);
        QVERIFY2(codes(problems) == expected, qPrintable(listed(problems)));
    }

    void firstBodyOfALotIsNamed()
    {
        const SdiProblems problems = ControlloSdi::checkFile(QStringLiteral(EXAMPLES_DIR "/IT01234567890_FPR03.xml"));
        const auto taxable =
            std::find_if(problems.begin(), problems.end(), [](const SdiProblem &p) { return p.code == u"00422"; });
        QVERIFY(taxable != problems.end());
        QCOMPARE(taxable->path,
                 u"/p:FatturaElettronica/FatturaElettronicaBody[1]/DatiBeniServizi/DatiRiepilogo/ImponibileImporto"_s);
        QVERIFY(taxable->line > 0);
        QVERIFY(sdiProblemsText(problems).contains(u"/DatiRiepilogo/ImponibileImporto), riga %1"_s.arg(taxable->line)));
    }

    void brokenFiles_data()
    {
        // pairs of texts to replace in the clean invoice; its name; the
        // codes expected (empty: the file passes)
        QTest::addColumn<QStringList>("replacements");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char *name, QStringList replacements, QStringList expected,
                      const QString &fileName = kCleanName) {
            QTest::newRow(name) << replacements << fileName << expected;
        };
        const QString line1Rate = u"<PrezzoTotale>90.00</PrezzoTotale>\n<AliquotaIVA>22.00</AliquotaIVA>"_s;
        const QString summary1Rate = u"<AliquotaIVA>22.00</AliquotaIVA>\n<ImponibileImporto>"_s;

        row("clean invoice", {}, {});
        row("schema: currency missing", {u"<Divisa>EUR</Divisa>\n"_s, u""_s}, {u"00200"_s});
        row("not well-formed", {u"</p:FatturaElettronica>"_s, u""_s}, {u"00200"_s});
        row("00400 zero-rate line without nature",
            {u"<Natura>N3.1</Natura>\n</DettaglioLinee>"_s, u"</DettaglioLinee>"_s}, {u"00400"_s, u"00422"_s});
        row("00401 nature on a taxed line", {line1Rate, line1Rate + u"\n<Natura>N4</Natura>"_s},
            {u"00401"_s, u"00422"_s});
        row("00429 zero-rate summary without nature",
            {u"<Natura>N3.1</Natura>\n<ImponibileImporto>"_s, u"<ImponibileImporto>"_s}, {u"00422"_s, u"00429"_s});
        row("00430 nature on a taxed summary",
            {summary1Rate, u"<AliquotaIVA>22.00</AliquotaIVA>\n<Natura>N4</Natura>\n<ImponibileImporto>"_s},
            {u"00422"_s, u"00430"_s, u"BOLLO"_s});
        row("00419 a rate of the lines without summary",
            {line1Rate, u"<PrezzoTotale>90.00</PrezzoTotale>\n<AliquotaIVA>10.00</AliquotaIVA>"_s},
            {u"00419"_s, u"00422"_s});
        row("00421 tax off by two euros", {u"<Imposta>19.80</Imposta>"_s, u"<Imposta>21.80</Imposta>"_s}, {u"00421"_s});
        row("tax within one euro", {u"<Imposta>19.80</Imposta>"_s, u"<Imposta>20.60</Imposta>"_s}, {});
        row("00422 taxable off by two euros",
            {u"<ImponibileImporto>90.00</ImponibileImporto>"_s, u"<ImponibileImporto>92.00</ImponibileImporto>"_s,
             u"<Imposta>19.80</Imposta>"_s, u"<Imposta>20.24</Imposta>"_s},
            {u"00422"_s});
        row("rounding belongs to the taxable amount",
            {summary1Rate,
             u"<AliquotaIVA>22.00</AliquotaIVA>\n<Arrotondamento>1.50</Arrotondamento>\n<ImponibileImporto>"_s,
             u"<ImponibileImporto>90.00</ImponibileImporto>"_s, u"<ImponibileImporto>91.50</ImponibileImporto>"_s,
             u"<Imposta>19.80</Imposta>"_s, u"<Imposta>20.13</Imposta>"_s},
            {});
        row("charges are part of the line totals, not added",
            {summary1Rate,
             u"<AliquotaIVA>22.00</AliquotaIVA>\n<SpeseAccessorie>5.00</SpeseAccessorie>\n<ImponibileImporto>"_s},
            {});
        row("00423 line total not price times quantity",
            {u"<PrezzoTotale>90.00</PrezzoTotale>"_s, u"<PrezzoTotale>100.00</PrezzoTotale>"_s},
            {u"00422"_s, u"00423"_s});
        row("discount as an amount per unit", {u"<Percentuale>10.00</Percentuale>"_s, u"<Importo>2.50</Importo>"_s},
            {});
        row("00423 surcharge taken for a discount", {u"<Tipo>SC</Tipo>"_s, u"<Tipo>MG</Tipo>"_s}, {u"00423"_s});
        row("00424 rate as a fraction",
            {line1Rate, u"<PrezzoTotale>90.00</PrezzoTotale>\n<AliquotaIVA>0.22</AliquotaIVA>"_s},
            {u"00419"_s, u"00422"_s, u"00424"_s});
        const QString fund = u"<Numero>FT/12</Numero>\n<DatiCassaPrevidenziale>\n<TipoCassa>TC22</TipoCassa>\n"
                             "<AlCassa>4.00</AlCassa>\n<ImportoContributoCassa>3.60</ImportoContributoCassa>\n"
                             "<AliquotaIVA>%1</AliquotaIVA>\n</DatiCassaPrevidenziale>"_s;
        row("pension fund contribution in the taxable amount",
            {u"<Numero>FT/12</Numero>"_s, fund.arg(u"22.00"_s), u"<ImponibileImporto>90.00</ImponibileImporto>"_s,
             u"<ImponibileImporto>93.60</ImponibileImporto>"_s, u"<Imposta>19.80</Imposta>"_s,
             u"<Imposta>20.59</Imposta>"_s},
            {});
        row("00413 zero-rate pension fund without nature", {u"<Numero>FT/12</Numero>"_s, fund.arg(u"0.00"_s)},
            {u"00413"_s});
        row("00425 number without digits", {u"<Numero>FT/12</Numero>"_s, u"<Numero>FT/AB</Numero>"_s}, {u"00425"_s});
        row("00427 six-character code on a private invoice",
            {u"<CodiceDestinatario>ABC1234</CodiceDestinatario>"_s,
             u"<CodiceDestinatario>ABC123</CodiceDestinatario>"_s},
            {u"00427"_s});
        row("00427 seven-character code on a public-administration invoice",
            {u"versione=\"FPR12\""_s, u"versione=\"FPA12\""_s, u"<FormatoTrasmissione>FPR12"_s,
             u"<FormatoTrasmissione>FPA12"_s},
            {u"00427"_s});
        row("00428 format other than the version", {u"versione=\"FPR12\""_s, u"versione=\"FPA12\""_s}, {u"00428"_s});
        row("00313 XXXXXXX for an Italian customer",
            {u"<CodiceDestinatario>ABC1234</CodiceDestinatario>"_s,
             u"<CodiceDestinatario>XXXXXXX</CodiceDestinatario>"_s},
            {u"00313"_s});
        row("XXXXXXX for a customer abroad",
            {u"<CodiceDestinatario>ABC1234</CodiceDestinatario>"_s,
             u"<CodiceDestinatario>XXXXXXX</CodiceDestinatario>"_s,
             u"<IdPaese>IT</IdPaese>\n<IdCodice>09876543217</IdCodice>"_s,
             u"<IdPaese>FR</IdPaese>\n<IdCodice>09876543210</IdCodice>"_s},
            {});
        row("00417 customer without VAT number and fiscal code",
            {u"<IdFiscaleIVA>\n<IdPaese>IT</IdPaese>\n<IdCodice>09876543217</IdCodice>\n</IdFiscaleIVA>\n"
             "<CodiceFiscale>RSSMRA80A01H501U</CodiceFiscale>\n"_s,
             u""_s},
            {u"00417"_s});
        row("00445 generic nature code", {u"N3.1"_s, u"N3"_s}, {u"00445"_s});
        row("generic nature code before 2021",
            {u"N3.1"_s, u"N3"_s, u"<Data>2025-05-02</Data>"_s, u"<Data>2020-12-31</Data>"_s}, {});
        row("00300 transmitter code with a wrong check digit",
            {u"<IdCodice>12345678903</IdCodice>"_s, u"<IdCodice>12345678901</IdCodice>"_s}, {u"00300"_s});
        row("transmitter identified by a personal fiscal code",
            {u"<IdCodice>12345678903</IdCodice>"_s, u"<IdCodice>RSSMRA80A01H501U</IdCodice>"_s}, {});
        row("00301 supplier VAT number with a wrong check digit",
            {u"<IdCodice>01234567897</IdCodice>"_s, u"<IdCodice>01234567890</IdCodice>"_s}, {u"00301"_s});
        row("00305 customer VAT number with a wrong check digit",
            {u"<IdCodice>09876543217</IdCodice>"_s, u"<IdCodice>09876543210</IdCodice>"_s}, {u"00305"_s});
        row("00306 customer fiscal code with a wrong check character", {u"RSSMRA80A01H501U"_s, u"RSSMRA80A01H501X"_s},
            {u"00306"_s});
        row("00411 withholding on a line without DatiRitenuta",
            {line1Rate, line1Rate + u"\n<Ritenuta>SI</Ritenuta>"_s}, {u"00411"_s});
        row("withholding on a line with DatiRitenuta",
            {line1Rate, line1Rate + u"\n<Ritenuta>SI</Ritenuta>"_s, u"<Numero>FT/12</Numero>"_s,
             u"<Numero>FT/12</Numero>\n<DatiRitenuta>\n<TipoRitenuta>RT01</TipoRitenuta>\n"
             "<ImportoRitenuta>18.00</ImportoRitenuta>\n<AliquotaRitenuta>20.00</AliquotaRitenuta>\n"
             "<CausalePagamento>A</CausalePagamento>\n</DatiRitenuta>"_s},
            {});
        row("00411 withholding on a pension fund without DatiRitenuta",
            {u"<Numero>FT/12</Numero>"_s, fund.arg(u"22.00"_s).replace(u"</DatiCassaPrevidenziale>"_s,
                                                                       u"<Ritenuta>SI</Ritenuta>\n</DatiCassaPrevidenziale>"_s),
             u"<ImponibileImporto>90.00</ImponibileImporto>"_s, u"<ImponibileImporto>93.60</ImponibileImporto>"_s,
             u"<Imposta>19.80</Imposta>"_s, u"<Imposta>20.59</Imposta>"_s},
            {u"00411"_s});
        // The export line and summary turned into operations that owe the stamp duty.
        auto dutiable = [](const QString &nature, const QString &amount) {
            return QStringList{u"N3.1"_s, nature, u"<PrezzoUnitario>10.00</PrezzoUnitario>"_s,
                               u"<PrezzoUnitario>%1</PrezzoUnitario>"_s.arg(amount),
                               u"<PrezzoTotale>10.00</PrezzoTotale>"_s, u"<PrezzoTotale>%1</PrezzoTotale>"_s.arg(amount),
                               u"<ImponibileImporto>10.00</ImponibileImporto>"_s,
                               u"<ImponibileImporto>%1</ImponibileImporto>"_s.arg(amount)};
        };
        const QStringList stamp{u"<Numero>FT/12</Numero>"_s,
                                u"<Numero>FT/12</Numero>\n<DatiBollo>\n<BolloVirtuale>SI</BolloVirtuale>\n"
                                "<ImportoBollo>2.00</ImportoBollo>\n</DatiBollo>"_s};
        row("BOLLO exempt operations above 77,47 without stamp duty", dutiable(u"N4"_s, u"77.48"_s), {u"BOLLO"_s});
        row("BOLLO declaration of intent", dutiable(u"N3.5"_s, u"100.00"_s), {u"BOLLO"_s});
        row("BOLLO outside the VAT field", dutiable(u"N2.1"_s, u"100.00"_s), {u"BOLLO"_s});
        row("exempt operations of 77,47 owe no stamp duty", dutiable(u"N4"_s, u"77.47"_s), {});
        row("exempt operations with the stamp duty", dutiable(u"N4"_s, u"100.00"_s) + stamp, {});
        row("exports owe no stamp duty", dutiable(u"N3.1"_s, u"100.00"_s), {});
        row("00001 progressive of four characters", {}, {u"00001"_s}, u"IT01234567897_0001.xml"_s);
        row("00001 no country prefix", {}, {u"00001"_s}, u"01234567897_00001.xml"_s);
        row("00003 file above 5 MB",
            {u"</p:FatturaElettronica>"_s,
             u"</p:FatturaElettronica>\n<!--"_s + QString(5 * 1024 * 1024, u'x') + u"-->"_s},
            {u"00003"_s});
    }

    void brokenFiles()
    {
        QFETCH(QStringList, replacements);
        QFETCH(QString, fileName);
        QFETCH(QStringList, expected);

        QString text = cleanInvoice();
        for (qsizetype i = 0; i + 1 < replacements.size(); i += 2) {
            QVERIFY2(text.contains(replacements[i]), qPrintable(replacements[i]));
            text.replace(replacements[i], replacements[i + 1]);
        }
        const SdiProblems problems = ControlloSdi::checkBytes(text.toUtf8(), fileName);
        QVERIFY2(codes(problems) == expected, qPrintable(listed(problems)));
        for (const SdiProblem &problem : problems)
            QVERIFY2(!problem.text.isEmpty() && (problem.line > 0 || problem.path.isEmpty()),
                     qPrintable(problem.toString()));
    }

    // The stamp duty is a warning: the file still passes, unless an error
    // stands beside it.
    void warningsLeaveTheFilePassing_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("errors");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("stamp duty only") << u"FT/12"_s << false << u"BOLLO (avviso): Operazioni senza IVA per 100.00"_s;
        QTest::newRow("stamp duty beside an error") << u"FT/AB"_s << true << u"00425: "_s;
    }

    void warningsLeaveTheFilePassing()
    {
        QFETCH(QString, number);
        QFETCH(bool, errors);
        QFETCH(QString, firstLine);
        QString text = cleanInvoice();
        text.replace(u"N3.1"_s, u"N4"_s)
            .replace(u"<PrezzoUnitario>10.00<"_s, u"<PrezzoUnitario>100.00<"_s)
            .replace(u"<PrezzoTotale>10.00<"_s, u"<PrezzoTotale>100.00<"_s)
            .replace(u"<ImponibileImporto>10.00<"_s, u"<ImponibileImporto>100.00<"_s)
            .replace(u"<Numero>FT/12<"_s, u"<Numero>%1<"_s.arg(number));
        const SdiProblems problems = ControlloSdi::checkBytes(text.toUtf8(), kCleanName);
        QCOMPARE(hasErrors(problems), errors);
        QVERIFY2(sdiProblemsText(problems).startsWith(firstLine), qPrintable(listed(problems)));
        QCOMPARE(problems.last().isWarning(), true);
    }
};

QTEST_GUILESS_MAIN(TestControlloSdi)
#include "tst_controllosdi.moc"
