// The data layer against a real server: the table components as the data
// module configures them.
#include "apperror.h"
#include "tdiz.h"
#include "testdatabase.h"

#include <QSignalSpy>
#include <QTest>

class TestTableComponent : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDiz> diz;

    void connectDiz()
    {
        diz = std::make_unique<TDiz>();
        db->openDataModule(*diz);
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
    }
    void cleanup()
    {
        diz.reset();
        db.reset();
    }

    void textIsCutToTheColumnSizeInCharacters()
    {
        connectDiz();
        TableComponent *t = diz->Testata;
        t->append();
        t->setText("rag_soc", QString(70, QChar(0x00E8))); // "è": two bytes, one character
        t->setText("NAZIONE", QStringLiteral("ABCDEFGHIJKLMN")); // names without regard to case
        t->post();
        QCOMPARE(t->text("rag_soc"), QString(60, QChar(0x00E8)));
        QCOMPARE(db->scalar("SELECT rag_soc FROM testata"), QString(60, QChar(0x00E8)));
        QCOMPARE(db->scalar("SELECT nazione FROM testata"), QStringLiteral("ABCDEFGHIJ"));

        diz->Detta->append();
        diz->Detta->setText("rif_amm", QString(25, 'x'));
        diz->Detta->post();
        QCOMPARE(db->scalar("SELECT CHAR_LENGTH(rif_amm) FROM dettaglio"), QStringLiteral("20"));
    }

    void nullReadsAsEmptyThroughTypedReaders()
    {
        db->execute("INSERT INTO testata (rag_soc, n_rate) VALUES (NULL, NULL)");
        connectDiz();
        TableComponent *t = diz->Testata;
        QVERIFY(t->value("rag_soc").isNull());
        QCOMPARE(t->text("RAG_SOC"), QString());
        QCOMPARE(t->integer("n_rate"), 0);
        QVERIFY(!t->value("n_rate").isValid());
        QCOMPARE(t->boolean("inviata"), false);
        QVERIFY_THROWS_EXCEPTION(AppError, t->value("no_such_column"));
    }

    void newHeaderIsUnsentAndAmongTheUnsent()
    {
        connectDiz();
        TableComponent *t = diz->Testata;
        t->append();
        t->post();
        QVERIFY(t->integer("id_invio") > 0);
        QCOMPARE(t->value("inviata"), QVariant(false));
        QCOMPARE(db->scalar("SELECT inviata FROM testata"), QStringLiteral("0"));
        // What the component holds after the insert is what the store holds.
        QList<QVariant> posted;
        for (const Column &column : t->columns())
            posted << t->value(column.name);
        t->refresh();
        for (int i = 0; i < t->columns().size(); ++i)
            QVERIFY2(t->value(t->columns()[i].name) == posted[i], qPrintable(t->columns()[i].name));
        t->setSql("select * from testata where inviata=0");
        QCOMPARE(t->rowCount(), 1);
        t->edit();
        t->setValue("inviata", true);
        t->post();
        t->setSql("select * from testata where inviata=0");
        QCOMPARE(t->rowCount(), 0);
    }

    void detailFollowsTheMasterAndNewLinesTakeItsKey()
    {
        db->execute("INSERT INTO testata (id_invio, rag_soc) VALUES (1, 'Uno'), (2, 'Due')");
        db->execute("INSERT INTO dettaglio (id_invio, prog, descrizione) VALUES (1, 1, 'a'), (2, 1, 'b'), (2, 2, 'c')");
        connectDiz();
        QCOMPARE(diz->Testata->integer("id_invio"), 1);
        QCOMPARE(diz->Detta->rowCount(), 1);
        diz->Testata->next();
        QCOMPARE(diz->Detta->rowCount(), 2);
        QCOMPARE(diz->Detta->text("descrizione"), QStringLiteral("b"));
        diz->Detta->append();
        QCOMPARE(diz->Detta->integer("id_invio"), 2);
        diz->Detta->setText("descrizione", "d");
        diz->Detta->post();
        QCOMPARE(db->scalar("SELECT COUNT(*) FROM dettaglio WHERE id_invio = 2"), QStringLiteral("3"));

        diz->Testata->append(); // an unposted header has no lines
        QCOMPARE(diz->Detta->rowCount(), 0);
        diz->Testata->cancel();
        QCOMPARE(diz->Detta->rowCount(), 3);
    }

    void detailOnTwoFields()
    {
        db->execute("INSERT INTO testata (id_invio) VALUES (5)");
        db->execute("INSERT INTO test_dati (id_invio, tipo) VALUES (5, 'DatiContratto'), (5, 'DatiOrdineAcquisto')");
        db->execute("INSERT INTO dati_acquisto (id_invio, tipo, numero) VALUES (5, 'DatiContratto', 'C1'),"
                    " (5, 'DatiOrdineAcquisto', 'O1'), (5, 'DatiOrdineAcquisto', 'O2'), (6, 'DatiContratto', 'X')");
        connectDiz();
        QVERIFY(diz->ContrattoT->locate("tipo", "DatiContratto"));
        QCOMPARE(diz->ContrattoD->rowCount(), 1);
        QCOMPARE(diz->ContrattoD->text("numero"), QStringLiteral("C1"));
        QVERIFY(diz->ContrattoT->locate("tipo", "DatiOrdineAcquisto"));
        QCOMPARE(diz->ContrattoD->rowCount(), 2);
        diz->ContrattoD->append();
        QCOMPARE(diz->ContrattoD->integer("id_invio"), 5);
        QCOMPARE(diz->ContrattoD->text("tipo"), QStringLiteral("DatiOrdineAcquisto"));
        diz->ContrattoD->cancel();
    }

    void postingTheMasterLeavesTheDetailWhereItWas()
    {
        db->execute("INSERT INTO testata (id_invio) VALUES (1)");
        db->execute("INSERT INTO dettaglio (id_invio, prog) VALUES (1, 1), (1, 2), (1, 3)");
        connectDiz();
        diz->Detta->moveTo(1);
        const quint64 before = diz->xml_conn.statementCount();
        diz->Testata->edit();
        diz->Testata->setText("rag_soc", "Rossi");
        diz->Testata->post();
        QCOMPARE(diz->Detta->currentIndex(), 1);
        QCOMPARE(diz->Detta->integer("prog"), 2);
        QCOMPARE(diz->xml_conn.statementCount() - before, quint64(1)); // the update, no re-read of lines
    }

    // Whoever hears of a post (a detail following its master, a grid)
    // finds the row posted and the table in browse state, whether the row
    // kept its place or moved in the sort order.
    void listenersOfAPostSeeThePostedRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("keeps its place") << QStringLiteral("Bruni");
        QTest::newRow("moves") << QStringLiteral("Zeta");
    }
    void listenersOfAPostSeeThePostedRow()
    {
        QFETCH(QString, name);
        db->execute("INSERT INTO clienti (rag_soc) VALUES ('Bianchi'), ('Rossi')");
        connectDiz();
        TableComponent *c = diz->Clienti;
        c->edit();
        c->setText("rag_soc", name);
        QStringList seen;
        auto look = [&] { seen << QStringLiteral("%1 %2").arg(int(c->state())).arg(c->text("rag_soc")); };
        connect(c, &TableComponent::stateChanged, this, look);
        connect(c, &TableComponent::currentChanged, this, look);
        connect(c, &TableComponent::rowsReset, this, look);
        connect(c, &TableComponent::rowsChanged, this, look);
        c->post();
        QVERIFY(!seen.isEmpty());
        const QString posted = QStringLiteral("%1 %2").arg(int(TableComponent::State::Browse)).arg(name);
        for (const QString &heard : seen)
            QCOMPARE(heard, posted);
    }

    // The header is saved even when its lines cannot be read again
    // afterwards: that failure is told as a failed read, and no lines of
    // another invoice are shown.
    void failedReReadOfTheLinesIsNotAFailedSave()
    {
        db->execute("INSERT INTO testata (id_invio) VALUES (1)");
        db->execute("INSERT INTO dettaglio (id_invio, prog) VALUES (1, 1)");
        connectDiz();
        QSignalSpy failed(diz->Detta, &TableComponent::refreshFailed);
        diz->Testata->append();
        db->execute("RENAME TABLE dettaglio TO dettaglio_via");
        diz->Testata->post();
        QCOMPARE(diz->Testata->state(), TableComponent::State::Browse);
        QCOMPARE(db->scalar("SELECT COUNT(*) FROM testata"), QStringLiteral("2"));
        QCOMPARE(failed.count(), 1);
        QVERIFY2(failed.first().first().toString().contains("dettaglio"), qPrintable(failed.first().first().toString()));
        QCOMPARE(diz->Detta->rowCount(), 0);
    }

    void queryExecutesAndTheMasterCanChange()
    {
        db->execute("INSERT INTO testata (id_invio) VALUES (1), (2)");
        db->execute("INSERT INTO dettaglio (id_invio, prog) VALUES (1, 1), (2, 1), (2, 2)");
        connectDiz();
        diz->Query->execSql("DELETE FROM dettaglio WHERE id_invio = 1");
        QCOMPARE(db->scalar("SELECT COUNT(*) FROM dettaglio"), QStringLiteral("2"));

        // Another header component takes over as the lines' master.
        TableComponent other(&diz->xml_conn, "testata");
        other.open();
        QVERIFY(other.locate("id_invio", 2));
        diz->Detta->setMaster(&other, "id_invio", "id_invio");
        QCOMPARE(diz->Detta->rowCount(), 2);
        diz->Testata->last(); // the old master no longer leads
        other.first();
        QCOMPARE(diz->Detta->rowCount(), 0);
    }

    void locateIsExactAndBookmarksReturn()
    {
        db->execute("INSERT INTO clienti (rag_soc) VALUES ('Bianchi'), ('Rossi'), ('rossi')");
        connectDiz();
        TableComponent *c = diz->Clienti;
        QVERIFY(c->locate("rag_soc", "rossi"));
        QCOMPARE(c->text("rag_soc"), QStringLiteral("rossi"));
        QVERIFY(!c->locate("rag_soc", "ROSSI"));
        QVERIFY(!c->locate("rag_soc", "Ross"));
        const auto mark = c->bookmark();
        c->first();
        c->gotoBookmark(mark);
        QCOMPARE(c->text("rag_soc"), QStringLiteral("rossi"));
    }

    void sortOrderHoldsAfterAReplacedStatement()
    {
        db->execute("INSERT INTO clienti (rag_soc) VALUES ('Verdi'), ('Bianchi'), ('Rossi')");
        connectDiz();
        diz->Clienti->setSql("select * from clienti where rag_soc <> 'Rossi' order by id");
        QCOMPARE(diz->Clienti->rowCount(), 2);
        QCOMPARE(diz->Clienti->text("rag_soc"), QStringLiteral("Bianchi"));
        diz->Testa_Car->setSql("select * from test_car order by prot desc"); // no sort order: the statement's
        db->execute("INSERT INTO test_car (prot) VALUES (1), (2)");
        diz->Testa_Car->setSql("select * from test_car order by prot desc");
        QCOMPARE(diz->Testa_Car->integer("prot"), 2);
    }

    void editOfAnEmptyTableStartsAnInsert()
    {
        connectDiz();
        diz->Testata->edit();
        QCOMPARE(diz->Testata->state(), TableComponent::State::Insert);
        QCOMPARE(diz->Testata->text("tipo_doc"), QStringLiteral("TD01"));
        diz->Testata->edit(); // already inserting: nothing
        QCOMPARE(diz->Testata->state(), TableComponent::State::Insert);
    }

    void failuresLeaveTheDataAsItWas()
    {
        db->execute("INSERT INTO clienti (rag_soc) VALUES ('Rossi')");
        connectDiz();
        TableComponent *c = diz->Clienti;
        c->edit();
        c->setText("rag_soc", "Verdi");
        db->execute("RENAME TABLE clienti TO clienti_via");
        QVERIFY_THROWS_EXCEPTION(AppError, c->post());
        QCOMPARE(c->state(), TableComponent::State::Edit);
        QCOMPARE(c->text("rag_soc"), QStringLiteral("Verdi"));
        c->cancel();
        QVERIFY_THROWS_EXCEPTION(AppError, c->remove());
        QCOMPARE(c->rowCount(), 1);
        c->close();
        try {
            c->open();
            QFAIL("open of a missing table must fail");
        } catch (const AppError &error) {
            QVERIFY2(error.message().contains("clienti"), qPrintable(error.message()));
        }
        QVERIFY(!c->isOpen());
    }

    void autoRefreshSeesOtherChangesKeepsTheRowAndSkipsWhileEditing()
    {
        db->execute("INSERT INTO testata (id_invio, rag_soc) VALUES (1, 'A'), (2, 'B'), (3, 'C')");
        connectDiz();
        TableComponent *t = diz->Testata;
        t->setAutoRefreshInterval(50);
        t->moveTo(1);
        QSignalSpy resets(t, &TableComponent::rowsReset);
        QSignalSpy changes(t, &TableComponent::rowsChanged);
        QTest::qWait(300); // several re-reads that find nothing new
        QCOMPARE(resets.count(), 0);
        QCOMPARE(changes.count(), 0);

        db->execute("UPDATE testata SET inviata = 1 WHERE id_invio = 2");
        db->execute("INSERT INTO testata (id_invio) VALUES (0)"); // a new header (id 4)
        QTRY_VERIFY(t->boolean("inviata"));
        QTRY_COMPARE(t->rowCount(), 4);
        QCOMPARE(t->integer("id_invio"), 2);
        QCOMPARE(resets.count(), 0);

        db->execute("DELETE FROM testata WHERE id_invio = 1"); // rows move: the current row follows its key
        QTRY_COMPARE(t->rowCount(), 3);
        QCOMPARE(t->integer("id_invio"), 2);
        QCOMPARE(t->currentIndex(), 0);

        t->edit();
        t->setText("rag_soc", "in modifica");
        db->execute("UPDATE testata SET rag_soc = 'altro' WHERE id_invio = 3");
        QTest::qWait(300);
        QCOMPARE(t->text("rag_soc"), QStringLiteral("in modifica"));
        t->moveTo(1); // posts
        QTRY_COMPARE(t->text("rag_soc"), QStringLiteral("altro"));
    }

    void failedAutoRefreshStopsAndReports()
    {
        connectDiz();
        TableComponent *t = diz->Testa_Car;
        QSignalSpy failed(t, &TableComponent::refreshFailed);
        t->setAutoRefreshInterval(50);
        db->execute("DROP TABLE test_car");
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().contains("test_car"));
        QCOMPARE(t->autoRefreshInterval(), 0);
        QTest::qWait(200);
        QCOMPARE(failed.count(), 1);
    }

    void valuesAreEscaped()
    {
        connectDiz();
        diz->Clienti->append();
        const QString nasty = QStringLiteral("O'Brien \\ \"x\"; DROP TABLE clienti; --");
        diz->Clienti->setText("rag_soc", nasty.left(60));
        diz->Clienti->post();
        diz->Clienti->refresh();
        QCOMPARE(diz->Clienti->text("rag_soc"), nasty.left(60));
    }
};

QTEST_GUILESS_MAIN(TestTableComponent)
#include "tst_tablecomponent.moc"
