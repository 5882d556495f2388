// Check digits of Italian VAT numbers and fiscal codes.
#include "controllo/codicifiscali.h"

#include <QTest>

class TestCodiciFiscali : public QObject
{
    Q_OBJECT
private slots:
    void checkDigits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("vatNumber");
        QTest::addColumn<bool>("fiscalCode");
        QTest::newRow("VAT number") << "01234567897" << true << true;
        QTest::newRow("VAT number, wrong digit") << "01234567890" << false << false;
        QTest::newRow("VAT number, ten digits") << "0123456789" << false << false;
        QTest::newRow("VAT number with a letter") << "0123456789A" << false << false;
        QTest::newRow("person") << "RSSMRA80A01H501U" << false << true;
        QTest::newRow("person, wrong check character") << "RSSMRA80A01H501X" << false << false;
        QTest::newRow("person, lower case") << "rssmra80a01h501u" << false << false;
        QTest::newRow("person, homonym with letters for digits") << "RSSMRA80A01H50MM" << false << true;
        QTest::newRow("person, impossible month") << "RSSMRA80Z01H501U" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }

    void checkDigits()
    {
        QFETCH(QString, code);
        QFETCH(bool, vatNumber);
        QFETCH(bool, fiscalCode);
        QCOMPARE(CodiciFiscali::isValidVatNumber(code), vatNumber);
        QCOMPARE(CodiciFiscali::isValidFiscalCode(code), fiscalCode);
    }
};

QTEST_GUILESS_MAIN(TestCodiciFiscali)
#include "tst_codicifiscali.moc"
