#include "connection.h"

#include "apperror.h"

#include <mysql.h>

namespace {
QByteArray orNull(const QString &text, QByteArray &holder)
{
    holder = text.toUtf8();
    return holder;
}
const char *cstrOrNull(const QByteArray &bytes) { return bytes.isEmpty() ? nullptr : bytes.constData(); }
} // namespace

Connection::Connection(QObject *parent) : QObject(parent) {}

Connection::~Connection()
{
    if (m_mysql)
        mysql_close(m_mysql);
}

void Connection::setSettings(const Settings &settings) { m_settings = settings; }
void Connection::setServer(const QString &server) { m_settings.server = server; }
void Connection::setDatabase(const QString &database) { m_settings.database = database; }
void Connection::setUser(const QString &user) { m_settings.user = user; }
void Connection::setPassword(const QString &password) { m_settings.password = password; }

QString Connection::lastError(MYSQL *mysql)
{
    return QString::fromUtf8(mysql_error(mysql));
}

MYSQL *Connection::openRaw(const Settings &settings)
{
    MYSQL *mysql = mysql_init(nullptr);
    if (!mysql)
        throw AppError(QStringLiteral("Memoria insufficiente per la connessione al database"));
    mysql_optionsv(mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    if (settings.compress)
        mysql_optionsv(mysql, MYSQL_OPT_COMPRESS, nullptr);
    QByteArray server, db, user, password;
    orNull(settings.server, server);
    orNull(settings.database, db);
    orNull(settings.user, user);
    orNull(settings.password, password);
    if (!mysql_real_connect(mysql, cstrOrNull(server), cstrOrNull(user), password.constData(), cstrOrNull(db),
                            settings.port, nullptr, 0)) {
        const QString message = lastError(mysql);
        mysql_close(mysql);
        throw AppError(message);
    }
    return mysql;
}

void Connection::connect()
{
    if (m_mysql)
        return;
    m_mysql = openRaw(m_settings);
    MY_CHARSET_INFO info;
    mysql_get_character_set_info(m_mysql, &info);
    m_maxBytesPerChar = info.mbmaxlen ? info.mbmaxlen : 1;
}

void Connection::disconnect()
{
    if (!m_mysql)
        return;
    emit aboutToDisconnect();
    mysql_close(m_mysql);
    m_mysql = nullptr;
}

MYSQL *Connection::handle() const
{
    if (!m_mysql)
        throw AppError(QStringLiteral("Connessione al database non aperta"));
    return m_mysql;
}

unsigned long long Connection::execute(const QString &sql)
{
    MYSQL *mysql = handle();
    const QByteArray bytes = sql.toUtf8();
    countStatement();
    if (mysql_real_query(mysql, bytes.constData(), bytes.size()) != 0)
        throw AppError(lastError(mysql));
    // A statement given here may still return rows: drain them.
    if (MYSQL_RES *result = mysql_store_result(mysql))
        mysql_free_result(result);
    return mysql_affected_rows(mysql);
}

unsigned long long Connection::lastInsertId() const { return mysql_insert_id(handle()); }

QString Connection::quote(const QString &value) const
{
    const QByteArray bytes = value.toUtf8();
    QByteArray escaped(bytes.size() * 2 + 1, Qt::Uninitialized);
    const unsigned long length = mysql_real_escape_string(handle(), escaped.data(), bytes.constData(), bytes.size());
    escaped.truncate(static_cast<qsizetype>(length));
    return QLatin1Char('\'') + QString::fromUtf8(escaped) + QLatin1Char('\'');
}
