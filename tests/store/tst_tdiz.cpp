// The data module's configuration and the defaults of a new invoice header.
#include "tdiz.h"
#include "testdatabase.h"

#include <QTest>

class TestTDiz : public QObject
{
    Q_OBJECT
private slots:
    void newHeaderGetsExactlyTheDefaults()
    {
        TestDatabase db;
        db.execute("INSERT INTO testata (id_invio) VALUES (41)");
        TDiz diz;
        db.openDataModule(diz);

        diz.Testata->append();
        diz.Testata->post();
        QCOMPARE(diz.Testata->integer("id_invio"), 42);
        QCOMPARE(diz.Testata->currentIndex(), 1); // listed last
        QCOMPARE(diz.Testata->boolean("inviata"), false);

        const QMap<QString, QString> expected = {
            {"tipo_doc", "TD01"}, {"tipo_pag", "TP02"}, {"mod_pag", "MP01"}, {"esig_iva", "I"},
            {"esig_iva2", "I"}, {"esig_iva3", "I"}, {"causale", "Vendita"}, {"trasporto", "Vettore"},
            {"porto", "Franco"}, {"aspetto", "Cartoni, Imballi"}, {"colli", ""}, {"spese", "0,00"},
            {"spese2", "0,00"}, {"spese3", "0,00"}, {"arrot", "0,00"}, {"arrot2", "0,00"}, {"arrot3", "0,00"},
        };
        // Read back from the store: every other column is empty text
        // (the instalment count 0, no stamp duty), never NULL.
        for (const Column &column : diz.Testata->columns()) {
            const QString name = column.name;
            const QString stored = db.scalar(QStringLiteral("SELECT `%1` FROM testata WHERE id_invio = 42").arg(name));
            if (name == "id_invio")
                QCOMPARE(stored, QStringLiteral("42"));
            else if (name == "inviata" || name == "n_rate" || name == "bollo")
                QCOMPARE(stored, QStringLiteral("0"));
            else if (expected.contains(name))
                QVERIFY2(!stored.isNull() && stored == expected[name], qPrintable(name + ": " + stored));
            else
                QVERIFY2(!stored.isNull() && stored.isEmpty(), qPrintable(name + " should be empty, is " + stored));
        }
    }

    void tablesOpenAndCloseInTheirOrders()
    {
        TDiz diz;
        QStringList open, close;
        for (TableComponent *t : diz.openOrder())
            open << t->tableName();
        for (TableComponent *t : diz.closeOrder())
            close << t->tableName();
        QCOMPARE(open, QStringList({"azienda", "testata", "dettaglio", "clienti", "fornitori", "test_car", "dett_car",
                                    "magazzino", "test_dati", "dati_acquisto"}));
        QCOMPARE(close, QStringList({"azienda", "dettaglio", "testata", "clienti", "fornitori", "test_car", "dett_car",
                                     "magazzino", "dati_acquisto", "test_dati"}));
    }
};

QTEST_GUILESS_MAIN(TestTDiz)
#include "tst_tdiz.moc"
