#include "db/apperror.h"
#include "store/decimaltext.h"

#include <QTest>

#include <functional>

// The binary width a value had before being formatted: the program formats
// long doubles coming from text, doubles coming from the management
// database, and floats holding working values.
enum class Width { Extended, Double, Single };
Q_DECLARE_METATYPE(Width)

namespace {

long double valueOf(const QString &text, Width width)
{
    const long double value = DecimalText::readStrict(text);
    switch (width) {
    case Width::Double:
        return static_cast<double>(value);
    case Width::Single:
        return toSingle(value);
    case Width::Extended:
        break;
    }
    return value;
}

QString conversionMessage(const std::function<void()> &conversion)
{
    try {
        conversion();
    } catch (const AppError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestDecimalText : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void readStrict_data();
    void readStrict();
    void readLenient_data() { readStrict_data(); }
    void readLenient();
    void tryReadStrict_data() { readStrict_data(); }
    void tryReadStrict();
    void readGrouped_data();
    void readGrouped();
    void conversionErrorKeepsTheTextAsGiven_data();
    void conversionErrorKeepsTheTextAsGiven();
    void xmlNumber_data();
    void xmlNumber();
    void xmlNumberOfNoNumberFails();
    void generalText_data();
    void generalText();
    void singleSumIsHeldInThirtyTwoBits();
    void expressionsOverSinglesAreEvaluatedExtended();
};

void TestDecimalText::format_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<Width>("width");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const auto x = Width::Extended;
    QTest::newRow("plain") << "1234,5" << x << "######0.00" << "1234,50";
    QTest::newRow("one integer digit") << "0,4" << x << "######0.00" << "0,40";
    QTest::newRow("half up") << "0,005" << x << "######0.00" << "0,01";
    QTest::newRow("half of 2,675 read from text") << "2,675" << x << "######0.00" << "2,68";
    QTest::newRow("2,675 as a double is below the half")
        << "2,675" << Width::Double << "######0.00" << "2,67";
    QTest::newRow("1,005 as a double") << "1,005" << Width::Double << "######0.00" << "1,00";
    QTest::newRow("float 1234567,875") << "1234567,89" << Width::Single << "######0.00"
                                       << "1234567,88";
    QTest::newRow("carry into a new digit") << "9,995" << x << "#####0.00" << "10,00";
    QTest::newRow("negative") << "-1,5" << x << "######0.00" << "-1,50";
    QTest::newRow("negative half away from zero") << "-0,005" << x << "######0.00" << "-0,01";
    QTest::newRow("rounds to zero without sign") << "-0,001" << x << "######0.00" << "0,00";
    QTest::newRow("negative zero") << "-0" << x << "######0.00" << "0,00";
    QTest::newRow("more digits than the pattern") << "12345678901" << x << "######0.00"
                                                  << "12345678901,00";
    QTest::newRow("eighteen digits") << "123456789012345678" << x << "######0.00"
                                     << "123456789012345678,00";
    QTest::newRow("beyond eighteen digits") << "1e20" << x << "######0.00" << "1E20";
    QTest::newRow("three decimals") << "0,5" << x << "#####0.000" << "0,500";
    QTest::newRow("four decimals") << "0,00005" << x << "######0.0000" << "0,0001";
    QTest::newRow("seven hashes") << "1,2345" << x << "#######0.00" << "1,23";
    QTest::newRow("grouping") << "1234567,891" << x << "##,###0.00" << "1.234.567,89";
    QTest::newRow("grouping three decimals") << "1234,5" << x << "##,###0.000" << "1.234,500";
    QTest::newRow("grouping after a carry") << "999,9995" << x << "##,###0.000" << "1.000,000";
    QTest::newRow("grouping below a thousand") << "123" << x << "##,###0.00" << "123,00";
    QTest::newRow("grouping negative") << "-1234567" << x << "##,###0.00" << "-1.234.567,00";
}

void TestDecimalText::format()
{
    QFETCH(QString, input);
    QFETCH(Width, width);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(DecimalText::format(valueOf(input, width), pattern), expected);
}

void TestDecimalText::readStrict_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("comma decimals") << "12,5" << true << 12.5;
    QTest::newRow("blanks around") << " 12,5 " << true << 12.5;
    QTest::newRow("minus") << "-3" << true << -3.0;
    QTest::newRow("plus") << "+4,25" << true << 4.25;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("negative exponent") << "2,5E-1" << true << 0.25;
    QTest::newRow("no decimals after comma") << "7," << true << 7.0;
    QTest::newRow("no integer digits") << ",5" << true << 0.5;
    QTest::newRow("point decimals") << "1.5" << false << 0.0;
    QTest::newRow("grouping dot") << "1.000,00" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("two commas") << "1,5,0" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("blank inside") << "12 5" << false << 0.0;
    QTest::newRow("trailing letter") << "1,5x" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("out of range") << "1e99999" << false << 0.0;
}

void TestDecimalText::readStrict()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const QString message = conversionMessage([&] {
        QCOMPARE(DecimalText::readStrict(text), static_cast<long double>(value));
    });
    QCOMPARE(message.isEmpty(), valid);
}

void TestDecimalText::readLenient()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(DecimalText::readLenient(text), static_cast<long double>(value));
}

void TestDecimalText::tryReadStrict()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    long double read = -99;
    QCOMPARE(DecimalText::tryReadStrict(text, &read), valid);
    QCOMPARE(read, valid ? static_cast<long double>(value) : -99.0L);
}

void TestDecimalText::readGrouped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("grouped") << "1.234,50" << true << 1234.5;
    QTest::newRow("two groups") << "1.234.567" << true << 1234567.0;
    QTest::newRow("ungrouped") << "1234,5" << true << 1234.5;
    QTest::newRow("negative with blanks") << " -1.000 " << true << -1000.0;
    QTest::newRow("dots anywhere in the integer part") << "1.2.3" << true << 123.0;
    QTest::newRow("exponent") << "1.000e-3" << true << 1.0;
    QTest::newRow("leading dot") << ".5" << false << 0.0;
    QTest::newRow("dot among decimals") << "1,2.3" << false << 0.0;
    QTest::newRow("point decimals after comma grouping") << "1,000.5" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
}

void TestDecimalText::readGrouped()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const QString message = conversionMessage([&] {
        QCOMPARE(DecimalText::readGrouped(text), static_cast<long double>(value));
    });
    QCOMPARE(message.isEmpty(), valid);
}

void TestDecimalText::conversionErrorKeepsTheTextAsGiven_data()
{
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("strict") << false << "1.5" << "'1.5' is not a valid floating point value";
    QTest::newRow("strict empty") << false << "" << "'' is not a valid floating point value";
    QTest::newRow("grouped, blanks kept")
        << true << " x " << "' x ' is not a valid floating point value";
}

void TestDecimalText::conversionErrorKeepsTheTextAsGiven()
{
    QFETCH(bool, grouped);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QCOMPARE(conversionMessage([&] {
                 grouped ? DecimalText::readGrouped(text) : DecimalText::readStrict(text);
             }),
             message);
}

void TestDecimalText::xmlNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("grouped amount") << "1.234,5" << "######0.00" << "1234.50";
    QTest::newRow("rate") << "22" << "######0.00" << "22.00";
    QTest::newRow("price") << "1.234,56789" << "######0.0000" << "1234.5679";
    QTest::newRow("instalment") << "10000,5" << "#######0.00" << "10000.50";
    QTest::newRow("negative") << "-5,125" << "######0.00" << "-5.13";
    QTest::newRow("rounds to zero") << "-0,00004" << "######0.0000" << "0.0000";
}

void TestDecimalText::xmlNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(DecimalText::xmlNumber(text, pattern), expected);
}

void TestDecimalText::xmlNumberOfNoNumberFails()
{
    QCOMPARE(conversionMessage([] { DecimalText::xmlNumber(QString(), u"######0.00"); }),
             QStringLiteral("'' is not a valid floating point value"));
}

void TestDecimalText::generalText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<Width>("width");
    QTest::addColumn<QString>("expected");

    const auto x = Width::Extended;
    QTest::newRow("integer") << "22" << x << "22";
    QTest::newRow("decimals") << "10,5" << x << "10,5";
    QTest::newRow("trailing zeros dropped") << "22,00" << x << "22";
    QTest::newRow("negative") << "-0,25" << x << "-0,25";
    QTest::newRow("zero") << "-0" << x << "0";
    QTest::newRow("fifteen digits kept") << "0,333333333333333333" << x << "0,333333333333333";
    QTest::newRow("fifteenth digit rounded") << "0,6666666666666666" << x << "0,666666666666667";
    QTest::newRow("float 0,1") << "0,1" << Width::Single << "0,100000001490116";
    QTest::newRow("smallest fixed") << "0,00001" << x << "0,00001";
    QTest::newRow("below 0,00001") << "0,0000099" << x << "9,9E-6";
    QTest::newRow("negative small") << "-1e-10" << x << "-1E-10";
    QTest::newRow("fifteen integer digits") << "123456789012345" << x << "123456789012345";
    QTest::newRow("sixteen integer digits") << "1234567890123456" << x << "1,23456789012346E15";
    QTest::newRow("rounding makes sixteen") << "999999999999999,9" << x << "1E15";
    QTest::newRow("large") << "1e20" << x << "1E20";
}

void TestDecimalText::generalText()
{
    QFETCH(QString, input);
    QFETCH(Width, width);
    QFETCH(QString, expected);
    QCOMPARE(DecimalText::generalText(valueOf(input, width)), expected);
}

void TestDecimalText::singleSumIsHeldInThirtyTwoBits()
{
    Single sum = 0;
    sum = toSingle(sum + DecimalText::readStrict(QStringLiteral("1234567,89")));
    QCOMPARE(static_cast<long double>(sum), 1234567.875L);
    QCOMPARE(DecimalText::format(sum, u"######0.00"), QStringLiteral("1234567,88"));
}

void TestDecimalText::expressionsOverSinglesAreEvaluatedExtended()
{
    // A document of 100 at 22 % with a 10 % discount: the discount is
    // removed together with its VAT.
    const Single amount = toSingle(DecimalText::readStrict(QStringLiteral("100")));
    const Single rate = toSingle(DecimalText::readStrict(QStringLiteral("22")));
    const Single discount = toSingle(amount * 10.0L / 100);
    const Single vat = toSingle(amount * rate / 100);
    const long double total = amount - (1 + rate / 100.0L) * discount + vat;
    QCOMPARE(DecimalText::format(total, u"######0.00"), QStringLiteral("109,80"));

    // A product is exact in extended precision and rounds only when stored.
    const Single tenth = toSingle(DecimalText::readStrict(QStringLiteral("0,1")));
    QCOMPARE(tenth * 3.0L, 0.300000004470348358154296875L);
    QCOMPARE(static_cast<long double>(toSingle(tenth * 3.0L)), 0.300000011920928955078125L);
}

QTEST_APPLESS_MAIN(TestDecimalText)
#include "tst_decimaltext.moc"
