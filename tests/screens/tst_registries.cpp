// The customer, supplier and company screens as a user drives them.
#include "dbgrid.h"
#include "screenfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestRegistries : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScreenFixture> f;

    QStringList listed(TableComponent *table)
    {
        QStringList names;
        for (int row = 0; row < table->rowCount(); ++row)
            names << table->valueAt(row, table->columnIndex("rag_soc")).toString();
        return names;
    }

private slots:
    void init()
    {
        f = std::make_unique<ScreenFixture>();
        f->db->execute("INSERT INTO clienti (rag_soc) VALUES ('ROSSI100'), ('D''ANGELO'), ('BIANCHI_1'), "
                       "('ROSSI 10% SRL'), ('VERDI')");
        f->db->execute("INSERT INTO fornitori (rag_soc) VALUES ('ACME'), ('FORNITURE ROSSI')");
        f->db->execute("INSERT INTO testata (rag_soc) VALUES ('')");
        f->reopenTables();
    }
    void cleanup() { f.reset(); }

    void searchAsYouType_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("customers");
        QTest::newRow("three letters") << "oss" << QStringList{"ROSSI 10% SRL", "ROSSI100"};
        QTest::newRow("percent") << "10%R" << QStringList{"ROSSI 10% SRL"};
        QTest::newRow("underscore") << "_1" << QStringList{"BIANCHI_1", "ROSSI 10% SRL", "ROSSI100"};
        QTest::newRow("quote") << "'" << QStringList{"D'ANGELO"};
        QTest::newRow("double quote finds nothing and fails nothing") << "\"" << QStringList{};
        QTest::newRow("emptied lists all") << "" << QStringList{"BIANCHI_1", "D'ANGELO", "ROSSI 10% SRL", "ROSSI100", "VERDI"};
    }
    void searchAsYouType()
    {
        QFETCH(QString, typed);
        TAnag_Cl &registry = f->screens->anag_cl;
        registry.show();
        auto *search = registry.findChild<QLineEdit *>("Edit1");
        QCOMPARE(registry.focusWidget(), search);
        ModalAnswerer answerer;
        QTest::keyClicks(search, "x");
        search->clear();
        QTest::keyClicks(search, typed);
        QCOMPARE(answerer.texts, QStringList());
        QTEST(listed(f->diz->Clienti), "customers");
        QCOMPARE(registry.findChild<DBGrid *>("DBGrid1")->model()->rowCount(), f->diz->Clienti->rowCount());
    }

    void supplierSearch()
    {
        TAnag_Fo &registry = f->screens->anag_fo;
        registry.show();
        QTest::keyClicks(registry.findChild<QLineEdit *>("Edit1"), "ross");
        QCOMPARE(listed(f->diz->Fornitori), QStringList{"FORNITURE ROSSI"});
    }

    void newCustomerTurnsCaseAsTyped()
    {
        TAnag_Cl &registry = f->screens->anag_cl;
        registry.show();
        QTest::keyClicks(registry.findChild<QLineEdit *>("Edit1"), "ROSSI");
        QTest::mouseClick(registry.findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
        QWidget *name = fieldNamed(&registry, "Ragione Sociale");
        QCOMPARE(registry.focusWidget(), name);
        QTest::keyClicks(name, "neri snc");
        QTest::keyClicks(fieldNamed(&registry, "PEC"), "Neri@Pec.IT");
        QTest::keyClicks(fieldNamed(&registry, "Ragione Sociale Destinazione"), "deposito");
        f->diz->Clienti->post();
        QCOMPARE(f->db->scalar("SELECT CONCAT_WS('|', rag_soc, pec, dest_soc) FROM clienti WHERE pec <> ''"),
                 "NERI SNC|neri@pec.it|DEPOSITO");
        // Added to the filtered list, where it stays until the next search.
        QVERIFY(listed(f->diz->Clienti).contains("NERI SNC"));
    }

    void searchKeepsTheRowBeingTyped()
    {
        TAnag_Cl &registry = f->screens->anag_cl;
        registry.show();
        QTest::mouseClick(registry.findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
        QTest::keyClicks(fieldNamed(&registry, "Ragione Sociale"), "zeta srl");
        QTest::keyClicks(registry.findChild<QLineEdit *>("Edit1"), "ZETA");
        QCOMPARE(f->db->scalar("SELECT COUNT(*) FROM clienti WHERE rag_soc='ZETA SRL'"), "1");
        QCOMPARE(listed(f->diz->Clienti), QStringList{"ZETA SRL"});
    }

    void doubleClickFromTheMenuDoesNothing()
    {
        TAnag_Cl &registry = f->screens->anag_cl;
        registry.show();
        auto *grid = registry.findChild<DBGrid *>("DBGrid1");
        bool doubleClicked = false;
        connect(grid, &DBGrid::rowDoubleClicked, [&] { doubleClicked = true; });
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(0, 1).center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(0, 1).center());
        QVERIFY(doubleClicked);
        QVERIFY(registry.isVisible());
        QCOMPARE(f->db->scalar("SELECT rag_soc FROM testata"), "");
    }

    void companyChangesNeedThePost()
    {
        f->db->execute("INSERT INTO azienda (rag_soc, soc_uni) VALUES ('MIA SRL', 'SU')");
        f->reopenTables();
        Tanag_az &company = f->screens->anag_az;
        company.show();
        auto *name = qobject_cast<QLineEdit *>(fieldNamed(&company, "Ragione Sociale"));
        QCOMPARE(name->text(), "MIA SRL");
        QTest::keyClicks(name, " NUOVA");
        company.hide();
        QCOMPARE(f->db->scalar("SELECT rag_soc FROM azienda"), "MIA SRL");
        f->diz->AziendaT->post();
        QCOMPARE(f->db->scalar("SELECT rag_soc FROM azienda"), "MIA SRL NUOVA");
    }

    void companyWithholdingSettings()
    {
        f->db->execute("INSERT INTO azienda (rag_soc) VALUES ('MIA SRL')");
        f->reopenTables();
        Tanag_az &company = f->screens->anag_az;
        company.show();
        auto *type = qobject_cast<QComboBox *>(fieldNamed(&company, "Tipo Ritenuta"));
        auto *rate = qobject_cast<QLineEdit *>(fieldNamed(&company, "Aliquota Ritenuta"));
        auto *reason = qobject_cast<QComboBox *>(fieldNamed(&company, "Causale Pagamento"));
        QVERIFY(type && rate && reason);
        QCOMPARE(type->count(), 6);
        QCOMPARE(reason->count(), 29);
        const int rt02 = type->findText("RT02");
        const int m1 = reason->findText("M1");
        QVERIFY(rt02 >= 0 && m1 >= 0);
        type->setCurrentIndex(rt02);
        emit type->activated(rt02);
        QTest::keyClicks(rate, "20,00");
        reason->setCurrentIndex(m1);
        emit reason->activated(m1);
        f->diz->AziendaT->post();
        QCOMPARE(f->db->scalar("SELECT CONCAT_WS('|', rit_tipo, rit_aliquota, rit_causale) FROM azienda"),
                 "RT02|20,00|M1");
    }

    void everyFieldIsNamedByItsLabel()
    {
        for (QDialog *screen : QList<QDialog *>{&f->screens->anag_cl, &f->screens->anag_fo, &f->screens->anag_az,
                                               &f->screens->elenco_fatt}) {
            for (QLineEdit *edit : screen->findChildren<QLineEdit *>()) {
                if (qobject_cast<QComboBox *>(edit->parentWidget()) || edit->parentWidget()->inherits("QAbstractItemView"))
                    continue;
                if (edit->objectName() == "DBEdit39") // shows the line's nature below its drop-down
                    continue;
                QVERIFY2(!edit->accessibleName().isEmpty(), qPrintable(screen->objectName() + "." + edit->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestRegistries)
#include "tst_registries.moc"
