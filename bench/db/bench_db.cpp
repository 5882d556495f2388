// Reading and writing testata through the data layer against the client
// library used directly, in the same run, on the private server.
//   bench_db [rows...]   (default 10000 100000)
#include "rowset.h"
#include "tdiz.h"
#include "testdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <mysql.h>

#include <cstdio>

namespace {

double seconds(const QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e9; }

template <typename F> double best(int runs, F &&f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        best = std::min(best, seconds(timer));
    }
    return best;
}

void fillHeaders(TestDatabase &db, int rows)
{
    db.execute("DELETE FROM testata");
    const QString values = QStringLiteral(
        "('Cliente %1 S.r.l.','Via Roma %1','Milano','20121','MI','IT','01234567890','01234567890','0000000','',"
        "'03/12/2026','%1','1220,00','TD01','TP02','MP01',0,'','','','','0,00','0,00','1000,00','220,00','22','','',"
        "'','I','I','IT01234567890_0%1.xml','','','0,00','0,00','0,00','','','','','0,00','','Vettore',0,'','','','',"
        "'Franco','Cartoni, Imballi','','Vendita','','','','I','0,00','0,00','','','','','','','','','')");
    const int batch = 1000;
    for (int start = 0; start < rows; start += batch) {
        QStringList chunk;
        for (int i = start; i < std::min(rows, start + batch); ++i)
            chunk << values.arg(i + 1);
        db.execute("INSERT INTO testata (rag_soc,indirizzo,comune,cap,prov,nazione,p_iva,cod_fis,cod_dest,pec,"
                   "data_doc,num_doc,tot_doc,tipo_doc,tipo_pag,mod_pag,n_rate,scad1,scad2,scad3,scad4,spese,arrot,"
                   "imponibile,imposta,aliquota,imponibile2,imposta2,aliquota2,esig_iva,esig_iva2,nome_file,sc_tipo,"
                   "sc_perc,sc_importo,spese2,arrot2,natura,natura2,normativa,normativa2,tot_omaggio,tot_omaggio2,"
                   "trasporto,inviata,dest_soc,dest_comune,dest_indir,dest_cap,porto,aspetto,colli,causale,"
                   "imponibile3,imposta3,aliquota3,esig_iva3,spese3,arrot3,natura3,normativa3,tot_omaggio3,reg_doc,"
                   "imponibile4,imposta4,aliquota4,esig_iva4,natura4) VALUES "
                   + chunk.join(','));
    }
}

// The client library alone: stream every row and touch its bytes.
qint64 directRead(MYSQL *mysql)
{
    const char *sql = "SELECT * FROM testata";
    if (mysql_real_query(mysql, sql, qstrlen(sql)) != 0)
        qFatal("%s", mysql_error(mysql));
    MYSQL_RES *result = mysql_use_result(mysql);
    const unsigned fields = mysql_num_fields(result);
    qint64 bytes = 0;
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
        const unsigned long *lengths = mysql_fetch_lengths(result);
        for (unsigned i = 0; i < fields; ++i)
            bytes += row[i] ? qint64(lengths[i]) : 0;
    }
    mysql_free_result(result);
    return bytes;
}

void benchReads(TestDatabase &db, TDiz &diz, MYSQL *direct, int rows)
{
    fillHeaders(db, rows);
    const double raw = best(3, [&] { directRead(direct); });
    const double open = best(3, [&] {
        diz.Testata->close();
        diz.Testata->open();
    });
    const double refresh = best(3, [&] { diz.Testata->refresh(); });
    std::printf("read %6d headers: direct %7.1f ms | open %7.1f ms (x%.2f) | refresh %7.1f ms (x%.2f)\n", rows,
                raw * 1e3, open * 1e3, open / raw, refresh * 1e3, refresh / raw);
}

void benchPosts(TestDatabase &db, TDiz &diz, MYSQL *direct)
{
    const int count = 2000;
    db.execute("DELETE FROM testata");
    diz.Testata->refresh();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        const QString sql = QStringLiteral("INSERT INTO testata (rag_soc, num_doc, data_doc) VALUES ('Cliente %1', '%1', '03/12/2026')").arg(i);
        const QByteArray bytes = sql.toUtf8();
        if (mysql_real_query(direct, bytes.constData(), bytes.size()) != 0)
            qFatal("%s", mysql_error(direct));
    }
    const double raw = seconds(timer);
    db.execute("DELETE FROM testata");
    diz.Testata->refresh();
    const quint64 statements = diz.xml_conn.statementCount();
    timer.restart();
    for (int i = 0; i < count; ++i) {
        diz.Testata->append();
        diz.Testata->setText("rag_soc", QStringLiteral("Cliente %1").arg(i));
        diz.Testata->setText("num_doc", QString::number(i));
        diz.Testata->setText("data_doc", "03/12/2026");
        diz.Testata->post();
    }
    const double posted = seconds(timer);
    std::printf("post %d new headers: direct insert %.0f rows/s | append+post %.0f rows/s (x%.2f time), %.1f statements per post\n",
                count, count / raw, count / posted, posted / raw,
                double(diz.xml_conn.statementCount() - statements) / count);
}

// The longest the user-interface thread is held while automatic
// refreshes of testata run: a zero timer notes the gaps between its ticks.
void benchAutoRefresh(TestDatabase &db, TDiz &diz, int rows)
{
    fillHeaders(db, rows);
    diz.Testata->refresh();
    diz.Testata->moveTo(rows / 2);
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed(), worst = 0;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    int applied = 0;
    QObject::connect(diz.Testata, &TableComponent::rowsChanged, [&] { ++applied; });
    diz.Testata->setAutoRefreshInterval(300);
    ticker.start();
    QElapsedTimer run;
    run.start();
    const int firstId = db.scalar("SELECT MIN(id_invio) FROM testata").toInt();
    int round = 0;
    while (run.elapsed() < 6000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (run.elapsed() > (round + 1) * 1000) {
            ++round; // the transmission service marks an invoice as sent
            db.execute(QStringLiteral("UPDATE testata SET inviata = 1 WHERE id_invio = %1").arg(firstId + round * 7));
        }
    }
    ticker.stop();
    diz.Testata->setAutoRefreshInterval(0);
    std::printf("auto refresh of %d headers for 6 s (%d changes applied): longest hold of the UI thread %.1f ms (goal 50 ms)\n",
                rows, applied, worst / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {10000, 100000};

    TestDatabase db;
    TDiz diz;
    diz.xml_conn.setSettings(db.settings());
    diz.xml_conn.connect();
    diz.Testata->setAutoRefreshInterval(0);
    diz.Testata->open();
    MYSQL *direct = Connection::openRaw(db.settings());
    // Posting speed depends on how the server flushes its log at commit.
    std::printf("server: innodb_flush_log_at_trx_commit=%s, innodb_doublewrite=%s\n",
                qPrintable(db.scalar("SELECT @@innodb_flush_log_at_trx_commit")),
                qPrintable(db.scalar("SELECT @@innodb_doublewrite")));

    for (int rows : sizes)
        benchReads(db, diz, direct, rows);
    benchPosts(db, diz, direct);
    benchAutoRefresh(db, diz, sizes.last());
    mysql_close(direct);
    return 0;
}
