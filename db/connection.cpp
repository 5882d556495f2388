#include "connection.h"

#include "apperror.h"

#include <mysql.h>
#include <errmsg.h>
#include <mysqld_error.h>

#include <memory>

#include <poll.h>

namespace {
// A link idle for longer than this is pinged before a statement goes out,
// so that a server gone without closing the link (a cut network) costs a
// reconnection, not a failed statement.
constexpr qint64 IdleBeforePingMs = 1000;

// A server that ended or restarted has closed its end of the link: between
// statements the server sends nothing, so anything to read, or the end of
// the stream, means the link is dead. Costs no round trip.
bool closedByServer(MYSQL *mysql)
{
    const int socket = int(mysql_get_socket(mysql));
    if (socket < 0)
        return false;
    pollfd link{socket, POLLIN | POLLRDHUP, 0};
    return ::poll(&link, 1, 0) > 0 && (link.revents & (POLLIN | POLLRDHUP | POLLHUP | POLLERR));
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

// Server gone between statements or lost during one, refused or timed-out
// connects, the server shutting down or killing the link: each leaves a link
// on which nothing more can be sent. Everything else (syntax, missing table,
// duplicate key, access denied) is an answer of a live server.
bool Connection::isLostConnectionError(unsigned code)
{
    switch (code) {
    case CR_CONNECTION_ERROR:
    case CR_CONN_HOST_ERROR:
    case CR_SERVER_GONE_ERROR:
    case CR_SERVER_LOST:
    case CR_SERVER_LOST_EXTENDED:
    case CR_ERR_NET_READ:
    case CR_ERR_NET_WRITE:
    case ER_SERVER_SHUTDOWN:
    case ER_CONNECTION_KILLED:
        return true;
    default:
        return false;
    }
}

QString Connection::lostMessage(const QString &serverMessage)
{
    return QStringLiteral("Connessione al server persa: ") + serverMessage;
}

MYSQL *Connection::openRaw(const Settings &settings)
{
    MYSQL *mysql = mysql_init(nullptr);
    if (!mysql)
        throw AppError(QStringLiteral("Memoria insufficiente per la connessione al database"));
    mysql_optionsv(mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    if (settings.compress)
        mysql_optionsv(mysql, MYSQL_OPT_COMPRESS, nullptr);
    // A half-open link must not hold the program: every wait has a limit.
    const unsigned connectTimeout = settings.connectTimeout;
    const unsigned readTimeout = settings.readTimeout;
    if (connectTimeout > 0)
        mysql_optionsv(mysql, MYSQL_OPT_CONNECT_TIMEOUT, &connectTimeout);
    if (readTimeout > 0) {
        mysql_optionsv(mysql, MYSQL_OPT_READ_TIMEOUT, &readTimeout);
        mysql_optionsv(mysql, MYSQL_OPT_WRITE_TIMEOUT, &readTimeout);
    }
    const QByteArray server = settings.server.toUtf8();
    const QByteArray db = settings.database.toUtf8();
    const QByteArray user = settings.user.toUtf8();
    const QByteArray password = settings.password.toUtf8();
    if (!mysql_real_connect(mysql, cstrOrNull(server), cstrOrNull(user), password.constData(), cstrOrNull(db),
                            settings.port, nullptr, 0)) {
        const QString message = lastError(mysql);
        const bool lost = isLostConnectionError(mysql_errno(mysql));
        mysql_close(mysql);
        throw AppError(message, lost);
    }
    return mysql;
}

void Connection::adopt(MYSQL *mysql)
{
    if (m_mysql)
        mysql_close(m_mysql);
    m_mysql = mysql;
    m_lost = false;
    m_lastExchange.start();
    MY_CHARSET_INFO info;
    mysql_get_character_set_info(m_mysql, &info);
    m_maxBytesPerChar = info.mbmaxlen ? info.mbmaxlen : 1;
}

void Connection::connect()
{
    if (!m_open) {
        adopt(openRaw(m_settings));
        m_open = true;
        return;
    }
    if (m_transaction != TransactionState::None)
        return; // the transaction's own statements find out
    if (m_lost || closedByServer(m_mysql) || pingFails())
        reopen();
    else
        m_lastExchange.start();
}

void Connection::disconnect()
{
    if (!m_open)
        return;
    emit aboutToDisconnect();
    if (m_mysql)
        mysql_close(m_mysql);
    m_mysql = nullptr;
    m_open = false;
    m_lost = false;
    m_transaction = TransactionState::None;
}

bool Connection::pingFails()
{
    if (mysql_ping(m_mysql) == 0) {
        m_lastExchange.start();
        return false;
    }
    m_lost = true;
    return true;
}

// Opens the link again with the same settings; a server still away leaves
// the connection lost and says so.
void Connection::reopen()
{
    try {
        adopt(openRaw(m_settings));
    } catch (const AppError &error) {
        throw AppError(lostMessage(error.message()), true);
    }
    ++m_reconnects;
    emit reconnected();
}

// Before a statement goes out: the connection is open, its transaction has
// not failed, and a link found dead is opened again (never inside a
// transaction, whose earlier statements the server has dropped).
void Connection::prepareStatement()
{
    if (!m_open)
        throw AppError(QStringLiteral("Connessione al database non aperta"));
    if (m_transaction == TransactionState::Failed)
        throw AppError(QStringLiteral("La transazione è stata annullata: nessuna modifica è stata registrata"));
    if (!m_lost && closedByServer(m_mysql))
        m_lost = true;
    if (!m_lost && m_lastExchange.elapsed() > IdleBeforePingMs)
        pingFails();
    if (!m_lost)
        return;
    if (m_transaction == TransactionState::Open) {
        m_transaction = TransactionState::Failed;
        throw AppError(lostMessage(QStringLiteral("la transazione è stata annullata")), true);
    }
    reopen();
}

void Connection::statementFailed(unsigned code, const QString &message)
{
    const bool lost = isLostConnectionError(code);
    if (lost)
        m_lost = true;
    if (m_transaction == TransactionState::Open) {
        // The server keeps the statements before this one until told:
        // nothing of the transaction may stay.
        if (!lost)
            mysql_query(m_mysql, "ROLLBACK");
        m_transaction = TransactionState::Failed;
    }
    throw AppError(lost ? lostMessage(message) : message, lost);
}

MYSQL *Connection::handle() const
{
    if (!m_open || !m_mysql)
        throw AppError(QStringLiteral("Connessione al database non aperta"));
    return m_mysql;
}

unsigned long long Connection::execute(const QString &sql)
{
    prepareStatement();
    const QByteArray bytes = sql.toUtf8();
    countStatement();
    if (mysql_real_query(m_mysql, bytes.constData(), bytes.size()) != 0)
        statementFailed(mysql_errno(m_mysql), lastError(m_mysql));
    m_lastExchange.start();
    // A statement given here may still return rows: drain them.
    const std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)> result(mysql_store_result(m_mysql),
                                                                            &mysql_free_result);
    if (!result && mysql_errno(m_mysql) != 0)
        statementFailed(mysql_errno(m_mysql), lastError(m_mysql));
    return mysql_affected_rows(m_mysql);
}

RowSet Connection::select(const QString &sql)
{
    prepareStatement();
    countStatement();
    try {
        RowSet set = readRowSet(m_mysql, sql, m_maxBytesPerChar);
        m_lastExchange.start();
        return set;
    } catch (const AppError &error) {
        statementFailed(error.connectionLost() ? CR_SERVER_LOST : 0, error.message());
    }
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

void Connection::beginTransaction()
{
    if (m_transaction != TransactionState::None)
        throw AppError(QStringLiteral("Una transazione è già aperta"));
    execute(QStringLiteral("START TRANSACTION"));
    m_transaction = TransactionState::Open;
}

void Connection::commit()
{
    if (m_transaction == TransactionState::None)
        return;
    if (m_transaction == TransactionState::Failed) {
        m_transaction = TransactionState::None;
        throw AppError(QStringLiteral("La transazione è stata annullata: nessuna modifica è stata registrata"));
    }
    try {
        execute(QStringLiteral("COMMIT"));
    } catch (const AppError &) {
        m_transaction = TransactionState::None;
        throw;
    }
    m_transaction = TransactionState::None;
}

void Connection::rollback()
{
    if (m_transaction == TransactionState::Open && !m_lost)
        mysql_query(m_mysql, "ROLLBACK");
    m_transaction = TransactionState::None;
}
