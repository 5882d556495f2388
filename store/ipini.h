#pragma once

#include <QString>

#include <optional>

// The settings file ip.ini of the working directory: server, database,
// desk title and (optionally) the web server's root, one per line, taken as
// they stand.
struct IpIni
{
    QString server;    // whole first line
    QString database;  // whole second line
    QString deskTitle; // whole third line
    QString webRoot;   // optional fourth line: root of the transmission service's web server

    static constexpr int ServerChars = 15;
    static constexpr int DatabaseChars = 10;

    QString connectionServer() const { return server.left(ServerChars); }
    QString connectionDatabase() const { return database.left(DatabaseChars); }

    // Reads <directory>/ip.ini as 8-bit text in the local code page, lines
    // ending in CR LF or LF; missing lines read as empty. No file: nothing.
    // A file that cannot be read throws AppError.
    static std::optional<IpIni> read(const QString &directory);
};
