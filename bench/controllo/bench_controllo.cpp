// The SdI check against the writer it follows, on the private server:
// - a 1,000-line invoice: checking it against writing it (goal: at most 2 times);
// - a folder of 10,000 small files checked one by one (goal: 1,000 files/s or
//   more), against only reading the same files.
//   bench_controllo [seconds per figure]   (default 2)
#include "controllo/controllosdi.h"
#include "db/apperror.h"
#include "fattura/generaxml.h"
#include "store/tdiz.h"
#include "benchinvoice.h"
#include "testdatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int kInvoice = kBenchInvoice;

QString writeInvoice(TestDatabase &db, TDiz &diz, const QString &folder, int lines)
{
    fillStore(db, folder, lines);
    diz.closeTables();
    diz.xml_conn.disconnect();
    diz.xml_conn.setSettings(db.settings());
    diz.xml_conn.connect();
    diz.openTables();
    if (!diz.Testata->locate(QStringLiteral("id_invio"), kInvoice))
        qFatal("invoice not found");
    return GeneraXmlPrivati(diz);
}

// Seconds per call, over at least the given time after one warm-up call.
double secondsPerCall(double seconds, const std::function<void()> &call)
{
    call();
    QElapsedTimer timer;
    timer.start();
    int calls = 0;
    do {
        call();
        ++calls;
    } while (timer.nsecsElapsed() < qint64(seconds * 1e9));
    return timer.nsecsElapsed() / 1e9 / calls;
}

double secondsFor(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
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

        const double compile = secondsFor([] { ControlloSdi::checkBytes(QByteArray("<x/>"), QString()); });
        std::printf("schema compiled once per run:            %8.1f ms\n", compile * 1e3);

        const QString big = writeInvoice(db, diz, folder.path(), 1000);
        int problems = 0;
        const double write = secondsPerCall(seconds, [&] { GeneraXmlPrivati(diz); });
        const double check = secondsPerCall(seconds, [&] { problems = int(ControlloSdi::checkFile(big).size()); });
        std::printf("1,000-line invoice (%lld bytes, %d problems)\n", QFile(big).size(), problems);
        std::printf("  GeneraXmlPrivati (baseline)            %8.2f ms\n", write * 1e3);
        std::printf("  Controllo SdI                          %8.2f ms   %.2f x writing (goal <= 2)\n", check * 1e3,
                    check / write);

        // 10,000 small files: one 10-line invoice under 10,000 names.
        const QString small = writeInvoice(db, diz, folder.path(), 10);
        const QByteArray bytes = [&] {
            QFile file(small);
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
        QDir many(folder.filePath(QStringLiteral("molti")));
        many.mkpath(QStringLiteral("."));
        const int count = 10000;
        for (int i = 0; i < count; ++i) {
            QFile file(many.filePath(QStringLiteral("IT01234567897_%1.xml").arg(i, 5, 10, QLatin1Char('0'))));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
        }
        const QStringList names = many.entryList({QStringLiteral("*.xml")}, QDir::Files);
        qint64 read = 0;
        const double reading = secondsFor([&] {
            for (const QString &name : names) {
                QFile file(many.filePath(name));
                file.open(QIODevice::ReadOnly);
                read += file.readAll().size();
            }
        });
        int dirty = 0;
        const double checking = secondsFor([&] {
            for (const QString &name : names)
                dirty += ControlloSdi::checkFile(many.filePath(name)).isEmpty() ? 0 : 1;
        });
        std::printf("folder of %lld files of %lld bytes (%d with problems)\n", qlonglong(names.size()),
                    qlonglong(bytes.size()), dirty);
        std::printf("  reading only (baseline)                %8.0f files/s\n", names.size() / reading);
        std::printf("  Controllo SdI                          %8.0f files/s   %.1f x reading (goal >= 1000 files/s)\n",
                    names.size() / checking, checking / reading);
    } catch (const AppError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
