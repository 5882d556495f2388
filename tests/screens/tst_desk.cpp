// The invoice desk as a user drives it: header list, line panel, header
// panel, the buttons on whole invoices and the hand-off to the service.
#include "controllo/controllosdi.h"
#include "dbgrid.h"
#include "dbnavigator.h"
#include "screenfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// Records the addresses the desk asks the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
    Q_INVOKABLE void open(const QUrl &url) { opened << QString::fromUtf8(url.toEncoded()); }
};

class TestDesk : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScreenFixture> f;
    UrlRecorder recorder;
    TElenco_Fatt *desk = nullptr;

    template<typename T = QWidget>
    T *child(const char *name)
    {
        T *widget = desk->findChild<T *>(name);
        Q_ASSERT_X(widget, "child", name);
        return widget;
    }
    // Shown and active, so that leaving a field reaches its exit handler.
    void showDesk()
    {
        desk->show();
        QApplication::setActiveWindow(desk);
        QVERIFY(QTest::qWaitForWindowActive(desk));
    }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    // Clicks a button while the answerer answers its questions.
    QStringList clickAnswering(const char *name, int answer)
    {
        ModalAnswerer answerer(answer);
        click(name);
        return answerer.texts;
    }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(name); }
    void type(const char *name, const QString &text)
    {
        QLineEdit *e = edit(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    void leave(QWidget *field)
    {
        field->setFocus();
        child("Edit1")->setFocus(); // focus moves elsewhere: the field's exit
    }
    void addInvoice(int id, int sent)
    {
        f->db->execute(QStringLiteral("INSERT INTO testata (id_invio, inviata, nome_file, data_doc, num_doc) "
                                      "VALUES (%1, %2, 'IT01234567890_0000%1.xml', '01/12/2026', '%1')")
                           .arg(id).arg(sent));
    }
    void addLine(int invoice, int prog, const QString &values = QStringLiteral("'1,00', '10,000', '10,000', '22'"))
    {
        f->db->execute(QStringLiteral("INSERT INTO dettaglio (id_invio, prog, descrizione, quantita, prezzo_unit, prezzo_tot, aliquota) "
                                      "VALUES (%1, %2, 'riga %2', %3)").arg(invoice).arg(prog).arg(values));
    }
    QString scalar(const QString &sql) { return f->db->scalar(sql); }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("http", &recorder, "open");
    }
    void init()
    {
        f = std::make_unique<ScreenFixture>();
        desk = &f->screens->elenco_fatt;
        recorder.opened.clear();
    }
    void cleanup()
    {
        desk->hide();
        f.reset();
    }

    void opensWithNoOverlay()
    {
        desk->show();
        click("BitBtn1");
        click("BitBtn11");
        click("BitBtn7");
        desk->hide();
        desk->show();
        for (const char *panel : {"P2", "P3", "P4"})
            QVERIFY2(!child(panel)->isVisible(), panel);
        QCOMPARE(desk->size(), QSize(1220, 703));
    }

    void newInvoiceIsStoredWithDefaults()
    {
        addInvoice(5, 0);
        f->reopenTables();
        desk->show();
        click("BitBtn15");
        QCOMPARE(scalar("SELECT COUNT(*) FROM testata"), "2");
        QCOMPARE(scalar("SELECT CONCAT_WS('|', tipo_doc, tipo_pag, mod_pag, causale, inviata) FROM testata WHERE id_invio > 5"),
                 "TD01|TP02|MP01|Vendita|0");
        QCOMPARE(f->diz->Testata->currentIndex(), 1);
        QVERIFY(f->diz->Detta->isEmpty());
        QVERIFY(!child("P4")->isVisible());
    }

    void sentInvoicesAreWhiteOnRed()
    {
        addInvoice(1, 1);
        addInvoice(2, 0);
        f->reopenTables();
        desk->show();
        auto *grid = child<DBGrid>("DBGrid1");
        f->diz->Testata->moveTo(1); // the sent row is not the selected one
        const QImage image = grid->viewport()->grab().toImage();
        for (int column : {0, 4}) { // left and right aligned
            const QRect sent = grid->cellRect(0, column);
            QCOMPARE(image.pixelColor(sent.right() - 2, sent.bottom() - 2), QColor(255, 0, 0));
            const QRect unsent = grid->cellRect(1, column);
            QVERIFY(image.pixelColor(unsent.right() - 2, unsent.bottom() - 2) != QColor(255, 0, 0));
        }
        // The sent flag set by another program shows at the next re-read.
        f->db->execute("UPDATE testata SET inviata=1 WHERE id_invio=2");
        f->diz->Testata->refresh();
        const QImage after = grid->viewport()->grab().toImage();
        const QRect now = grid->cellRect(1, 0);
        QCOMPARE(after.pixelColor(now.right() - 2, now.bottom() - 2), QColor(255, 0, 0));
    }

    void lineEntryComputesAndStores()
    {
        addInvoice(1, 0);
        addLine(1, 1);
        addLine(1, 2);
        addLine(1, 5);
        f->reopenTables();
        showDesk();
        click("BitBtn7");
        QVERIFY(child("P3")->isVisible());
        QCOMPARE(edit("Edit2")->text(), "0,00");
        QCOMPARE(edit("Edit7")->text(), "0,00");
        QCOMPARE(edit("Edit3")->text(), "PZ");
        QCOMPARE(edit("Edit4")->text(), "22");
        type("Edit1", "Viti inox");
        type("Edit2", "3");
        QTest::keyClick(edit("Edit2"), Qt::Key_Tab);
        QCOMPARE(edit("Edit2")->text(), "3,00");
        type("Edit7", "12,345");
        QTest::keyClick(edit("Edit7"), Qt::Key_Tab);
        QCOMPARE(edit("Edit7")->text(), "12,345");
        child<QComboBox>("cb1")->setCurrentIndex(0); // SC
        type("Edit8", "10");
        leave(edit("Edit8"));
        QCOMPARE(edit("Edit8")->text(), "10,00");
        QCOMPARE(edit("Edit9")->text(), "3,70");
        QCOMPARE(edit("Edit10")->text(), "33,332");
        click("BitBtn8");
        QVERIFY(!child("P3")->isVisible());
        QCOMPARE(scalar("SELECT CONCAT_WS('|', prog, quantita, prezzo_unit, sc_tipo, sc_perc, sc_importo, prezzo_tot, um) "
                        "FROM dettaglio WHERE descrizione='Viti inox'"),
                 "6|3,00|12,345|SC|10,00|3,70|33,332|PZ");
        QCOMPARE(scalar("SELECT imponibile FROM testata"), "63,33");
        // The panel keeps description and choices for the next line.
        click("BitBtn7");
        QCOMPARE(edit("Edit1")->text(), "Viti inox");
        QCOMPARE(child<QComboBox>("cb1")->currentText(), "SC");
        QCOMPARE(edit("Edit2")->text(), "0,00");
        click("BitBtn9");
        QVERIFY(!child("P3")->isVisible());
    }

    void percentageWithoutTypeIsEmptied()
    {
        addInvoice(1, 0);
        f->reopenTables();
        showDesk();
        click("BitBtn7");
        child<QComboBox>("cb1")->setCurrentIndex(-1);
        type("Edit2", "3");
        type("Edit7", "10");
        type("Edit8", "10");
        leave(edit("Edit8"));
        QCOMPARE(edit("Edit8")->text(), "");
        QCOMPARE(edit("Edit9")->text(), "");
        QCOMPARE(edit("Edit10")->text(), "30,000");
        type("Edit7", "12.5");
        leave(edit("Edit7"));
        QCOMPARE(edit("Edit7")->text(), "0,000");
        QCOMPARE(edit("Edit10")->text(), "0,000");
    }

    void modifyFillsEveryControlFromTheLine()
    {
        addInvoice(1, 0);
        addLine(1, 1, "'2,00', '5,000', '10,000', '10'");
        f->db->execute("UPDATE dettaglio SET tipo_cessione='AB', ritenuta='SI', natura='N3', rif_amm='R-7', sc_tipo='MG'");
        f->reopenTables();
        showDesk();
        // Stale choices from an earlier use of the panel.
        click("BitBtn7");
        child<QComboBox>("cb2")->setCurrentIndex(0);
        edit("Edit11")->setText("vecchio");
        click("BitBtn10");
        QCOMPARE(edit("Edit2")->text(), "2,00");
        QCOMPARE(edit("Edit4")->text(), "10");
        QCOMPARE(child<QComboBox>("cb1")->currentText(), "MG");
        QCOMPARE(child<QComboBox>("cb2")->currentText(), "AB");
        QCOMPARE(child<QComboBox>("cb3")->currentText(), "SI");
        QCOMPARE(child<QComboBox>("CB4")->currentText(), "N3");
        QCOMPARE(edit("Edit11")->text(), "R-7");
        type("Edit1", "cambiata");
        click("BitBtn8");
        QCOMPARE(scalar("SELECT CONCAT_WS('|', descrizione, tipo_cessione, ritenuta, natura, rif_amm) FROM dettaglio"),
                 "cambiata|AB|SI|N3|R-7");
    }

    void modifyWithoutLinesIsRefused()
    {
        addInvoice(1, 0);
        f->reopenTables();
        desk->show();
        const QStringList shown = clickAnswering("BitBtn10", 0);
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].startsWith("Nessuna riga da modificare"));
        QVERIFY(!child("P3")->isVisible());
        QCOMPARE(scalar("SELECT COUNT(*) FROM dettaglio"), "0");
    }

    void deleteLineAsksFirst()
    {
        addInvoice(1, 0);
        addLine(1, 1);
        addLine(1, 2);
        f->reopenTables();
        desk->show();
        QCOMPARE(clickAnswering("BitBtn12", QMessageBox::No), QStringList{"Confermi Eliminazione Riga: ?"});
        QCOMPARE(scalar("SELECT COUNT(*) FROM dettaglio"), "2");
        clickAnswering("BitBtn12", QMessageBox::Yes);
        QCOMPARE(scalar("SELECT COUNT(*) FROM dettaglio"), "1");
    }

    void headerPanelStoresOnlyOnRegistra()
    {
        addInvoice(1, 0);
        addLine(1, 1);
        f->reopenTables();
        desk->show();
        click("BitBtn11");
        QVERIFY(child("P4")->isVisible());
        auto *ragSoc = qobject_cast<QLineEdit *>(fieldNamed(desk, "Ragione Sociale"));
        auto *pec = qobject_cast<QLineEdit *>(fieldNamed(desk, "Casella PEC"));
        QTest::keyClicks(ragSoc, "rossi srl");
        QTest::keyClicks(pec, "Info@PEC.it");
        QVERIFY(f->diz->Testata->isEditing());
        QCOMPARE(ragSoc->text(), "ROSSI SRL");
        click("BitBtn14"); // Annulla
        QVERIFY(!child("P4")->isVisible());
        QVERIFY(!f->diz->Testata->isEditing());
        QCOMPARE(scalar("SELECT rag_soc FROM testata"), "");
        click("BitBtn11");
        QTest::keyClicks(ragSoc, "rossi srl");
        QTest::keyClicks(pec, "Info@PEC.it");
        click("BitBtn13"); // Registra
        QVERIFY(!child("P4")->isVisible());
        QCOMPARE(scalar("SELECT CONCAT_WS('|', rag_soc, pec, imponibile, tot_doc) FROM testata"),
                 "ROSSI SRL|info@pec.it|10,00|12,20");
    }

    void stampDutyTickedOnTheHeaderPanel()
    {
        addInvoice(1, 0);
        addLine(1, 1);
        f->reopenTables();
        desk->show();
        click("BitBtn11");
        auto *stamp = child<QCheckBox>("DBCheckBox2");
        QCOMPARE(stamp->text(), "Bollo virtuale");
        QVERIFY(!stamp->isChecked());
        QTest::mouseClick(stamp, Qt::LeftButton, {}, QPoint(4, stamp->height() / 2));
        click("BitBtn13"); // Registra
        QCOMPARE(scalar("SELECT bollo FROM testata"), "1");
    }

    void deleteInvoiceRespectsSentFlagAndQuestion()
    {
        addInvoice(1, 1);
        addInvoice(2, 0);
        addLine(1, 1);
        addLine(2, 1);
        f->reopenTables();
        desk->show();
        QCOMPARE(clickAnswering("BitBtn16", QMessageBox::Yes), QStringList{"Operazione non possibile... Fattura Inviata"});
        QCOMPARE(scalar("SELECT COUNT(*) FROM testata"), "2");
        f->diz->Testata->last();
        QCOMPARE(clickAnswering("BitBtn16", QMessageBox::No), QStringList{"Confermi Eliminazione Fattura: ?"});
        QCOMPARE(scalar("SELECT COUNT(*) FROM testata"), "2");
        clickAnswering("BitBtn16", QMessageBox::Yes);
        QCOMPARE(scalar("SELECT COUNT(*) FROM testata"), "1");
        QCOMPARE(scalar("SELECT COUNT(*) FROM dettaglio WHERE id_invio=2"), "0");
        QCOMPARE(f->diz->Testata->integer("id_invio"), 1);
    }

    void navigatorDeleteLeavesTheLines()
    {
        addInvoice(1, 1);
        addLine(1, 1);
        f->reopenTables();
        desk->show();
        ModalAnswerer answerer(QMessageBox::Yes);
        QTest::mouseClick(child<DBNavigator>("DBNavigator1")->button(DBNavigator::Delete), Qt::LeftButton);
        QCOMPARE(answerer.texts, QStringList{DBNavigator::deleteQuestion()});
        QCOMPARE(scalar("SELECT COUNT(*) FROM testata"), "0");
        QCOMPARE(scalar("SELECT COUNT(*) FROM dettaglio"), "1");
    }

    void printWithoutDateShowsMancanzaDati()
    {
        addInvoice(1, 0);
        f->db->execute("UPDATE testata SET data_doc=''");
        f->reopenTables();
        desk->show();
        QCOMPARE(clickAnswering("BitBtn17", 0), QStringList{"Mancanza Dati"});
    }

    void handsOffOneInvoice_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("script");
        QTest::newRow("Invio a SDI") << QByteArray("BitBtn5") << "mail_sdi.php";
        QTest::newRow("Invio P.A.") << QByteArray("BitBtn21") << "mail_sdi_pa.php";
    }
    void handsOffOneInvoice()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, script);
        addInvoice(1, 1);
        addInvoice(2, 0);
        f->reopenTables();
        desk->show();
        QCOMPARE(clickAnswering(button, QMessageBox::Yes), QStringList{"Fattura gia inviata"});
        QVERIFY(recorder.opened.isEmpty());
        f->diz->Testata->last();
        QCOMPARE(clickAnswering(button, QMessageBox::No), QStringList{"Confermi invio a SDI ?"});
        QVERIFY(recorder.opened.isEmpty());
        clickAnswering(button, QMessageBox::Yes);
        QCOMPARE(recorder.opened,
                 QStringList{"http://localhost/Fatt_Ven/" + script + "?nome_file=IT01234567890_00002.xml&n_invio=2"});
    }

    void handsOffEveryUnsentInvoice()
    {
        // Only invoice 3 has a file that passes the SdI check; the others are
        // sent only when the user wants them sent all the same.
        QTemporaryDir folder;
        QVERIFY(QFile::copy(CLEAN_INVOICE, folder.filePath("IT01234567890_00003.xml")));
        f->db->execute("INSERT INTO azienda (rag_soc, path) VALUES ('MIA SRL', '" + folder.path() + "/')");
        for (int id : {1, 2, 3, 4})
            addInvoice(id, id == 2 ? 1 : 0);
        f->reopenTables();
        f->diz->webRoot = "http://localhost:8080";
        desk->show();
        {
            ModalAnswerer answerer(QMessageBox::Yes);
            answerer.answers[ControlloSdi::sendAnywayQuestion()] = QMessageBox::No;
            click("BitBtn19");
            QCOMPARE(answerer.texts, (QStringList{"Confermi invio Fatture al SDI: ?",
                                                  ControlloSdi::sendAnywayQuestion(), ControlloSdi::sendAnywayQuestion()}));
        }
        QCOMPARE(recorder.opened, QStringList{
                     "http://localhost:8080/Fatt_Ven/mail_sdi.php?nome_file=IT01234567890_00003.xml&n_invio=3"});
        QCOMPARE(child<DBGrid>("DBGrid1")->model()->rowCount(), 4);
        // Answered Yes, the others go too.
        recorder.opened.clear();
        QCOMPARE(clickAnswering("BitBtn19", QMessageBox::Yes).size(), 3);
        QCOMPARE(recorder.opened.size(), 3);
        // Nothing unsent: nothing opened, nothing shown after the question.
        f->db->execute("UPDATE testata SET inviata=1");
        recorder.opened.clear();
        QCOMPARE(clickAnswering("BitBtn19", QMessageBox::Yes).size(), 1);
        QVERIFY(recorder.opened.isEmpty());
    }

    void enterMovesLikeTab()
    {
        addInvoice(1, 0);
        f->reopenTables();
        showDesk();
        click("BitBtn7");
        edit("Edit1")->setFocus();
        QTest::keyClick(edit("Edit1"), Qt::Key_Return);
        QCOMPARE(desk->focusWidget(), edit("Edit2"));
        QCOMPARE(edit("Edit1")->text().contains('\n'), false);
        QTest::keyClick(edit("Edit2"), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(desk->focusWidget(), edit("Edit1"));
    }

    void customerFromTheDeskGoesOnTheInvoice()
    {
        addInvoice(1, 0);
        f->db->execute("INSERT INTO clienti (rag_soc, comune, pec) VALUES ('ALFA SRL', 'Roma', 'a@pec.it'), ('BETA SPA', 'Bari', '')");
        f->reopenTables();
        desk->show();
        ModalAnswerer answerer;
        bool registryShown = false;
        answerer.onDialog = [&](QWidget *dialog) {
            registryShown = dialog == &f->screens->anag_cl;
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            // Closed by hand if the double click did not close it.
            QTimer::singleShot(3000, dialog, [dialog] { static_cast<QDialog *>(dialog)->reject(); });
            auto *grid = dialog->findChild<DBGrid *>("DBGrid1");
            f->diz->Clienti->locate("rag_soc", "BETA SPA");
            const QRect cell = grid->cellRect(f->diz->Clienti->currentIndex(), 1);
            // A click, then the double click on the same cell.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        };
        click("BitBtn3");
        QVERIFY(registryShown);
        QVERIFY(!f->screens->anag_cl.isVisible());
        QCOMPARE(scalar("SELECT CONCAT_WS('|', rag_soc, comune, pec) FROM testata"), "BETA SPA|Bari|");
    }
};

QTEST_MAIN(TestDesk)
#include "tst_desk.moc"
