// FatturaPA files written per second for invoices of 10 and 1,000 lines,
// and RicalcolaTotali on 1,000 lines, with the statements each call sends
// to the server, on the private server.
//   bench_fattura [seconds per figure]   (default 2)
#include "db/apperror.h"
#include "fattura/generaxml.h"
#include "fattura/totali.h"
#include "store/tdiz.h"
#include "testdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int kInvoice = 42;

void fillStore(TestDatabase &db, const QString &folder, int lines)
{
    db.execute(QStringLiteral("DELETE FROM azienda"));
    db.execute(QStringLiteral("DELETE FROM testata"));
    db.execute(QStringLiteral("DELETE FROM dettaglio"));
    db.execute(QStringLiteral(
                   "INSERT INTO azienda (rag_soc, p_iva, cod_fis, indirizzo, cap, comune, prov, nazione, uff_rea, "
                   "num_rea, capit_soc, soc_uni, stato_liq, mail, telefono, path, iban) VALUES ('Rossi & Figli S.r.l.', "
                   "'01234567890', '01234567890', 'Via Roma 10/A', '20100', 'Milano', 'MI', 'IT', 'MI', '123456', "
                   "'10000,00', 'SU', 'LN', 'info@rossi.it', '0212345678', '%1/', 'IT60X0542811101000000123456')")
                   .arg(folder));
    db.execute(QStringLiteral(
                   "INSERT INTO testata (id_invio, rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_fis, "
                   "cod_dest, pec, data_doc, num_doc, tot_doc, tipo_doc, mod_pag, n_rate, scad1, sc_tipo, sc_perc, "
                   "dest_soc, dest_indir, dest_comune, aliquota, imponibile, imposta, natura, esig_iva, spese, arrot, "
                   "spese2, arrot2, spese3, arrot3, imponibile2, imponibile3, imponibile4) VALUES (%1, 'Bianchi s.n.c.', "
                   "'Corso Italia 5', 'Torino', '10121', 'TO', 'IT', '09876543210', '09876543210', 'ABC1234', '', "
                   "'05/03/2024', '15', '%2', 'TD01', 'MP05', 1, '05/04/2024', '', '', '', '', '', '22', '%3', '%4', "
                   "'', 'I', '0,00', '0,00', '0,00', '0,00', '0,00', '0,00', '', '', '')")
                   .arg(kInvoice)
                   .arg(QString::number(lines * 122) + QStringLiteral(",00"))
                   .arg(QString::number(lines * 100) + QStringLiteral(",00"))
                   .arg(QString::number(lines * 22) + QStringLiteral(",00")));
    const int batch = 500;
    for (int start = 0; start < lines; start += batch) {
        QStringList values;
        for (int i = start; i < std::min(lines, start + batch); ++i)
            values << QStringLiteral("(%1, %2, 'EAN', '800%2', 'Articolo %2 - confezione', '2,00', 'pz', '50,00', '', "
                                     "'', '', '100,00', '22', '', '', '', '', '', '', '')")
                          .arg(kInvoice)
                          .arg(i + 1);
        db.execute(QStringLiteral("INSERT INTO dettaglio (id_invio, prog, codice_tipo, codice_val, descrizione, "
                                  "quantita, um, prezzo_unit, sc_tipo, sc_perc, sc_importo, prezzo_tot, aliquota, "
                                  "tipo_cessione, ritenuta, natura, rif_amm, categoria, lotto, origine) VALUES ")
                   + values.join(QLatin1Char(',')));
    }
}

struct Figure
{
    double callsPerSecond = 0;
    double statementsPerCall = 0;
};

Figure measure(TDiz &diz, double seconds, const std::function<void()> &call)
{
    call(); // warm-up: first reads of the rows, the file created once
    const quint64 before = diz.xml_conn.statementCount();
    QElapsedTimer timer;
    timer.start();
    int calls = 0;
    do {
        call();
        ++calls;
    } while (timer.nsecsElapsed() < qint64(seconds * 1e9));
    const double elapsed = timer.nsecsElapsed() / 1e9;
    return {calls / elapsed, double(diz.xml_conn.statementCount() - before) / calls};
}

void openInvoice(TestDatabase &db, TDiz &diz)
{
    diz.closeTables();
    diz.xml_conn.disconnect();
    diz.xml_conn.setSettings(db.settings());
    diz.xml_conn.connect();
    diz.openTables();
    if (!diz.Testata->locate(QStringLiteral("id_invio"), kInvoice))
        qFatal("invoice not found");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 2.0;
    try {
        QTemporaryDir folder;
        TestDatabase db;
        TDiz diz;
        diz.deskTitle = QStringLiteral("A");
        // The totals post the header: their speed depends on the log flush at commit.
        std::printf("server: innodb_flush_log_at_trx_commit=%s, innodb_doublewrite=%s\n",
                    qPrintable(db.scalar("SELECT @@innodb_flush_log_at_trx_commit")),
                    qPrintable(db.scalar("SELECT @@innodb_doublewrite")));

        std::printf("%-36s %14s %18s\n", "", "calls/s", "statements/call");
        for (int lines : {10, 1000}) {
            fillStore(db, folder.path(), lines);
            openInvoice(db, diz);
            const Figure privati = measure(diz, seconds, [&] { GeneraXmlPrivati(diz); });
            std::printf("GeneraXmlPrivati, %4d lines %8s %14.1f %18.1f\n", lines, "", privati.callsPerSecond,
                        privati.statementsPerCall);
            const Figure pa = measure(diz, seconds, [&] { GeneraXmlPA(diz); });
            std::printf("GeneraXmlPA,      %4d lines %8s %14.1f %18.1f\n", lines, "", pa.callsPerSecond,
                        pa.statementsPerCall);
        }
        const Figure totals = measure(diz, seconds, [&] { RicalcolaTotali(diz); });
        std::printf("RicalcolaTotali,  %4d lines %8s %14.1f %18.1f\n", 1000, "", totals.callsPerSecond,
                    totals.statementsPerCall);
    } catch (const AppError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
