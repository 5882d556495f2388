#include "fattura/handoff.h"

#include "tdiz.h"

namespace {
QString scriptPath(ServiceScript script)
{
    switch (script) {
    case ServiceScript::MailSdi: return QStringLiteral("/Fatt_Ven/mail_sdi.php");
    case ServiceScript::MailSdiPa: return QStringLiteral("/Fatt_Ven/mail_sdi_pa.php");
    case ServiceScript::ReadXml: return QStringLiteral("/Fatt_Acq/read_xml.php");
    }
    return {};
}

QString encoded(const QString &value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }
} // namespace

QString defaultWebRoot() { return QStringLiteral("http://localhost"); }

QUrl serviceAddress(const QString &webRoot, ServiceScript script, const QString &nomeFile, int idInvio)
{
    QString root = webRoot.trimmed().isEmpty() ? defaultWebRoot() : webRoot.trimmed();
    if (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    QString address = root + scriptPath(script) + QStringLiteral("?nome_file=") + encoded(nomeFile);
    if (script != ServiceScript::ReadXml)
        address += QStringLiteral("&n_invio=") + QString::number(idInvio);
    return QUrl::fromEncoded(address.toUtf8());
}

QString invoiceFilePath(const TDiz &diz)
{
    return diz.AziendaT->text(QStringLiteral("path")).trimmed() + diz.Testata->text(QStringLiteral("nome_file"));
}

QUrl invoiceAddress(const TDiz &diz, ServiceScript script)
{
    return serviceAddress(diz.webRoot, script, diz.Testata->text(QStringLiteral("nome_file")),
                          diz.Testata->integer(QStringLiteral("id_invio")));
}

void handOffUnsentInvoices(TDiz &diz, const std::function<void(const QUrl &)> &open)
{
    TableComponent &testata = *diz.Testata;
    testata.setSql(QStringLiteral("select * from testata where inviata=0"));
    testata.first();
    while (!testata.eof()) {
        open(invoiceAddress(diz, ServiceScript::MailSdi));
        testata.next();
    }
    testata.setSql(QStringLiteral("select * from testata"));
}

bool isPurchaseFileLoaded(TDiz &diz, const QString &nomeFile)
{
    TableComponent &testaCar = *diz.Testa_Car;
    for (int row = 0; row < testaCar.rowCount(); ++row)
        if (testaCar.valueAt(row, testaCar.columnIndex(QStringLiteral("nome_file"))).toString() == nomeFile)
            return true;
    return false;
}
