// The sending progressive and the name of a FatturaPA file.
#include "fattura/fatturafilename.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestProgressivo : public QObject
{
    Q_OBJECT
private slots:
    void progressive_data()
    {
        QTest::addColumn<QString>("deskTitle");
        QTest::addColumn<qint64>("invoiceId");
        QTest::addColumn<QString>("progressive");
        QTest::newRow("title A adds a zero") << u"A"_s << qint64(7) << u"00007"_s;
        QTest::newRow("title A, five digits") << u"A"_s << qint64(12345) << u"012345"_s;
        QTest::newRow("title B, five digits") << u"B"_s << qint64(12345) << u"B12345"_s;
        QTest::newRow("title B") << u"B"_s << qint64(42) << u"B0042"_s;
        QTest::newRow("empty title") << QString() << qint64(7) << u"0007"_s;
        QTest::newRow("longer title") << u"Sede"_s << qint64(1) << u"Sede0001"_s;
        QTest::newRow("lower-case a is a title like any other") << u"a"_s << qint64(7) << u"a0007"_s;
    }
    void progressive()
    {
        QFETCH(QString, deskTitle);
        QFETCH(qint64, invoiceId);
        QFETCH(QString, progressive);
        QCOMPARE(sendingProgressive(deskTitle, invoiceId), progressive);
    }

    void fileName()
    {
        QCOMPARE(fatturaFileName(u"01234567890"_s, u"00007"_s), u"IT01234567890_00007.xml"_s);
        // Seven characters of progressive fill the 25 of nome_file.
        QCOMPARE(fatturaFileName(u"01234567890"_s, u"A000042"_s).size(), 25);
    }
};

QTEST_GUILESS_MAIN(TestProgressivo)
#include "tst_progressivo.moc"
