#include "fattura/withholding.h"

#include "db/apperror.h"
#include "db/tablecomponent.h"
#include "fattura/storedvalue.h"
#include "fattura/valueforms.h"

#include <QStringList>

using namespace Qt::StringLiterals;

Withholding Withholding::read(const TableComponent &company, TableComponent &lines)
{
    Withholding result;
    ExactDecimal base;
    for (lines.first(); !lines.eof(); lines.next()) {
        if (lines.text(u"ritenuta"_s) != u"SI")
            continue;
        result.due = true;
        base = base + ExactDecimal::fromText(StoredValue::text(lines, u"prezzo_tot"_s));
    }
    if (!result.due)
        return result;

    // The labels of the company screen, where the user fills them in.
    const QString type = ValueForm::trimmed(company.text(u"rit_tipo"_s));
    const QString rate = ValueForm::trimmed(company.text(u"rit_aliquota"_s));
    const QString reason = ValueForm::trimmed(company.text(u"rit_causale"_s));
    QStringList missing;
    if (type.isEmpty())
        missing << u"Tipo Ritenuta"_s;
    if (rate.isEmpty())
        missing << u"Aliquota Ritenuta"_s;
    if (reason.isEmpty())
        missing << u"Causale Pagamento"_s;
    if (!missing.isEmpty())
        throw AppError(u"La fattura ha righe con ritenuta d'acconto: indicare %1 nei dati dell'azienda prima di "
                       "creare il file XML"_s.arg(missing.join(u", "_s)));
    StoredValue::requireXmlCharacters(company, u"rit_tipo"_s, type);
    StoredValue::requireXmlCharacters(company, u"rit_causale"_s, reason);
    const ExactDecimal percent = ExactDecimal::fromText(rate);
    result.type = type;
    result.reason = reason;
    result.rate = percent.written(2);
    result.amount = ExactDecimal::fromWritten(base.percent(percent).written(2));
    return result;
}
