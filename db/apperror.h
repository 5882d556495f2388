#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the core: it carries the message the user is shown
// (the server's own text for database failures, the Italian sentence or the
// conversion message elsewhere). Screens show it in a message box, the
// command line prints it on standard error.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &message, bool connectionLost = false)
        : std::runtime_error(message.toStdString()), m_message(message), m_connectionLost(connectionLost)
    {
    }

    const QString &message() const { return m_message; }
    // The server could not be reached: the connection is opened again
    // before the next statement.
    bool connectionLost() const { return m_connectionLost; }

private:
    QString m_message;
    bool m_connectionLost = false;
};
