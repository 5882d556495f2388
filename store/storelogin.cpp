#include "storelogin.h"

#include "ipini.h"
#include "tdiz.h"

void connectStore(TDiz &diz, const IpIni &ini)
{
    diz.deskTitle = ini.deskTitle;
    Connection &connection = diz.xml_conn;
    const QString server = ini.connectionServer();
    const QString database = ini.connectionDatabase();
    if (connection.isConnected()
        && (connection.settings().server != server || connection.settings().database != database))
        connection.disconnect(); // closes every table on it first
    connection.setServer(server);
    connection.setDatabase(database);
    connection.connect();
    diz.openTables();
}
