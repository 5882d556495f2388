// The codes the drop-downs and the legend offer are exactly those of the
// built-in schema 1.2.3 (less the generic natures the SdI refuses), each
// with a description.
#include "fattura/fatturacodes.h"

#include <QFile>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

// The enumeration values of one simple type of the schema.
QStringList schemaCodes(const QString &type)
{
    QFile file(u":/controllo/Schema_VFPR12_v1.2.3.xsd"_s);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("built-in schema missing");
    QXmlStreamReader xml(&file);
    QStringList codes;
    bool inType = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"simpleType")
            inType = xml.attributes().value(u"name"_s) == type;
        else if (inType && xml.isStartElement() && xml.name() == u"enumeration")
            codes << xml.attributes().value(u"value"_s).toString();
        else if (xml.isEndElement() && xml.name() == u"simpleType")
            inType = false;
    }
    return codes;
}

} // namespace

class TestFatturaCodes : public QObject
{
    Q_OBJECT
private slots:
    void listsMatchTheSchema_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<FatturaCode>>("offered");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("nature") << u"NaturaType"_s << FatturaCodes::natureCodes() << QStringList{"N2", "N3", "N6"};
        QTest::newRow("document type") << u"TipoDocumentoType"_s << FatturaCodes::documentTypes() << QStringList();
        QTest::newRow("tax regime") << u"RegimeFiscaleType"_s << FatturaCodes::taxRegimes() << QStringList();
        QTest::newRow("withholding type")
            << u"TipoRitenutaType"_s << FatturaCodes::withholdingTypes() << QStringList();
        QTest::newRow("payment reason")
            << u"CausalePagamentoType"_s << FatturaCodes::paymentReasons() << QStringList();
    }

    void listsMatchTheSchema()
    {
        QFETCH(QString, type);
        QFETCH(QList<FatturaCode>, offered);
        QFETCH(QStringList, left);
        QStringList expected = schemaCodes(type);
        QVERIFY(!expected.isEmpty());
        for (const QString &code : left)
            expected.removeAll(code);
        QStringList codes;
        for (const FatturaCode &code : offered) {
            codes << code.code;
            QVERIFY2(!code.description.isEmpty(), qPrintable(code.code));
        }
        QCOMPARE(codes, expected);
    }

    void dropDownKeepsItsItemsFirst()
    {
        const QStringList items =
            FatturaCodes::withCurrentCodes({"N1", "N2", "N3", "N4", "N5", "N6"}, FatturaCodes::natureCodes());
        QCOMPARE(items.mid(0, 7), (QStringList{"N1", "N2", "N3", "N4", "N5", "N6", "N2.1"}));
        QCOMPARE(items.size(), 6 + 18); // N1, N4 and N5 stand there once
        QCOMPARE(items.last(), u"N7"_s);
        QCOMPARE(FatturaCodes::natureCodes().at(1).legendText(),
                 u"N2.1 - Non soggette ad IVA ai sensi degli artt. da 7 a 7-septies del DPR 633/72"_s);
    }
};

QTEST_GUILESS_MAIN(TestFatturaCodes)
#include "tst_fatturacodes.moc"
