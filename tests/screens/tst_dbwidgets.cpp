// The data-aware widgets on the program's own screens: editing through
// bound fields, the navigator's buttons and failures, sizes and masks.
#include "dbcheckbox.h"
#include "dbedit.h"
#include "dbnavigator.h"
#include "screenfixture.h"

#include <QMessageBox>
#include <QTest>
#include <QToolButton>

class TestDbWidgets : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScreenFixture> f;

private slots:
    void init()
    {
        f = std::make_unique<ScreenFixture>();
        f->db->execute("INSERT INTO clienti (rag_soc, comune) VALUES ('ALFA', 'Roma'), ('BETA', 'Bari')");
        f->db->execute("INSERT INTO testata (rag_soc) VALUES ('X')");
        f->reopenTables();
    }
    void cleanup() { f.reset(); }

    void navigatorButtonsAreNamedInItalian()
    {
        auto *navigator = f->screens->anag_fo.findChild<DBNavigator *>("DBNavigator1");
        const QStringList names{"Primo", "Precedente", "Successivo", "Ultimo", "Inserisci",
                                "Elimina", "Modifica", "Registra", "Annulla", "Aggiorna"};
        for (int bit = 0; bit < names.size(); ++bit) {
            QToolButton *button = navigator->button(DBNavigator::Button(1 << bit));
            QCOMPARE(button->accessibleName(), names[bit]);
            QCOMPARE(button->toolTip(), names[bit]);
        }
        // The customer registry has no insert button.
        auto *customers = f->screens->anag_cl.findChild<DBNavigator *>("DBNavigator1");
        QVERIFY(customers->button(DBNavigator::Insert)->isHidden());
        QVERIFY(!customers->button(DBNavigator::Delete)->isHidden());
    }

    void typingEditsAndNavigatorPostsOrCancels()
    {
        TAnag_Cl &registry = f->screens->anag_cl;
        registry.show();
        auto *town = qobject_cast<DBEdit *>(fieldNamed(&registry, "Comune"));
        QCOMPARE(town->text(), "Roma");
        QCOMPARE(town->maxLength(), f->diz->Clienti->columns()[f->diz->Clienti->columnIndex("comune")].maxChars);
        QTest::keyClicks(town, "no");
        QCOMPARE(f->diz->Clienti->state(), TableComponent::State::Edit);
        auto *navigator = registry.findChild<DBNavigator *>("DBNavigator1");
        QTest::mouseClick(navigator->button(DBNavigator::Cancel), Qt::LeftButton);
        QCOMPARE(town->text(), "Roma");
        QTest::keyClicks(town, "gna");
        QTest::mouseClick(navigator->button(DBNavigator::Post), Qt::LeftButton);
        QCOMPARE(f->db->scalar("SELECT comune FROM clienti WHERE rag_soc='ALFA'"), "Romagna");
        QTest::mouseClick(navigator->button(DBNavigator::Next), Qt::LeftButton);
        QCOMPARE(town->text(), "Bari");
    }

    void failedPostKeepsTheRowInEdit()
    {
        f->db->execute("CREATE TRIGGER no_update BEFORE UPDATE ON clienti FOR EACH ROW "
                       "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'modifica rifiutata dal server'");
        TAnag_Cl &registry = f->screens->anag_cl;
        registry.show();
        auto *town = qobject_cast<DBEdit *>(fieldNamed(&registry, "Comune"));
        QTest::keyClicks(town, " Nord");
        ModalAnswerer answerer;
        QTest::mouseClick(registry.findChild<DBNavigator *>("DBNavigator1")->button(DBNavigator::Post), Qt::LeftButton);
        QCOMPARE(answerer.texts, QStringList{"modifica rifiutata dal server"});
        QCOMPARE(f->diz->Clienti->state(), TableComponent::State::Edit);
        QCOMPARE(town->text(), "Roma Nord");
        QCOMPARE(f->db->scalar("SELECT comune FROM clienti WHERE rag_soc='ALFA'"), "Roma");
    }

    void navigatorDeleteAsksFirst()
    {
        TAnag_Cl &registry = f->screens->anag_cl;
        registry.show();
        QToolButton *remove = registry.findChild<DBNavigator *>("DBNavigator1")->button(DBNavigator::Delete);
        {
            ModalAnswerer answerer(QMessageBox::No);
            QTest::mouseClick(remove, Qt::LeftButton);
            QCOMPARE(answerer.texts, QStringList{DBNavigator::deleteQuestion()});
        }
        QCOMPARE(f->db->scalar("SELECT COUNT(*) FROM clienti"), "2");
        ModalAnswerer answerer(QMessageBox::Yes);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(f->db->scalar("SELECT COUNT(*) FROM clienti"), "1");
    }

    void dueDatesTakeTheirMask()
    {
        TElenco_Fatt &desk = f->screens->elenco_fatt;
        desk.show();
        auto *due = qobject_cast<DBEdit *>(fieldNamed(&desk, "1° Data Scadenza"));
        QCOMPARE(due->displayText(), "__/__/__");
        due->setFocus();
        due->home(false);
        QTest::keyClicks(due, "150326");
        QCOMPARE(f->diz->Testata->text("scad1"), "15/03/26");
        auto *sent = desk.findChild<DBCheckBox *>("DBCheckBox1");
        QTest::mouseClick(sent, Qt::LeftButton);
        QCOMPARE(f->diz->Testata->value("inviata").toBool(), true);
        f->diz->Testata->post();
        QCOMPARE(f->db->scalar("SELECT CONCAT_WS('|', scad1, inviata) FROM testata"), "15/03/26|1");
    }
};

QTEST_MAIN(TestDbWidgets)
#include "tst_dbwidgets.moc"
