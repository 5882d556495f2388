// The desk's actions on invoices, run on a store of their own without any
// window: line numbering and storing, deleting an invoice, copying a
// customer, the hand-off addresses and the registries' search.
#include "db/apperror.h"
#include "fattura/handoff.h"
#include "fattura/invoiceactions.h"
#include "fattura/invoicelines.h"
#include "store/registrysearch.h"
#include "store/tdiz.h"
#include "testdatabase.h"

#include <QTest>

class TestInvoiceActions : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDiz> diz;

    void reopen()
    {
        diz->closeTables();
        diz->openTables();
    }
    void addInvoice(int id, bool sent = false, const QString &nomeFile = QString())
    {
        db->execute(QStringLiteral("INSERT INTO testata (id_invio, inviata, nome_file) VALUES (%1, %2, '%3')")
                        .arg(id).arg(sent ? 1 : 0).arg(nomeFile));
    }
    void addLine(int invoice, const QString &prog)
    {
        db->execute(QStringLiteral("INSERT INTO dettaglio (id_invio, prog, descrizione, quantita, prezzo_tot, aliquota) "
                                "VALUES (%1, %2, 'riga', '0,00', '0,00', '22')")
                        .arg(invoice).arg(prog));
    }
    QString count(const QString &table, const QString &where)
    {
        return db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where));
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        diz = std::make_unique<TDiz>();
        db->openDataModule(*diz);
    }
    void cleanup()
    {
        diz.reset();
        db.reset();
    }

    void numbersLinesAfterTheLastListed()
    {
        addInvoice(1);
        reopen();
        QCOMPARE(nextLineNumber(*diz->Detta), 1);
        addLine(1, "1");
        addLine(1, "2");
        addLine(1, "5");
        diz->Detta->refresh();
        QCOMPARE(nextLineNumber(*diz->Detta), 6);
        QVERIFY(diz->Detta->locate("prog", 5));
        diz->Detta->remove();
        QCOMPARE(nextLineNumber(*diz->Detta), 3);
        addLine(1, "NULL");
        diz->Detta->refresh();
        QCOMPARE(nextLineNumber(*diz->Detta), 1);
    }

    void storesNewLineAndRecomputesTotals()
    {
        addInvoice(1);
        addLine(1, "4");
        reopen();
        LineValues v{"Vite", "EAN", "123", "PZ", "10,000", "SC", "AC", "SI", "N4", "10,00", "3,00", "27,000",
                     "RIF", "22", "3,00"};
        storeLine(*diz, true, v);
        QCOMPARE(db->scalar("SELECT CONCAT_WS('|', prog, descrizione, codice_tipo, codice_val, um, prezzo_unit, sc_tipo, "
                            "tipo_cessione, ritenuta, natura, sc_perc, sc_importo, prezzo_tot, rif_amm, aliquota, quantita) "
                            "FROM dettaglio WHERE descrizione='Vite'"),
                 "5|Vite|EAN|123|PZ|10,000|SC|AC|SI|N4|10,00|3,00|27,000|RIF|22|3,00");
        QCOMPARE(db->scalar("SELECT imponibile FROM testata WHERE id_invio=1"), "27,00");
        // Modifying writes into the current line.
        v.descrizione = "Bullone";
        storeLine(*diz, false, v);
        QCOMPARE(count("dettaglio", "descrizione='Bullone'"), "1");
        QCOMPARE(count("dettaglio", "id_invio=1"), "2");
    }

    void refusesToModifyWhenThereIsNoLine()
    {
        addInvoice(1);
        reopen();
        LineValues v;
        v.quantita = "1,00";
        QVERIFY_THROWS_EXCEPTION(AppError, storeLine(*diz, false, v));
        QCOMPARE(count("dettaglio", "1"), "0");
        QVERIFY(!diz->Detta->isEditing());
    }

    void deletesInvoiceWithItsLinesKeepingReferences()
    {
        addInvoice(1);
        addInvoice(2);
        addLine(1, "1");
        addLine(1, "2");
        addLine(2, "1");
        db->execute("INSERT INTO test_dati (id_invio, tipo) VALUES (1, 'DatiContratto')");
        reopen();
        deleteInvoice(*diz);
        QCOMPARE(count("testata", "id_invio=1"), "0");
        QCOMPARE(count("dettaglio", "id_invio=1"), "0");
        QCOMPARE(count("dettaglio", "id_invio=2"), "1");
        QCOMPARE(count("test_dati", "id_invio=1"), "1");
        QCOMPARE(diz->Testata->integer("id_invio"), 2);
        QCOMPARE(diz->Detta->rowCount(), 1);
    }

    void failedDeleteLeavesTheInvoiceWhole()
    {
        addInvoice(1);
        addLine(1, "1");
        addLine(1, "2");
        db->execute("CREATE TRIGGER no_delete BEFORE DELETE ON testata FOR EACH ROW "
                    "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'cancellazione vietata'");
        reopen();
        QVERIFY_THROWS_EXCEPTION(AppError, deleteInvoice(*diz));
        QCOMPARE(count("testata", "id_invio=1"), "1");
        QCOMPARE(count("dettaglio", "id_invio=1"), "2");
        QCOMPARE(diz->Testata->rowCount(), 1);
        QCOMPARE(diz->Detta->rowCount(), 2);
    }

    void copiesCustomerIntoInvoice()
    {
        addInvoice(1);
        db->execute("UPDATE testata SET tot_doc='12,00' WHERE id_invio=1");
        db->execute("INSERT INTO clienti (rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_fis, cod_dest, pec, "
                    "dest_soc, dest_indir, dest_comune, dest_cap) VALUES ('ROSSI SRL', 'Via Roma 1', 'Roma', '00100', "
                    "'RM', 'IT', '01234567890', 'RSSMRA', 'ABC1234', 'r@pec.it', 'MAGAZZINO', 'Via Po 2', 'Rieti', '02100')");
        reopen();
        copyCustomerToInvoice(*diz);
        QCOMPARE(db->scalar("SELECT CONCAT_WS('|', rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_fis, "
                            "cod_dest, pec, dest_soc, dest_indir, dest_comune, dest_cap, tot_doc) FROM testata"),
                 "ROSSI SRL|Via Roma 1|Roma|00100|RM|IT|01234567890|RSSMRA|ABC1234|r@pec.it|MAGAZZINO|Via Po 2|Rieti|02100|12,00");
    }

    void customerOnEmptyStoreMakesNewInvoice()
    {
        db->execute("INSERT INTO clienti (rag_soc) VALUES ('VERDI SPA')");
        reopen();
        copyCustomerToInvoice(*diz);
        QCOMPARE(db->scalar("SELECT CONCAT_WS('|', rag_soc, tipo_doc, causale) FROM testata"), "VERDI SPA|TD01|Vendita");
    }

    void buildsServiceAddresses_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<int>("script");
        QTest::addColumn<QString>("nomeFile");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default root") << "" << int(ServiceScript::MailSdi) << "IT01234567890_00001.xml"
                                      << "http://localhost/Fatt_Ven/mail_sdi.php?nome_file=IT01234567890_00001.xml&n_invio=42";
        QTest::newRow("public administration") << "http://localhost:8080" << int(ServiceScript::MailSdiPa) << "a.xml"
                                               << "http://localhost:8080/Fatt_Ven/mail_sdi_pa.php?nome_file=a.xml&n_invio=42";
        QTest::newRow("root with slash") << "http://127.0.0.1:8080/" << int(ServiceScript::MailSdi) << ""
                                         << "http://127.0.0.1:8080/Fatt_Ven/mail_sdi.php?nome_file=&n_invio=42";
        QTest::newRow("received file") << "" << int(ServiceScript::ReadXml) << "*.xml"
                                       << "http://localhost/Fatt_Acq/read_xml.php?nome_file=%2A.xml";
        QTest::newRow("values are encoded") << "" << int(ServiceScript::MailSdi) << "a&n_invio=1 #%.xml"
                                            << "http://localhost/Fatt_Ven/mail_sdi.php?nome_file=a%26n_invio%3D1%20%23%25.xml&n_invio=42";
    }
    void buildsServiceAddresses()
    {
        QFETCH(QString, root);
        QFETCH(int, script);
        QFETCH(QString, nomeFile);
        QTEST(QString::fromUtf8(serviceAddress(root, ServiceScript(script), nomeFile, 42).toEncoded()), "expected");
    }

    void handsOffEveryUnsentInvoiceInOrder()
    {
        addInvoice(3, false, "c.xml");
        addInvoice(1, false, "a.xml");
        addInvoice(2, true, "b.xml");
        addInvoice(4, false, "d.xml");
        reopen();
        diz->Testata->last();
        QStringList opened;
        handOffUnsentInvoices(*diz, [&](const QUrl &url) { opened << url.query(); });
        QCOMPARE(opened, (QStringList{"nome_file=a.xml&n_invio=1", "nome_file=c.xml&n_invio=3",
                                      "nome_file=d.xml&n_invio=4"}));
        QCOMPARE(diz->Testata->rowCount(), 4);
        QCOMPARE(diz->Testata->currentIndex(), 0);
    }

    void searchesRegistryWithTypedTextAsValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        const QStringList all{"BACK\\SLASH", "BIANCHI_1", "D'ANGELO", "DOPPIO \"VIRGOLETTE\"", "ROSSI 10% SRL", "ROSSI100"};
        QTest::newRow("empty lists every customer") << "" << all;
        QTest::newRow("contained anywhere") << "ANG" << QStringList{"D'ANGELO"};
        QTest::newRow("percent keeps its meaning") << "10%S" << QStringList{"ROSSI 10% SRL"};
        QTest::newRow("underscore keeps its meaning") << "ROSSI10_" << QStringList{"ROSSI100"};
        QTest::newRow("quote searched literally") << "'" << QStringList{"D'ANGELO"};
        QTest::newRow("double quote searched literally") << "\"" << QStringList{"DOPPIO \"VIRGOLETTE\""};
        QTest::newRow("backslash searched literally") << "\\" << QStringList{"BACK\\SLASH"};
    }
    void searchesRegistryWithTypedTextAsValue()
    {
        QFETCH(QString, typed);
        for (const char *name : {"ROSSI100", "D'ANGELO", "BIANCHI_1", "ROSSI 10% SRL", "BACK\\SLASH", "DOPPIO \"VIRGOLETTE\""})
            db->execute("INSERT INTO clienti (rag_soc) VALUES (" + diz->xml_conn.quote(name) + ")");
        diz->Clienti->setSql(registrySearchStatement(diz->xml_conn, "clienti", typed));
        QStringList found;
        for (diz->Clienti->first(); !diz->Clienti->eof(); diz->Clienti->next())
            found << diz->Clienti->text("rag_soc");
        QTEST(found, "found");
    }
};

QTEST_GUILESS_MAIN(TestInvoiceActions)
#include "tst_invoiceactions.moc"
