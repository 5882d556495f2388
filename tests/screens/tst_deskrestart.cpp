// The desk open while the database server is killed and started again:
// the user goes on working, and what was being typed is stored once.
#include "screenfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

class TestDeskRestart : public QObject
{
    Q_OBJECT

    static bool server(const char *command)
    {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(QStringLiteral("bash"), {QStringLiteral(DBSERVER_SCRIPT), QString::fromLatin1(command)});
        return script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }

private slots:
    void cleanup() { QVERIFY(server("start")); }

    void workGoesOnAfterTheServerIsBack()
    {
        QVERIFY(server("start"));
        ScreenFixture f;
        f.db->execute("INSERT INTO testata (id_invio, data_doc) VALUES (1, '01/12/2026')");
        f.db->execute("INSERT INTO dettaglio (id_invio, prog, quantita, prezzo_tot, aliquota) VALUES (1, 1, '1,00', '10,000', '22')");
        f.reopenTables();
        TElenco_Fatt &desk = f.screens->elenco_fatt;
        desk.show();
        auto click = [&](const char *name) { QTest::mouseClick(desk.findChild<QPushButton *>(name), Qt::LeftButton); };
        ModalAnswerer answerer(QMessageBox::Yes);

        click("BitBtn11"); // Testata Doc.
        QTest::keyClicks(fieldNamed(&desk, "Ragione Sociale"), "nuova ditta");
        QVERIFY(server("kill"));
        QVERIFY(server("start"));
        click("BitBtn13"); // Registra
        QCOMPARE(answerer.texts, QStringList());
        QCOMPARE(f.db->scalar("SELECT CONCAT_WS('|', COUNT(*), rag_soc, imponibile) FROM testata"), "1|NUOVA DITTA|10,00");

        click("BitBtn15"); // Nuova
        QCOMPARE(f.db->scalar("SELECT COUNT(*) FROM testata"), "2");
        click("BitBtn7"); // Ins. Riga
        desk.findChild<QLineEdit *>("Edit1")->setText("dopo il riavvio");
        click("BitBtn8"); // Registra
        QCOMPARE(answerer.texts, QStringList());
        QCOMPARE(f.db->scalar("SELECT COUNT(*) FROM dettaglio WHERE descrizione='dopo il riavvio' AND prog=1"), "1");
        QCOMPARE(f.diz->Testata->rowCount(), 2);
    }
};

QTEST_MAIN(TestDeskRestart)
#include "tst_deskrestart.moc"
