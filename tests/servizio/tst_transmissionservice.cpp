// The transmission service as the browser meets it: real HTTP requests to
// the service, a fresh invoice store of its own on the private server and
// a real SMTP server on the loopback interface.
#include "mailcatcher.h"
#include "testdatabase.h"

#include "servizio/transmissionservice.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString firstFile = QStringLiteral("IT01234567890_00001.xml");
const QString secondFile = QStringLiteral("IT01234567890_00002.xml");
const QString thirdFile = QStringLiteral("IT01234567890_00003.xml");
const QByteArray firstBytes = "<?xml version=\"1.0\"?><fattura numero=\"1\"/>\n";

QString example(const QString &name)
{
    return QStringLiteral(FATTURAPA_DIR "/") + name;
}
} // namespace

class TestTransmissionService : public QObject
{
    Q_OBJECT

    struct Reply
    {
        int status = 0;
        QString body;
    };

    std::unique_ptr<MailCatcher> mail;
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TransmissionService> service;
    quint16 port = 0;
    QNetworkAccessManager net;

    QString outgoing() const { return dir->filePath(QStringLiteral("xml")); }
    QString received() const { return dir->filePath(QStringLiteral("ricevute")); }

    ServiceSettings settings(quint16 smtpPort) const
    {
        ServiceSettings s;
        s.httpPort = 0;
        s.store = db->settings();
        s.smtpPort = smtpPort;
        s.sender = QStringLiteral("fatture@dosca.it");
        s.receivedFolder = received();
        return s; // folder of files to send: the company's path
    }

    void startService(const ServiceSettings &s, InvoiceCheck check = {})
    {
        service = std::make_unique<TransmissionService>(s);
        service->setInvoiceCheck(std::move(check));
        port = service->listen();
    }

    QNetworkReply *request(const QString &pathAndQuery, const QList<QPair<QByteArray, QByteArray>> &headers = {})
    {
        QNetworkRequest req(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(pathAndQuery)));
        for (const auto &[name, value] : headers)
            req.setRawHeader(name, value);
        return net.get(req);
    }

    static Reply finish(QNetworkReply *reply)
    {
        if (!reply->isFinished())
            QSignalSpy(reply, &QNetworkReply::finished).wait(30000);
        Reply result{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                     QString::fromUtf8(reply->readAll())};
        reply->deleteLater();
        return result;
    }

    Reply get(const QString &pathAndQuery, const QList<QPair<QByteArray, QByteArray>> &headers = {})
    {
        return finish(request(pathAndQuery, headers));
    }

    void addInvoice(int id, const QString &fileName, const QByteArray &content, int sent = 0)
    {
        db->execute(QStringLiteral("INSERT INTO testata (id_invio, rag_soc, nome_file, inviata) VALUES (%1, 'Cliente',"
                                   " '%2', %3)")
                        .arg(id)
                        .arg(fileName)
                        .arg(sent));
        if (!content.isNull()) {
            QFile file(QDir(outgoing()).filePath(fileName));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }

    QString sent(int id)
    {
        return db->scalar(QStringLiteral("SELECT inviata FROM testata WHERE id_invio = %1").arg(id));
    }
    int count(const QString &table) { return db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt(); }

    void putReceived(const QString &name, const QByteArray &content)
    {
        QFile file(QDir(received()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static int openssl(const QStringList &args)
    {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(QStringLiteral("openssl"), args);
        return process.waitForFinished(60000) ? process.exitCode() : -1;
    }

    Reply load(const QString &name)
    {
        return get(QStringLiteral("/Fatt_Acq/read_xml.php?nome_file=") + QUrl::toPercentEncoding(name));
    }

private slots:
    void initTestCase() { mail = std::make_unique<MailCatcher>(); }

    void init()
    {
        mail->clear();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("xml")));
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("ricevute")));
        db = std::make_unique<TestDatabase>();
        db->execute(QStringLiteral("INSERT INTO azienda (rag_soc, mail, path) VALUES ('Dosca', 'a@dosca.it', '%1/')")
                        .arg(outgoing()));
        addInvoice(1, firstFile, firstBytes);
        addInvoice(2, secondFile, QByteArray()); // its file was never written
        addInvoice(3, thirdFile, "<fattura/>", 1);
        startService(settings(mail->port()));
    }

    void cleanup()
    {
        service.reset();
        db.reset();
    }

    void sendsTheFileAndMarksTheInvoice_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("fetchSite");
        QTest::newRow("private recipient") << "mail_sdi.php" << QByteArray();
        QTest::newRow("public administration") << "mail_sdi_pa.php" << QByteArray();
        QTest::newRow("address typed by the user") << "mail_sdi.php" << QByteArray("none");
        QTest::newRow("page of the service") << "mail_sdi.php" << QByteArray("same-origin");
    }

    void sendsTheFileAndMarksTheInvoice()
    {
        QFETCH(QString, script);
        QFETCH(QByteArray, fetchSite);
        QList<QPair<QByteArray, QByteArray>> headers;
        if (!fetchSite.isEmpty())
            headers << qMakePair(QByteArray("Sec-Fetch-Site"), fetchSite);
        const Reply reply = get(QStringLiteral("/Fatt_Ven/%1?nome_file=%2&n_invio=1").arg(script, firstFile), headers);
        QCOMPARE(reply.status, 200);
        QVERIFY2(reply.body.contains(QStringLiteral("Fattura inviata")), qPrintable(reply.body));
        QCOMPARE(sent(1), QStringLiteral("1"));
        const QList<MailCatcher::Message> messages = mail->messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().recipient, QStringLiteral("sdi01@pec.fatturapa.it"));
        QCOMPARE(messages.first().attachmentName, firstFile);
        QCOMPARE(messages.first().attachment, firstBytes);
    }

    void refusesAndSendsNothing_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString file1 = QStringLiteral("nome_file=%1&n_invio=1").arg(firstFile);
        QTest::newRow("file of another invoice")
            << QStringLiteral("nome_file=%1&n_invio=1").arg(secondFile) << QByteArray() << QByteArray() << 400
            << "non è quello della fattura 1";
        QTest::newRow("folder in the name") << QStringLiteral("nome_file=../xml/%1&n_invio=1").arg(firstFile)
                                            << QByteArray() << QByteArray() << 400 << "Nome del file non valido";
        QTest::newRow("encoded folder in the name")
            << QStringLiteral("nome_file=..%2Fxml%2F%1&n_invio=1").arg(firstFile) << QByteArray() << QByteArray() << 400
            << "Nome del file non valido";
        QTest::newRow("markup in the name") << QStringLiteral("nome_file=%3Cb%3EIT1_1.xml&n_invio=1") << QByteArray()
                                            << QByteArray() << 400 << "&lt;b&gt;IT1_1.xml";
        QTest::newRow("another site's page")
            << file1 << QByteArray("Sec-Fetch-Site") << QByteArray("cross-site") << 403 << "altra pagina web";
        QTest::newRow("a sibling site's page")
            << file1 << QByteArray("Sec-Fetch-Site") << QByteArray("same-site") << 403 << "altra pagina web";
        QTest::newRow("foreign host name")
            << file1 << QByteArray("Host") << QByteArray("fatture.example.com:8080") << 403 << "non locale";
        QTest::newRow("file not written") << QStringLiteral("nome_file=%1&n_invio=2").arg(secondFile) << QByteArray()
                                          << QByteArray() << 404 << "non si trova nella cartella";
        QTest::newRow("unknown invoice") << QStringLiteral("nome_file=%1&n_invio=99").arg(firstFile) << QByteArray()
                                         << QByteArray() << 404 << "Fattura 99 non trovata";
        QTest::newRow("invoice number not a number")
            << QStringLiteral("nome_file=%1&n_invio=1%20OR%201").arg(firstFile) << QByteArray() << QByteArray() << 400
            << "Numero di fattura non valido";
        QTest::newRow("invoice already sent") << QStringLiteral("nome_file=%1&n_invio=3").arg(thirdFile) << QByteArray()
                                              << QByteArray() << 409 << "Fattura gia inviata";
    }

    void refusesAndSendsNothing()
    {
        QFETCH(QString, query);
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, value);
        QFETCH(int, status);
        QFETCH(QString, message);
        QList<QPair<QByteArray, QByteArray>> headers;
        if (!header.isEmpty())
            headers << qMakePair(header, value);
        const Reply reply = get(QStringLiteral("/Fatt_Ven/mail_sdi.php?") + query, headers);
        QCOMPARE(reply.status, status);
        QVERIFY2(reply.body.contains(message), qPrintable(reply.body));
        QVERIFY2(!reply.body.contains(QStringLiteral("<b>")), qPrintable(reply.body));
        QCOMPARE(mail->messages().size(), 0);
        QCOMPARE(sent(1), QStringLiteral("0"));
        QCOMPARE(sent(2), QStringLiteral("0"));
    }

    void checkProblemsStopTheSend()
    {
        QString checkedPath;
        startService(settings(mail->port()), [&checkedPath](const QString &path) {
            checkedPath = path;
            return QStringList{QStringLiteral("00305: IdCodice del cessionario non valido")};
        });
        const Reply reply = get(QStringLiteral("/Fatt_Ven/mail_sdi.php?nome_file=%1&n_invio=1").arg(firstFile));
        QCOMPARE(reply.status, 422);
        QVERIFY2(reply.body.contains(QStringLiteral("00305: IdCodice del cessionario non valido")),
                 qPrintable(reply.body));
        QCOMPARE(QFileInfo(checkedPath).canonicalFilePath(),
                 QFileInfo(QDir(outgoing()).filePath(firstFile)).canonicalFilePath());
        QCOMPARE(mail->messages().size(), 0);
        QCOMPARE(sent(1), QStringLiteral("0"));
    }

    void failedMailGivesTheInvoiceBack_data()
    {
        QTest::addColumn<bool>("serverDown");
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("reply"); // what the page shows of the failure
        QTest::newRow("mail server down") << true << "sdi01@pec.fatturapa.it" << "connect";
        QTest::newRow("recipient refused") << false << "sdi01@@pec" << "553";
    }

    void failedMailGivesTheInvoiceBack()
    {
        QFETCH(bool, serverDown);
        QFETCH(QString, recipient);
        QFETCH(QString, reply);
        ServiceSettings s = settings(serverDown ? MailCatcher::freePort() : mail->port());
        s.sdiAddress = recipient;
        startService(s);
        const Reply answer = get(QStringLiteral("/Fatt_Ven/mail_sdi.php?nome_file=%1&n_invio=1").arg(firstFile));
        QCOMPARE(answer.status, 502);
        QVERIFY2(answer.body.contains(QStringLiteral("resta da inviare")), qPrintable(answer.body));
        QVERIFY2(answer.body.contains(reply, Qt::CaseInsensitive), qPrintable(answer.body));
        QCOMPARE(sent(1), QStringLiteral("0"));
        QCOMPARE(mail->messages().size(), 0);
    }

    // "Invio Fatture al SDI" opens every address at once, and a user may
    // press it twice: each invoice goes out exactly once.
    void burstSendsEachInvoiceOnce()
    {
        db->execute(QStringLiteral("DELETE FROM testata"));
        QStringList names;
        for (int id = 1; id <= 10; ++id) {
            names << QStringLiteral("IT01234567890_%1.xml").arg(id, 5, 10, QLatin1Char('0'));
            addInvoice(id, names.last(), QByteArray("<fattura n=\"") + QByteArray::number(id) + "\"/>");
        }
        // The two requests for one invoice leave together, on two clients.
        QNetworkAccessManager second;
        QList<QNetworkReply *> pending;
        for (int id = 1; id <= 10; ++id) {
            const QString path =
                QStringLiteral("/Fatt_Ven/mail_sdi.php?nome_file=%1&n_invio=%2").arg(names[id - 1]).arg(id);
            pending << request(path);
            pending << second.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path))));
        }
        QMap<int, int> statuses;
        for (QNetworkReply *reply : pending)
            ++statuses[finish(reply).status];
        QCOMPARE(statuses.value(200), 10);
        QCOMPARE(statuses.value(409), 10);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM testata WHERE inviata = 1")), QStringLiteral("10"));
        QStringList attached;
        for (const MailCatcher::Message &message : mail->messages())
            attached << message.attachmentName;
        attached.sort();
        QCOMPARE(attached, names);
    }

    void loadsTheOfficialExamples_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("lines");
        QTest::newRow("FPR01") << "IT01234567890_FPR01.xml" << 1;
        QTest::newRow("FPR02") << "IT01234567890_FPR02.xml" << 2;
        QTest::newRow("FPA01") << "IT01234567890_FPA01.xml" << 1;
        QTest::newRow("FPA02") << "IT01234567890_FPA02.xml" << 2;
    }

    void loadsTheOfficialExamples()
    {
        QFETCH(QString, file);
        QFETCH(int, lines);
        const QByteArray content = readFile(example(file));
        QVERIFY2(!content.isEmpty(), "the official FatturaPA examples are missing");
        putReceived(file, content);
        const Reply reply = load(file);
        QCOMPARE(reply.status, 200);
        QVERIFY2(reply.body.contains(QStringLiteral("Fattura caricata")), qPrintable(reply.body));
        QCOMPARE(db->scalar(QStringLiteral("SELECT nome_file FROM test_car")), file);
        QCOMPARE(count(QStringLiteral("test_car")), 1);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM dett_car d JOIN test_car t ON d.prot_car = t.prot"))
                     .toInt(),
                 lines);
    }

    // The store's own forms: dates day/month/year, comma decimals, texts
    // cut to their column; the total from the summaries when the file has none.
    void loadedColumnsInTheStoreForms()
    {
        const QString file = QStringLiteral("IT01234567890_FPR02.xml");
        const QByteArray content = readFile(example(file));
        QVERIFY2(!content.isEmpty(), "the official FatturaPA examples are missing");
        putReceived(file, content);
        QCOMPARE(load(file).status, 200);
        const QString header =
            QStringLiteral("SELECT CONCAT_WS('|', rag_soc, p_iva, indirizzo, cap, comune, prov, data_doc,"
                           " num_doc, tot_doc, tipo_doc, tipo_pag, mod_pag, n_rate, scad1, imp_scad1,"
                           " aliquota, imponibile, imposta, esig_iva) FROM test_car");
        QCOMPARE(db->scalar(header),
                 QStringLiteral("SOCIETA' ALPHA SRL|01234567890|VIALE ROMA 543|07100|SASSARI|SS|"
                                "18/12/2014|123|32,95|TD01|TP01|MP01|1|30/01/2015|32,95|22|27,00|5,95|D"));
        const QString line =
            QStringLiteral("SELECT CONCAT_WS('|', prog, descrizione, quantita, prezzo_unit, prezzo_tot,"
                           " aliquota) FROM dett_car WHERE prog = 2");
        QCOMPARE(db->scalar(line), QStringLiteral("2|FORNITURE VARIE PER UFFICIO|10,00|2,000|20,000|22"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT CHAR_LENGTH(descrizione) FROM dett_car WHERE prog = 1")),
                 QStringLiteral("100"));
    }

    void loadsSignedFiles_data()
    {
        QTest::addColumn<bool>("base64");
        QTest::newRow("DER") << false;
        QTest::newRow("base64") << true;
    }

    void loadsSignedFiles()
    {
        QFETCH(bool, base64);
        const QString source = example(QStringLiteral("IT01234567890_FPR02.xml"));
        QVERIFY2(QFileInfo::exists(source), "the official FatturaPA examples are missing");
        const QString key = dir->filePath(QStringLiteral("firma.key"));
        const QString cert = dir->filePath(QStringLiteral("firma.pem"));
        const QString name = QStringLiteral("IT01234567890_FPR02.xml.p7m");
        QCOMPARE(openssl({"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                          "-keyout", key, "-out", cert, "-days", "1", "-subj", "/CN=Firma di prova"}),
                 0);
        QCOMPARE(openssl({"cms", "-sign", "-binary", "-nodetach", "-in", source, "-signer", cert, "-inkey", key,
                          "-outform", base64 ? "PEM" : "DER", "-out", QDir(received()).filePath(name)}),
                 0);
        const Reply reply = load(name);
        QCOMPARE(reply.status, 200);
        QCOMPARE(db->scalar(QStringLiteral("SELECT CONCAT_WS('|', nome_file, num_doc) FROM test_car")),
                 name + QStringLiteral("|123"));
        QCOMPARE(count(QStringLiteral("dett_car")), 2);
    }

    void loadRefusalsChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QByteArray several = readFile(example(QStringLiteral("IT01234567890_FPR03.xml")));
        QTest::newRow("several invoices in one body") << "IT01234567890_FPR03.xml" << several << 422 << "2 fatture";
        QTest::newRow("broken file") << "IT01234567890_00009.xml"
                                     << QByteArray("<p:FatturaElettronica versione=\"FPR12\"><Fattura") << 422
                                     << "non è una fattura elettronica";
        QTest::newRow("other XML") << "ordine.xml" << QByteArray("<?xml version=\"1.0\"?><ordine/>") << 422
                                   << "non è una fattura elettronica";
        QTest::newRow("signed file that is not signed")
            << "IT01234567890_00009.xml.p7m" << QByteArray("nulla di firmato") << 422 << "busta CMS";
        QTest::newRow("missing file") << "IT01234567890_00008.xml" << QByteArray() << 404 << "non si trova";
        QTest::newRow("folder in the name")
            << "../xml/IT01234567890_00001.xml" << QByteArray() << 400 << "Nome del file non valido";
        QTest::newRow("mask of the empty list") << "*.xml" << QByteArray() << 404 << "non si trova";
    }

    void loadRefusalsChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(QString, message);
        if (!content.isEmpty())
            putReceived(name, content);
        const Reply reply = load(name);
        QCOMPARE(reply.status, status);
        QVERIFY2(reply.body.contains(message), qPrintable(reply.body));
        QCOMPARE(count(QStringLiteral("test_car")), 0);
        QCOMPARE(count(QStringLiteral("dett_car")), 0);
    }

    void fileLoadedTwiceEntersOnce()
    {
        const QByteArray content = readFile(example(QStringLiteral("IT01234567890_FPR01.xml")));
        QVERIFY2(!content.isEmpty(), "the official FatturaPA examples are missing");
        putReceived(QStringLiteral("IT01234567890_FPR01.xml"), content);
        QCOMPARE(load(QStringLiteral("IT01234567890_FPR01.xml")).status, 200);
        const Reply again = load(QStringLiteral("IT01234567890_FPR01.xml"));
        QCOMPARE(again.status, 409);
        QVERIFY2(again.body.contains(QStringLiteral("Attenzione... File gia Caricato")), qPrintable(again.body));
        QCOMPARE(count(QStringLiteral("test_car")), 1);
        QCOMPARE(count(QStringLiteral("dett_car")), 1);
    }
};

QTEST_GUILESS_MAIN(TestTransmissionService)
#include "tst_transmissionservice.moc"
