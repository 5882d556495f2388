#include "registrysearch.h"

#include "connection.h"

QString registrySearchStatement(const Connection &connection, const QString &table, const QString &typed)
{
    // Backslash is LIKE's escape character: doubled, it stands for itself.
    QString pattern = typed;
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QStringLiteral("SELECT * from %1 where rag_soc like %2 order by rag_soc")
        .arg(table, connection.quote(QLatin1Char('%') + pattern + QLatin1Char('%')));
}
