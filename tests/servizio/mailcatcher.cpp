#include "mailcatcher.h"

#include <QDir>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

quint16 MailCatcher::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

MailCatcher::MailCatcher()
{
    m_port = freePort();
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(SYSTEM_PYTHON),
                    {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"), QStringLiteral("-l"),
                     QStringLiteral("127.0.0.1:%1").arg(m_port), QStringLiteral("-c"),
                     QStringLiteral("aiosmtpd.handlers.Mailbox"), m_dir.filePath(QStringLiteral("posta"))});
    for (int attempt = 0; attempt < 100; ++attempt) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (socket.waitForConnected(100))
            return;
        QThread::msleep(100);
    }
    qFatal("the aiosmtpd mail server did not start (python3-aiosmtpd installed?)");
}

MailCatcher::~MailCatcher()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

void MailCatcher::clear()
{
    QDir folder(m_dir.filePath(QStringLiteral("posta/new")));
    for (const QString &name : folder.entryList(QDir::Files))
        folder.remove(name);
}

QList<MailCatcher::Message> MailCatcher::messages() const
{
    QList<Message> list;
    QDir folder(m_dir.filePath(QStringLiteral("posta/new")));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Time)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QByteArray text = file.readAll();
        text.replace("\r\n", "\n");
        Message message;
        static const QRegularExpression recipient(QStringLiteral("^X-RcptTo: (.*)$"),
                                                  QRegularExpression::MultilineOption);
        message.recipient = recipient.match(QString::fromUtf8(text)).captured(1).trimmed();
        // The attached part: its headers name the file, its body is base64
        // up to the next boundary.
        const qsizetype named = text.indexOf("filename=\"");
        if (named >= 0) {
            const qsizetype start = named + 10;
            message.attachmentName = QString::fromUtf8(text.mid(start, text.indexOf('"', start) - start));
            const qsizetype body = text.indexOf("\n\n", start) + 2;
            const qsizetype end = text.indexOf("\n--", body);
            message.attachment = QByteArray::fromBase64(text.mid(body, end - body));
        }
        list << message;
    }
    return list;
}
