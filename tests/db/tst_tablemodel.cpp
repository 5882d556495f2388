// The item model a grid shows: it follows the component row by row, so an
// automatic re-read that finds nothing new, or one changed flag, leaves the
// grid's selection where the user put it.
#include "tablemodel.h"
#include "tdiz.h"
#include "testdatabase.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>

class TestTableModel : public QObject
{
    Q_OBJECT
private slots:
    void followsTheComponentWithoutResets()
    {
        TestDatabase db;
        db.execute("INSERT INTO testata (id_invio, rag_soc) VALUES (1, 'A'), (2, 'B'), (3, 'C')");
        TDiz diz;
        db.openDataModule(diz);
        TableModel *model = diz.TestataS->model();
        model->setVisibleColumns({"id_invio", "rag_soc", "inviata"});
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("rag_soc"));
        QCOMPARE(model->index(2, 1).data().toString(), QStringLiteral("C"));

        QItemSelectionModel selection(model);
        selection.select(model->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);

        diz.Testata->setAutoRefreshInterval(50);
        QTest::qWait(250);
        QCOMPARE(changed.count(), 0);

        db.execute("UPDATE testata SET inviata = 1 WHERE id_invio = 3");
        db.execute("INSERT INTO testata (id_invio, rag_soc) VALUES (4, 'D')");
        QTRY_COMPARE(model->rowCount(), 4);
        QTRY_COMPARE(model->index(2, 2).data(), QVariant(true));
        QCOMPARE(resets.count(), 0);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex().row(), 2);
        QVERIFY(selection.isRowSelected(1));

        // A pending edit shows in the grid before it is posted.
        diz.Testata->moveTo(0);
        diz.Testata->edit();
        diz.Testata->setText("rag_soc", "Nuovo nome");
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("Nuovo nome"));
        diz.Testata->cancel();
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("A"));
    }
};

QTEST_GUILESS_MAIN(TestTableModel)
#include "tst_tablemodel.moc"
