#include "servicesettings.h"

#include "apperror.h"
#include "tdiz.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
quint16 readPort(const QSettings &ini, const QString &key, quint16 fallback)
{
    const QString text = ini.value(key).toString().trimmed();
    if (text.isEmpty())
        return fallback;
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        throw AppError(QStringLiteral("Impostazioni del servizio: porta non valida in %1: '%2'").arg(key, text));
    return quint16(port);
}

// QSettings reads an unquoted value with commas as a list: join it back.
QString readText(const QSettings &ini, const QString &key, const QString &fallback)
{
    if (!ini.contains(key))
        return fallback;
    const QVariant value = ini.value(key);
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(',')) : value.toString();
}

// A password in a file that others can read is a password given away.
void refuseReadableSecrets(const QString &path, const QSettings &ini)
{
    const bool holdsPassword = !readText(ini, QStringLiteral("archivio/password"), {}).isEmpty() ||
                               !readText(ini, QStringLiteral("smtp/password"), {}).isEmpty();
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (holdsPassword && (QFile::permissions(path) & others))
        throw AppError(QStringLiteral("Il file delle impostazioni %1 contiene una password ed è leggibile da altri "
                                      "utenti: renderlo leggibile solo dal proprietario (chmod 600 %1)")
                           .arg(path));
}
} // namespace

ServiceSettings::ServiceSettings()
{
    store = TDiz::defaultSettings();
    store.server = QStringLiteral("127.0.0.1");
}

quint16 ServiceSettings::effectiveSmtpPort() const
{
    if (smtpPort)
        return smtpPort;
    switch (smtpSecurity) {
    case Security::None:
        return 25;
    case Security::StartTls:
        return 587;
    case Security::Tls:
        return 465;
    }
    return 25;
}

ServiceSettings ServiceSettings::read(const QString &path)
{
    ServiceSettings settings;
    if (!QFileInfo::exists(path))
        return settings;
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        throw AppError(
            QStringLiteral("Impossibile leggere il file delle impostazioni %1: %2").arg(path, probe.errorString()));
    probe.close();
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        throw AppError(QStringLiteral("Il file delle impostazioni %1 non è un file INI valido").arg(path));
    refuseReadableSecrets(path, ini);

    settings.httpPort = readPort(ini, QStringLiteral("http/porta"), settings.httpPort);

    settings.store.server = readText(ini, QStringLiteral("archivio/server"), settings.store.server);
    settings.store.database = readText(ini, QStringLiteral("archivio/database"), settings.store.database);
    settings.store.user = readText(ini, QStringLiteral("archivio/utente"), settings.store.user);
    settings.store.password = readText(ini, QStringLiteral("archivio/password"), settings.store.password);

    settings.smtpServer = readText(ini, QStringLiteral("smtp/server"), settings.smtpServer);
    settings.smtpPort = readPort(ini, QStringLiteral("smtp/porta"), 0);
    const QString security =
        ini.value(QStringLiteral("smtp/sicurezza"), QStringLiteral("nessuna")).toString().trimmed();
    if (security == QLatin1String("nessuna"))
        settings.smtpSecurity = Security::None;
    else if (security == QLatin1String("starttls"))
        settings.smtpSecurity = Security::StartTls;
    else if (security == QLatin1String("tls"))
        settings.smtpSecurity = Security::Tls;
    else
        throw AppError(QStringLiteral("Impostazioni del servizio: sicurezza SMTP sconosciuta '%1' "
                                      "(ammesse: nessuna, starttls, tls)")
                           .arg(security));
    settings.smtpUser = readText(ini, QStringLiteral("smtp/utente"), settings.smtpUser);
    settings.smtpPassword = readText(ini, QStringLiteral("smtp/password"), settings.smtpPassword);
    settings.sender = readText(ini, QStringLiteral("smtp/mittente"), settings.sender);

    settings.sdiAddress = readText(ini, QStringLiteral("sdi/indirizzo"), settings.sdiAddress);
    settings.outgoingFolder = readText(ini, QStringLiteral("cartelle/invio"), settings.outgoingFolder);
    settings.receivedFolder = readText(ini, QStringLiteral("cartelle/ricevute"), settings.receivedFolder);
    return settings;
}
