// The line computation of the line entry panel and the reformatting of its
// numeric fields, on the panel's own texts.
#include "fattura/linecalc.h"

#include <QTest>

class TestLineCalc : public QObject
{
    Q_OBJECT
private slots:
    void computesLine_data()
    {
        QTest::addColumn<QString>("quantita");
        QTest::addColumn<QString>("prezzo");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("perc");
        QTest::addColumn<QString>("expectedPerc");
        QTest::addColumn<QString>("expectedAmount");
        QTest::addColumn<QString>("expectedTotal");

        QTest::newRow("discount") << "3,00" << "10,000" << "SC" << "10,00" << "10,00" << "3,00" << "27,000";
        QTest::newRow("surcharge") << "3,00" << "10,000" << "MG" << "10,00" << "10,00" << "3,00" << "33,000";
        QTest::newRow("no type") << "3,00" << "10,000" << "" << "10,00" << "" << "" << "30,000";
        QTest::newRow("price of three decimals") << "3,00" << "12,345" << "SC" << "10,00" << "10,00" << "3,70" << "33,332";
        QTest::newRow("price held in single precision") << "1,00" << "99999,990" << "" << "" << "" << "" << "99999,992";
        QTest::newRow("price with a point counts as 0") << "2,00" << "12.5" << "" << "" << "" << "" << "0,000";
        QTest::newRow("unparsable percentage counts as 0") << "2,00" << "5,000" << "SC" << "" << "" << "0,00" << "10,000";
        QTest::newRow("other type than SC or MG") << "2,00" << "5,000" << "XX" << "50,00" << "" << "" << "10,000";
    }
    void computesLine()
    {
        QFETCH(QString, quantita);
        QFETCH(QString, prezzo);
        QFETCH(QString, tipo);
        QFETCH(QString, perc);
        LineAmounts line{quantita, prezzo, tipo, perc, QStringLiteral("old"), QStringLiteral("old")};
        computeLine(line);
        QTEST(line.scPerc, "expectedPerc");
        QTEST(line.scImporto, "expectedAmount");
        QTEST(line.totale, "expectedTotal");
    }

    void reformatsFieldsWhenLeft_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("percentage");
        QTest::newRow("integer") << "3" << "3,00" << "3,000" << "3,00";
        QTest::newRow("rounding half away") << "99999,99" << "99999,99" << "99999,990" << "99999,99";
        QTest::newRow("point as separator") << "12.5" << "0,00" << "0,000" << "";
        QTest::newRow("grouping dots") << "1.234,5" << "0,00" << "0,000" << "";
        QTest::newRow("empty") << "" << "0,00" << "0,000" << "";
        QTest::newRow("negative with blanks") << " -2,5 " << "-2,50" << "-2,500" << "-2,50";
    }
    void reformatsFieldsWhenLeft()
    {
        QFETCH(QString, typed);
        QTEST(reformatQuantity(typed), "quantity");
        QTEST(reformatPrice(typed), "price");
        QTEST(reformatPercentage(typed), "percentage");
    }
};

QTEST_APPLESS_MAIN(TestLineCalc)
#include "tst_linecalc.moc"
