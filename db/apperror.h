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
    explicit AppError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
