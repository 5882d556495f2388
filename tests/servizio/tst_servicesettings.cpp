// The service's settings file and the file names it accepts from an address.
#include "apperror.h"
#include "servizio/servicefilename.h"
#include "servizio/servicesettings.h"

#include <QTemporaryDir>
#include <QTest>

class TestServiceSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QByteArray &text, QFileDevice::Permissions permissions)
    {
        // One file per row: QSettings keeps what it read of a file by name.
        const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".ini");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the settings file");
        file.write(text);
        file.close();
        file.setPermissions(permissions);
        return path;
    }

    static constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    static constexpr QFileDevice::Permissions everyone = ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther;

    static QString summary(const ServiceSettings &s)
    {
        return QStringList{QString::number(s.httpPort),
                           s.store.server,
                           s.store.database,
                           s.store.user,
                           s.store.password,
                           s.smtpServer,
                           QString::number(s.effectiveSmtpPort()),
                           QString::number(int(s.smtpSecurity)),
                           s.smtpUser,
                           s.smtpPassword,
                           s.sender,
                           s.sdiAddress,
                           s.outgoingFolder,
                           s.receivedFolder}
            .join(QLatin1Char('|'));
    }

private slots:
    void readsTheKeys_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty file: defaults")
            << QByteArray() << "8080|127.0.0.1|xml_dosca|root|kertovin_47|127.0.0.1|25|0||||sdi01@pec.fatturapa.it||.";
        QTest::newRow("every key")
            << QByteArray("[http]\nporta=8181\n[archivio]\nserver=10.0.0.5\ndatabase=fatture\nutente=servizio\n"
                          "password=\"se,gre;to\"\n[smtp]\nserver=smtps.pec.example.it\nporta=4650\nsicurezza=tls\n"
                          "utente=dosca@pec.example.it\npassword=x,y\nmittente=dosca@pec.example.it\n"
                          "[sdi]\nindirizzo=sdi07@pec.fatturapa.it\n[cartelle]\ninvio=/srv/xml\nricevute=/srv/in\n")
            << "8181|10.0.0.5|fatture|servizio|se,gre;to|smtps.pec.example.it|4650|2|dosca@pec.example.it|x,y|"
               "dosca@pec.example.it|sdi07@pec.fatturapa.it|/srv/xml|/srv/in";
        QTest::newRow("starttls takes the submission port")
            << QByteArray("[smtp]\nsicurezza=starttls\n")
            << "8080|127.0.0.1|xml_dosca|root|kertovin_47|127.0.0.1|587|1|"
               "|||sdi01@pec.fatturapa.it||.";
    }

    void readsTheKeys()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        QCOMPARE(summary(ServiceSettings::read(write(ini, ownerOnly))), expected);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("readableByOthers");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("mail password readable by others")
            << QByteArray("[smtp]\npassword=segreto\n") << true << "leggibile da altri utenti";
        QTest::newRow("store password readable by others")
            << QByteArray("[archivio]\npassword=segreto\n") << true << "leggibile da altri utenti";
        QTest::newRow("password for the owner only") << QByteArray("[smtp]\npassword=segreto\n") << false << QString();
        QTest::newRow("no password, readable by all") << QByteArray("[smtp]\nserver=posta\n") << true << QString();
        QTest::newRow("unknown security")
            << QByteArray("[smtp]\nsicurezza=ssl\n") << false << "sicurezza SMTP sconosciuta";
        QTest::newRow("port not a number") << QByteArray("[http]\nporta=ottanta\n") << false << "porta non valida";
        QTest::newRow("port out of range") << QByteArray("[smtp]\nporta=70000\n") << false << "porta non valida";
    }

    void refusals()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, readableByOthers);
        QFETCH(QString, message);
        const QString path = write(ini, readableByOthers ? everyone : ownerOnly);
        try {
            ServiceSettings::read(path);
            QVERIFY2(message.isEmpty(), "the settings were accepted");
        } catch (const AppError &error) {
            QVERIFY2(!message.isEmpty() && error.message().contains(message), qPrintable(error.message()));
        }
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fatturaPa");
        QTest::addColumn<bool>("received");
        QTest::newRow("issued file") << "IT01234567890_00001.xml" << true << true;
        QTest::newRow("signed file") << "IT01234567890_0A1b2.xml.p7m" << true << true;
        QTest::newRow("upper-case extension") << "IT01234567890_FPR01.XML" << true << true;
        QTest::newRow("received, not an SdI name") << "fattura fornitore.xml" << false << true;
        QTest::newRow("progressive too long") << "IT01234567890_000001.xml" << false << true;
        QTest::newRow("parent folder") << "../IT01234567890_00001.xml" << false << false;
        QTest::newRow("absolute path") << "/etc/passwd.xml" << false << false;
        QTest::newRow("backslash") << "..\\IT01234567890_00001.xml" << false << false;
        QTest::newRow("hidden") << ".xml" << false << false;
        QTest::newRow("line break") << "IT01234567890\n_00001.xml" << false << false;
        QTest::newRow("not xml") << "fattura.pdf" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }

    void fileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, fatturaPa);
        QFETCH(bool, received);
        QCOMPARE(ServiceFileName::isFatturaPa(name), fatturaPa);
        QCOMPARE(ServiceFileName::isReceivedFile(name), received);
    }
};

QTEST_GUILESS_MAIN(TestServiceSettings)
#include "tst_servicesettings.moc"
