#pragma once

#include <QString>

class Connection;

// The statement of the registries' search as you type: the rows of table
// whose rag_soc contains the typed text, in rag_soc order. The text travels
// as a quoted value: % and _ keep their LIKE meaning, while quotes and
// backslashes are searched for as they are.
QString registrySearchStatement(const Connection &connection, const QString &table, const QString &typed);
