#include "controllo/visualizzafattura.h"

#include "db/apperror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <libxml/parser.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <mutex>

namespace {

// A compiled stylesheet, kept for the life of the program.
xsltStylesheetPtr compile(const QString &resource)
{
    QFile file(QStringLiteral(":/controllo/") + resource);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Foglio di stile mancante nel programma: ") + resource);
    const QByteArray bytes = file.readAll();
    xmlDocPtr document = xmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr, XML_PARSE_NONET);
    xsltStylesheetPtr stylesheet = document ? xsltParseStylesheetDoc(document) : nullptr;
    if (!stylesheet) {
        if (document)
            xmlFreeDoc(document);
        throw AppError(QStringLiteral("Il foglio di stile %1 incorporato nel programma non si compila").arg(resource));
    }
    return stylesheet;
}

xsltStylesheetPtr stylesheetFor(bool publicAdministration)
{
    static std::mutex mutex;
    static xsltStylesheetPtr ordinary = nullptr;
    static xsltStylesheetPtr administration = nullptr;
    const std::lock_guard lock(mutex);
    xsltStylesheetPtr &slot = publicAdministration ? administration : ordinary;
    if (!slot)
        slot = compile(publicAdministration ? QStringLiteral("Foglio_di_stile_fattura_PA_ver1.2.2.xsl")
                                            : QStringLiteral("Foglio_di_stile_fattura_ordinaria_ver1.2.2.xsl"));
    return slot;
}

// The view writes nothing and fetches nothing.
xsltSecurityPrefsPtr lockedDown()
{
    static xsltSecurityPrefsPtr prefs = [] {
        xsltSecurityPrefsPtr p = xsltNewSecurityPrefs();
        for (xsltSecurityOption option :
             {XSLT_SECPREF_READ_FILE, XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY, XSLT_SECPREF_READ_NETWORK,
              XSLT_SECPREF_WRITE_NETWORK})
            xsltSetSecurityPrefs(p, option, xsltSecurityForbid);
        return p;
    }();
    return prefs;
}

bool isPublicAdministration(xmlDocPtr document)
{
    xmlNodePtr root = xmlDocGetRootElement(document);
    xmlChar *version = root ? xmlGetProp(root, BAD_CAST "versione") : nullptr;
    const bool result = version && xmlStrcmp(version, BAD_CAST "FPA12") == 0;
    xmlFree(version);
    return result;
}

} // namespace

namespace VisualizzaFattura {

QByteArray html(const QString &xmlPath)
{
    QFile file(xmlPath);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Impossibile leggere il file '%1': %2").arg(xmlPath, file.errorString()));
    const QByteArray bytes = file.readAll();
    xmlDocPtr document = xmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
                                       XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!document)
        throw AppError(QStringLiteral("Il file '%1' non è un file XML leggibile").arg(xmlPath));
    xsltStylesheetPtr stylesheet = stylesheetFor(isPublicAdministration(document));
    xsltTransformContextPtr context = xsltNewTransformContext(stylesheet, document);
    xsltSetCtxtSecurityPrefs(lockedDown(), context);
    xmlDocPtr result = xsltApplyStylesheetUser(stylesheet, document, nullptr, nullptr, nullptr, context);
    xsltFreeTransformContext(context);
    QByteArray text;
    if (result) {
        xmlChar *buffer = nullptr;
        int size = 0;
        if (xsltSaveResultToString(&buffer, &size, result, stylesheet) == 0 && buffer)
            text = QByteArray(reinterpret_cast<const char *>(buffer), size);
        xmlFree(buffer);
        xmlFreeDoc(result);
    }
    xmlFreeDoc(document);
    if (text.isEmpty())
        throw AppError(QStringLiteral("Impossibile visualizzare il file '%1': il foglio di stile non produce "
                                      "alcun testo")
                           .arg(xmlPath));
    return text;
}

QString writeHtml(const QString &xmlPath, const QString &htmlPath)
{
    const QByteArray text = html(xmlPath);
    const QString target =
        htmlPath.isEmpty()
            ? QDir(QDir::tempPath()).filePath(QFileInfo(xmlPath).completeBaseName() + QStringLiteral(".html"))
            : htmlPath;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        throw AppError(QStringLiteral("Impossibile scrivere il file '%1': %2").arg(target, out.errorString()));
    return QFileInfo(target).absoluteFilePath();
}

} // namespace VisualizzaFattura
