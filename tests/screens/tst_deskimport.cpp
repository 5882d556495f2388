// "Importa Fatture" on the desk: the question, the progress with its
// "Interrompi" and the closing summary with the SdI check of the files.
#include "managementdatabase.h"
#include "screenfixture.h"

#include <QDir>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestDeskImport : public QObject
{
    Q_OBJECT

    void addSourceInvoice(ManagementDatabase &a2020, int number)
    {
        const int header = a2020.insert("testata", {{"reg_doc", "FV"}, {"num_doc", QString::number(number)},
                                                    {"data", "2020-03-05"}, {"rag_soc", "Bianchi S.n.c."},
                                                    {"partiva", "09876543217"}, {"cod_fis", "09876543217"},
                                                    {"cod_destinatario", "M5UXCR1"}, {"imponibile1", "20"},
                                                    {"iva1", "4.4"}, {"aliquota1", "22"}});
        a2020.insert("dettag", {{"prot_testa", header}, {"descrizione", "Scatole"}, {"quantita", "2"},
                                {"pr_lordo", "10"}, {"aliquota", "22"}, {"um", "PZ"}});
    }

private slots:
    void importsWithProgressAndStops()
    {
        ScreenFixture f;
        ManagementDatabase a2020;
        QTemporaryDir folder;
        f.db->execute("INSERT INTO azienda (rag_soc, p_iva, cod_fis, indirizzo, cap, comune, prov, nazione, path) "
                      "VALUES ('Dosca S.r.l.', '01234567890', '01234567890', 'Via Roma 1', '20121', 'Milano', 'MI', "
                      "'IT', '" + folder.path() + "/')");
        f.reopenTables();
        f.diz->deskTitle = "A";
        for (int n = 1; n <= 3; ++n)
            addSourceInvoice(a2020, n);
        TElenco_Fatt &desk = f.screens->elenco_fatt;
        desk.show();
        auto *button = desk.findChild<QPushButton *>("BitBtn18");
        {
            ModalAnswerer answerer(QMessageBox::No);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answerer.texts.size(), 1);
            QVERIFY(answerer.texts[0].endsWith("?"));
            QCOMPARE(f.db->scalar("SELECT COUNT(*) FROM testata"), "0");
        }
        {
            ModalAnswerer answerer(QMessageBox::Yes);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(answerer.texts.size(), 2);
            QCOMPARE(f.db->scalar("SELECT COUNT(*) FROM testata"), "3");
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 3);
            // The summary counts them and gives the check of the files (the
            // company's VAT number fails its check digit).
            QVERIFY2(answerer.texts[1].contains("3"), qPrintable(answerer.texts[1]));
            QVERIFY2(answerer.texts[1].contains("Controllo SdI"), qPrintable(answerer.texts[1]));
            QCOMPARE(f.diz->Testata->rowCount(), 3);
        }
        for (int n = 4; n <= 6; ++n)
            addSourceInvoice(a2020, n);
        ModalAnswerer answerer(QMessageBox::Yes);
        QString progressLabel;
        answerer.onDialog = [&](QWidget *dialog) {
            auto *progress = qobject_cast<QProgressDialog *>(dialog);
            QVERIFY(progress);
            progressLabel = progress->labelText();
            progress->findChild<QPushButton *>()->click(); // "Interrompi"
        };
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(progressLabel.startsWith("Importazione fattura "), qPrintable(progressLabel));
        QVERIFY(f.db->scalar("SELECT COUNT(*) FROM testata").toInt() < 6);
        QVERIFY2(answerer.texts.last().contains("interrotta"), qPrintable(answerer.texts.last()));
    }
};

QTEST_MAIN(TestDeskImport)
#include "tst_deskimport.moc"
