// The warehouse articles: the sale and cost computation as the amount
// fields are left, the searches, a new article, and the addition of an
// article to the invoice on the desk.
#include "articleactions.h"
#include "dbgrid.h"
#include "screenfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestArticoli : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScreenFixture> f;

    TableComponent &articoli() { return *f->diz->Articoli; }
    QString scalar(const QString &sql) { return f->db->scalar(sql); }

    QStringList listedCodes()
    {
        QStringList codes;
        for (int row = 0; row < articoli().rowCount(); ++row)
            codes << articoli().valueAt(row, articoli().columnIndex("codice_val")).toString();
        return codes;
    }

    void doubleClickFirstArticle(TArticoli &screen)
    {
        auto *grid = screen.findChild<DBGrid *>("DBGrid3");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(0, 1).center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(0, 1).center());
    }

private slots:
    void init() { f = std::make_unique<ScreenFixture>(); }
    void cleanup()
    {
        f->screens->articoli.hide();
        f->screens->elenco_fatt.hide();
        f.reset();
    }

    // One article typed in, then one amount field left: the field as
    // written back and the four columns of its computation.
    void leavingAnAmount_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("percentage");
        QTest::addColumn<QStringList>("expected"); // gross, percentage, amount, net

        const int salePrice = int(ArticleAmount::SalePrice);
        const int salePerc = int(ArticleAmount::SalePercentage);
        const int costPrice = int(ArticleAmount::CostPrice);
        const int costPerc = int(ArticleAmount::CostPercentage);
        QTest::newRow("discount") << salePrice << "100"
                                  << "SC"
                                  << "10" << QStringList{"100,000", "10", "10,00", "90,000"};
        QTest::newRow("surcharge") << salePerc << "100,000"
                                   << "MG"
                                   << "10" << QStringList{"100,000", "10,0", "10,00", "110,000"};
        QTest::newRow("no type empties amount and percentage") << salePerc << "100,000"
                                                               << ""
                                                               << "10" << QStringList{"100,000", "", "", "100,000"};
        QTest::newRow("single precision") << salePerc << "19,99"
                                          << "SC"
                                          << "10" << QStringList{"19,99", "10,0", "2,00", "17,991"};
        QTest::newRow("grouped amount") << salePrice << "1234,5"
                                        << "SC"
                                        << "10" << QStringList{"1.234,500", "10", "123,45", "1.111,050"};
        QTest::newRow("grouped amount typed with dots") << costPrice << "2.000"
                                                        << "MG"
                                                        << "5" << QStringList{"2.000,000", "5", "100,00", "2.100,000"};
        QTest::newRow("empty sale percentage stays empty, net is gross")
            << salePerc << "100,000"
            << "SC"
            << "" << QStringList{"100,000", "", "7,00", "100,000"};
        QTest::newRow("empty cost percentage becomes zero") << costPerc << "100,000"
                                                            << "SC"
                                                            << "" << QStringList{"100,000", "0,00", "0,00", "100,000"};
        QTest::newRow("empty gross becomes zero") << costPrice << ""
                                                  << "SC"
                                                  << "10" << QStringList{"0,000", "10", "0,00", "0,000"};
        QTest::newRow("gross not a number") << salePrice << "abc"
                                            << "SC"
                                            << "10" << QStringList{"0,000", "10", "0,00", "0,000"};
    }
    void leavingAnAmount()
    {
        QFETCH(int, field);
        QFETCH(QString, gross);
        QFETCH(QString, type);
        QFETCH(QString, percentage);
        QFETCH(QStringList, expected);
        const bool cost = field == int(ArticleAmount::CostPrice) || field == int(ArticleAmount::CostPercentage);
        const QStringList columns = cost ? QStringList{"costo_unit", "sc_costo_perc", "sc_costo_importo", "costo_tot"}
                                         : QStringList{"prezzo_unit", "sc_perc", "sc_importo", "prezzo_tot"};
        newArticle(*f->diz);
        articoli().setText(columns[0], gross);
        articoli().setText(cost ? "sc_costo_tipo" : "sc_tipo", type);
        articoli().setText(columns[1], percentage);
        articoli().setText(columns[2], "7,00"); // left alone when the computation cannot read
        leaveArticleAmount(*f->diz, ArticleAmount(field));
        QStringList result;
        for (const QString &column : columns)
            result << articoli().text(column);
        QCOMPARE(result, expected);
    }

    // A saved article is not being edited when a choice is left: it goes
    // into editing, the computation runs and the change can be saved.
    void leavingAChoiceEditsTheArticle()
    {
        f->db->execute("INSERT INTO magazzino (codice_val, prezzo_unit, sc_tipo, sc_perc, costo_unit, sc_costo_tipo, "
                       "sc_costo_perc) VALUES ('A1', '100,000', 'SC', '10', '50,000', 'MG', '20')");
        f->reopenTables();
        leaveArticleChoice(*f->diz, ArticleSide::Cost);
        QVERIFY(articoli().isEditing());
        saveArticle(*f->diz);
        QCOMPARE(scalar("SELECT CONCAT_WS('|', sc_costo_importo, costo_tot, prezzo_tot) FROM magazzino"),
                 "10,00|60,000|");
    }

    // The exit of a field on the screen runs its handler.
    void typedAmountIsRewrittenOnExit()
    {
        f->db->execute("INSERT INTO magazzino (codice_val, prezzo_unit, sc_tipo, sc_perc) "
                       "VALUES ('A1', '1,000', 'SC', '10')");
        f->reopenTables();
        TArticoli &screen = f->screens->articoli;
        screen.show();
        QApplication::setActiveWindow(&screen);
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        auto *gross = screen.findChild<QLineEdit *>("DBEdit4");
        gross->setFocus();
        gross->selectAll();
        QTest::keyClicks(gross, "1234,5");
        QTest::keyClick(gross, Qt::Key_Return); // Enter moves on, as Tab
        QCOMPARE(gross->text(), "1.234,500");
        QCOMPARE(screen.findChild<QLineEdit *>("DBEdit8")->text(), "1.111,050");
        QCOMPARE(screen.focusWidget(), screen.findChild<QWidget *>("DBComboBox1"));
        screen.reject(); // closing saves
        QCOMPARE(scalar("SELECT CONCAT_WS('|', prezzo_unit, sc_importo, prezzo_tot) FROM magazzino"),
                 "1.234,500|123,45|1.111,050");
    }

    void newArticleHasDefaultsAndFocus()
    {
        TArticoli &screen = f->screens->articoli;
        screen.show();
        QTest::mouseClick(screen.findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(screen.focusWidget(), fieldNamed(&screen, "DESCRIZIONE"));
        QStringList shown;
        for (const char *name : {"DBEdit2", "DBEdit3", "DBEdit16", "DBEdit4", "DBEdit6", "DBEdit7", "DBEdit8",
                                 "DBEdit9", "DBEdit11", "DBEdit12", "DBEdit13"})
            shown << screen.findChild<QLineEdit *>(name)->text();
        QCOMPARE(shown, (QStringList{"0", "PZ", "22", "0,000", "0", "0", "0", "0,000", "0", "0", "0"}));
        QCOMPARE(screen.findChild<QComboBox *>("DBComboBox1")->currentText(), "");
        QTest::keyClicks(screen.focusWidget(), "vite m6");
        screen.reject();
        QCOMPARE(scalar("SELECT CONCAT_WS('|', descrizione, um, aliquota, sc_tipo) FROM magazzino"), "VITE M6|PZ|22|");
    }

    void searches_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("code") << "Edit1"
                              << "b" << QStringList{"B10", "B2", "B_1"};
        QTest::newRow("code underscore is any character") << "Edit1"
                                                          << "B_" << QStringList{"B10", "B2", "B_1"};
        QTest::newRow("code percent") << "Edit1"
                                      << "B%1" << QStringList{"B10", "B_1"};
        QTest::newRow("description, in description order") << "Edit2"
                                                           << "vite" << QStringList{"B2", "B10"};
        QTest::newRow("description with a quote") << "Edit2"
                                                  << "'" << QStringList{"B_1"};
        QTest::newRow("description with a backslash") << "Edit2"
                                                      << "\\" << QStringList{"A1"};
        QTest::newRow("double quote finds nothing") << "Edit2"
                                                    << "\"" << QStringList{};
        QTest::newRow("emptied lists all by code") << "Edit1"
                                                   << "" << QStringList{"A1", "B10", "B2", "B_1"};
    }
    void searches()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        f->db->execute("INSERT INTO magazzino (codice_val, descrizione) VALUES ('B10', 'VITE M8'), "
                       "('A1', 'DADO \\\\ M6'), ('B2', 'VITE M6'), ('B_1', 'DELL''ARTE')");
        f->reopenTables();
        TArticoli &screen = f->screens->articoli;
        screen.show();
        ModalAnswerer answerer;
        auto *search = screen.findChild<QLineEdit *>(field);
        QTest::keyClicks(search, "x");
        search->clear();
        QTest::keyClicks(search, typed);
        QCOMPARE(answerer.texts, QStringList());
        QTEST(listedCodes(), "codes");
    }

    void searchKeepsTheArticleBeingTyped()
    {
        TArticoli &screen = f->screens->articoli;
        screen.show();
        QTest::mouseClick(screen.findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
        QTest::keyClicks(screen.focusWidget(), "dado");
        QTest::keyClicks(screen.findChild<QLineEdit *>("Edit2"), "DA");
        QCOMPARE(scalar("SELECT descrizione FROM magazzino"), "DADO");
        QCOMPARE(listedCodes().size(), 1);
    }

    // Articles added from the desk to an invoice with these lines
    // (prog|aliquota|prezzo_tot): the new line's number and the two slots.
    void addToInvoice_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("net");
        QTest::addColumn<QString>("expected"); // prog|aliquota|imponibile|imposta|aliquota2|imponibile2|imposta2
        QTest::newRow("no lines") << QStringList{} << "22"
                                  << "90,000"
                                  << "1|22|90,00|19,80|||";
        QTest::newRow("after prog 7") << QStringList{"7|22|10,000"} << "22"
                                      << "90,000"
                                      << "8|22|100,00|22,00|||";
        QTest::newRow("22, 10 and 4 percent") << QStringList{"1|22|100,000", "2|10|50,000", "3|4|30,000"} << "22"
                                              << "90,000"
                                              << "4|22|190,00|41,80|10|50,00|5,00";
        QTest::newRow("22 and 22,00 differ, grouped amounts add up") << QStringList{"1|22|1.000,000"} << "22,00"
                                                                     << "1.234,500"
                                                                     << "2|22|1.000,00|220,00|22,00|1.234,50|271,59";
    }
    void addToInvoice()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, rate);
        QFETCH(QString, net);
        QFETCH(QString, expected);
        f->db->execute("INSERT INTO testata (rag_soc, aliquota3, tot_doc) VALUES ('ROSSI', '4', '999,00')");
        for (const QString &line : lines) {
            const QStringList v = line.split('|');
            f->db->execute(QString("INSERT INTO dettaglio (id_invio, prog, aliquota, prezzo_tot) "
                                   "VALUES (1, %1, '%2', '%3')")
                               .arg(v[0], v[1], v[2]));
        }
        f->db->execute(QString("INSERT INTO magazzino (descrizione, codice_val, um, aliquota, prezzo_unit, sc_tipo, "
                               "sc_perc, sc_importo, prezzo_tot) VALUES ('VITE', 'V1', 'PZ', '%1', '100,000', 'SC', "
                               "'10', '10,00', '%2')")
                           .arg(rate, net));
        f->reopenTables();
        f->screens->elenco_fatt.show();
        TArticoli &screen = f->screens->articoli;
        screen.show();
        ModalAnswerer answerer;
        doubleClickFirstArticle(screen);
        QCOMPARE(answerer.texts, QStringList());
        QVERIFY(!screen.isVisible());
        QCOMPARE(scalar("SELECT CONCAT_WS('|', prog, descrizione, codice_val, um, quantita, prezzo_unit, sc_tipo, "
                        "sc_perc, sc_importo, prezzo_tot, aliquota) FROM dettaglio WHERE descrizione = 'VITE'"),
                 expected.section('|', 0, 0) + "|VITE|V1|PZ|1|100,000|SC|10|10,00|" + net + "|" + rate);
        QCOMPARE(scalar("SELECT CONCAT_WS('|', aliquota, imponibile, imposta, aliquota2, imponibile2, imposta2, "
                        "tot_doc) FROM testata"),
                 expected.section('|', 1) + "|999,00");
    }

    void lineTotalNotANumberStopsTheAddition()
    {
        f->db->execute("INSERT INTO testata (rag_soc, aliquota, imponibile) VALUES ('ROSSI', '22', '5,00')");
        f->db->execute("INSERT INTO dettaglio (id_invio, prog, aliquota, prezzo_tot) VALUES (1, 1, '22', 'x')");
        f->db->execute("INSERT INTO magazzino (codice_val, aliquota, prezzo_tot) VALUES ('V1', '22', '1,000')");
        f->reopenTables();
        f->screens->elenco_fatt.show();
        TArticoli &screen = f->screens->articoli;
        screen.show();
        ModalAnswerer answerer;
        doubleClickFirstArticle(screen);
        QCOMPARE(answerer.texts, QStringList{"'x' is not a valid floating point value"});
        QVERIFY(screen.isVisible());
        QCOMPARE(scalar("SELECT CONCAT_WS('|', aliquota, imponibile) FROM testata"), "22|");
    }

    void doubleClickFromTheMenuDoesNothing()
    {
        f->db->execute("INSERT INTO testata (rag_soc) VALUES ('ROSSI')");
        f->db->execute("INSERT INTO magazzino (codice_val, aliquota, prezzo_tot) VALUES ('V1', '22', '1,000')");
        f->reopenTables();
        TArticoli &screen = f->screens->articoli;
        screen.show();
        doubleClickFirstArticle(screen);
        QVERIFY(screen.isVisible());
        QCOMPARE(scalar("SELECT COUNT(*) FROM dettaglio"), "0");
        QCOMPARE(scalar("SELECT CONCAT_WS('|', aliquota, imponibile) FROM testata"), "|");
    }

    void everyFieldIsNamedByItsLabel()
    {
        for (QDialog *screen : QList<QDialog *>{&f->screens->articoli, &f->screens->elenco_carico})
            for (QWidget *field : screen->findChildren<QWidget *>())
                if (qobject_cast<QLineEdit *>(field) && !qobject_cast<QComboBox *>(field->parentWidget()))
                    QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
    }
};

QTEST_MAIN(TestArticoli)
#include "tst_articoli.moc"
