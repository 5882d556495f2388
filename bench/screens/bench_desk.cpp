// The invoice desk on a large store: opening it, following a selected
// header with its lines, painting sent rows red, and a registry search
// keystroke, each against a baseline measured in the same run.
//   bench_desk [invoices]   (default 100000; five lines each, as many customers)
#include "dbgrid.h"
#include "registrysearch.h"
#include "rowset.h"
#include "screenset.h"
#include "tdiz.h"
#include "testdatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

double ms(const QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e6; }

void fill(TestDatabase &db, int invoices)
{
    db.execute(QStringLiteral(
        "INSERT INTO testata (rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, data_doc, num_doc, tot_doc, "
        "imponibile, imposta, aliquota, nome_file, inviata) "
        "SELECT CONCAT('Cliente ', seq, ' S.r.l.'), CONCAT('Via Roma ', seq), 'Milano', '20121', 'MI', 'IT', "
        "'01234567890', '03/12/2026', seq, '1220,00', '1000,00', '220,00', '22', CONCAT('IT01234567890_', seq, '.xml'), "
        "seq % 3 = 0 FROM seq_1_to_%1").arg(invoices));
    db.execute(QStringLiteral(
        "INSERT INTO dettaglio (id_invio, prog, descrizione, um, quantita, prezzo_unit, prezzo_tot, aliquota) "
        "SELECT t.id_invio, s.seq, CONCAT('Articolo ', s.seq), 'PZ', '2,00', '100,000', '200,000', '22' "
        "FROM testata t JOIN seq_1_to_5 s"));
    db.execute(QStringLiteral(
        "INSERT INTO clienti (rag_soc, comune) SELECT CONCAT(ELT(1 + seq % 5, 'ROSSI', 'BIANCHI', 'VERDI', 'NERI', "
        "'GIALLI'), ' ', seq, ' S.N.C.'), 'Roma' FROM seq_1_to_%1").arg(invoices));
}

void processEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int invoices = argc > 1 ? atoi(argv[1]) : 100000;
    TestDatabase db;
    fill(db, invoices);
    std::printf("Store: %d invoices, %d lines, %d customers\n", invoices, invoices * 5, invoices);

    // Baseline: the header rows read by the data layer alone.
    Connection plain;
    plain.setSettings(db.settings());
    plain.connect();
    QElapsedTimer timer;
    timer.start();
    RowSet rows = readRowSet(plain.handle(), QStringLiteral("SELECT * FROM testata"), plain.maxBytesPerChar());
    const double readMs = ms(timer);

    TDiz diz;
    ScreenSet screens(&diz);
    TElenco_Fatt &desk = screens.elenco_fatt;
    timer.restart();
    db.openDataModule(diz);
    desk.show();
    processEvents();
    const double openMs = ms(timer);
    std::printf("Open the desk:        %8.1f ms  (reading testata alone %.1f ms, x%.2f; goal < 1000 ms)\n", openMs,
                readMs, openMs / readMs);

    // Selecting headers: the line list follows and both grids repaint.
    auto *grid = desk.findChild<DBGrid *>(QStringLiteral("DBGrid1"));
    QList<double> follow;
    QRandomGenerator random(7);
    for (int i = 0; i < 300; ++i) {
        const int row = random.bounded(diz.Testata->rowCount());
        timer.restart();
        grid->setCurrentIndex(grid->model()->index(row, 0));
        processEvents();
        follow << ms(timer);
    }
    std::sort(follow.begin(), follow.end());
    std::printf("Select a header:      median %.2f ms, 95%% %.2f ms, max %.2f ms (lines follow; goal < 50 ms)\n",
                follow[follow.size() / 2], follow[follow.size() * 95 / 100], follow.last());

    // Scrolling a page at a time through the list.
    timer.restart();
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(grid, Qt::Key_PageDown);
        processEvents();
    }
    std::printf("Page down:            %.2f ms per page\n", ms(timer) / 200);

    // Red rows: painting the visible header list with every row sent, with
    // and without the hook.
    diz.Testata->first();
    db.execute(QStringLiteral("UPDATE testata SET inviata = 1 WHERE id_invio <= 100"));
    diz.Testata->refresh();
    auto paint = [&] {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 200; ++i)
            grid->viewport()->grab();
        return ms(t) / 200;
    };
    const double red = paint();
    const DBGrid::CellPainter hook = grid->cellPainter();
    grid->setCellPainter({});
    const double plainPaint = paint();
    grid->setCellPainter(hook);
    std::printf("Paint the list:       %.2f ms with sent rows red, %.2f ms without the hook (x%.2f)\n", red,
                plainPaint, red / plainPaint);
    desk.hide();

    // Search as you type on the customers.
    TAnag_Cl &customers = screens.anag_cl;
    customers.show();
    auto *search = customers.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    for (const QChar typed : QStringLiteral("ROSSI 7")) {
        timer.restart();
        QTest::keyClick(search, typed.toLatin1());
        processEvents();
        const double keystroke = ms(timer);
        // Baseline: the same statement read by the data layer alone.
        timer.restart();
        readRowSet(plain.handle(), registrySearchStatement(plain, QStringLiteral("clienti"), search->text()),
                   plain.maxBytesPerChar());
        std::printf("Search keystroke:     %-10s %8.1f ms, %6d customers listed (reading them alone %.1f ms; goal < 200 ms)\n",
                    qPrintable(search->text()), keystroke, diz.Clienti->rowCount(), ms(timer));
    }
    timer.restart();
    search->clear();
    processEvents();
    std::printf("Search emptied:                  %8.1f ms, %d customers listed\n", ms(timer), diz.Clienti->rowCount());
    return 0;
}
