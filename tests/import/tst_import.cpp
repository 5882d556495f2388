// The import from the management database into a store of its own: what it
// writes for each kind of document, what it skips, how a failing document
// is undone, and the importa sub-command.
#include "apperror.h"
#include "import/invoicecopier.h"
#include "import/invoiceimport.h"
#include "import/sourcedocument.h"
#include "managementdatabase.h"
#include "store/tdiz.h"
#include "testdatabase.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "column=value" pairs; "column=" is NULL.
QVariantMap values(const QStringList &assignments)
{
    QVariantMap map;
    for (const QString &assignment : assignments) {
        const QString value = assignment.section(u'=', 1);
        map.insert(assignment.section(u'=', 0, 0), value.isEmpty() ? QVariant() : QVariant(value));
    }
    return map;
}

// A source invoice with a customer and one VAT group of 22 percent.
QVariantMap sourceHeader(const QStringList &changes)
{
    QVariantMap header =
        values({"reg_doc=FV", "num_doc=123", "data=2020-03-05", "rag_soc=Bianchi S.n.c.", "indirizzo=Corso Italia 45",
                "cap=10121", "citta=Torino", "prov=TO", "partiva=09876543210", "cod_fis=09876543210",
                "cod_destinatario=M5UXCR1", "imponibile1=100", "iva1=22", "aliquota1=22"});
    header.insert(values(changes));
    return header;
}

QVariantMap sourceLine(int header, const QStringList &changes)
{
    QVariantMap line =
        values({"descrizione=Scatole", "quantita=2", "pr_lordo=10", "aliquota=22", "um=PZ", "cod_art=SC-1"});
    line.insert(u"prot_testa"_s, header);
    line.insert(values(changes));
    return line;
}

// The store, the management database and the data module on them, with a
// company whose files go to a folder of the test's own.
struct Fixture
{
    TestDatabase store;
    ManagementDatabase a2020;
    QTemporaryDir folder;
    TDiz diz;

    explicit Fixture(const QString &deskTitle = u"A"_s)
    {
        store.execute(u"INSERT INTO azienda (rag_soc, p_iva, cod_fis, indirizzo, cap, comune, prov, nazione, uff_rea,"
                      " num_rea, capit_soc, soc_uni, stato_liq, mail, telefono, path) VALUES ('Dosca S.r.l.',"
                      " '01234567890', '01234567890', 'Via Roma 1', '20121', 'Milano', 'MI', 'IT', 'MI', '123456',"
                      " '10000,00', 'SM', 'LN', 'a@b.it', '02123', '%1/')"_s.arg(folder.path()));
        store.openDataModule(diz);
        diz.deskTitle = deskTitle;
    }

    QString storeValue(const QString &sql) { return store.scalar(sql); }
    int invoiceCount() { return storeValue(u"SELECT COUNT(*) FROM testata"_s).toInt(); }
    QStringList files() { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    // The lines of an invoice as "prog|column|column...", NULL as "NULL".
    QStringList lines(int id, const QString &columns)
    {
        QStringList list;
        for (const QString &c : columns.split(u','))
            list << u"IFNULL(%1, 'NULL')"_s.arg(c.trimmed());
        return storeValue(u"SELECT GROUP_CONCAT(CONCAT_WS('|', prog, %1) ORDER BY prog SEPARATOR '\\n')"
                          " FROM dettaglio WHERE id_invio = %2"_s.arg(list.join(u','))
                              .arg(id))
            .split(u'\n', Qt::SkipEmptyParts);
    }
    int idOf(const QString &number)
    {
        return storeValue(u"SELECT id_invio FROM testata WHERE num_doc = '%1'"_s.arg(number)).toInt();
    }
};

} // namespace

class TestImport : public QObject
{
    Q_OBJECT
private slots:
    void header_data();
    void header();
    void lines_data();
    void lines();
    void deferredInvoice_data();
    void deferredInvoice();
    void presenceCheck_data();
    void presenceCheck();
    void failingDocumentIsUndone();
    void progressAndStop();
    void unreadableManagementDatabase();
    void desktexts();
    void commandLine();
};

void TestImport::header_data()
{
    // The header row as the import saves it, before the totals are
    // recomputed from the lines: "column=value" read back from the store.
    QTest::addColumn<QString>("deskTitle");
    QTest::addColumn<QStringList>("source");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("desk A")
        << u"A"_s << QStringList{}
        << QStringList{
               "num_doc=123",   "tipo_doc=TD01",     "data_doc=05/03/2020", "nazione=IT", "rag_soc=Bianchi S.n.c.",
               "comune=Torino", "p_iva=09876543210", "tipo_pag=TP02",       "spese=0,00", "arrot=0",
               "spese2=0,00",   "arrot2=0",          "causale=Vendita",     "spese3=0,00"};
    QTest::newRow("desk B") << u"B"_s << QStringList{} << QStringList{"num_doc=123 /B"};
    QTest::newRow("desk without title") << QString() << QStringList{} << QStringList{"num_doc=123 /"};
    QTest::newRow("credit note") << u"B"_s << QStringList{"reg_doc=NC", "num_doc=5"}
                                 << QStringList{"num_doc=5 /B", "tipo_doc=TD04"};
    QTest::newRow("recipient code of 6: public administration")
        << u"A"_s << QStringList{"cod_destinatario=UFB4PZ"}
        << QStringList{"esig_iva=S", "mod_pag=MP05", "cod_dest=UFB4PZ"};
    QTest::newRow("recipient code of 7") << u"A"_s << QStringList{"cod_destinatario=M5UXCR1"}
                                         << QStringList{"esig_iva=I", "mod_pag=", "cod_dest=M5UXCR1"};
    QTest::newRow("no recipient code, no PEC, no destination: empty, never NULL")
        << u"A"_s << QStringList{"cod_destinatario=", "pec=", "dest_soc=", "prov=", "cod_fis="}
        << QStringList{"esig_iva=I", "mod_pag=", "cod_dest=", "pec=", "dest_soc=", "dest_indir=", "prov=", "cod_fis="};
    QTest::newRow("VAT only in source slot 3")
        << u"A"_s << QStringList{"imponibile1=0", "iva1=0", "aliquota1=0", "imponibile3=50", "iva3=11", "aliquota3=22"}
        << QStringList{"imponibile=50,00", "imposta=11,00", "aliquota=22",      "imponibile2=0,00",
                       "imposta2=0,00",    "aliquota2=0",   "imponibile4=0,00", "aliquota4=0"};
    QTest::newRow("repeated rate passed over")
        << u"A"_s
        << QStringList{"imponibile2=40", "iva2=8.8", "aliquota2=22", "imponibile3=10", "iva3=1", "aliquota3=10"}
        << QStringList{"imponibile=100,00", "imposta=22,00", "aliquota=22",      "imponibile2=10,00",
                       "imposta2=1,00",     "aliquota2=10",  "imponibile3=0,00", "aliquota3=0"};
    QTest::newRow("public administration with two rates")
        << u"A"_s << QStringList{"cod_destinatario=UFB4PZ", "imponibile3=10", "iva3=1", "aliquota3=10"}
        << QStringList{"esig_iva=S", "esig_iva2=S", "esig_iva3=I", "esig_iva4=", "aliquota2=10"};
    QTest::newRow("slot rate 4.5 written as 4,5")
        << u"A"_s << QStringList{"imponibile1=10", "iva1=0.45", "aliquota1=4.5"} << QStringList{"aliquota=4,5"};
    QTest::newRow("discount and total of the source")
        << u"A"_s << QStringList{"val_sconto1=3.333", "spese_tr=10", "aliq_spese=22"}
        << QStringList{"sc_importo=3,33", "tot_doc=130,87"};
    QTest::newRow("sold abroad") << u"B"_s
                                 << QStringList{"reg_doc=FI", "num_doc=7",    "imponibile3=90",   "imponibile4=5",
                                                "iva4=1",     "aliquota4=20", "pec=x@pec.example"}
                                 << QStringList{"num_doc=FI 7 /B",
                                                "tipo_doc=TD01",
                                                "nazione=ES",
                                                "cod_fis=",
                                                "cod_dest=XXXXXXX",
                                                "esig_iva=",
                                                "esig_iva2=",
                                                "pec=",
                                                "prov=",
                                                "natura=N2",
                                                "normativa=Non Soggetta",
                                                "imponibile=90,00",
                                                "imposta=0,00",
                                                "aliquota=0,00",
                                                "imponibile2=",
                                                "aliquota3=",
                                                "imponibile4=0,00",
                                                "mod_pag="};
    QTest::newRow("credit note abroad") << u"A"_s << QStringList{"reg_doc=NI", "num_doc=5"}
                                        << QStringList{"num_doc=NI 5", "tipo_doc=TD04", "nazione=ES"};
}

void TestImport::header()
{
    QFETCH(QString, deskTitle);
    QFETCH(QStringList, source);
    QFETCH(QStringList, expected);

    Fixture f(deskTitle);
    f.a2020.insert(u"testata"_s, sourceHeader(source));
    f.diz.Test_Fatt->open();
    InvoiceCopier(f.diz).writeHeader(SourceDocument::read(*f.diz.Test_Fatt, deskTitle));
    const int id = f.diz.Testata->integer(u"id_invio"_s);
    for (const QString &item : expected) {
        const QString column = item.section(u'=', 0, 0);
        const QString stored = f.storeValue(u"SELECT %1 FROM testata WHERE id_invio = %2"_s.arg(column).arg(id));
        QVERIFY2(!stored.isNull(), qPrintable(column + u" is NULL"_s));
        QCOMPARE(column + u'=' + stored, item);
    }
}

void TestImport::lines_data()
{
    // Source lines of one invoice and the store lines as
    // "prog|codice_val|descrizione|quantita|um|prezzo_unit|sc_perc|sc_tipo|sc_importo|prezzo_tot|aliquota|natura".
    QTest::addColumn<QStringList>("source");
    QTest::addColumn<QList<QStringList>>("lines");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first discount") << QStringList{} << QList<QStringList>{{"pr_lordo=10", "quantita=3", "sc_1=10"}}
                                    << QStringList{"1|SC-1|Scatole|3,00|PZ|9,000|10,00|SC|3|27,000|22|"};
    QTest::newRow("second discount alone: price discounted, no discount columns")
        << QStringList{} << QList<QStringList>{{"pr_lordo=10", "quantita=3", "sc_2=10"}}
        << QStringList{"1|SC-1|Scatole|3,00|PZ|9,000||||27,000|22|"};
    QTest::newRow("rates rounded to even, lines in source order")
        << QStringList{} << QList<QStringList>{{"aliquota=4.5", "descrizione=b"}, {"aliquota=5.5", "descrizione=a"}}
        << QStringList{"1|SC-1|b|2,00|PZ|10,000||||20,000|4|", "2|SC-1|a|2,00|PZ|10,000||||20,000|6|"};
    QTest::newRow("missing texts stored empty")
        << QStringList{} << QList<QStringList>{{"cod_art=", "descrizione=", "um="}}
        << QStringList{"1|||2,00||10,000||||20,000|22|"};
    QTest::newRow("sold abroad: not subject") << QStringList{"reg_doc=FI"} << QList<QStringList>{{"aliquota=0"}}
                                              << QStringList{"1|SC-1|Scatole|2,00|PZ|10,000||||20,000|0|N2"};
}

void TestImport::lines()
{
    QFETCH(QStringList, source);
    QFETCH(QList<QStringList>, lines);
    QFETCH(QStringList, expected);

    Fixture f;
    const int header = f.a2020.insert(u"testata"_s, sourceHeader(source));
    for (const QStringList &line : lines)
        f.a2020.insert(u"dettag"_s, sourceLine(header, line));
    const ImportResult result = InvoiceImport(f.diz).run();
    QVERIFY2(!result.failed(), qPrintable(result.failure));
    QCOMPARE(result.imported(), 1);
    const ImportedInvoice &invoice = result.invoices.first();
    QCOMPARE(f.lines(invoice.idInvio, u"codice_val, descrizione, quantita, um, prezzo_unit, sc_perc, sc_tipo, "
                                      "sc_importo, prezzo_tot, aliquota, natura"_s),
             expected);
    // Totals and file follow.
    QCOMPARE(f.storeValue(u"SELECT nome_file FROM testata WHERE id_invio = %1"_s.arg(invoice.idInvio)),
             invoice.fileName);
    QCOMPARE(f.files(), QStringList{invoice.fileName});
}

void TestImport::deferredInvoice_data()
{
    // Lines of each delivery note; the invoice's lines as "prog|descrizione",
    // or the failure that stopped it.
    QTest::addColumn<QList<int>>("noteLines");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("failure");

    // A FatturaPA file needs a line: the invoice is not imported.
    QTest::newRow("no delivery note") << QList<int>{} << QStringList{}
                                      << u"Documento FD n. 123 non importato: Il documento non ha righe: impossibile "
                                         "creare il file della fattura elettronica"_s;
    QTest::newRow("two notes of 2 and 3 lines")
        << QList<int>{2, 3}
        << QStringList{"1|Rif. Bolla BC n. 31 del 15/03/2020 Cantiere Verdi di via Padova 120 Mi Via Padova 120 - "
                       "angolo via C",
                       "2|n1 l1",
                       "3|n1 l2",
                       "4|Rif. Bolla BC n. 32 del 15/03/2020  ",
                       "5|n2 l1",
                       "6|n2 l2",
                       "7|n2 l3"}
        << QString();
}

void TestImport::deferredInvoice()
{
    QFETCH(QList<int>, noteLines);
    QFETCH(QStringList, expected);
    QFETCH(QString, failure);

    Fixture f;
    const int invoice = f.a2020.insert(u"testata"_s, sourceHeader({"reg_doc=FD"}));
    f.a2020.insert(u"dettag"_s, sourceLine(invoice, {"descrizione=not billed: the notes' lines are"}));
    for (int n = 0; n < noteLines.size(); ++n) {
        const QStringList destination =
            n == 0 ? QStringList{"dest_soc=Cantiere Verdi di via Padova 120 Milano",   // cut to 35
                                 "dest_indirizzo=Via Padova 120 - angolo via Celoria"} // cut to 30
                   : QStringList{"dest_soc=", "dest_indirizzo="};
        const int note =
            f.a2020.insert(u"testata"_s, sourceHeader(QStringList{"reg_doc=BC", u"num_doc=%1"_s.arg(31 + n),
                                                                  "data=2020-03-15", u"prot_f_diff=%1"_s.arg(invoice)} +
                                                      destination));
        for (int l = 0; l < noteLines[n]; ++l)
            f.a2020.insert(u"dettag"_s, sourceLine(note, {u"descrizione=n%1 l%2"_s.arg(n + 1).arg(l + 1)}));
    }
    const ImportResult result = InvoiceImport(f.diz).run();
    QCOMPARE(result.failure, failure);
    if (result.failed()) {
        QCOMPARE(f.invoiceCount(), 0);
        QCOMPARE(f.files(), QStringList());
        return;
    }
    QCOMPARE(result.imported(), 1); // the notes themselves are no invoices
    const int id = result.invoices.first().idInvio;
    QCOMPARE(f.lines(id, u"descrizione"_s), expected);
    if (!noteLines.isEmpty())
        QCOMPARE(f.lines(id, u"quantita, prezzo_unit, prezzo_tot, aliquota, codice_val, um"_s).first(),
                 u"1|0,00|0,00|0,00|22||"_s);
    QCOMPARE(f.files().size(), 1);
}

void TestImport::presenceCheck_data()
{
    // Source documents as "reg_doc num_doc"; the first run imports the
    // numbers given, the second imports nothing.
    QTest::addColumn<QString>("deskTitle");
    QTest::addColumn<QStringList>("documents");
    QTest::addColumn<QStringList>("imported");

    QTest::newRow("every register once") << u"A"_s
                                         << QStringList{"FV 1", "NC 2", "NI 3", "FD 4", "FI 5", "BC 6", "OC 7"}
                                         << QStringList{"1", "2", "NI 3", "4", "FI 5"};
    QTest::newRow("FV and FD of one number: the second is present")
        << u"A"_s << QStringList{"FV 100", "FD 100"} << QStringList{"100"};
    QTest::newRow("NC and NI of one number: both") << u"A"_s << QStringList{"NC 5", "NI 5"} << QStringList{"5", "NI 5"};
    QTest::newRow("number longer than num_doc holds")
        << u"BB"_s << QStringList{"FV 12345678"} << QStringList{"12345678 /"};
}

void TestImport::presenceCheck()
{
    QFETCH(QString, deskTitle);
    QFETCH(QStringList, documents);
    QFETCH(QStringList, imported);

    Fixture f(deskTitle);
    for (const QString &document : documents) {
        const int header = f.a2020.insert(u"testata"_s, sourceHeader({u"reg_doc="_s + document.section(u' ', 0, 0),
                                                                      u"num_doc="_s + document.section(u' ', 1)}));
        f.a2020.insert(u"dettag"_s, sourceLine(header, {}));
        if (document.startsWith(u"FD")) { // bills one delivery note
            const int note = f.a2020.insert(
                u"testata"_s, sourceHeader({"reg_doc=BC", "num_doc=900", u"prot_f_diff=%1"_s.arg(header)}));
            f.a2020.insert(u"dettag"_s, sourceLine(note, {}));
        }
    }
    const ImportResult first = InvoiceImport(f.diz).run();
    QVERIFY2(!first.failed(), qPrintable(first.failure));
    QStringList numbers;
    for (const ImportedInvoice &invoice : first.invoices)
        numbers << invoice.number;
    QCOMPARE(numbers, imported);

    const ImportResult second = InvoiceImport(f.diz).run();
    QCOMPARE(second.imported(), 0);
    const QStringList selected = documents.filter(QRegularExpression(u"^(FV|NC|NI|FD|FI) "_s));
    QCOMPARE(second.alreadyPresent, selected.size());
    QCOMPARE(f.invoiceCount(), imported.size());
}

void TestImport::failingDocumentIsUndone()
{
    Fixture f;
    for (int n = 1; n <= 3; ++n) {
        const int header = f.a2020.insert(u"testata"_s, sourceHeader({u"num_doc=%1"_s.arg(n)}));
        f.a2020.insert(u"dettag"_s, sourceLine(header, {}));
        // The second document's second line has no quantity.
        f.a2020.insert(u"dettag"_s, sourceLine(header, {n == 2 ? u"quantita="_s : u"quantita=1"_s}));
    }
    const ImportResult broken = InvoiceImport(f.diz).run();
    QCOMPARE(broken.imported(), 1);
    QCOMPARE(broken.failure,
             u"Documento FV n. 2 non importato: Valore nullo nella colonna 'quantita' della tabella 'dettag'"_s);
    QCOMPARE(f.invoiceCount(), 1);
    QCOMPARE(f.storeValue(u"SELECT COUNT(*) FROM dettaglio"_s), u"2"_s);
    QCOMPARE(f.files().size(), 1);
    // The tables held by the program show the store as it is.
    QCOMPARE(f.diz.Testata->rowCount(), 1);

    f.a2020.execute(u"UPDATE dettag SET quantita = 1 WHERE quantita IS NULL"_s);
    const ImportResult mended = InvoiceImport(f.diz).run();
    QVERIFY2(!mended.failed(), qPrintable(mended.failure));
    QCOMPARE(mended.imported(), 2);
    QCOMPARE(mended.alreadyPresent, 1);
    QCOMPARE(f.lines(f.idOf(u"2"_s), u"quantita"_s), QStringList({"1|2,00", "2|1,00"}));
    QCOMPARE(f.files().size(), 3);
}

void TestImport::progressAndStop()
{
    Fixture f;
    for (int n = 1; n <= 3; ++n)
        f.a2020.insert(u"dettag"_s,
                       sourceLine(f.a2020.insert(u"testata"_s, sourceHeader({u"num_doc=%1"_s.arg(n)})), {}));
    QStringList calls;
    const ImportResult result = InvoiceImport(f.diz).run([&calls](int current, int total, bool &stop) {
        calls << u"%1/%2"_s.arg(current).arg(total);
        stop = current == 3;
    });
    QCOMPARE(calls, QStringList({"1/3", "2/3", "3/3"}));
    QVERIFY(result.stopped);
    QCOMPARE(result.imported(), 2);
    QCOMPARE(f.invoiceCount(), 2);
}

void TestImport::unreadableManagementDatabase()
{
    Fixture f;
    f.a2020.insert(u"dettag"_s, sourceLine(f.a2020.insert(u"testata"_s, sourceHeader({})), {}));
    f.a2020.execute(u"ALTER TABLE dettag DROP COLUMN lotto"_s);
    try {
        InvoiceImport(f.diz).run();
        QFAIL("the import ran");
    } catch (const AppError &error) {
        QCOMPARE(error.message(), u"dettag: campo 'lotto' non trovato"_s);
    }
    QCOMPARE(f.invoiceCount(), 0);
}

void TestImport::desktexts()
{
    QCOMPARE(InvoiceImport::confirmationQuestion(), u"Confermi importazione Fatture: ?"_s);
    QCOMPARE(InvoiceImport::progressText(37, 1200), u"Importazione fattura 37 di 1.200"_s);
    ImportResult result;
    result.invoices.resize(1200);
    result.alreadyPresent = 3;
    result.stopped = true;
    QCOMPARE(InvoiceImport::summaryText(result),
             u"Fatture importate: 1.200\nGià presenti: 3\nNon importate: 0\nImportazione interrotta dall'utente"_s);
}

void TestImport::commandLine()
{
    Fixture f(u"B"_s);
    const int good = f.a2020.insert(u"testata"_s, sourceHeader({"num_doc=1"}));
    f.a2020.insert(u"dettag"_s, sourceLine(good, {}));
    f.a2020.insert(u"dettag"_s,
                   sourceLine(f.a2020.insert(u"testata"_s, sourceHeader({"reg_doc=NC", "num_doc=2", "data="})), {}));
    QTemporaryDir work;
    QFile ini(work.filePath(u"ip.ini"_s));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(("127.0.0.1\r\n" + f.store.name() + "\r\nB\r\n").toLocal8Bit());
    ini.close();
    auto run = [&] {
        QProcess process;
        process.setWorkingDirectory(work.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"MYSQL_TCP_PORT"_s, QString::number(TestDatabase::serverSettings().port));
        env.insert(u"MYSQL_UNIX_PORT"_s, f.a2020.socket());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(FATTURAZIONE_PROGRAM), {u"importa"_s});
        if (!process.waitForFinished(60000))
            qFatal("the program did not finish");
        return std::tuple(process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                          QString::fromUtf8(process.readAllStandardError()));
    };

    // The credit note has no date: its file cannot be written.
    auto [code, out, err] = run();
    const int id = f.idOf(u"1 /B"_s);
    QCOMPARE(code, 1);
    QCOMPARE(out, u"Fattura 1 /B (TD01) id_invio %1: IT01234567890_B%2.xml\n"
                  "Fatture importate: 1\nGià presenti: 0\nNon importate: 1\n"_s.arg(id)
                      .arg(id, 4, 10, QLatin1Char('0')));
    QCOMPARE(err, u"Documento NC n. 2 non importato: '' is not a valid date\n"_s);

    f.a2020.execute(u"UPDATE testata SET data = '2020-04-01'"_s);
    std::tie(code, out, err) = run();
    QCOMPARE(code, 0);
    QVERIFY2(out.startsWith(u"Fattura 2 /B (TD04) id_invio "_s), qPrintable(out));
    QVERIFY2(out.endsWith(u"Fatture importate: 1\nGià presenti: 1\nNon importate: 0\n"_s), qPrintable(out));
    QCOMPARE(err, QString());
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
