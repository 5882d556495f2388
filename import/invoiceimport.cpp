#include "import/invoiceimport.h"

#include "import/invoicecopier.h"
#include "import/sourcedocument.h"

#include "db/apperror.h"
#include "db/rowset.h"
#include "store/decimaltext.h"
#include "store/tdiz.h"

#include <QFile>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

const QString kSelection =
    u"SELECT * from a2020.testata where reg_doc=\"FV\" or reg_doc=\"NC\" or reg_doc=\"NI\" or reg_doc=\"FD\" or reg_doc=\"FI\""_s;

QString count(int n)
{
    return DecimalText::format(n, u"#,##0");
}

} // namespace

InvoiceImport::InvoiceImport(TDiz &diz) : m_diz(diz) {}

QString InvoiceImport::confirmationQuestion()
{
    return u"Confermi importazione Fatture: ?"_s;
}

QString InvoiceImport::progressText(int current, int total)
{
    return u"Importazione fattura %1 di %2"_s.arg(count(current), count(total));
}

QString InvoiceImport::summaryText(const ImportResult &result)
{
    QString text = u"Fatture importate: %1\nGià presenti: %2\nNon importate: %3"_s.arg(
        count(result.imported()), count(result.alreadyPresent), count(result.failed() ? 1 : 0));
    if (result.stopped)
        text += u"\nImportazione interrotta dall'utente"_s;
    return text;
}

QString InvoiceImport::storedKey(const QString &number, const QString &type)
{
    return number + QChar(0x1f) + type;
}

// The presence check compares num_doc and tipo_doc whole and with letter
// case, as the store holds them: one read at the start, so that the check
// costs the same for the first and the ten-thousandth document.
void InvoiceImport::readStoredNumbers()
{
    Connection &store = m_diz.xml_conn;
    store.countStatement();
    const RowSet set = readRowSet(store.handle(), u"SELECT num_doc, tipo_doc FROM testata"_s, store.maxBytesPerChar());
    m_stored.clear();
    m_stored.reserve(set.rows.size());
    for (const Row &row : set.rows)
        m_stored.insert(storedKey(QString::fromUtf8(row.bytes(0)), QString::fromUtf8(row.bytes(1))));
}

ImportResult InvoiceImport::run(const Progress &progress)
{
    TableComponent &testata = *m_diz.Testata;
    if (!testata.isOpen() || !m_diz.Detta->isOpen())
        throw AppError(u"Archivio fatture non aperto: premere Accedi"_s);
    const QString deskTitle = m_diz.deskTitle;
    SourceTable &headers = *m_diz.Test_Fatt;
    headers.close();
    headers.setSql(kSelection);
    headers.first();
    // The lines' columns are checked before any invoice is written; the
    // table is opened again for each invoice's lines.
    m_diz.Dett_Fatt->open();
    m_diz.Dett_Fatt->close();
    readStoredNumbers();

    // The header table is not re-read behind the import's back while the
    // window's events turn between two invoices.
    const int refreshInterval = testata.autoRefreshInterval();
    testata.setAutoRefreshInterval(0);
    const auto restoreRefresh = qScopeGuard([&] { testata.setAutoRefreshInterval(refreshInterval); });

    ImportResult result;
    const int total = headers.table()->rowCount();
    int position = 0;
    for (; !headers.eof(); headers.next()) {
        ++position;
        bool stop = false;
        if (progress)
            progress(position, total, stop);
        if (stop) {
            result.stopped = true;
            break;
        }
        SourceDocument document;
        try {
            document = SourceDocument::read(headers, deskTitle);
        } catch (const AppError &error) {
            result.failure = u"Documento con protocollo %1 non importato: %2"_s.arg(
                headers.storedValue(u"protocollo"_s).toString(), error.message());
            break;
        }
        // num_doc keeps as many characters as it can hold: a longer number
        // is looked for as it was stored.
        const QString key = storedKey(testata.fittedText(u"num_doc"_s, document.numberText), document.typeCode);
        if (m_stored.contains(key)) {
            ++result.alreadyPresent;
            continue;
        }
        importOne(document, result);
        if (result.failed())
            break;
        m_stored.insert(key);
    }
    return result;
}

void InvoiceImport::importOne(const SourceDocument &document, ImportResult &result)
{
    Connection &store = m_diz.xml_conn;
    InvoiceCopier copier(m_diz);
    try {
        store.execute(u"START TRANSACTION"_s);
        const ImportedInvoice invoice = copier.copy(document);
        store.execute(u"COMMIT"_s);
        result.invoices << invoice;
        return;
    } catch (const AppError &error) {
        result.failure = u"Documento %1 n. %2 non importato: %3"_s.arg(document.registerCode, document.sourceNumber,
                                                                       error.message());
    }
    // Undo the document: the store, the rows held here and its file.
    try {
        store.execute(u"ROLLBACK"_s);
    } catch (const AppError &) {
        // A lost connection has rolled back already.
    }
    m_diz.Testata->cancel();
    m_diz.Detta->cancel();
    m_diz.Dett_Fatt->close();
    if (!copier.writtenFile().isEmpty())
        QFile::remove(copier.writtenFile());
    try {
        if (copier.headerSaved()) {
            m_diz.Testata->refresh();
            m_diz.Detta->refresh();
        }
    } catch (const AppError &) {
        // The tables are re-read on the next refresh; the failure stays the one reported.
    }
}
