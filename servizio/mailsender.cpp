#include "mailsender.h"

#include "apperror.h"

#include <QDateTime>
#include <QUuid>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace {
struct CurlDeleter
{
    void operator()(CURL *curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_mime *mime) const { curl_mime_free(mime); }
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

// The last line the mail server sent: its reply to the step that failed.
int keepServerReply(CURL *, curl_infotype type, char *data, size_t size, void *reply)
{
    if (type == CURLINFO_HEADER_IN) {
        const QString line = QString::fromUtf8(data, qsizetype(size)).trimmed();
        if (!line.isEmpty())
            *static_cast<QString *>(reply) = line;
    }
    return 0;
}

QByteArray angleAddress(const QString &address)
{
    return '<' + address.trimmed().toUtf8() + '>';
}

QByteArray headerLine(const char *name, const QString &value)
{
    // Header values come from the settings and the file name: no line breaks.
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QByteArray(name) + ": " + flat.toUtf8();
}
} // namespace

MailSender::MailSender(const ServiceSettings &settings) : m_settings(settings) {}

void MailSender::initialiseLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

QString MailSender::url() const
{
    const QString scheme =
        m_settings.smtpSecurity == ServiceSettings::Security::Tls ? QStringLiteral("smtps") : QStringLiteral("smtp");
    QString host = m_settings.smtpServer.trimmed();
    if (host.contains(QLatin1Char(':')))
        host = QLatin1Char('[') + host + QLatin1Char(']'); // an IPv6 address
    return QStringLiteral("%1://%2:%3").arg(scheme, host).arg(m_settings.effectiveSmtpPort());
}

void MailSender::send(const QString &from, const QString &to, const QString &subject, const QString &body,
                      const QString &attachmentName, const QByteArray &attachment) const
{
    initialiseLibrary();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        throw AppError(QStringLiteral("Impossibile preparare l'invio della posta"));
    CURL *c = curl.get();
    char error[CURL_ERROR_SIZE] = {};
    QString serverReply;

    const QByteArray urlBytes = url().toUtf8();
    const QByteArray fromBytes = angleAddress(from);
    curl_easy_setopt(c, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 120L);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, keepServerReply);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &serverReply);
    if (m_settings.smtpSecurity == ServiceSettings::Security::StartTls)
        curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    const QByteArray user = m_settings.smtpUser.toUtf8();
    const QByteArray password = m_settings.smtpPassword.toUtf8();
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, fromBytes.constData());
    const QByteArray toBytes = angleAddress(to);
    std::unique_ptr<curl_slist, CurlDeleter> recipients(curl_slist_append(nullptr, toBytes.constData()));
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());

    const QByteArray date = headerLine("Date", QDateTime::currentDateTime().toString(Qt::RFC2822Date));
    const QByteArray messageId =
        headerLine("Message-ID", QLatin1Char('<') + QUuid::createUuid().toString(QUuid::WithoutBraces) +
                                     QStringLiteral("@fatturazione>"));
    const QByteArray fromHeader = headerLine("From", QString::fromUtf8(fromBytes));
    const QByteArray toHeader = headerLine("To", QString::fromUtf8(toBytes));
    const QByteArray subjectHeader = headerLine("Subject", subject);
    curl_slist *headers = nullptr;
    for (const QByteArray *line : {&date, &messageId, &fromHeader, &toHeader, &subjectHeader})
        headers = curl_slist_append(headers, line->constData());
    std::unique_ptr<curl_slist, CurlDeleter> headerList(headers);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);

    std::unique_ptr<curl_mime, CurlDeleter> mime(curl_mime_init(c));
    const QByteArray bodyBytes = body.toUtf8();
    curl_mimepart *text = curl_mime_addpart(mime.get());
    curl_mime_data(text, bodyBytes.constData(), size_t(bodyBytes.size()));
    curl_mime_type(text, "text/plain; charset=utf-8");
    curl_mime_encoder(text, "quoted-printable");
    curl_mimepart *file = curl_mime_addpart(mime.get());
    const QByteArray name = attachmentName.toUtf8();
    curl_mime_data(file, attachment.constData(), size_t(attachment.size()));
    curl_mime_filename(file, name.constData());
    curl_mime_type(file, name.toLower().endsWith(".p7m") ? "application/pkcs7-mime" : "application/xml");
    curl_mime_encoder(file, "base64");
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());

    const CURLcode result = curl_easy_perform(c);
    if (result != CURLE_OK) {
        QString message = QString::fromUtf8(error);
        if (message.isEmpty())
            message = QString::fromUtf8(curl_easy_strerror(result));
        if (!serverReply.isEmpty() && !message.contains(serverReply))
            message += QStringLiteral(" (risposta del server di posta: %1)").arg(serverReply);
        throw AppError(message);
    }
}
