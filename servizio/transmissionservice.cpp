#include "transmissionservice.h"

#include "apperror.h"
#include "invoicesender.h"
#include "mailsender.h"
#include "purchaseloader.h"

#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QUrlQuery>
#include <QtConcurrent>

namespace {
// The host names under which this machine's browser reaches the service.
// Any other Host header means a page of another site resolved its own
// name to this machine.
bool isLocalHost(const QByteArray &hostHeader)
{
    QByteArray host = hostHeader.trimmed().toLower();
    if (host.startsWith('[')) {
        const qsizetype end = host.indexOf(']');
        host = end < 0 ? QByteArray() : host.mid(1, end - 1);
    } else if (const qsizetype colon = host.lastIndexOf(':'); colon >= 0) {
        host.truncate(colon);
    }
    return host == "localhost" || host == "127.0.0.1" || host == "::1";
}

QString queryValue(const QHttpServerRequest &request, const QString &key)
{
    return request.query().queryItemValue(key, QUrl::FullyDecoded);
}
} // namespace

TransmissionService::TransmissionService(const ServiceSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    MailSender::initialiseLibrary();
    // Mail servers answer slowly; many requests may wait on them at once.
    m_workers.setMaxThreadCount(16);

    const auto sendRoute = [this](const QHttpServerRequest &request) -> QFuture<QHttpServerResponse> {
        if (const auto refused = refusal(request))
            return QtFuture::makeReadyFuture(respond(*refused));
        const QString fileName = queryValue(request, QStringLiteral("nome_file"));
        const QString invoiceId = queryValue(request, QStringLiteral("n_invio"));
        return QtConcurrent::run(&m_workers, [this, fileName, invoiceId] {
            return respond(InvoiceSender(m_settings, m_check).send(fileName, invoiceId));
        });
    };
    m_server.route(QStringLiteral("/Fatt_Ven/mail_sdi.php"), QHttpServerRequest::Method::Get, sendRoute);
    m_server.route(QStringLiteral("/Fatt_Ven/mail_sdi_pa.php"), QHttpServerRequest::Method::Get, sendRoute);
    m_server.route(QStringLiteral("/Fatt_Acq/read_xml.php"), QHttpServerRequest::Method::Get,
                   [this](const QHttpServerRequest &request) -> QFuture<QHttpServerResponse> {
                       if (const auto refused = refusal(request))
                           return QtFuture::makeReadyFuture(respond(*refused));
                       const QString fileName = queryValue(request, QStringLiteral("nome_file"));
                       return QtConcurrent::run(
                           &m_workers, [this, fileName] { return respond(PurchaseLoader(m_settings).load(fileName)); });
                   });
    m_server.setMissingHandler([this](const QHttpServerRequest &, QHttpServerResponder &&responder) {
        const ServiceAnswer answer = ServiceAnswer::refused(404, QStringLiteral("Indirizzo sconosciuto al servizio"));
        responder.write(answer.html(), "text/html; charset=utf-8", QHttpServerResponder::StatusCode::NotFound);
    });
}

TransmissionService::~TransmissionService()
{
    m_workers.waitForDone();
}

void TransmissionService::setInvoiceCheck(InvoiceCheck check)
{
    m_check = std::move(check);
}

quint16 TransmissionService::listen()
{
    const quint16 port = m_server.listen(QHostAddress::LocalHost, m_settings.httpPort);
    if (!port)
        throw AppError(QStringLiteral("Il servizio non può ascoltare sulla porta %1 di 127.0.0.1 (già in uso?)")
                           .arg(m_settings.httpPort));
    return port;
}

std::optional<ServiceAnswer> TransmissionService::refusal(const QHttpServerRequest &request)
{
    if (!request.remoteAddress().isLoopback())
        return ServiceAnswer::refused(403, QStringLiteral("Richiesta rifiutata: il servizio accetta solo richieste "
                                                          "da questo computer"));
    if (!isLocalHost(request.value("Host")))
        return ServiceAnswer::refused(403, QStringLiteral("Richiesta rifiutata: indirizzo del servizio non locale"));
    const QByteArray site = request.value("Sec-Fetch-Site").trimmed().toLower();
    if (!site.isEmpty() && site != "none" && site != "same-origin")
        return ServiceAnswer::refused(403, QStringLiteral("Richiesta rifiutata: proviene da un'altra pagina web"));
    return std::nullopt;
}

QHttpServerResponse TransmissionService::respond(const ServiceAnswer &answer) const
{
    QHttpServerResponse response("text/html; charset=utf-8", answer.html(),
                                 QHttpServerResponse::StatusCode(answer.status));
    // The answer is for the user who opened the address, never for caching.
    response.setHeader("Cache-Control", "no-store");
    response.setHeader("X-Content-Type-Options", "nosniff");
    return response;
}
