#pragma once

#include "connection.h"

#include <QString>

// The settings of the transmission service, read from an INI file whose
// keys are Italian (see the README). Missing keys take the defaults below.
struct ServiceSettings
{
    enum class Security { None, StartTls, Tls };

    quint16 httpPort = 8080;                                       // [http] porta
    Connection::Settings store;                                    // [archivio] server, database, utente, password
    QString smtpServer = QStringLiteral("127.0.0.1");              // [smtp] server
    quint16 smtpPort = 0;                                          // [smtp] porta; 0: 25, 587 or 465 after the security
    Security smtpSecurity = Security::None;                        // [smtp] sicurezza: nessuna, starttls, tls
    QString smtpUser;                                              // [smtp] utente
    QString smtpPassword;                                          // [smtp] password
    QString sender;                                                // [smtp] mittente; empty: the company's mail
    QString sdiAddress = QStringLiteral("sdi01@pec.fatturapa.it"); // [sdi] indirizzo
    QString outgoingFolder;                                        // [cartelle] invio; empty: the company's path
    QString receivedFolder = QStringLiteral(".");                  // [cartelle] ricevute

    ServiceSettings();

    quint16 effectiveSmtpPort() const;

    // Reads the file. A missing file gives the defaults; a file that holds a
    // password and can be read by other users, a file that cannot be read
    // or a value that makes no sense throws AppError with the Italian text.
    static ServiceSettings read(const QString &path);
};
