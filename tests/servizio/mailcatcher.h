#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real SMTP server on the loopback interface for tests and benchmarks:
// Debian's aiosmtpd, keeping every message it receives in a Maildir.
class MailCatcher
{
public:
    struct Message
    {
        QString recipient; // the envelope recipient
        QString attachmentName;
        QByteArray attachment; // decoded bytes
    };

    MailCatcher(); // starts it; qFatal when it does not answer
    ~MailCatcher();

    quint16 port() const { return m_port; }
    QList<Message> messages() const;
    void clear();

    // A loopback port on which nothing listens.
    static quint16 freePort();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};
