#pragma once

#include "servicesettings.h"

#include <QByteArray>
#include <QString>

// Sends one message with one attached file through the SMTP server of the
// settings (libcurl). Failures throw AppError carrying the mail server's
// own reply where there is one.
class MailSender
{
public:
    explicit MailSender(const ServiceSettings &settings);

    void send(const QString &from, const QString &to, const QString &subject, const QString &body,
              const QString &attachmentName, const QByteArray &attachment) const;

    // Once per process, before any thread sends.
    static void initialiseLibrary();

private:
    QString url() const;

    ServiceSettings m_settings;
};
