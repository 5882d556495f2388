#include "controllo/schemafatturapa.h"

#include "controllo/messaggischema.h"
#include "db/apperror.h"

#include <QFile>

#include <libxml/parserInternals.h>
#include <libxml/xmlschemas.h>

#include <cstring>

namespace {

const char kSignatureSchemaUrl[] = "http://www.w3.org/TR/2002/REC-xmldsig-core-20020212/xmldsig-core-schema.xsd";

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/controllo/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Schema FatturaPA mancante nel programma: ") + name);
    return file.readAll();
}

const QByteArray &signatureSchema()
{
    static const QByteArray bytes = resource(QStringLiteral("xmldsig-core-schema.xsd"));
    return bytes;
}

// Serves the signature schema's W3C address from the built-in copy and
// refuses every other address on the network.
xmlParserInputPtr builtInLoader(const char *url, const char *id, xmlParserCtxtPtr context)
{
    if (url && std::strcmp(url, kSignatureSchemaUrl) == 0) {
        const QByteArray &bytes = signatureSchema();
        xmlParserInputBufferPtr buffer =
            xmlParserInputBufferCreateMem(bytes.constData(), int(bytes.size()), XML_CHAR_ENCODING_NONE);
        return buffer ? xmlNewIOInputStream(context, buffer, XML_CHAR_ENCODING_NONE) : nullptr;
    }
    return xmlNoNetExternalEntityLoader(url, id, context);
}

void collectError(void *userData, xmlErrorPtr error)
{
    auto *problems = static_cast<SdiProblems *>(userData);
    if (!error || error->level == XML_ERR_WARNING)
        return;
    SdiProblem problem;
    problem.code = QStringLiteral("00200");
    problem.text = MessaggiSchema::italian(QString::fromUtf8(error->message).trimmed());
    problem.line = error->line;
    if (auto *node = static_cast<xmlNodePtr>(error->node)) {
        if (xmlChar *path = xmlGetNodePath(node)) {
            problem.path = QString::fromUtf8(reinterpret_cast<const char *>(path));
            xmlFree(path);
        }
        if (problem.line <= 0)
            problem.line = int(xmlGetLineNo(node));
    }
    problems->append(problem);
}

} // namespace

const SchemaFatturaPA &SchemaFatturaPA::instance()
{
    static const SchemaFatturaPA schema;
    return schema;
}

SchemaFatturaPA::SchemaFatturaPA()
{
    const QByteArray main = resource(QStringLiteral("Schema_VFPR12_v1.2.3.xsd"));
    signatureSchema();
    const xmlExternalEntityLoader previous = xmlGetExternalEntityLoader();
    xmlSetExternalEntityLoader(builtInLoader);
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewMemParserCtxt(main.constData(), int(main.size()));
    m_schema = parser ? xmlSchemaParse(parser) : nullptr;
    if (parser)
        xmlSchemaFreeParserCtxt(parser);
    xmlSetExternalEntityLoader(previous);
    if (!m_schema)
        throw AppError(QStringLiteral("Lo schema FatturaPA incorporato nel programma non si compila"));
}

SchemaFatturaPA::~SchemaFatturaPA()
{
    if (m_schema)
        xmlSchemaFree(m_schema);
}

SdiProblems SchemaFatturaPA::validate(xmlDocPtr document) const
{
    SdiProblems problems;
    xmlSchemaValidCtxtPtr context = xmlSchemaNewValidCtxt(m_schema);
    if (!context)
        throw AppError(QStringLiteral("Memoria insufficiente per il controllo dello schema"));
    xmlSchemaSetValidStructuredErrors(context, collectError, &problems);
    const int result = xmlSchemaValidateDoc(context, document);
    xmlSchemaFreeValidCtxt(context);
    if (result != 0 && problems.isEmpty())
        problems.append(
            {QStringLiteral("00200"), QStringLiteral("File non conforme allo schema FatturaPA 1.2.3"), QString(), 0});
    return problems;
}
