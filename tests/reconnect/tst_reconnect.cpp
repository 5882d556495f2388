// Riding through a restart of the database server: the private server is
// killed or stopped and started again under an open data module.
#include "apperror.h"
#include "tdiz.h"
#include "testdatabase.h"
#include "transaction.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <thread>

class TestReconnect : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDiz> diz;

    // "kill" (as a crash), "stop" or "start".
    static bool server(const char *command)
    {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(QStringLiteral("bash"), {QStringLiteral(DBSERVER_SCRIPT), QString::fromLatin1(command)});
        return script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }
    static bool restart(const QByteArray &how) { return server(how.constData()) && server("start"); }

    void connectDiz()
    {
        diz = std::make_unique<TDiz>();
        db->openDataModule(*diz);
    }

    QString count(const char *table) { return db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)); }

private slots:
    void init()
    {
        QVERIFY(server("start"));
        db = std::make_unique<TestDatabase>();
    }
    void cleanup()
    {
        diz.reset();
        QVERIFY(server("start")); // a failed test may have left it down
        db.reset();
    }

    // An idle data module: the next statement reconnects and goes out once;
    // the tables then re-read their rows, each keeping its current row.
    void idleDataModuleRidesThroughARestart_data()
    {
        QTest::addColumn<QByteArray>("how");
        QTest::newRow("crash") << QByteArray("kill");
        QTest::newRow("clean stop") << QByteArray("stop");
    }
    void idleDataModuleRidesThroughARestart()
    {
        QFETCH(QByteArray, how);
        db->execute("INSERT INTO testata (id_invio, rag_soc) VALUES (1, 'A'), (2, 'B'), (3, 'C')");
        connectDiz();
        diz->Testata->moveTo(1);
        QVERIFY(restart(how));
        db->execute("DELETE FROM testata WHERE id_invio = 1"); // changed while the program was away

        diz->Clienti->append();
        diz->Clienti->setText("rag_soc", "Rossi");
        diz->Clienti->post();
        QCOMPARE(count("clienti"), QStringLiteral("1"));
        QCOMPARE(diz->xml_conn.reconnectCount(), quint64(1));
        QTRY_COMPARE(diz->Testata->rowCount(), 2);
        QCOMPARE(diz->Testata->integer("id_invio"), 2);
    }

    // The row being typed survives the restart and is written once when
    // the user posts it; the table re-reads its rows after that.
    void pendingRowIsPostedOnceAfterARestart_data()
    {
        QTest::addColumn<bool>("inserting");
        QTest::newRow("append") << true;
        QTest::newRow("edit") << false;
    }
    void pendingRowIsPostedOnceAfterARestart()
    {
        QFETCH(bool, inserting);
        db->execute("INSERT INTO clienti (rag_soc) VALUES ('Bianchi')");
        connectDiz();
        TableComponent *c = diz->Clienti;
        inserting ? c->append() : c->edit();
        c->setText("rag_soc", "Verdi");
        QVERIFY(server("kill"));
        QVERIFY(server("start"));
        db->execute("INSERT INTO clienti (rag_soc) VALUES ('Neri')");
        diz->Testata->refresh(); // another table finds the server first
        QCoreApplication::processEvents();
        QCOMPARE(c->state(), inserting ? TableComponent::State::Insert : TableComponent::State::Edit);
        QCOMPARE(c->text("rag_soc"), QStringLiteral("Verdi"));
        c->setText("comune", "Milano");
        c->post();
        QCOMPARE(db->scalar("SELECT COUNT(*) FROM clienti WHERE rag_soc = 'Verdi' AND comune = 'Milano'"),
                 QStringLiteral("1"));
        QCOMPARE(count("clienti"), QString::number(inserting ? 3 : 2));
        QTRY_COMPARE(c->rowCount(), inserting ? 3 : 2); // Neri, read after the post
        QCOMPARE(c->text("rag_soc"), QStringLiteral("Verdi"));
    }

    // A statement under way when the link dies may have been carried out:
    // it is reported, never sent again.
    void statementLostUnderWayIsReportedNotRepeated()
    {
        connectDiz();
        Connection &conn = diz->xml_conn;
        const QString id = QString::fromUtf8(conn.select("SELECT CONNECTION_ID()").rows.first().bytes(0));
        std::thread killer([id] {
            QThread::msleep(300);
            Connection admin;
            admin.setSettings(TestDatabase::serverSettings());
            admin.connect();
            admin.execute(QStringLiteral("KILL CONNECTION ") + id);
        });
        bool lost = false;
        try {
            conn.execute("INSERT INTO clienti (rag_soc) SELECT 'Lento' FROM DUAL WHERE SLEEP(3) = 0");
        } catch (const AppError &error) {
            lost = error.connectionLost();
            QVERIFY2(error.message().startsWith("Connessione al server persa: "), qPrintable(error.message()));
        }
        killer.join();
        QVERIFY(lost);
        QCOMPARE(count("clienti"), QStringLiteral("0"));
        conn.execute("INSERT INTO clienti (rag_soc) VALUES ('Dopo')"); // the next one reconnects
        QCOMPARE(count("clienti"), QStringLiteral("1"));
    }

    // Nothing of a transaction stays when one of its statements fails,
    // whether the server died or refused it; later statements of that
    // transaction are refused, and the connection works again after it.
    void failedTransactionLeavesNothing_data()
    {
        QTest::addColumn<bool>("crash");
        QTest::newRow("server killed") << true;
        QTest::newRow("statement refused") << false;
    }
    void failedTransactionLeavesNothing()
    {
        QFETCH(bool, crash);
        connectDiz();
        Connection &conn = diz->xml_conn;
        {
            Transaction transaction(conn);
            conn.execute("INSERT INTO testata (id_invio, rag_soc) VALUES (7, 'Sette')");
            if (crash)
                QVERIFY(restart("kill"));
            const QString second = crash ? QStringLiteral("INSERT INTO dettaglio (id_invio, prog) VALUES (7, 1)")
                                         : QStringLiteral("INSERT INTO tabella_mancante VALUES (1)");
            QVERIFY_THROWS_EXCEPTION(AppError, conn.execute(second));
            QVERIFY_THROWS_EXCEPTION(AppError, conn.execute("INSERT INTO dettaglio (id_invio, prog) VALUES (7, 2)"));
            QVERIFY_THROWS_EXCEPTION(AppError, transaction.commit());
        }
        QVERIFY(!conn.inTransaction());
        QCOMPARE(count("testata"), QStringLiteral("0"));
        QCOMPARE(count("dettaglio"), QStringLiteral("0"));
        {
            Transaction transaction(conn);
            conn.execute("INSERT INTO testata (id_invio) VALUES (8)");
            conn.execute("INSERT INTO dettaglio (id_invio, prog) VALUES (8, 1)");
            transaction.commit();
        }
        QCOMPARE(count("dettaglio"), QStringLiteral("1"));
    }

    // The automatic refresh tells of a lost server once, goes on trying at
    // its interval without giving up, and resumes by itself. Each read
    // takes a while, so the server dies in the middle of one.
    void autoRefreshRidesThroughARestart()
    {
        db->execute("INSERT INTO test_car (prot) VALUES (1)");
        connectDiz();
        TableComponent *t = diz->Testa_Car;
        t->setSql("select * from test_car where sleep(0.2) = 0");
        QSignalSpy lost(t, &TableComponent::connectionLost);
        QSignalSpy restored(t, &TableComponent::connectionRestored);
        QSignalSpy failed(t, &TableComponent::refreshFailed);
        t->setAutoRefreshInterval(20);
        QTest::qWait(300);
        QVERIFY(server("kill"));
        QTRY_COMPARE(lost.count(), 1);
        QVERIFY2(lost.first().first().toString().startsWith("Connessione al server persa: "),
                 qPrintable(lost.first().first().toString()));
        QTest::qWait(300); // several failed tries
        QVERIFY(server("start"));
        db->execute("INSERT INTO test_car (prot) VALUES (2)");
        QTRY_COMPARE(t->rowCount(), 2);
        QCOMPARE(restored.count(), 1);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(t->autoRefreshInterval(), 20);
    }

    // Closing a table and quitting never wait for a read under way: the
    // read ends on its own and the table opens again at once.
    void closeAbandonsARunningRead()
    {
        db->execute("INSERT INTO test_car (prot) VALUES (1)");
        connectDiz();
        TableComponent *t = diz->Testa_Car;
        t->setSql("select * from test_car where sleep(1) = 0");
        t->setAutoRefreshInterval(10);
        QTest::qWait(100); // a slow read under way
        t->setSql(QString());
        QCOMPARE(t->rowCount(), 1);
        t->close();
        diz.reset(); // quitting with the read still running
    }
};

QTEST_GUILESS_MAIN(TestReconnect)
#include "tst_reconnect.moc"
