// The import of 10,000 management invoices of 5 lines each into a store
// that already holds 100,000 invoices, totals and FatturaPA files included,
// against the floor of the same run: the statements the import sends
// (recorded by the server's general log in a first run) replayed straight
// through the client library into the same store. Prints invoices per second, statements per invoice
// and the time per invoice of every thousand. Needs the private server and
// MYSQL_UNIX_PORT as scripts/dbserver.sh env gives them.
//   bench_import [source invoices] [store invoices]   (default 10000 100000)
#include "db/apperror.h"
#include "db/rowset.h"
#include "import/invoiceimport.h"
#include "managementdatabase.h"
#include "store/tdiz.h"
#include "testdatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <mysql.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kLinesPerInvoice = 5;
constexpr int kBatch = 1000;

void insertBatches(const std::function<void(const QString &)> &execute, const QString &head, int count,
                   const std::function<QString(int)> &row)
{
    for (int start = 0; start < count; start += kBatch) {
        QStringList rows;
        for (int i = start; i < std::min(count, start + kBatch); ++i)
            rows << row(i);
        execute(head + rows.join(u','));
    }
}

void fillStore(TestDatabase &store, const QString &folder, int invoices)
{
    store.execute(u"INSERT INTO azienda (rag_soc, p_iva, cod_fis, indirizzo, cap, comune, prov, nazione, uff_rea,"
                  " num_rea, capit_soc, soc_uni, stato_liq, mail, telefono, path) VALUES ('Dosca S.r.l.',"
                  " '01234567890', '01234567890', 'Via Roma 1', '20121', 'Milano', 'MI', 'IT', 'MI', '123456',"
                  " '10000,00', 'SM', 'LN', 'a@b.it', '02123', '%1/')"_s.arg(folder));
    insertBatches([&](const QString &sql) { store.execute(sql); },
                  u"INSERT INTO testata (rag_soc, indirizzo, comune, cap, prov, nazione, p_iva, cod_dest, data_doc,"
                  " num_doc, tipo_doc, tot_doc, imponibile, imposta, aliquota, nome_file) VALUES "_s,
                  invoices,
                  [](int i) {
                      return u"('Cliente %1', 'Via Roma 1', 'Milano', '20121', 'MI', 'IT', '01234567890', 'ABC1234',"
                             " '01/02/2019', 'S%1', 'TD01', '122,00', '100,00', '22,00', '22', 'IT_%1.xml')"_s.arg(i);
                  });
}

void fillManagement(ManagementDatabase &a2020, int invoices)
{
    auto execute = [&](const QString &sql) { a2020.execute(sql); };
    insertBatches(execute,
                  u"INSERT INTO testata (protocollo, reg_doc, num_doc, data, rag_soc, indirizzo, cap, citta, prov,"
                  " partiva, cod_fis, cod_destinatario, imponibile1, iva1, aliquota1, imponibile2, iva2, aliquota2)"
                  " VALUES "_s,
                  invoices, [](int i) {
                      return u"(%1, 'FV', %1, '2020-03-05', 'Cliente %1', 'Via Garibaldi 3', '20121', 'Milano', 'MI',"
                             " '09876543210', '09876543210', 'M5UXCR1', 80, 17.6, 22, 20, 0.8, 4)"_s.arg(i + 1);
                  });
    insertBatches(execute,
                  u"INSERT INTO dettag (prot_testa, descrizione, quantita, pr_lordo, sc_1, aliquota, um, cod_art)"
                  " VALUES "_s,
                  invoices * kLinesPerInvoice, [](int i) {
                      const int line = i % kLinesPerInvoice;
                      return u"(%1, 'Articolo %2', 2, 10, %3, %4, 'PZ', 'A-%2')"_s.arg(i / kLinesPerInvoice + 1)
                          .arg(line)
                          .arg(line == 0 ? 10 : 0)
                          .arg(line == 4 ? 4 : 22);
                  });
}

// The statements an import sent, as the server's general log recorded
// them, each with the connection that sent it.
struct Statement
{
    bool management;
    QString sql;
};

QList<Statement> recordedStatements(TestDatabase &store, unsigned long storeThread, unsigned long managementThread)
{
    QList<Statement> statements;
    Connection reader;
    reader.setSettings(store.settings());
    reader.connect();
    const RowSet log =
        readRowSet(reader.handle(), u"SELECT thread_id, argument FROM mysql.general_log WHERE command_type = 'Query'"_s,
                   reader.maxBytesPerChar());
    for (const Row &row : log.rows) {
        const unsigned long thread = row.bytes(0).toULong();
        if (thread == storeThread || thread == managementThread)
            statements.append({thread == managementThread, QString::fromUtf8(row.bytes(1))});
    }
    return statements;
}

// The floor: the same statements replayed straight through the client
// library, results read and dropped, with nothing computed or written.
double replay(const QList<Statement> &statements, const Connection::Settings &store,
              const Connection::Settings &management)
{
    MYSQL *storeConnection = Connection::openRaw(store);
    MYSQL *managementConnection = Connection::openRaw(management);
    QList<QByteArray> texts;
    for (const Statement &statement : statements)
        texts << statement.sql.toUtf8();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < statements.size(); ++i) {
        MYSQL *mysql = statements[i].management ? managementConnection : storeConnection;
        if (mysql_real_query(mysql, texts[i].constData(), texts[i].size()) != 0)
            throw AppError(Connection::lastError(mysql));
        if (MYSQL_RES *result = mysql_store_result(mysql))
            mysql_free_result(result);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    mysql_close(storeConnection);
    mysql_close(managementConnection);
    return seconds;
}

// Back to the store as filled, the same ids to come, no files.
void resetStore(TestDatabase &store, const QString &folder, int stored)
{
    store.execute(u"DELETE FROM dettaglio"_s);
    store.execute(u"DELETE FROM testata WHERE id_invio > %1"_s.arg(stored));
    store.execute(u"ALTER TABLE testata AUTO_INCREMENT = %1"_s.arg(stored + 1));
    store.execute(u"ALTER TABLE dettaglio AUTO_INCREMENT = 1"_s);
    QDir dir(folder);
    for (const QString &file : dir.entryList(QDir::Files))
        dir.remove(file);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int sources = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    const int stored = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100000;
    try {
        // The files go to a folder of the temporary directory (TMPDIR).
        QTemporaryDir folder;
        TestDatabase store;
        ManagementDatabase a2020;
        fillStore(store, folder.path(), stored);
        fillManagement(a2020, sources);
        std::printf("%d source invoices of %d lines into a store of %d invoices\n", sources, kLinesPerInvoice, stored);

        // A first run with the server's general log on gives the statements.
        QList<Statement> statements;
        {
            TDiz diz;
            diz.deskTitle = u"A"_s;
            store.openDataModule(diz);
            diz.Dati.connect();
            store.execute(u"SET GLOBAL log_output = 'TABLE'"_s);
            store.execute(u"TRUNCATE mysql.general_log"_s);
            store.execute(u"SET GLOBAL general_log = 1"_s);
            const ImportResult recorded = InvoiceImport(diz).run();
            store.execute(u"SET GLOBAL general_log = 0"_s);
            if (recorded.failed())
                throw AppError(recorded.failure);
            statements =
                recordedStatements(store, mysql_thread_id(diz.xml_conn.handle()), mysql_thread_id(diz.Dati.handle()));
            store.execute(u"TRUNCATE mysql.general_log"_s);
        }
        resetStore(store, folder.path(), stored);
        // The floor is replayed before and after the import and the two
        // averaged: the load of a shared machine drifts during a run.
        const double floorBefore = replay(statements, store.settings(), TDiz::managementSettings());
        resetStore(store, folder.path(), stored);

        TDiz diz;
        diz.deskTitle = u"A"_s;
        store.openDataModule(diz);
        QList<qint64> marks; // elapsed nanoseconds as invoice 1, 1001, 2001, ... begins
        const quint64 statementsBefore = diz.xml_conn.statementCount();
        QElapsedTimer timer;
        timer.start();
        const ImportResult result = InvoiceImport(diz).run([&](int current, int, bool &) {
            if ((current - 1) % 1000 == 0)
                marks << timer.nsecsElapsed();
        });
        const double importSeconds = timer.nsecsElapsed() / 1e9;
        marks << timer.nsecsElapsed();
        if (result.failed())
            throw AppError(result.failure);
        const quint64 sent = diz.xml_conn.statementCount() - statementsBefore + diz.Dati.statementCount();
        diz.closeTables();
        resetStore(store, folder.path(), stored);
        const double floorAfter = replay(statements, store.settings(), TDiz::managementSettings());
        const double floorSeconds = (floorBefore + floorAfter) / 2;

        std::printf("%-34s %10s %14s %18s\n", "", "seconds", "invoices/s", "statements/inv.");
        std::printf("%-34s %10.2f %14.1f %18.2f\n", "floor (same statements replayed)", floorSeconds,
                    sources / floorSeconds, double(statements.size()) / sources);
        std::printf("floor before the import %.2f s, after it %.2f s\n", floorBefore, floorAfter);
        std::printf("%-34s %10.2f %14.1f %18.2f\n", "import (totals and files)", importSeconds,
                    result.imported() / importSeconds, double(sent) / result.imported());
        std::printf("files written in %s\n", qPrintable(folder.path()));
        std::printf("import / floor: %.2f (goal: at most 1.5)\n", importSeconds / floorSeconds);
        std::printf("milliseconds per invoice, by thousand:");
        for (int i = 1; i < marks.size(); ++i) {
            const int count = std::min(1000, result.imported() - (i - 1) * 1000);
            std::printf(" %.3f", (marks[i] - marks[i - 1]) / 1e6 / count);
        }
        std::printf("\nfirst / last thousand: %.2f\n",
                    marks.size() > 2 ? double(marks[1] - marks[0]) / (marks.last() - marks[marks.size() - 2]) : 1.0);
    } catch (const AppError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
