// RicalcolaTotali on invoices in a store of their own: the header columns
// are read back from the database after the run.
#include "fattura/totali.h"
#include "store/tdiz.h"
#include "db/apperror.h"
#include "testdatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kInvoice = 7;

// One line as "quantita|aliquota|tipo_cessione|prezzo_tot".
QString insertLine(int prog, const QString &line)
{
    const QStringList f = line.split(u'|');
    Q_ASSERT(f.size() == 4);
    return u"INSERT INTO dettaglio (id_invio, prog, quantita, aliquota, tipo_cessione, prezzo_tot) "
           "VALUES (%1, %2, '%3', '%4', '%5', '%6')"_s
        .arg(kInvoice).arg(prog).arg(f[0], f[1], f[2], f[3]);
}

} // namespace

class TestTotali : public QObject
{
    Q_OBJECT
private slots:
    void recomputesHeader_data();
    void recomputesHeader();
};

void TestTotali::recomputesHeader_data()
{
    // header: assignments over the defaults of a new header; expected:
    // "column=value" read back afterwards; error: the message of a stopped
    // computation, whose offending line is failedLine (0-based).
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("failedLine");

    const QStringList slotsEmpty = {"aliquota=",  "imponibile=",  "imposta=",  "aliquota2=", "imponibile2=",
                                    "imposta2=",  "aliquota3=",   "imponibile3=", "imposta3=", "aliquota4=",
                                    "imponibile4=", "imposta4="};

    QTest::newRow("no lines")
        << u"imponibile='1,00', aliquota='22', tot_omaggio='5,00', tot_omaggio3='1,00'"_s << QStringList()
        << slotsEmpty + QStringList{"tot_omaggio=5,00", "tot_omaggio3=1,00", "sc_importo=0,00", "tot_doc=0,00"}
        << QString() << -1;
    QTest::newRow("only lines without quantity")
        << u"spese='10,00', spese2='5,00'"_s << QStringList{"0|22||100,00", "-1|10||50,00"}
        << slotsEmpty + QStringList{"sc_importo=0,00", "tot_doc=15,00"} << QString() << -1;
    QTest::newRow("one ordinary line")
        << QString() << QStringList{"1|22||100,00"}
        << QStringList{"aliquota=22", "imponibile=100,00", "imposta=22,00", "tot_omaggio=0,00", "sc_importo=0,00",
                       "tot_doc=122,00", "aliquota2=", "imponibile2="}
        << QString() << -1;
    QTest::newRow("free goods SC")
        << QString() << QStringList{"1|22|SC|100,00"}
        << QStringList{"imponibile=0,00", "imposta=22,00", "tot_omaggio=100,00", "tot_doc=22,00"} << QString() << -1;
    QTest::newRow("free goods AB and PR, AC ordinary")
        << QString() << QStringList{"1|10|AB|100,00", "1|10|PR|50,00", "1|10|AC|20,00"}
        << QStringList{"imponibile=20,00", "imposta=17,00", "tot_omaggio=150,00", "tot_doc=37,00"} << QString() << -1;
    QTest::newRow("header discount SC")
        << u"sc_tipo='SC', sc_perc='10'"_s << QStringList{"1|22||100,00"}
        << QStringList{"sc_importo=10,00", "imponibile=100,00", "imposta=22,00", "tot_doc=109,80"} << QString() << -1;
    QTest::newRow("header discount MG subtracts too")
        << u"sc_tipo='MG', sc_perc='10'"_s << QStringList{"1|22||100,00"}
        << QStringList{"sc_importo=10,00", "imponibile=100,00", "imposta=22,00", "tot_doc=109,80"} << QString() << -1;
    QTest::newRow("discount of another kind is ignored")
        << u"sc_tipo='XX', sc_perc='10'"_s << QStringList{"1|22||100,00"}
        << QStringList{"sc_importo=0,00", "tot_doc=122,00"} << QString() << -1;
    QTest::newRow("expenses")
        << u"spese='10,00'"_s << QStringList{"1|22||100,00"}
        << QStringList{"imponibile=100,00", "imposta=22,00", "tot_doc=134,20"} << QString() << -1;
    QTest::newRow("expenses at the first and second rate")
        << u"spese='10,00', spese2='10,00', spese3='50,00', arrot='1,00'"_s
        << QStringList{"1|22||100,00", "1|10||100,00"}
        << QStringList{"imponibile=100,00", "imposta=22,00", "imponibile2=100,00", "imposta2=10,00",
                       "tot_doc=255,20"}
        << QString() << -1;
    QTest::newRow("rates 22 and 22,00 are two slots")
        << QString() << QStringList{"1|22||100,00", "1|22,00||50,00", "1|22||10,00"}
        << QStringList{"aliquota=22", "imponibile=110,00", "imposta=24,20", "aliquota2=22,00", "imponibile2=50,00",
                       "imposta2=11,00", "aliquota3=", "tot_doc=195,20"}
        << QString() << -1;
    QTest::newRow("five rates: the fifth enters no total")
        << QString() << QStringList{"1|4||100,00", "1|10||100,00", "1|22||100,00", "1|5||100,00", "1|8||100,00"}
        << QStringList{"aliquota=4", "aliquota2=10", "aliquota3=22", "aliquota4=5", "imponibile4=100,00",
                       "imposta4=5,00", "tot_doc=441,00"}
        << QString() << -1;
    QTest::newRow("fourth slot counts SC as ordinary")
        << QString() << QStringList{"1|4||100,00", "1|10||100,00", "1|22||100,00", "1|5|SC|100,00"}
        << QStringList{"aliquota4=5", "imponibile4=100,00", "imposta4=5,00", "tot_doc=441,00"} << QString() << -1;
    QTest::newRow("quantity 0 at a new rate fills no slot")
        << QString() << QStringList{"1|22||100,00", "0|10||100,00", "-2|4||100,00"}
        << QStringList{"aliquota=22", "aliquota2=", "imponibile2=", "tot_doc=122,00"} << QString() << -1;
    QTest::newRow("free goods at the third slot")
        << QString() << QStringList{"1|4||100,00", "1|10||100,00", "1|22|SC|100,00", "2|22|AB|50,00"}
        << QStringList{"aliquota3=22", "imponibile3=0,00", "imposta3=33,00", "tot_omaggio3=150,00",
                       "tot_doc=247,00"}
        << QString() << -1;
    QTest::newRow("a slot empties on recomputation")
        << u"aliquota2='10', imponibile2='50,00', imposta2='5,00', tot_omaggio2='7,00'"_s
        << QStringList{"1|22||100,00"}
        << QStringList{"aliquota=22", "aliquota2=", "imponibile2=", "imposta2=", "tot_omaggio2=7,00",
                       "tot_doc=122,00"}
        << QString() << -1;
    QTest::newRow("negative slot is not written but counts in the total")
        << QString() << QStringList{"1|22||100,00", "1|10||-50,00"}
        << QStringList{"aliquota2=10", "imponibile2=", "imposta2=", "tot_doc=72,00"} << QString() << -1;
    QTest::newRow("an empty rate adds to every empty slot")
        << QString() << QStringList{"1|||100,00"}
        << QStringList{"aliquota=", "imponibile=100,00", "imposta=0,00", "imponibile2=100,00", "imponibile3=100,00",
                       "imponibile4=100,00", "imposta4=0,00", "tot_doc=400,00"}
        << QString() << -1;
    QTest::newRow("a rate that is no number counts as 0")
        << QString() << QStringList{"1|esente||100,00"}
        << QStringList{"aliquota=esente", "imponibile=100,00", "imposta=0,00", "tot_doc=100,00"} << QString() << -1;
    QTest::newRow("single precision sums")
        << QString() << QStringList{"1|0||1234567,89"}
        << QStringList{"imponibile=1234567,88", "imposta=0,00", "tot_doc=1234567,88"} << QString() << -1;

    // A stopped computation leaves the header as last posted: the cleared
    // columns empty, the rates met so far written, the rest unchanged.
    const QStringList untouched = {"tot_doc=999,00", "sc_importo=9,00", "tot_omaggio=5,00", "imponibile=",
                                   "imposta=", "imponibile2="};
    const QString previous = u"tot_doc='999,00', sc_importo='9,00', tot_omaggio='5,00', imponibile='1,00'"_s;
    QTest::newRow("quantity with a decimal point")
        << previous << QStringList{"1|22||100,00", "1.5|10||100,00", "1|4||100,00"}
        << untouched + QStringList{"aliquota=22", "aliquota2=", "aliquota3="}
        << u"'1.5' is not a valid floating point value"_s << 1;
    QTest::newRow("amount with a thousands separator")
        << previous << QStringList{"1|22||100,00", "1|10||1.000,00"}
        << untouched + QStringList{"aliquota=22", "aliquota2=10"}
        << u"'1.000,00' is not a valid floating point value"_s << 1;
    QTest::newRow("empty quantity")
        << previous << QStringList{"|22||100,00"} << untouched + QStringList{"aliquota="}
        << u"'' is not a valid floating point value"_s << 0;
    QTest::newRow("free goods at a rate that is no number")
        << previous << QStringList{"1|esente|SC|100,00"} << untouched + QStringList{"aliquota=esente"}
        << u"'esente' is not a valid floating point value"_s << 0;
}

void TestTotali::recomputesHeader()
{
    QFETCH(QString, header);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QFETCH(QString, error);
    QFETCH(int, failedLine);

    TestDatabase db;
    // The defaults of a new header, and the case's own values over them.
    db.execute(u"INSERT INTO testata SET id_invio = %1, spese = '0,00', spese2 = '0,00', spese3 = '0,00', "
               "arrot = '0,00', arrot2 = '0,00', arrot3 = '0,00'"_s.arg(kInvoice));
    if (!header.isEmpty())
        db.execute(u"UPDATE testata SET %1"_s.arg(header));
    for (int i = 0; i < lines.size(); ++i)
        db.execute(insertLine(i + 1, lines[i]));

    TDiz diz;
    db.openDataModule(diz);
    QVERIFY(diz.Testata->locate(u"id_invio"_s, kInvoice));
    // A change the user has pending in the header is posted with the totals.
    diz.Testata->edit();
    diz.Testata->setText(u"num_doc"_s, u"15/A"_s);

    QString message;
    try {
        RicalcolaTotali(diz);
    } catch (const AppError &e) {
        message = e.message();
    }
    QCOMPARE(message, error);
    QCOMPARE(diz.Testata->state(), TableComponent::State::Browse);
    QCOMPARE(diz.Detta->currentIndex(), error.isEmpty() ? int(lines.size()) - 1 : failedLine);

    expected << u"num_doc=15/A"_s;
    for (const QString &pair : std::as_const(expected)) {
        const QString column = pair.section(u'=', 0, 0);
        const QString value = pair.section(u'=', 1);
        const QString stored = db.scalar(u"SELECT `%1` FROM testata WHERE id_invio = %2"_s.arg(column).arg(kInvoice));
        QVERIFY2(!stored.isNull(), qPrintable(column + u" is NULL"_s));
        QCOMPARE(column + u'=' + stored, pair);
    }
    QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM testata"_s), u"1"_s);
}

QTEST_GUILESS_MAIN(TestTotali)
#include "tst_totali.moc"
