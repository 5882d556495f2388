#include "servicefilename.h"

#include <QRegularExpression>

namespace ServiceFileName {

bool isBare(const QString &name, int maxChars)
{
    if (name.isEmpty() || name.size() > maxChars || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            return false;
    return !name.contains(QLatin1String(".."));
}

bool isFatturaPa(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Z]{2}[A-Za-z0-9]{2,28}_[A-Za-z0-9]{1,5}\\.(xml|XML|xml\\.p7m|XML\\.P7M)$"));
    return isBare(name) && pattern.match(name).hasMatch();
}

bool isReceivedFile(const QString &name)
{
    const QString lower = name.toLower();
    return isBare(name) && (lower.endsWith(QLatin1String(".xml")) || lower.endsWith(QLatin1String(".xml.p7m")));
}

} // namespace ServiceFileName
