#include "invoicesender.h"

#include "apperror.h"
#include "boundstatement.h"
#include "mailsender.h"
#include "servicefilename.h"
#include "servicestore.h"

#include <QDir>
#include <QFile>

namespace {
const QString alreadySent = QStringLiteral("Fattura gia inviata");

ServiceAnswer storeFailure(const AppError &error)
{
    return ServiceAnswer::refused(500, QStringLiteral("Errore dell'archivio fatture"), {error.message()});
}
} // namespace

InvoiceSender::InvoiceSender(const ServiceSettings &settings, InvoiceCheck check)
    : m_settings(settings), m_check(std::move(check))
{
}

ServiceAnswer InvoiceSender::send(const QString &fileName, const QString &invoiceId) const
{
    bool numeric = false;
    const qint64 id = invoiceId.toLongLong(&numeric);
    if (!numeric || id <= 0)
        return ServiceAnswer::refused(400, QStringLiteral("Numero di fattura non valido: '%1'").arg(invoiceId));
    if (!ServiceFileName::isFatturaPa(fileName))
        return ServiceAnswer::refused(400,
                                      QStringLiteral("Nome del file non valido: '%1' (lo SdI accetta solo nomi come "
                                                     "IT01234567890_00001.xml, con un progressivo di 1-5 "
                                                     "caratteri)")
                                          .arg(fileName));

    try {
        ServiceStore store(m_settings.store);
        BoundStatement find(store.handle(),
                            QStringLiteral("SELECT nome_file, inviata FROM testata WHERE id_invio = ?"));
        const QList<QStringList> rows = find.select({id});
        if (rows.isEmpty())
            return ServiceAnswer::refused(404, QStringLiteral("Fattura %1 non trovata").arg(id));
        if (rows.first().value(0) != fileName)
            return ServiceAnswer::refused(
                400, QStringLiteral("Il file '%1' non è quello della fattura %2").arg(fileName).arg(id));
        if (rows.first().value(1) == QLatin1String("1"))
            return ServiceAnswer::refused(409, alreadySent);

        const QString folder = m_settings.outgoingFolder.isEmpty() ? store.companyFolder() : m_settings.outgoingFolder;
        const QString path = QDir(folder).filePath(fileName);
        QFile file(path);
        if (folder.isEmpty() || !file.exists())
            return ServiceAnswer::refused(
                404, QStringLiteral("Il file '%1' non si trova nella cartella dei file da inviare").arg(fileName));
        if (!file.open(QIODevice::ReadOnly))
            return ServiceAnswer::refused(500, QStringLiteral("Impossibile leggere il file '%1'").arg(fileName),
                                          {file.errorString()});
        const QByteArray content = file.readAll();
        if (m_check) {
            const QStringList problems = m_check(path);
            if (!problems.isEmpty())
                return ServiceAnswer::refused(
                    422, QStringLiteral("Il file '%1' non supera il controllo SdI e non è stato inviato").arg(fileName),
                    problems);
        }

        // The claim: only the request that turns the flag from unsent to
        // sent goes on to mail the file.
        BoundStatement claim(store.handle(),
                             QStringLiteral("UPDATE testata SET inviata = 1 WHERE id_invio = ? AND nome_file = ?"
                                            " AND (inviata = 0 OR inviata IS NULL)"));
        if (claim.execute({id, fileName}) != 1)
            return ServiceAnswer::refused(409, alreadySent);

        QString sender = m_settings.sender;
        try {
            if (sender.isEmpty())
                sender = store.companyMail();
            if (sender.isEmpty())
                throw AppError(QStringLiteral("Mittente non impostato: indicare [smtp] mittente nelle impostazioni "
                                              "del servizio o l'e-mail dell'azienda"));
            MailSender(m_settings)
                .send(sender, m_settings.sdiAddress, QStringLiteral("Invio fattura elettronica %1").arg(fileName),
                      QStringLiteral("In allegato la fattura elettronica %1.\r\n").arg(fileName), fileName, content);
        } catch (const AppError &error) {
            BoundStatement release(store.handle(), QStringLiteral("UPDATE testata SET inviata = 0 WHERE id_invio = ?"));
            release.execute({id});
            return ServiceAnswer::refused(
                502, QStringLiteral("Invio non riuscito: la fattura %1 resta da inviare").arg(id), {error.message()});
        }
        return ServiceAnswer::ok(QStringLiteral("Fattura inviata"),
                                 QStringLiteral("Il file %1 della fattura %2 è stato inviato a %3")
                                     .arg(fileName)
                                     .arg(id)
                                     .arg(m_settings.sdiAddress));
    } catch (const AppError &error) {
        return storeFailure(error);
    }
}
