// The FatturaPA writers on invoices in a store of their own: files compared
// with golden files written by hand, the failure points and what each
// leaves behind, and well-formed XML whatever the stored texts hold.
#include "db/apperror.h"
#include "fattura/generaxml.h"
#include "invoicesamples.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Writer = QString (*)(TDiz &);

enum class Sample { CompletePrivate, EssentialPrivate, SplitPayment, Charges, Withholding, StampDuty };

InvoiceRows sampleRows(Sample sample)
{
    switch (sample) {
    case Sample::CompletePrivate:
        return InvoiceSamples::completePrivate();
    case Sample::EssentialPrivate:
        return InvoiceSamples::essentialPrivate();
    case Sample::SplitPayment:
        return InvoiceSamples::splitPayment();
    case Sample::Charges:
        return InvoiceSamples::withCharges();
    case Sample::Withholding:
        return InvoiceSamples::withWithholding();
    case Sample::StampDuty:
        return InvoiceSamples::withStampDuty();
    }
    return {};
}

QByteArray golden(const QString &name)
{
    const QByteArray bytes = fileBytes(QStringLiteral(GOLDEN_DIR "/") + name);
    if (bytes.isEmpty())
        qFatal("golden file %s missing", qPrintable(name));
    return bytes;
}

// The first line where two files part, for a readable failure.
QString firstDifference(const QByteArray &actual, const QByteArray &expected)
{
    const QList<QByteArray> a = QByteArray(actual).replace('\r', "\\r").split('\n');
    const QList<QByteArray> e = QByteArray(expected).replace('\r', "\\r").split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        if (a.value(i) != e.value(i))
            return u"line %1: got \"%2\", expected \"%3\""_s.arg(i + 1).arg(QString::fromUtf8(a.value(i)),
                                                                              QString::fromUtf8(e.value(i)));
    }
    return QString();
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString runWriter(Writer writer, TDiz &diz)
{
    try {
        writer(diz);
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

const QByteArray kEarlierFile = "earlier file\r\n";

// Short, since the company's path column holds 40 characters.
QString folderTemplate()
{
    return QDir::tempPath() + u"/fx-XXXXXX"_s;
}

} // namespace

class TestGeneraXml : public QObject
{
    Q_OBJECT
private slots:
    void writesTheGoldenFile_data();
    void writesTheGoldenFile();
    void writesEdgeCases_data();
    void writesEdgeCases();
    void stopsAndKeepsTheEarlierFile_data();
    void stopsAndKeepsTheEarlierFile();
    void missingFolderStopsAfterTheNameIsSaved();
    void bothFormatsShareOneName();
};

void TestGeneraXml::writesTheGoldenFile_data()
{
    QTest::addColumn<Sample>("sample");
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("goldenFile");

    QTest::newRow("private, every optional element")
        << Sample::CompletePrivate << &GeneraXmlPrivati << u"IT01234567890_00042.xml"_s << u"privati_completa.xml"_s;
    QTest::newRow("private, no optional element")
        << Sample::EssentialPrivate << &GeneraXmlPrivati << u"IT01234567890_0007.xml"_s << u"privati_essenziale.xml"_s;
    QTest::newRow("public administration")
        << Sample::SplitPayment << &GeneraXmlPA << u"IT01234567890_B12345.xml"_s << u"pa_pagamento_scisso.xml"_s;
    QTest::newRow("expenses at both rates")
        << Sample::Charges << &GeneraXmlPrivati << u"IT01234567897_00021.xml"_s << u"privati_spese.xml"_s;
    QTest::newRow("withholding on some lines, instalments")
        << Sample::Withholding << &GeneraXmlPrivati << u"IT01234567897_00022.xml"_s << u"privati_ritenuta.xml"_s;
    QTest::newRow("stamp duty")
        << Sample::StampDuty << &GeneraXmlPrivati << u"IT01234567897_00023.xml"_s << u"privati_bollo.xml"_s;
    QTest::newRow("public administration, stamp duty")
        << Sample::StampDuty << &GeneraXmlPA << u"IT01234567897_00023.xml"_s << u"pa_bollo.xml"_s;
}

void TestGeneraXml::writesTheGoldenFile()
{
    QFETCH(Sample, sample);
    QFETCH(Writer, writer);
    QFETCH(QString, fileName);
    QFETCH(QString, goldenFile);

    QTemporaryDir folder(folderTemplate());
    InvoiceRows rows = sampleRows(sample);
    rows.company[u"path"_s] = folder.path() + u'/';
    InvoiceStore store(rows);
    TDiz &diz = store.diz();

    const QString path = writer(diz);
    QCOMPARE(path, folder.path() + u'/' + fileName);
    QCOMPARE(filesIn(folder.path()), QStringList{fileName});
    const QByteArray written = fileBytes(path);
    const QByteArray expected = golden(goldenFile);
    QVERIFY2(written == expected, qPrintable(firstDifference(written, expected)));
    QCOMPARE(xmlError(written), QString());

    QCOMPARE(store.storedFileName(), fileName);
    QCOMPARE(diz.Testata->state(), TableComponent::State::Browse);
    QCOMPARE(diz.Testata->integer(u"id_invio"_s), rows.invoice.value(u"id_invio"_s).toInt());
    QVERIFY(diz.Detta->eof());
    QCOMPARE(diz.Detta->currentIndex(), diz.Detta->rowCount() - 1);
}

void TestGeneraXml::writesEdgeCases_data()
{
    // changes to a sample; a line of the written file and how often it occurs
    QTest::addColumn<Sample>("sample");
    QTest::addColumn<QVariantMap>("changes");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("count");

    const Sample priv = Sample::CompletePrivate;
    // The sample withholds 20% of 180,00.
    QTest::newRow("bank transfer without instalments pays the total less the withholding")
        << priv << QVariantMap{{"testata.n_rate", 0}} << u"<ImportoPagamento>289.52</ImportoPagamento>"_s << 1;
    QTest::newRow("three instalments of 100,00 less 36,00")
        << priv << QVariantMap{{"testata.n_rate", 3}, {"testata.tot_doc", "100,00"}, {"testata.scad3", "5/6/24"}}
        << u"<ImportoPagamento>21.33</ImportoPagamento>"_s << 3;
    QTest::newRow("bank transfer without withholding pays the total")
        << priv << QVariantMap{{"testata.n_rate", 0}, {"dettaglio.ritenuta", ""}}
        << u"<ImportoPagamento>325.52</ImportoPagamento>"_s << 1;
    QTest::newRow("withholding only on lines with SI in capitals")
        << priv << QVariantMap{{"dettaglio.ritenuta", "si"}} << u"<DatiRitenuta>"_s << 0;
    QTest::newRow("withholding with a grouped amount and a rate with decimals")
        << priv << QVariantMap{{"dettaglio.prezzo_tot", "1.000,10"}, {"azienda.rit_aliquota", "12,5"}}
        << u"<ImportoRitenuta>125.01</ImportoRitenuta>"_s << 1;
    QTest::newRow("withholding rate written with two decimals")
        << priv << QVariantMap{{"azienda.rit_aliquota", "4"}} << u"<AliquotaRitenuta>4.00</AliquotaRitenuta>"_s << 1;
    QTest::newRow("public administration pays the taxable amount less the withholding")
        << Sample::SplitPayment << QVariantMap{{"dettaglio.ritenuta", "SI"}}
        << u"<ImportoPagamento>130.00</ImportoPagamento>"_s << 1;
    QTest::newRow("no expenses, no expense line")
        << priv << QVariantMap{{"testata.spese", "0,00"}, {"testata.spese2", "0"}}
        << u"<Descrizione>Spese accessorie</Descrizione>"_s << 0;
    QTest::newRow("negative expense writes no expense line")
        << priv << QVariantMap{{"testata.spese", "-5,00"}, {"testata.spese2", "0"}}
        << u"<Descrizione>Spese accessorie</Descrizione>"_s << 0;
    QTest::newRow("expense of a slot at a nonzero rate carries no nature")
        << priv << QVariantMap{{"testata.natura", "N2.2"}, {"testata.spese2", "0"}} << u"<Natura>N2.2</Natura>"_s << 1;
    QTest::newRow("expense of a second slot whose taxable is empty still has its summary")
        << priv << QVariantMap{{"testata.imponibile2", ""}, {"testata.imposta2", ""}, {"testata.spese2", "3,50"}}
        << u"<ImponibileImporto>3.50</ImponibileImporto>"_s << 1;
    QTest::newRow("no stamp duty by default") << priv << QVariantMap() << u"<DatiBollo>"_s << 0;
    QTest::newRow("stamp duty") << priv << QVariantMap{{"testata.bollo", 1}} << u"<ImportoBollo>2.00</ImportoBollo>"_s
                                << 1;
    QTest::newRow("a fifth instalment reads no due date")
        << priv << QVariantMap{{"testata.n_rate", 5}, {"testata.scad3", "05/06/2024"}, {"testata.scad4", "05/07/2024"}}
        << u"<DataScadenzaPagamento>2024-07-05</DataScadenzaPagamento>"_s << 1;
    QTest::newRow("negative instalment count writes no payment detail")
        << priv << QVariantMap{{"testata.n_rate", -1}} << u"<DettaglioPagamento>"_s << 0;
    QTest::newRow("mp05 in lower case is no bank transfer")
        << priv << QVariantMap{{"testata.mod_pag", "mp05"}} << u"<DatiPagamento>"_s << 0;
    QTest::newRow("discount percentage written with two decimals")
        << priv << QVariantMap{{"testata.sc_perc", "12,5"}} << u"<Percentuale>12.50</Percentuale>"_s << 1;
    QTest::newRow("whole discount percentage written with two decimals")
        << priv << QVariantMap{{"testata.sc_perc", "15"}} << u"<Percentuale>15.00</Percentuale>"_s << 1;
    QTest::newRow("blank recipient code writes seven zeros")
        << priv << QVariantMap{{"testata.cod_dest", "  "}} << u"<CodiceDestinatario>0000000</CodiceDestinatario>"_s
        << 1;
    QTest::newRow("company without phone and mail has no contacts")
        << priv << QVariantMap{{"azienda.telefono", ""}, {"azienda.mail", ""}} << u"<ContattiTrasmittente>"_s << 0;
    QTest::newRow("company without mail writes no empty Email")
        << priv << QVariantMap{{"azienda.mail", ""}} << u"<Email></Email>"_s << 0;
    QTest::newRow("company without REA office has no REA block")
        << priv << QVariantMap{{"azienda.uff_rea", ""}} << u"<IscrizioneREA>"_s << 0;
    QTest::newRow("company without REA number has no REA block")
        << priv << QVariantMap{{"azienda.num_rea", ""}} << u"<IscrizioneREA>"_s << 0;
    QTest::newRow("no share capital, no CapitaleSociale")
        << priv << QVariantMap{{"azienda.capit_soc", ""}} << u"<CapitaleSociale>"_s << 0;
    QTest::newRow("no single-shareholder code, no SocioUnico")
        << priv << QVariantMap{{"azienda.soc_uni", ""}} << u"<SocioUnico>"_s << 0;
    QTest::newRow("empty liquidation state is not in liquidation")
        << priv << QVariantMap{{"azienda.stato_liq", ""}} << u"<StatoLiquidazione>LN</StatoLiquidazione>"_s << 1;
    QTest::newRow("consumer with a blank VAT number has no customer IdFiscaleIVA")
        << priv << QVariantMap{{"testata.p_iva", " "}} << u"<IdFiscaleIVA>"_s << 1;
    QTest::newRow("flat-rate company")
        << priv << QVariantMap{{"azienda.reg_fisc", "RF19"}} << u"<RegimeFiscale>RF19</RegimeFiscale>"_s << 1;
    QTest::newRow("company without tax regime is ordinary")
        << priv << QVariantMap{{"azienda.reg_fisc", ""}} << u"<RegimeFiscale>RF01</RegimeFiscale>"_s << 1;
    QTest::newRow("reference with an Italian date")
        << priv << QVariantMap{{"dati_acquisto.data", "7/3/24"}} << u"<Data>2024-03-07</Data>"_s << 1;
    QTest::newRow("reference with a line number")
        << priv << QVariantMap{{"dati_acquisto.n_linea", 4}}
        << u"<RiferimentoNumeroLinea>4</RiferimentoNumeroLinea>"_s << 1;
    QTest::newRow("public administration flat-rate company without phone")
        << Sample::SplitPayment << QVariantMap{{"azienda.reg_fisc", "RF19"}, {"azienda.telefono", ""}}
        << u"<RegimeFiscale>RF19</RegimeFiscale>"_s << 1;
    QTest::newRow("discount percentage 0 writes no document discount")
        << priv << QVariantMap{{"testata.sc_perc", "0"}} << u"<ScontoMaggiorazione>"_s << 2;
    QTest::newRow("second summary with empty taxable is left out")
        << priv << QVariantMap{{"testata.imponibile2", ""}, {"testata.spese2", "0,00"}} << u"<DatiRiepilogo>"_s << 3;
    QTest::newRow("customer abroad")
        << priv << QVariantMap{{"testata.nazione", "FR"}, {"testata.prov", ""}} << u"<IdPaese>FR</IdPaese>"_s << 1;
    QTest::newRow("markup in a value written as stored")
        << priv << QVariantMap{{"testata.num_doc", "1<2>&3"}} << u"<Numero>1&#60;2&#62;&#38;3</Numero>"_s << 1;
    QTest::newRow("tab in a description")
        << priv << QVariantMap{{"dettaglio.descrizione", "A\tB"}} << u"<Descrizione>A\tB</Descrizione>"_s << 1;
    QTest::newRow("public administration with no recipient code")
        << Sample::SplitPayment << QVariantMap{{"testata.cod_dest", ""}}
        << u"<CodiceDestinatario></CodiceDestinatario>"_s << 1;
    QTest::newRow("public administration with a fourth summary")
        << Sample::SplitPayment
        << QVariantMap{{"testata.imponibile4", "20,50"}, {"testata.imposta4", "0,82"}, {"testata.aliquota4", "4"},
                       {"testata.natura4", ""}}
        << u"<ImportoPagamento>170.50</ImportoPagamento>"_s << 1;
}

void TestGeneraXml::writesEdgeCases()
{
    QFETCH(Sample, sample);
    QFETCH(QVariantMap, changes);
    QFETCH(QString, line);
    QFETCH(int, count);

    QTemporaryDir folder(folderTemplate());
    InvoiceRows rows = sampleRows(sample);
    rows.company[u"path"_s] = folder.path() + u'/';
    rows.apply(changes);
    InvoiceStore store(rows);
    const Writer writer = sample == Sample::SplitPayment ? &GeneraXmlPA : &GeneraXmlPrivati;

    const QByteArray written = fileBytes(writer(store.diz()));
    QCOMPARE(xmlError(written), QString());
    const QList<QByteArray> lines = written.split('\n');
    const auto occurrences = std::count(lines.begin(), lines.end(), line.toUtf8() + '\r');
    QCOMPARE(int(occurrences), count);
}

void TestGeneraXml::stopsAndKeepsTheEarlierFile_data()
{
    // changes to the complete private invoice; the message; whether
    // nome_file was saved before the writer stopped
    QTest::addColumn<QVariantMap>("changes");
    QTest::addColumn<bool>("withoutLines");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("nameSaved");

    // Before nome_file is saved: nothing changes.
    QTest::newRow("NULL in a company column")
        << QVariantMap{{"azienda.telefono", QVariant()}} << false
        << u"Valore nullo nella colonna 'telefono' della tabella 'azienda'"_s << false;
    QTest::newRow("NULL in a delivery column")
        << QVariantMap{{"testata.dest_comune", QVariant()}} << false
        << u"Valore nullo nella colonna 'dest_comune' della tabella 'testata'"_s << false;
    QTest::newRow("share capital not a number")
        << QVariantMap{{"azienda.capit_soc", "10 mila"}} << false
        << u"'10 mila' is not a valid floating point value"_s << false;
    QTest::newRow("document date not a date")
        << QVariantMap{{"testata.data_doc", "31/02/2024"}} << false << u"'31/02/2024' is not a valid date"_s
        << false;
    QTest::newRow("control character in a company name")
        << QVariantMap{{"azienda.rag_soc", "Rossi\x01"}} << false
        << u"Carattere non ammesso in XML nella colonna 'rag_soc' della tabella 'azienda'"_s << false;
    QTest::newRow("U+FFFF in a customer address")
        << QVariantMap{{"testata.indirizzo", u"Corso\uFFFF"_s}} << false
        << u"Carattere non ammesso in XML nella colonna 'indirizzo' della tabella 'testata'"_s << false;
    QTest::newRow("control character in a line description")
        << QVariantMap{{"dettaglio.descrizione", "Farina\x1b"}} << false
        << u"Carattere non ammesso in XML nella colonna 'descrizione' della tabella 'dettaglio'"_s << false;
    QTest::newRow("control character in a chargeability code")
        << QVariantMap{{"testata.esig_iva", "\x02"}} << false
        << u"Carattere non ammesso in XML nella colonna 'esig_iva' della tabella 'testata'"_s << false;
    QTest::newRow("customer without VAT number and fiscal code")
        << QVariantMap{{"testata.p_iva", " "}, {"testata.cod_fis", ""}} << false
        << u"Mancano la partita IVA e il codice fiscale del cliente: indicarne almeno uno nella fattura prima di "
           "creare il file XML"_s
        << false;
    QTest::newRow("reference date not a date")
        << QVariantMap{{"dati_acquisto.data", "31/02/2024"}} << false << u"'31/02/2024' is not a valid date"_s
        << false;
    QTest::newRow("control character in a CIG")
        << QVariantMap{{"dati_acquisto.cig", "Z\x01"}} << false
        << u"Carattere non ammesso in XML nella colonna 'cig' della tabella 'dati_acquisto'"_s << false;
    QTest::newRow("file name longer than nome_file holds")
        << QVariantMap{{"deskTitle", "ABCD"}} << false
        << u"Il nome del file 'IT01234567890_ABCD0042.xml' supera i 25 caratteri della colonna 'nome_file'"_s
        << false;
    QTest::newRow("withholding without its type")
        << QVariantMap{{"azienda.rit_tipo", " "}} << false
        << u"La fattura ha righe con ritenuta d'acconto: indicare Tipo Ritenuta nei dati dell'azienda prima di "
           "creare il file XML"_s
        << false;
    QTest::newRow("withholding without any setting")
        << QVariantMap{{"azienda.rit_tipo", ""}, {"azienda.rit_aliquota", ""}, {"azienda.rit_causale", QVariant()}}
        << false
        << u"La fattura ha righe con ritenuta d'acconto: indicare Tipo Ritenuta, Aliquota Ritenuta, Causale "
           "Pagamento nei dati dell'azienda prima di creare il file XML"_s
        << false;
    QTest::newRow("withholding rate not a number")
        << QVariantMap{{"azienda.rit_aliquota", "venti"}} << false << u"'venti' is not a valid floating point value"_s
        << false;
    QTest::newRow("expense without a rate")
        << QVariantMap{{"testata.aliquota", ""}} << false
        << u"Spese di 10,00 nel riepilogo IVA 1 senza aliquota: indicare l'aliquota IVA delle spese o toglierle "
           "prima di creare il file XML"_s
        << false;
    QTest::newRow("expense of the second slot without a rate")
        << QVariantMap{{"testata.aliquota2", " "}, {"testata.spese2", "2,50"}} << false
        << u"Spese di 2,50 nel riepilogo IVA 2 senza aliquota: indicare l'aliquota IVA delle spese o toglierle "
           "prima di creare il file XML"_s
        << false;
    // In the body, after nome_file is saved.
    QTest::newRow("no lines and no totals")
        << QVariantMap{{"testata.imponibile", ""}, {"testata.imposta", ""}} << true
        << u"'' is not a valid floating point value"_s << true;
    QTest::newRow("line price not a number")
        << QVariantMap{{"dettaglio.prezzo_unit", "venti"}} << false
        << u"'venti' is not a valid floating point value"_s << true;
    QTest::newRow("NULL unit of measure")
        << QVariantMap{{"dettaglio.um", QVariant()}} << false
        << u"Valore nullo nella colonna 'um' della tabella 'dettaglio'"_s << true;
    QTest::newRow("NULL nature code of a written summary")
        << QVariantMap{{"testata.natura", QVariant()}} << false
        << u"Valore nullo nella colonna 'natura' della tabella 'testata'"_s << true;
    QTest::newRow("empty second due date")
        << QVariantMap{{"testata.scad2", ""}} << false << u"'' is not a valid date"_s << true;
}

void TestGeneraXml::stopsAndKeepsTheEarlierFile()
{
    QFETCH(QVariantMap, changes);
    QFETCH(bool, withoutLines);
    QFETCH(QString, message);
    QFETCH(bool, nameSaved);

    QTemporaryDir folder(folderTemplate());
    InvoiceRows rows = InvoiceSamples::completePrivate();
    rows.company[u"path"_s] = folder.path() + u'/';
    rows.apply(changes);
    if (withoutLines)
        rows.lines.clear();
    const QString target = folder.filePath(u"IT01234567890_00042.xml"_s);
    {
        QFile earlier(target);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(kEarlierFile);
    }
    InvoiceStore store(rows);

    QCOMPARE(runWriter(&GeneraXmlPrivati, store.diz()), message);
    QCOMPARE(fileBytes(target), kEarlierFile);
    QCOMPARE(filesIn(folder.path()), QStringList{u"IT01234567890_00042.xml"_s});
    const QString expectedName = nameSaved ? u"IT01234567890_00042.xml"_s : u"vecchio.xml"_s;
    QCOMPARE(store.storedFileName(), expectedName);
    QCOMPARE(store.diz().Testata->state(), TableComponent::State::Browse);
}

void TestGeneraXml::missingFolderStopsAfterTheNameIsSaved()
{
    QTemporaryDir folder(folderTemplate());
    InvoiceRows rows = InvoiceSamples::completePrivate();
    // Without its final separator the folder's name is glued to the file's.
    rows.company[u"path"_s] = u"  "_s + folder.filePath(u"mancante"_s) + u"/  "_s;
    InvoiceStore store(rows);

    const QString message = runWriter(&GeneraXmlPrivati, store.diz());
    const QString path = folder.filePath(u"mancante/IT01234567890_00042.xml"_s);
    QVERIFY2(message.startsWith(u"Impossibile creare il file '%1': "_s.arg(path)), qPrintable(message));
    QCOMPARE(store.storedFileName(), u"IT01234567890_00042.xml"_s);

    store.db().execute(u"UPDATE azienda SET path = '%1'"_s.arg(folder.filePath(u"mancante"_s)));
    store.diz().AziendaT->refresh();
    QCOMPARE(runWriter(&GeneraXmlPrivati, store.diz()), QString());
    QCOMPARE(filesIn(folder.path()), QStringList{u"mancanteIT01234567890_00042.xml"_s});
    QCOMPARE(xmlError(fileBytes(folder.filePath(u"mancanteIT01234567890_00042.xml"_s))), QString());
}

void TestGeneraXml::bothFormatsShareOneName()
{
    QTemporaryDir folder(folderTemplate());
    InvoiceRows rows = InvoiceSamples::splitPayment();
    rows.company[u"path"_s] = folder.path() + u'/';
    // What the private-recipient file reads and the other does not.
    rows.apply({{"testata.p_iva", ""}, {"testata.dest_soc", ""}, {"testata.dest_indir", ""},
                {"testata.dest_comune", ""}, {"testata.esig_iva3", "I"}});
    InvoiceStore store(rows);

    const QString privatePath = GeneraXmlPrivati(store.diz());
    QVERIFY(fileBytes(privatePath).contains("<FormatoTrasmissione>FPR12</FormatoTrasmissione>"));
    QCOMPARE(GeneraXmlPA(store.diz()), privatePath);
    QCOMPARE(filesIn(folder.path()), QStringList{u"IT01234567890_B12345.xml"_s});
    QCOMPARE(fileBytes(privatePath), golden(u"pa_pagamento_scisso.xml"_s));
    QCOMPARE(store.storedFileName(), u"IT01234567890_B12345.xml"_s);
}

QTEST_GUILESS_MAIN(TestGeneraXml)
#include "tst_generaxml.moc"
