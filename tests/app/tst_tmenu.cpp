// The main menu as a user drives it: "Accedi" with and without ip.ini,
// with long lines and bad settings, and the close sequence.
#include "tdiz.h"
#include "testdatabase.h"
#include "tmenu.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestTMenu : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString startDir;

    void writeIni(const QByteArray &content)
    {
        QFile file(dir.filePath("ip.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Presses "Accedi" and returns the text of the message box it showed
    // (closing it), or an empty text when none appeared.
    QString pressAccedi(TMenu &menu)
    {
        QString shown;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->close();
            }
        });
        watcher.start(20);
        QTest::mouseClick(menu.findChild<QPushButton *>("BitBtn7"), Qt::LeftButton);
        return shown;
    }

    // The private server: "kill" (as a crash) or "start".
    static bool server(const char *command)
    {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(QStringLiteral("bash"), {QStringLiteral(DBSERVER_SCRIPT), QString::fromLatin1(command)});
        return script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }

    static bool screenButtonsEnabled(TMenu &menu)
    {
        bool all = true, none = true;
        for (const char *name : {"B1", "B2", "B3", "B4", "B5", "B6"}) {
            const bool enabled = menu.findChild<QPushButton *>(name)->isEnabled();
            all = all && enabled;
            none = none && !enabled;
        }
        Q_ASSERT(all || none);
        return all;
    }

private slots:
    void initTestCase()
    {
        startDir = QDir::currentPath();
        QVERIFY(dir.isValid());
        QDir::setCurrent(dir.path());
        // The client library takes the port of the private server from here
        // when ip.ini names only the address.
        qputenv("MYSQL_TCP_PORT", QByteArray::number(TestDatabase::serverSettings().port));
    }
    void cleanupTestCase() { QDir::setCurrent(startDir); }
    void cleanup()
    {
        QFile::remove(dir.filePath("ip.ini"));
        QVERIFY(server("start")); // a failed test may have left it down
    }

    void headingAndButtons()
    {
        TMenu menu;
        QVERIFY(menu.findChild<QLabel *>()->text() == "GESTIONE FATTURAZIONE ELETTRONICA");
        const QMap<QString, QString> captions = {{"B1", "Fatture Emesse"}, {"B2", "Clienti"}, {"B3", "Fatture Acquisto"},
                                                 {"B4", "Fornitori"}, {"B5", "Magazzino"}, {"B6", "Dati Azienda"},
                                                 {"BitBtn7", "Accedi"}};
        for (auto it = captions.begin(); it != captions.end(); ++it)
            QCOMPARE(menu.findChild<QPushButton *>(it.key())->text(), it.value());
    }

    void withoutIpIniNothingHappens()
    {
        TMenu menu;
        TDiz diz;
        menu.setDataModule(&diz);
        menu.show();
        QVERIFY(!screenButtonsEnabled(menu));
        QCOMPARE(pressAccedi(menu), QString());
        QVERIFY(!screenButtonsEnabled(menu));
        QVERIFY(!diz.xml_conn.isConnected());
    }

    void longLinesAreCutAndTheTitleKeptWhole()
    {
        TestDatabase db(QStringLiteral("tm%1").arg(QCoreApplication::applicationPid() % 100000000, 8, 10, QChar('0')));
        QCOMPARE(db.name().size(), 10);
        db.execute(QStringLiteral("INSERT INTO `%1`.clienti (rag_soc) VALUES ('Rossi')").arg(db.name()));
        const QString title = QStringLiteral("Fatture 2026 — sede di Milano, ufficio amministrazione");
        // 20 characters, the first 15 an address of this machine; 14 characters, the first 10 the database.
        writeIni("127.000.000.001ABCDE\r\n" + db.name().toLatin1() + "XXXX\r\n" + title.toLocal8Bit() + "\r\n4th line\r\n");
        TMenu menu;
        TDiz diz;
        QDialog desk;
        menu.setScreen(1, &desk);
        menu.setDataModule(&diz);
        menu.show();
        QCOMPARE(pressAccedi(menu), QString());
        QVERIFY(screenButtonsEnabled(menu));
        QCOMPARE(diz.xml_conn.settings().server, QStringLiteral("127.000.000.001"));
        QCOMPARE(diz.xml_conn.settings().database, db.name());
        QCOMPARE(diz.deskTitle, title);
        QCOMPARE(desk.windowTitle(), title);
        for (TableComponent *table : diz.openOrder())
            QVERIFY(table->isOpen());
        QCOMPARE(diz.Clienti->text("rag_soc"), QStringLiteral("Rossi"));

        // Again with the same settings: the open tables stay as they are.
        diz.Clienti->edit();
        diz.Clienti->setText("rag_soc", "pending");
        diz.Clienti->cancel();
        QSignalSpy reopened(diz.Clienti, &TableComponent::rowsReset);
        QCOMPARE(pressAccedi(menu), QString());
        QCOMPARE(reopened.count(), 0);

        // With another database: everything is closed and opened there.
        TestDatabase other;
        writeIni("127.0.0.1\n" + other.name().toLatin1() + "\n\n");
        QCOMPARE(pressAccedi(menu), QString());
        QCOMPARE(diz.xml_conn.settings().database, other.name());
        QVERIFY(diz.Clienti->isOpen());
        QCOMPARE(diz.Clienti->rowCount(), 0);
        QCOMPARE(diz.deskTitle, QString());
    }

    void badSettingsShowTheServerMessage()
    {
        writeIni("127.0.0.1\nnon_esiste\nTitolo");
        TMenu menu;
        TDiz diz;
        menu.setDataModule(&diz);
        menu.show();
        const QString message = pressAccedi(menu);
        QVERIFY2(message.contains("non_esiste"), qPrintable(message));
        QVERIFY(!screenButtonsEnabled(menu));
    }

    void unreadableIpIniShowsTheInputOutputError()
    {
        QVERIFY(QDir(dir.path()).mkdir("ip.ini")); // there, but no file to read
        TMenu menu;
        TDiz diz;
        menu.setDataModule(&diz);
        menu.show();
        const QString message = pressAccedi(menu);
        QDir(dir.path()).rmdir("ip.ini");
        QVERIFY2(message.startsWith("Errore di I/O") && message.contains("ip.ini"), qPrintable(message));
        QVERIFY(!screenButtonsEnabled(menu));
        QVERIFY(!diz.xml_conn.isConnected());
    }

    void missingTableStopsTheSequence()
    {
        TestDatabase db;
        db.execute(QStringLiteral("DROP TABLE `%1`.fornitori").arg(db.name()));
        writeIni("127.0.0.1\n" + db.name().toLatin1() + "\n");
        TMenu menu;
        TDiz diz;
        menu.setDataModule(&diz);
        menu.show();
        const QString message = pressAccedi(menu);
        QVERIFY2(message.contains("fornitori"), qPrintable(message));
        QVERIFY(!screenButtonsEnabled(menu));
        QVERIFY(diz.Clienti->isOpen());
        QVERIFY(!diz.Testa_Car->isOpen()); // the tables after the failing one stay closed
    }

    // After a restart of the server "Accedi" opens the dead connection
    // again and the tables re-read their rows; on a live connection it
    // still changes nothing.
    void accediAfterARestartReconnects()
    {
        TestDatabase db;
        writeIni("127.0.0.1\n" + db.name().toLatin1() + "\n");
        TMenu menu;
        TDiz diz;
        menu.setDataModule(&diz);
        menu.show();
        QCOMPARE(pressAccedi(menu), QString());
        QVERIFY(server("kill"));
        QVERIFY(server("start"));
        db.execute("INSERT INTO clienti (rag_soc) VALUES ('Rossi')");

        QCOMPARE(pressAccedi(menu), QString());
        QCOMPARE(diz.xml_conn.reconnectCount(), quint64(1));
        QTRY_COMPARE(diz.Clienti->rowCount(), 1);
        QVERIFY(screenButtonsEnabled(menu));

        QSignalSpy reread(diz.Clienti, &TableComponent::rowsReset);
        QCOMPARE(pressAccedi(menu), QString());
        QCoreApplication::processEvents();
        QCOMPARE(diz.xml_conn.reconnectCount(), quint64(1));
        QCOMPARE(reread.count(), 0);
    }

    // The three refreshed tables all find the server gone: the user is told
    // once per loss, and the refresh resumes by itself.
    void lostServerIsToldOncePerLoss()
    {
        TestDatabase db;
        writeIni("127.0.0.1\n" + db.name().toLatin1() + "\n");
        TMenu menu;
        TDiz diz;
        menu.setDataModule(&diz);
        menu.show();
        QCOMPARE(pressAccedi(menu), QString());
        for (TableComponent *table : {diz.Testata, diz.Testa_Car, diz.Detta_Car})
            table->setAutoRefreshInterval(20);
        QStringList shown;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->close();
            }
        });
        watcher.start(20);
        for (int loss = 1; loss <= 2; ++loss) {
            QVERIFY(server("kill"));
            QTRY_COMPARE(shown.size(), loss);
            QTest::qWait(300); // every table has tried again meanwhile
            QCOMPARE(shown.size(), loss);
            QVERIFY2(shown.last().startsWith("Connessione al server persa: "), qPrintable(shown.last()));
            QVERIFY(server("start"));
            db.execute(QStringLiteral("INSERT INTO testata (id_invio) VALUES (%1)").arg(loss));
            QTRY_COMPARE(diz.Testata->rowCount(), loss);
        }
    }

    void closingTheMenuClosesTheTablesInOrder()
    {
        TestDatabase db;
        writeIni("127.0.0.1\n" + db.name().toLatin1() + "\n");
        TMenu menu;
        TDiz diz;
        menu.setDataModule(&diz);
        menu.show();
        pressAccedi(menu);
        QStringList closed;
        for (TableComponent *table : diz.openOrder())
            connect(table, &TableComponent::stateChanged, [&closed, table](TableComponent::State state) {
                if (state == TableComponent::State::Inactive)
                    closed << table->tableName();
            });
        menu.close();
        QCOMPARE(closed, QStringList({"azienda", "dettaglio", "testata", "clienti", "fornitori", "test_car", "dett_car",
                                      "magazzino", "dati_acquisto", "test_dati"}));
    }
};

QTEST_MAIN(TestTMenu)
#include "tst_tmenu.moc"
