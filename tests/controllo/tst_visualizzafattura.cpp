// The readable view: the Agency's stylesheet for the file's kind turns an
// invoice into HTML; what is not an invoice file is refused in Italian.
#include "controllo/visualizzafattura.h"
#include "db/apperror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestVisualizzaFattura : public QObject
{
    Q_OBJECT
private slots:
    void transformsWithTheStylesheetOfItsKind_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("recipientLabel");
        QTest::addColumn<QString>("customer");
        QTest::newRow("public administration")
            << u"IT01234567890_FPA01.xml"_s << u"Codice Amministrazione destinataria"_s << u"AMMINISTRAZIONE BETA"_s;
        QTest::newRow("private recipient")
            << u"IT01234567890_FPR01.xml"_s << u"Codice identificativo destinatario"_s << u"DITTA BETA"_s;
    }

    void transformsWithTheStylesheetOfItsKind()
    {
        QFETCH(QString, file);
        QFETCH(QString, recipientLabel);
        QFETCH(QString, customer);
        QTemporaryDir folder;
        const QString target = folder.filePath(u"fattura.html"_s);
        QCOMPARE(VisualizzaFattura::writeHtml(QStringLiteral(EXAMPLES_DIR "/") + file, target), target);
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(written.readAll());
        QVERIFY(html.contains(u"FATTURA ELETTRONICA"_s));
        QVERIFY2(html.contains(recipientLabel), qPrintable(html.left(2000)));
        QVERIFY(html.contains(customer));
    }

    void refusesWhatIsNoInvoiceFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("no XML") << QByteArray("not xml <") << u"non è un file XML leggibile"_s;
        QTest::newRow("missing") << QByteArray() << u"Impossibile leggere il file"_s;
    }

    void refusesWhatIsNoInvoiceFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"fattura.xml"_s);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        try {
            VisualizzaFattura::html(path);
            QFAIL("no error");
        } catch (const AppError &error) {
            QVERIFY2(error.message().contains(message), qPrintable(error.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestVisualizzaFattura)
#include "tst_visualizzafattura.moc"
