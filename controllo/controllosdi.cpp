#include "controllo/controllosdi.h"

#include "controllo/regolesdi.h"
#include "controllo/schemafatturapa.h"
#include "db/apperror.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <libxml/parser.h>

namespace {

void collectParseError(void *userData, xmlErrorPtr error)
{
    auto *problems = static_cast<SdiProblems *>(userData);
    if (!error || error->level == XML_ERR_WARNING)
        return;
    problems->append(
        {QStringLiteral("00200"),
         QStringLiteral("File non conforme al formato XML: ") + QString::fromUtf8(error->message).trimmed(), QString(),
         error->line});
}

// The document as libxml2 reads it, without DTDs, entities or network.
xmlDocPtr parse(const QByteArray &bytes, SdiProblems *problems)
{
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    if (!context)
        throw AppError(QStringLiteral("Memoria insufficiente per leggere il file XML"));
    xmlSetStructuredErrorFunc(problems, collectParseError);
    xmlDocPtr document = xmlCtxtReadMemory(context, bytes.constData(), int(bytes.size()), nullptr, nullptr,
                                           XML_PARSE_NONET | XML_PARSE_BIG_LINES);
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    xmlFreeParserCtxt(context);
    if (!document && problems->isEmpty())
        problems->append({QStringLiteral("00200"), QStringLiteral("File non conforme al formato XML"), QString(), 0});
    return document;
}

} // namespace

namespace ControlloSdi {

SdiProblems checkFileName(const QString &fileName)
{
    static const QRegularExpression form(QStringLiteral("^IT[A-Za-z0-9]{11,16}_[A-Za-z0-9]{5}\\.(xml|XML)$"));
    if (form.match(fileName).hasMatch())
        return {};
    return {{QStringLiteral("00001"),
             QStringLiteral("Nome del file '%1' non valido: deve essere IT, il codice fiscale o la partita IVA "
                            "del trasmittente, '_', 5 lettere o cifre e '.xml'")
                 .arg(fileName),
             QString(), 0}};
}

SdiProblems checkFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Impossibile leggere il file '%1': %2").arg(path, file.errorString()));
    if (file.size() > kMaxFileBytes) {
        SdiProblems problems = checkFileName(QFileInfo(path).fileName());
        problems.append({QStringLiteral("00003"),
                         QStringLiteral("Il file di %1 byte supera il limite di 5 MB").arg(file.size()), QString(), 0});
        return problems;
    }
    return checkBytes(file.readAll(), QFileInfo(path).fileName());
}

SdiProblems checkBytes(const QByteArray &bytes, const QString &fileName)
{
    SdiProblems problems = checkFileName(QFileInfo(fileName).fileName());
    if (bytes.size() > kMaxFileBytes) {
        problems.append({QStringLiteral("00003"),
                         QStringLiteral("Il file di %1 byte supera il limite di 5 MB").arg(bytes.size()), QString(),
                         0});
        return problems;
    }
    xmlDocPtr document = parse(bytes, &problems);
    if (!document)
        return problems;
    try {
        problems += SchemaFatturaPA::instance().validate(document);
        problems += RegoleSdi::check(document);
    } catch (...) {
        xmlFreeDoc(document);
        throw;
    }
    xmlFreeDoc(document);
    return problems;
}

} // namespace ControlloSdi
