// The management database as the data module reads it: the calculated
// columns of headers and lines, and the declared columns an open requires.
#include "apperror.h"
#include "managementdatabase.h"
#include "store/tdiz.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// "column=value" into a row of the table; "column=" is NULL.
QVariantMap row(const QStringList &assignments)
{
    QVariantMap values;
    for (const QString &assignment : assignments) {
        const QString name = assignment.section(u'=', 0, 0);
        const QString value = assignment.section(u'=', 1);
        values.insert(name, value.isEmpty() ? QVariant() : QVariant(value));
    }
    return values;
}
} // namespace

class TestSourceTables : public QObject
{
    Q_OBJECT
private slots:
    void calculatedColumns_data();
    void calculatedColumns();
    void linesFollowTheirMaster();
    void missingDeclaredColumn();
};

void TestSourceTables::calculatedColumns_data()
{
    // table: "testata" (read through Test_Fatt) or "dettag" (Dett_Fatt);
    // stored: the row's columns; expected: "column=value", empty for NULL.
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("line: 10 less 10 percent, VAT 22")
        << u"dettag"_s << QStringList{"pr_lordo=10", "sc_1=10", "aliquota=22", "quantita=3"}
        << QStringList{"Netto=9", "Imp_Netto=27", "pr_ivato=10.98", "imp_ivato=32.94"};
    QTest::newRow("line: discounts cascade")
        << u"dettag"_s << QStringList{"pr_lordo=10", "sc_1=50", "sc_2=50", "quantita=1"}
        << QStringList{"Netto=2.5", "Imp_Netto=2.5"};
    QTest::newRow("line: whole discount") << u"dettag"_s << QStringList{"pr_lordo=10", "sc_1=100", "quantita=2"}
                                          << QStringList{"Netto=0", "Imp_Netto=0", "pr_ivato=0"};
    QTest::newRow("line: four decimals, ties to even")
        << u"dettag"_s << QStringList{"pr_lordo=0.00125", "quantita=2", "aliquota=0"}
        << QStringList{"Netto=0.0012", "Imp_Netto=0.0024", "pr_ivato=0"};
    QTest::newRow("line: empty quantity leaves the amounts empty")
        << u"dettag"_s << QStringList{"pr_lordo=10", "quantita=", "aliquota=22"}
        << QStringList{"Netto=10", "Imp_Netto=", "pr_ivato=12.2", "imp_ivato="};
    QTest::newRow("line: empty price fails the row")
        << u"dettag"_s << QStringList{"pr_lordo=", "quantita=3", "aliquota=22"}
        << QStringList{"Netto=0", "Imp_Netto=0", "pr_ivato=0", "imp_ivato=0"};

    QTest::newRow("header: sums") << u"testata"_s
                                  << QStringList{"imponibile1=100", "imponibile5=50.5", "iva1=22", "iva4=2",
                                                 "val_sconto2=3",   "spese_tr=10",      "bolli=2", "abbuono=1.5"}
                                  << QStringList{"Imp_Merce=150.5",  "Iva_Merce=24",  "sconto=3",
                                                 "Imp_Totale=157.5", "Iva_Totale=24", "totale=182"};
    QTest::newRow("header: charges VAT 2.5 cents to 2")
        << u"testata"_s << QStringList{"spese_tr=2.5", "aliq_spese=1"} << QStringList{"Iva_Totale=0.02"};
    QTest::newRow("header: charges VAT 3.5 cents to 4")
        << u"testata"_s << QStringList{"spese_tr=3.5", "aliq_spese=1"} << QStringList{"Iva_Totale=0.04"};
    QTest::newRow("header: allowance alone")
        << u"testata"_s << QStringList{"abbuono=5"} << QStringList{"totale=-5", "imp_totale=0", "IMP_MERCE=0"};
    QTest::newRow("header: empty charges rate fails the row")
        << u"testata"_s << QStringList{"imponibile1=100", "iva1=22", "aliq_spese="}
        << QStringList{"Imp_Merce=0", "Iva_Merce=0", "sconto=0", "Imp_Totale=0", "Iva_Totale=0", "totale=0"};
    QTest::newRow("header: an empty amount empties its sums")
        << u"testata"_s << QStringList{"imponibile3=", "iva1=22"}
        << QStringList{"Imp_Merce=", "Iva_Merce=22", "Imp_Totale=", "Iva_Totale=22", "totale="};
}

void TestSourceTables::calculatedColumns()
{
    QFETCH(QString, table);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, expected);

    ManagementDatabase a2020;
    const int header = a2020.insert(u"testata"_s, row(table == u"testata" ? stored : QStringList{}));
    TDiz diz;
    SourceTable *source = diz.Test_Fatt;
    if (table == u"dettag") {
        a2020.insert(u"dettag"_s, row(stored + QStringList{u"prot_testa=%1"_s.arg(header)}));
        diz.Dett_Fatt->setMaster(diz.Test_FattS, u"protocollo"_s, u"prot_testa"_s);
        diz.Dett_Fatt->open();
        source = diz.Dett_Fatt;
    }
    diz.Test_Fatt->open();
    QVERIFY(!source->eof());
    for (const QString &item : expected) {
        const QString column = item.section(u'=', 0, 0);
        const QString value = item.section(u'=', 1);
        const QVariant actual = source->value(column);
        if (value.isEmpty())
            QVERIFY2(actual.isNull(), qPrintable(column + u" = "_s + actual.toString()));
        else
            QCOMPARE(actual.toDouble(), value.toDouble());
    }
}

void TestSourceTables::linesFollowTheirMaster()
{
    ManagementDatabase a2020;
    const int first = a2020.insert(u"testata"_s, {{"reg_doc", "FV"}});
    const int second = a2020.insert(u"testata"_s, {{"reg_doc", "BC"}, {"prot_f_diff", first}});
    a2020.insert(u"dettag"_s, {{"prot_testa", first}, {"descrizione", "fattura"}});
    a2020.insert(u"dettag"_s, {{"prot_testa", second}, {"descrizione", "bolla 1"}});
    a2020.insert(u"dettag"_s, {{"prot_testa", second}, {"descrizione", "bolla 2"}});
    TDiz diz;
    diz.Test_Fatt->open();
    diz.BolleT->setSql(u"SELECT * from a2020.testata where prot_f_diff=%1"_s.arg(first));
    diz.Dett_Fatt->open(); // declared with BolleT as its master
    auto descriptions = [&diz] {
        QStringList texts;
        for (diz.Dett_Fatt->first(); !diz.Dett_Fatt->eof(); diz.Dett_Fatt->next())
            texts << diz.Dett_Fatt->value(u"descrizione"_s).toString();
        return texts;
    };
    QCOMPARE(descriptions(), QStringList({"bolla 1", "bolla 2"}));
    diz.Dett_Fatt->setMaster(diz.Test_FattS, u"protocollo"_s, u"prot_testa"_s);
    QCOMPARE(descriptions(), QStringList({"fattura"}));
    diz.Test_Fatt->next();
    QCOMPARE(descriptions(), QStringList({"bolla 1", "bolla 2"}));
}

void TestSourceTables::missingDeclaredColumn()
{
    ManagementDatabase a2020;
    a2020.execute(u"ALTER TABLE testata DROP COLUMN pec"_s);
    TDiz diz;
    try {
        diz.Test_Fatt->open();
        QFAIL("the open went through");
    } catch (const AppError &error) {
        QCOMPARE(error.message(), u"testata: campo 'pec' non trovato"_s);
    }
    QVERIFY(!diz.Test_Fatt->isOpen());
    diz.BolleT->open(); // declares no columns
    QVERIFY(diz.BolleT->isOpen());
}

QTEST_GUILESS_MAIN(TestSourceTables)
#include "tst_sourcetables.moc"
