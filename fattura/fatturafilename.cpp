#include "fattura/fatturafilename.h"

QString sendingProgressive(const QString &deskTitle, qint64 invoiceId)
{
    const QString number = QString::number(invoiceId).rightJustified(4, u'0');
    if (deskTitle == u"A")
        return u'0' + number;
    return deskTitle + number;
}

QString fatturaFileName(const QString &companyVatNumber, const QString &progressive)
{
    return QLatin1StringView("IT") + companyVatNumber + u'_' + progressive + QLatin1StringView(".xml");
}
