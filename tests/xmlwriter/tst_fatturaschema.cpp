// Files written by the program against the official FatturaPA schema, and
// through the whole SdI check: with sound data the exchange system accepts
// what the writers produce. Schema and rules are built into the program,
// so this runs anywhere.
#include "controllo/controllosdi.h"
#include "fattura/generaxml.h"
#include "invoicesamples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Writer = QString (*)(TDiz &);
using SampleRows = InvoiceRows (*)();

// The schema's messages about the file (code 00200); empty when it validates.
QString schemaMessages(const QString &file)
{
    QStringList messages;
    for (const SdiProblem &problem : ControlloSdi::checkFile(file))
        if (problem.code == u"00200")
            messages << problem.toString();
    return messages.join(u'\n');
}

// Sound identifiers and amounts that add up: what a user's real data gives.
void makeSound(InvoiceRows &rows, bool publicAdministration)
{
    rows.apply({{"azienda.p_iva", "01234567897"}, {"azienda.cod_fis", "01234567897"}});
    if (publicAdministration) {
        rows.apply({{"testata.cod_fis", "80012345676"}, {"testata.natura2", "N2.2"}, {"deskTitle", ""}});
        rows.lines[1][u"natura"_s] = u"N2.2"_s;
        return;
    }
    // A discount amount counts per unit: the discounted line sells one unit.
    rows.apply({{"testata.p_iva", "09876543217"},
                {"testata.cod_fis", "09876543217"},
                {"testata.natura2", "N2.2"},
                {"dettaglio.quantita", "1,00"},
                {"dettaglio.prezzo_unit", "200,00"}});
    rows.lines[2][u"natura"_s] = u"N2.2"_s;
}

} // namespace

class TestFatturaSchema : public QObject
{
    Q_OBJECT
private slots:
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
        const QString messages = schemaMessages(path);
        QVERIFY2(messages.isEmpty() == valid, qPrintable(messages));
    }

    void passesTheSdiCheck_data()
    {
        QTest::addColumn<bool>("publicAdministration");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("every optional part, sound data") << false << true << QStringList();
        QTest::newRow("public administration, sound data") << true << true << QStringList();
        // The samples' placeholder identifiers and generic nature code.
        QTest::newRow("every optional part, placeholder data")
            << false << false << QStringList{u"00300"_s, u"00301"_s, u"00305"_s, u"00306"_s, u"00423"_s, u"00445"_s};
    }

    void passesTheSdiCheck()
    {
        QFETCH(bool, publicAdministration);
        QFETCH(bool, sound);
        QFETCH(QStringList, expected);

        QTemporaryDir folder(QDir::tempPath() + u"/fx-XXXXXX"_s);
        InvoiceRows rows = publicAdministration ? InvoiceSamples::splitPayment() : InvoiceSamples::completePrivate();
        rows.company[u"path"_s] = folder.path() + u'/';
        if (sound)
            makeSound(rows, publicAdministration);
        InvoiceStore store(rows);
        const Writer writer = publicAdministration ? &GeneraXmlPA : &GeneraXmlPrivati;
        const SdiProblems problems = ControlloSdi::checkFile(writer(store.diz()));

        QStringList codes, lines;
        for (const SdiProblem &problem : problems) {
            codes << problem.code;
            lines << problem.toString();
        }
        codes.removeDuplicates();
        codes.sort();
        QVERIFY2(codes == expected, qPrintable(lines.join(u'\n')));
    }

    // Expenses, withholding and stamp duty as the writers declare them: valid
    // files the SdI accepts, and what the check says when a part is missing.
    void fiscalPartsPassTheCheck_data()
    {
        QTest::addColumn<SampleRows>("sample");
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<QVariantMap>("changes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("expenses at both rates")
            << &InvoiceSamples::withCharges << &GeneraXmlPrivati << QVariantMap() << QStringList();
        QTest::newRow("withholding and instalments")
            << &InvoiceSamples::withWithholding << &GeneraXmlPrivati << QVariantMap() << QStringList();
        QTest::newRow("stamp duty")
            << &InvoiceSamples::withStampDuty << &GeneraXmlPrivati << QVariantMap() << QStringList();
        QTest::newRow("public administration, withholding and stamp duty")
            << &InvoiceSamples::withWithholding << &GeneraXmlPA
            << QVariantMap{{"testata.cod_dest", "UFABCD"}, {"testata.bollo", 1}} << QStringList();
        QTest::newRow("no stamp duty on 500,00 without VAT")
            << &InvoiceSamples::withStampDuty << &GeneraXmlPrivati << QVariantMap{{"testata.bollo", 0}}
            << QStringList{u"BOLLO"_s};
    }

    void fiscalPartsPassTheCheck()
    {
        QFETCH(SampleRows, sample);
        QFETCH(Writer, writer);
        QFETCH(QVariantMap, changes);
        QFETCH(QStringList, expected);

        QTemporaryDir folder(QDir::tempPath() + u"/fx-XXXXXX"_s);
        InvoiceRows rows = sample();
        rows.company[u"path"_s] = folder.path() + u'/';
        rows.apply(changes);
        InvoiceStore store(rows);
        const SdiProblems problems = ControlloSdi::checkFile(writer(store.diz()));

        QStringList codes, lines;
        for (const SdiProblem &problem : problems) {
            codes << problem.code;
            lines << problem.toString();
        }
        QVERIFY2(codes == expected, qPrintable(lines.join(u'\n')));
        QVERIFY(!hasErrors(problems));
    }
};

QTEST_GUILESS_MAIN(TestFatturaSchema)
#include "tst_fatturaschema.moc"
