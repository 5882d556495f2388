#include "purchaseloader.h"

#include "apperror.h"
#include "boundstatement.h"
#include "fatturapareader.h"
#include "servicefilename.h"
#include "servicestore.h"
#include "signedfile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>

namespace {
// Loads in this process run one at a time, so two requests for the same
// new file cannot both pass the duplicate test.
QMutex loading;

const QStringList integerColumns = {QStringLiteral("n_rate"), QStringLiteral("prog"), QStringLiteral("prot_car")};

// An INSERT of the given columns, values bound; text cut to the column's size.
class RowInserter
{
public:
    RowInserter(ServiceStore &store, const QString &table, const QStringList &columns)
        : m_columns(columns), m_sizes(store.textSizes(table)), m_statement(store.handle(), sql(table, columns))
    {
    }

    unsigned long long insert(const PurchaseInvoice::Values &values)
    {
        QVariantList bound;
        for (const QString &column : m_columns) {
            const QString text = values.value(column);
            if (integerColumns.contains(column))
                bound << (text.isEmpty() ? QVariant() : QVariant(text.toInt()));
            else
                bound << text.left(m_sizes.value(column, int(text.size())));
        }
        m_statement.execute(bound);
        return m_statement.insertId();
    }

private:
    static QString sql(const QString &table, const QStringList &columns)
    {
        QStringList quoted, marks;
        for (const QString &column : columns) {
            quoted << QLatin1Char('`') + column + QLatin1Char('`');
            marks << QStringLiteral("?");
        }
        return QStringLiteral("INSERT INTO `%1` (%2) VALUES (%3)")
            .arg(table, quoted.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    }

    QStringList m_columns;
    QHash<QString, int> m_sizes;
    BoundStatement m_statement;
};

QByteArray invoiceXml(const QString &fileName, const QByteArray &bytes)
{
    return fileName.toLower().endsWith(QLatin1String(".p7m")) ? SignedFile::content(bytes) : bytes;
}
} // namespace

PurchaseLoader::PurchaseLoader(const ServiceSettings &settings) : m_settings(settings) {}

ServiceAnswer PurchaseLoader::load(const QString &fileName) const
{
    if (!ServiceFileName::isReceivedFile(fileName))
        return ServiceAnswer::refused(
            400, QStringLiteral("Nome del file non valido: '%1' (atteso un file .xml o .xml.p7m)").arg(fileName));
    if (fileName.size() > NameChars)
        return ServiceAnswer::refused(
            400,
            QStringLiteral("Nome del file troppo lungo: '%1' (al massimo %2 caratteri)").arg(fileName).arg(NameChars));
    QFile file(QDir(m_settings.receivedFolder).filePath(fileName));
    if (!file.exists())
        return ServiceAnswer::refused(
            404, QStringLiteral("Il file '%1' non si trova nella cartella dei file ricevuti").arg(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return ServiceAnswer::refused(500, QStringLiteral("Impossibile leggere il file '%1'").arg(fileName),
                                      {file.errorString()});
    PurchaseInvoice invoice;
    try {
        invoice = FatturaPaReader::read(invoiceXml(fileName, file.readAll()));
    } catch (const AppError &error) {
        return ServiceAnswer::refused(422, QStringLiteral("Il file '%1' non è stato caricato").arg(fileName),
                                      {error.message()});
    }
    invoice.header[QStringLiteral("nome_file")] = fileName;

    QMutexLocker lock(&loading);
    try {
        ServiceStore store(m_settings.store);
        BoundStatement loaded(store.handle(), QStringLiteral("SELECT COUNT(*) FROM test_car WHERE nome_file = ?"));
        if (loaded.select({fileName}).value(0).value(0).toInt() > 0)
            return ServiceAnswer::refused(409, QStringLiteral("Attenzione... File gia Caricato"));
        store.begin();
        try {
            RowInserter header(store, QStringLiteral("test_car"), invoice.header.keys());
            const qint64 prot = qint64(header.insert(invoice.header));
            if (!invoice.lines.isEmpty()) {
                QStringList lineColumns = invoice.lines.first().keys();
                lineColumns << QStringLiteral("prot_car");
                RowInserter lines(store, QStringLiteral("dett_car"), lineColumns);
                for (PurchaseInvoice::Values line : invoice.lines) {
                    line[QStringLiteral("prot_car")] = QString::number(prot);
                    lines.insert(line);
                }
            }
            store.commit();
            return ServiceAnswer::ok(QStringLiteral("Fattura caricata"),
                                     QStringLiteral("Fattura %1 del %2 di %3 caricata con protocollo %4 (%5 righe)")
                                         .arg(invoice.header.value(QStringLiteral("num_doc")),
                                              invoice.header.value(QStringLiteral("data_doc")),
                                              invoice.header.value(QStringLiteral("rag_soc")))
                                         .arg(prot)
                                         .arg(invoice.lines.size()));
        } catch (...) {
            store.rollback();
            throw;
        }
    } catch (const AppError &error) {
        return ServiceAnswer::refused(
            500, QStringLiteral("Errore dell'archivio fatture: il file '%1' non è stato caricato").arg(fileName),
            {error.message()});
    }
}
