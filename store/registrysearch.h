#pragma once

#include <QString>

class Connection;

// The statement of a search as you type: the rows of table whose column
// contains the typed text, in that column's order. The text travels as a
// quoted value: % and _ keep their LIKE meaning, while quotes and
// backslashes are searched for as they are.
QString containsSearchStatement(const Connection &connection, const QString &table, const QString &column,
                                const QString &typed);

// The registries search their rag_soc.
QString registrySearchStatement(const Connection &connection, const QString &table, const QString &typed);
