#include "registrysearch.h"

#include "connection.h"

QString containsSearchStatement(const Connection &connection, const QString &table, const QString &column,
                                const QString &typed)
{
    // Backslash is LIKE's escape character: doubled, it stands for itself.
    QString pattern = typed;
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QStringLiteral("SELECT * from %1 where %2 like %3 order by %2")
        .arg(table, column, connection.quote(QLatin1Char('%') + pattern + QLatin1Char('%')));
}

QString registrySearchStatement(const Connection &connection, const QString &table, const QString &typed)
{
    return containsSearchStatement(connection, table, QStringLiteral("rag_soc"), typed);
}
