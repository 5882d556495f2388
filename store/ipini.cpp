#include "ipini.h"

#include "apperror.h"

#include <QDir>
#include <QFile>

std::optional<IpIni> IpIni::read(const QString &directory)
{
    QFile file(QDir(directory).filePath(QStringLiteral("ip.ini")));
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Errore di I/O: impossibile leggere %1 (%2)").arg(file.fileName(), file.errorString()));
    QList<QString> lines;
    while (lines.size() < 4 && !file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << QString::fromLocal8Bit(line);
    }
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Errore di I/O: impossibile leggere %1 (%2)").arg(file.fileName(), file.errorString()));
    IpIni ini;
    ini.server = lines.value(0);
    ini.database = lines.value(1);
    ini.deskTitle = lines.value(2);
    ini.webRoot = lines.value(3);
    return ini;
}
