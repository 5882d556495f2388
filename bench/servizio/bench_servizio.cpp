// The transmission service under load, on the private server and a real
// SMTP server on the loopback interface:
//  - 100 invoices sent in one burst (as "Invio Fatture al SDI" opens them),
//    against the same 100 requested one after another;
//  - a received file of 1,000 lines loaded, against a file of one line.
#include "mailcatcher.h"
#include "testdatabase.h"

#include "servizio/transmissionservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kInvoices = 100;

QString fileName(int id)
{
    return QStringLiteral("IT01234567890_%1.xml").arg(id, 5, 10, QLatin1Char('0'));
}

QByteArray receivedFile(int lines)
{
    QByteArray xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<p:FatturaElettronica versione=\"FPR12\" "
        "xmlns:p=\"http://ivaservizi.agenziaentrate.gov.it/docs/xsd/fatture/v1.2\">"
        "<FatturaElettronicaHeader><DatiTrasmissione><CodiceDestinatario>ABC1234</CodiceDestinatario>"
        "</DatiTrasmissione><CedentePrestatore><DatiAnagrafici><IdFiscaleIVA><IdPaese>IT</IdPaese>"
        "<IdCodice>01234567890</IdCodice></IdFiscaleIVA><Anagrafica><Denominazione>Fornitore</Denominazione>"
        "</Anagrafica></DatiAnagrafici><Sede><Indirizzo>Via Roma 1</Indirizzo><CAP>20100</CAP>"
        "<Comune>Milano</Comune><Nazione>IT</Nazione></Sede></CedentePrestatore></FatturaElettronicaHeader>"
        "<FatturaElettronicaBody><DatiGenerali><DatiGeneraliDocumento><TipoDocumento>TD01</TipoDocumento>"
        "<Divisa>EUR</Divisa><Data>2024-03-05</Data><Numero>1</Numero></DatiGeneraliDocumento>"
        "</DatiGenerali><DatiBeniServizi>";
    for (int i = 1; i <= lines; ++i)
        xml += "<DettaglioLinee><NumeroLinea>" + QByteArray::number(i) +
               "</NumeroLinea><CodiceArticolo><CodiceTipo>EAN</CodiceTipo><CodiceValore>800" + QByteArray::number(i) +
               "</CodiceValore></CodiceArticolo><Descrizione>Articolo " + QByteArray::number(i) +
               "</Descrizione><Quantita>2.00</Quantita><UnitaMisura>pz</UnitaMisura><PrezzoUnitario>50.00"
               "</PrezzoUnitario><PrezzoTotale>100.00</PrezzoTotale><AliquotaIVA>22.00</AliquotaIVA></DettaglioLinee>";
    xml += "<DatiRiepilogo><AliquotaIVA>22.00</AliquotaIVA><ImponibileImporto>" + QByteArray::number(lines * 100) +
           ".00</ImponibileImporto><Imposta>" + QByteArray::number(lines * 22) +
           ".00</Imposta></DatiRiepilogo></DatiBeniServizi></FatturaElettronicaBody></p:FatturaElettronica>\n";
    return xml;
}

class Client
{
public:
    explicit Client(quint16 port) : m_port(port) {}

    // Sends every request at once and waits for every answer; returns how
    // many answered 200.
    int getAll(const QStringList &paths)
    {
        QList<QNetworkReply *> replies;
        for (const QString &path : paths)
            replies << m_net.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path))));
        int ok = 0;
        for (QNetworkReply *reply : replies) {
            if (!reply->isFinished()) {
                QEventLoop loop;
                QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
                loop.exec();
            }
            ok += reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
            reply->deleteLater();
        }
        return ok;
    }

private:
    QNetworkAccessManager m_net;
    quint16 m_port;
};

QString sendPath(int id)
{
    return QStringLiteral("/Fatt_Ven/mail_sdi.php?nome_file=%1&n_invio=%2").arg(fileName(id)).arg(id);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    MailCatcher mail;
    TestDatabase db;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("xml"));
    QDir(dir.path()).mkdir(QStringLiteral("ricevute"));
    db.execute(QStringLiteral("INSERT INTO azienda (rag_soc, mail, path) VALUES ('Dosca', 'a@dosca.it', '%1')")
                   .arg(dir.filePath(QStringLiteral("xml"))));
    for (int id = 1; id <= kInvoices; ++id) {
        db.execute(
            QStringLiteral("INSERT INTO testata (id_invio, nome_file) VALUES (%1, '%2')").arg(id).arg(fileName(id)));
        QFile file(QDir(dir.filePath(QStringLiteral("xml"))).filePath(fileName(id)));
        file.open(QIODevice::WriteOnly);
        file.write(receivedFile(10));
    }
    ServiceSettings settings;
    settings.httpPort = 0;
    settings.store = db.settings();
    settings.smtpPort = mail.port();
    settings.receivedFolder = dir.filePath(QStringLiteral("ricevute"));
    TransmissionService service(settings);
    Client client(service.listen());

    QElapsedTimer timer;
    timer.start();
    int ok = 0;
    for (int id = 1; id <= kInvoices; ++id)
        ok += client.getAll({sendPath(id)});
    const double oneByOne = timer.nsecsElapsed() / 1e9;
    std::printf("%d invoices one after another: %.2f s (%d sent)\n", kInvoices, oneByOne, ok);

    db.execute(QStringLiteral("UPDATE testata SET inviata = 0"));
    mail.clear();
    QStringList burst;
    for (int id = 1; id <= kInvoices; ++id)
        burst << sendPath(id);
    timer.restart();
    ok = client.getAll(burst);
    const double inBurst = timer.nsecsElapsed() / 1e9;
    std::printf("%d invoices in one burst:        %.2f s (%d sent, %lld messages; goal under 10 s), %.2fx the "
                "time one after another\n",
                kInvoices, inBurst, ok, qlonglong(mail.messages().size()), inBurst / oneByOne);

    double seconds[2] = {};
    const int sizes[2] = {1, 1000};
    for (int i = 0; i < 2; ++i) {
        const QString name = QStringLiteral("IT01234567890_L%1.xml").arg(sizes[i]);
        QFile file(QDir(settings.receivedFolder).filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(receivedFile(sizes[i]));
        file.close();
        timer.restart();
        ok = client.getAll({QStringLiteral("/Fatt_Acq/read_xml.php?nome_file=") + name});
        seconds[i] = timer.nsecsElapsed() / 1e9;
        std::printf("received file of %4d lines loaded: %.3f s (%s)\n", sizes[i], seconds[i], ok ? "ok" : "FAILED");
    }
    std::printf("1,000 lines take %.1fx the time of one line (goal under 1 s)\n", seconds[1] / seconds[0]);
    return 0;
}
