// FatturaPA files written per second for invoices of 10 and 1,000 lines,
// and RicalcolaTotali on 1,000 lines, with the statements each call sends
// to the server, on the private server.
//   bench_fattura [seconds per figure]   (default 2)
#include "db/apperror.h"
#include "fattura/generaxml.h"
#include "fattura/totali.h"
#include "store/tdiz.h"
#include "benchinvoice.h"
#include "testdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int kInvoice = kBenchInvoice;

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
