// Files written by the program, checked by xmllint against the official
// FatturaPA schema.
#include "fattura/generaxml.h"
#include "invoicesamples.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Writer = QString (*)(TDiz &);

const QString kSchema = QStringLiteral(FATTURAPA_DIR "/Schema_VFPR12_v1.2.3_local-xmldsig.xsd");

// xmllint's verdict and its messages.
bool validates(const QString &file, QString *messages)
{
    QProcess xmllint;
    xmllint.setProcessChannelMode(QProcess::MergedChannels);
    xmllint.start(QStringLiteral(XMLLINT_PROGRAM), {u"--nonet"_s, u"--noout"_s, u"--schema"_s, kSchema, file});
    if (!xmllint.waitForFinished(60000))
        qFatal("xmllint did not run");
    *messages = QString::fromUtf8(xmllint.readAll());
    return xmllint.exitStatus() == QProcess::NormalExit && xmllint.exitCode() == 0;
}

} // namespace

class TestFatturaSchema : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFile::exists(kSchema))
            QSKIP("the FatturaPA schema folder is not there");
        QVERIFY2(!QByteArray(XMLLINT_PROGRAM).isEmpty() && !QByteArray(XMLLINT_PROGRAM).endsWith("-NOTFOUND"),
                 "xmllint not found");
    }

    void validatesAgainstTheSchema_data()
    {
        QTest::addColumn<bool>("publicAdministration");
        QTest::addColumn<QByteArray>("removedLine");
        QTest::addColumn<bool>("valid");
        // First that the check can fail: a written file without its currency.
        QTest::newRow("broken private-recipient file") << false << QByteArray("<Divisa>EUR</Divisa>") << false;
        QTest::newRow("private-recipient file") << false << QByteArray() << true;
        QTest::newRow("public-administration file") << true << QByteArray() << true;
    }

    void validatesAgainstTheSchema()
    {
        QFETCH(bool, publicAdministration);
        QFETCH(QByteArray, removedLine);
        QFETCH(bool, valid);

        QTemporaryDir folder(QDir::tempPath() + u"/fx-XXXXXX"_s);
        InvoiceRows rows = publicAdministration ? InvoiceSamples::splitPayment() : InvoiceSamples::completePrivate();
        rows.company[u"path"_s] = folder.path() + u'/';
        InvoiceStore store(rows);
        const Writer writer = publicAdministration ? &GeneraXmlPA : &GeneraXmlPrivati;
        const QString path = writer(store.diz());

        if (!removedLine.isEmpty()) {
            QByteArray bytes = fileBytes(path);
            QVERIFY(bytes.contains(removedLine + "\r\n"));
            bytes.replace(removedLine + "\r\n", QByteArray());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        }
        QString messages;
        QVERIFY2(validates(path, &messages) == valid, qPrintable(messages));
    }
};

QTEST_GUILESS_MAIN(TestFatturaSchema)
#include "tst_fatturaschema.moc"
