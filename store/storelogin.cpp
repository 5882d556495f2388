#include "storelogin.h"

#include "ipini.h"
#include "tdiz.h"

namespace {
// A server elsewhere is reached with the compressed protocol: the header
// table is re-read every ten seconds.
bool isLocal(const QString &server)
{
    return server.isEmpty() || server == QLatin1String("localhost") || server.startsWith(QLatin1String("127."))
           || server == QLatin1String("::1");
}
} // namespace

void connectStore(TDiz &diz, const IpIni &ini)
{
    diz.deskTitle = ini.deskTitle;
    diz.webRoot = ini.webRoot;
    Connection &connection = diz.xml_conn;
    const QString server = ini.connectionServer();
    const QString database = ini.connectionDatabase();
    if (connection.isConnected()
        && (connection.settings().server != server || connection.settings().database != database))
        connection.disconnect(); // closes every table on it first
    connection.setServer(server);
    connection.setDatabase(database);
    Connection::Settings settings = connection.settings();
    settings.compress = !isLocal(server);
    connection.setSettings(settings);
    connection.connect();
    diz.openTables();
}
