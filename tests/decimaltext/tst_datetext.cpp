#include "db/apperror.h"
#include "store/datetext.h"

#include <QTest>

class TestDateText : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void tryRead_data() { read_data(); }
    void tryRead();
    void errorKeepsTheTextAsGiven();
    void write_data();
    void write();
};

void TestDateText::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    const int thisYear = QDate::currentDate().year();
    QTest::newRow("stored form") << "05/01/2021" << QDate(2021, 1, 5);
    QTest::newRow("single digits") << "5/1/2021" << QDate(2021, 1, 5);
    QTest::newRow("blanks around") << " 05/01/2021 " << QDate(2021, 1, 5);
    QTest::newRow("two-digit year, this century") << "05/01/21" << QDate(2021, 1, 5);
    QTest::newRow("two-digit year, last century") << "31/12/99" << QDate(1999, 12, 31);
    const int earliest = thisYear - 50;
    QTest::newRow("two-digit year, earliest of the window")
        << QStringLiteral("01/01/%1").arg(earliest % 100, 2, 10, QLatin1Char('0'))
        << QDate(earliest, 1, 1);
    QTest::newRow("two-digit year, latest of the window")
        << QStringLiteral("31/12/%1").arg((earliest + 99) % 100, 2, 10, QLatin1Char('0'))
        << QDate(earliest + 99, 12, 31);
    QTest::newRow("day and month only") << "05/01" << QDate(thisYear, 1, 5);
    QTest::newRow("leap day") << "29/02/2020" << QDate(2020, 2, 29);
    QTest::newRow("no leap day") << "29/02/2021" << QDate();
    QTest::newRow("month 13") << "05/13/2021" << QDate();
    QTest::newRow("day 0") << "00/01/2021" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("word") << "abc" << QDate();
    QTest::newRow("XML form") << "2021-01-05" << QDate();
    QTest::newRow("dots") << "05.01.2021" << QDate();
    QTest::newRow("with a time") << "05/01/2021 12:00" << QDate();
    QTest::newRow("missing month") << "05//2021" << QDate();
    QTest::newRow("four parts") << "1/2/3/4" << QDate();
}

void TestDateText::read()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QDate date;
    try {
        date = DateText::read(text);
    } catch (const AppError &) {
    }
    QCOMPARE(date, expected);
}

void TestDateText::tryRead()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    const QDate untouched(1900, 1, 1);
    QDate date = untouched;
    QCOMPARE(DateText::tryRead(text, &date), expected.isValid());
    QCOMPARE(date, expected.isValid() ? expected : untouched);
}

void TestDateText::errorKeepsTheTextAsGiven()
{
    QString message;
    try {
        DateText::read(QStringLiteral(" 31/02/2021"));
    } catch (const AppError &error) {
        message = error.message();
    }
    QCOMPARE(message, QStringLiteral("' 31/02/2021' is not a valid date"));
}

void TestDateText::write_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("xml");

    QTest::newRow("padded day and month") << QDate(2021, 1, 5) << "05/01/2021" << "2021-01-05";
    QTest::newRow("two-digit day and month") << QDate(2020, 12, 31) << "31/12/2020" << "2020-12-31";
    QTest::newRow("short year") << QDate(999, 3, 7) << "07/03/0999" << "999-03-07";
}

void TestDateText::write()
{
    QFETCH(QDate, date);
    QFETCH(QString, stored);
    QFETCH(QString, xml);
    QCOMPARE(DateText::format(date), stored);
    QCOMPARE(DateText::xml(date), xml);
    QCOMPARE(DateText::read(stored), date);
}

QTEST_APPLESS_MAIN(TestDateText)
#include "tst_datetext.moc"
