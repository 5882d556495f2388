// The program's sub-commands as a script or a user at a terminal runs them:
// exit statuses, what they print, what they leave in the store.
#include "testdatabase.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

    struct Run
    {
        int code;
        QString out;
        QString err;
    };

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<QTemporaryDir> dir;

    Run run(const QStringList &args)
    {
        QProcess process;
        process.setWorkingDirectory(dir->path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MYSQL_TCP_PORT", QString::number(TestDatabase::serverSettings().port));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(FATTURAZIONE_PROGRAM), args);
        if (!process.waitForFinished(60000))
            qFatal("the program did not finish");
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    void writeIni(const QString &database)
    {
        QFile ini(dir->filePath("ip.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(("127.0.0.1\r\n" + database + "\r\nA\r\n").toLocal8Bit());
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        db = std::make_unique<TestDatabase>();
        QVERIFY(QDir(dir->path()).mkdir("xml"));
        db->execute(QStringLiteral("INSERT INTO azienda (rag_soc, p_iva, cod_fis, indirizzo, cap, comune, prov, nazione,"
                                   " uff_rea, num_rea, capit_soc, soc_uni, stato_liq, mail, telefono, path, iban)"
                                   " VALUES ('Dosca S.r.l.', '01234567890', '01234567890', 'Via Roma 1', '20121',"
                                   " 'Milano', 'MI', 'IT', 'MI', '123456', '10000,00', 'SM', 'LN', 'a@b.it', '02123',"
                                   " '%1/', 'IT60X0542811101000000123456')")
                         .arg(dir->filePath("xml")));
        db->execute("INSERT INTO testata (id_invio, rag_soc, indirizzo, cap, comune, prov, nazione, p_iva, cod_fis,"
                    " cod_dest, pec, data_doc, num_doc, tipo_doc, mod_pag, n_rate, spese, spese2, sc_tipo, sc_perc,"
                    " esig_iva, dest_soc, dest_indir, dest_comune, arrot, arrot2, arrot3, spese3, natura)"
                    " VALUES (1, 'Bianchi', 'Corso Italia 4', '10121', 'Torino', 'TO', 'IT', '09876543210', '',"
                    " '0000000', '', '03/12/2026', '7', 'TD01', 'MP01', 0, '0,00', '0,00', '', '', 'I', '', '', '', '0,00', '0,00', '0,00', '0,00', '')");
        db->execute("INSERT INTO dettaglio (id_invio, prog, descrizione, quantita, um, prezzo_unit, prezzo_tot, aliquota,"
                    " sc_tipo, codice_tipo, ritenuta, natura, rif_amm, tipo_cessione)"
                    " VALUES (1, 1, 'Scatole', '10,00', 'PZ', '10,00', '100,00', '22', '', '', '', '', '', '')");
        writeIni(db->name());
    }
    void cleanup()
    {
        db.reset();
        dir.reset();
    }

    void helpAndUsageErrors()
    {
        const Run help = run({"--help"});
        QCOMPARE(help.code, 0);
        for (const char *word : {"Uso: fatturazione", "ricalcola ID", "xml [--pa] ID", "stampa ID", "--acquisto",
                                 "controlla FILE...", "visualizza FILE [--html OUT]",
                                 "servizio [--impostazioni FILE]"})
            QVERIFY2(help.out.contains(word), qPrintable(help.out));

        const struct {
            QStringList args;
            const char *message;
        } usage[] = {
            {{"boh"}, "Comando sconosciuto"},
            {{"ricalcola"}, "Indicare un solo numero"},
            {{"xml", "uno"}, "non valido"},
            {{"xml", "--px", "1"}, "Opzione sconosciuta"},
            {{"ricalcola", "99"}, "Fattura 99 non trovata"},
            {{"stampa", "--acquisto", "5", "--pdf", "x.pdf"}, "Fattura d'acquisto 5 non trovata"},
            {{"stampa", "1", "--pdf"}, "Manca il valore"},
            {{"servizio", "8080"}, "Argomento inatteso"},
            {{"servizio", "--impostazioni", "nessuno.ini"}, "File delle impostazioni non trovato"},
        };
        for (const auto &row : usage) {
            const Run r = run(row.args);
            QVERIFY2(r.code == 2 && r.err.contains(row.message), qPrintable(row.args.join(' ') + ": " + r.err));
        }

        QFile::remove(dir->filePath("ip.ini"));
        const Run noIni = run({"ricalcola", "1"});
        QCOMPARE(noIni.code, 2);
        QVERIFY(noIni.err.contains("ip.ini"));
    }

    void ricalcolaWritesTheTotals()
    {
        const Run r = run({"ricalcola", "1"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("Totale documento: 122,00\n"));
        QCOMPARE(db->scalar("SELECT imposta FROM testata"), QStringLiteral("22,00"));
    }

    void failuresExitWithTheMessage()
    {
        db->execute("UPDATE dettaglio SET quantita = '1.5'");
        const Run r = run({"ricalcola", "1"});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err, QStringLiteral("'1.5' is not a valid floating point value\n"));

        writeIni("non_esiste");
        const Run noDb = run({"ricalcola", "1"});
        QCOMPARE(noDb.code, 1);
        QVERIFY2(noDb.err.contains("non_esiste"), qPrintable(noDb.err));
    }

    // The service is a long-running sub-command: it answers on the loopback
    // interface from the store named by its settings until it is stopped.
    void servizioAnswersUntilStopped()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        QFile ini(dir->filePath("servizio.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[http]\nporta=%1\n[archivio]\ndatabase=%2\n").arg(port).arg(db->name()).toUtf8());
        ini.close();

        QProcess service;
        service.setWorkingDirectory(dir->path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MYSQL_TCP_PORT", QString::number(TestDatabase::serverSettings().port));
        service.setProcessEnvironment(env);
        service.start(QStringLiteral(FATTURAZIONE_PROGRAM), {"servizio"});
        QVERIFY(service.waitForReadyRead(30000));
        QVERIFY2(service.readAllStandardOutput().contains("in ascolto"), "the service did not start");

        QNetworkAccessManager net;
        QNetworkReply *reply = net.get(QNetworkRequest(
            QUrl(QStringLiteral("http://localhost:%1/Fatt_Ven/mail_sdi.php?nome_file=IT01234567890_00001.xml&n_invio=1")
                     .arg(port))));
        QSignalSpy(reply, &QNetworkReply::finished).wait(30000);
        const QString page = QString::fromUtf8(reply->readAll());
        delete reply;
        service.terminate();
        QVERIFY(service.waitForFinished(10000));
        // The invoice was found in the store: only its file name differs.
        QVERIFY2(page.contains("non è quello della fattura 1"), qPrintable(page));

        QFile secret(dir->filePath("segreto.ini"));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("[smtp]\npassword=segreto\n");
        secret.close();
        secret.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        const Run refused = run({"servizio", "--impostazioni", "segreto.ini"});
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains("leggibile da altri utenti"), qPrintable(refused.err));
    }

    void xmlPrintsThePathOfTheFile()
    {
        QCOMPARE(run({"ricalcola", "1"}).code, 0);
        const QString expected = dir->filePath("xml/IT01234567890_00001.xml");
        for (const QStringList &args : {QStringList{"xml", "1"}, QStringList{"xml", "--pa", "1"}}) {
            const Run r = run(args);
            QVERIFY2(r.code == 0, qPrintable(r.err));
            QCOMPARE(r.out, expected + "\n");
            QFile file(expected);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().contains(args.contains("--pa") ? "FPA12" : "FPR12"));
        }
        QCOMPARE(db->scalar("SELECT nome_file FROM testata"), QStringLiteral("IT01234567890_00001.xml"));
    }

    void controllaReportsEachProblemOfEachFile_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("lines"); // beginnings of the lines printed
        const QString fpr01 = QStringLiteral(EXAMPLES_DIR "/IT01234567890_FPR01.xml");
        const QString fpr02 = QStringLiteral(EXAMPLES_DIR "/IT01234567890_FPR02.xml");
        const QString clean = QStringLiteral(CLEAN_INVOICE);
        QTest::newRow("no file") << QStringList() << 2 << QStringList();
        QTest::newRow("clean file") << QStringList{clean} << 1 << QStringList{clean + ": 00001: "};
        QTest::newRow("two files")
            << QStringList{fpr01, fpr02} << 1
            << QStringList{fpr01 + ": 00300: ", fpr01 + ": 00301: ", fpr01 + ": 00306: ", fpr02 + ": 00200: ",
                           fpr02 + ": 00300: ", fpr02 + ": 00301: ", fpr02 + ": 00306: ", fpr02 + ": 00422: "};
        QTest::newRow("missing file") << QStringList{"mancante.xml"} << 1 << QStringList();
    }

    void controllaReportsEachProblemOfEachFile()
    {
        QFETCH(QStringList, files);
        QFETCH(int, code);
        QFETCH(QStringList, lines);
        QFile::remove(dir->filePath("ip.ini")); // files alone need no store
        const Run r = run(QStringList{"controlla"} + files);
        QCOMPARE(r.code, code);
        const QStringList printed = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(printed[i].startsWith(lines[i]), qPrintable(printed[i]));
        // A problem inside the file names its element.
        if (lines.size() > 1)
            QVERIFY2(printed[0].endsWith("(/p:FatturaElettronica/FatturaElettronicaHeader/DatiTrasmissione/"
                                         "IdTrasmittente/IdCodice)"),
                     qPrintable(printed[0]));
        if (code == 2 || lines.isEmpty())
            QVERIFY(!r.err.isEmpty());
    }

    void controllaPassesACleanFileOrFolder()
    {
        const QString named = dir->filePath("IT01234567897_00001.xml");
        QVERIFY(QFile::copy(QStringLiteral(CLEAN_INVOICE), named));
        for (const QString &argument : {named, dir->path()}) { // the file, or the folder holding it
            const Run r = run({"controlla", argument});
            QCOMPARE(r.code, 0);
            QCOMPARE(r.out, QString());
        }
        QVERIFY(QFile::copy(QStringLiteral(EXAMPLES_DIR "/IT01234567890_FPR01.xml"), dir->filePath("IT01234567890_FPR01.xml")));
        const Run folder = run({"controlla", dir->path()});
        QCOMPARE(folder.code, 1);
        QVERIFY2(folder.out.startsWith(dir->filePath("IT01234567890_FPR01.xml: 00300: ")), qPrintable(folder.out));
    }

    // An export turned into an exempt operation above 77,47 without stamp duty.
    void controllaWarnsWithoutFailing()
    {
        QFile clean(QStringLiteral(CLEAN_INVOICE));
        QVERIFY(clean.open(QIODevice::ReadOnly));
        QByteArray text = clean.readAll();
        text.replace("N3.1", "N4")
            .replace("<PrezzoUnitario>10.00<", "<PrezzoUnitario>100.00<")
            .replace("<PrezzoTotale>10.00<", "<PrezzoTotale>100.00<")
            .replace("<ImponibileImporto>10.00<", "<ImponibileImporto>100.00<");
        const QString named = dir->filePath("IT01234567897_00002.xml");
        QFile file(named);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        const Run r = run({"controlla", named});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(named + ": BOLLO (avviso): "), qPrintable(r.out));
    }

    void visualizzaWritesTheHtml()
    {
        const QString html = dir->filePath("fattura.html");
        const Run r = run({"visualizza", QStringLiteral(EXAMPLES_DIR "/IT01234567890_FPR01.xml"), "--html", html});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, html + "\n");
        QFile file(html);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("DITTA BETA"));
        QCOMPARE(run({"visualizza"}).code, 2);
        QCOMPARE(run({"visualizza", "mancante.xml", "--html", html}).code, 1);
    }

    void stampaWritesAPdfOrReportsMissingData()
    {
        const Run r = run({"stampa", "1", "--pdf", "fattura.pdf"});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QFile pdf(dir->filePath("fattura.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");

        db->execute("UPDATE testata SET data_doc = 'ieri'");
        const Run bad = run({"stampa", "1", "--pdf", "rotta.pdf"});
        QCOMPARE(bad.code, 1);
        QVERIFY2(bad.err.contains("Mancanza Dati: 'ieri' is not a valid date"), qPrintable(bad.err));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
