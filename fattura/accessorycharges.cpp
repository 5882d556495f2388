#include "fattura/accessorycharges.h"

#include "db/apperror.h"
#include "db/tablecomponent.h"
#include "fattura/storedvalue.h"
#include "fattura/valueforms.h"
#include "store/decimaltext.h"

using namespace Qt::StringLiterals;

namespace {

struct SlotColumns
{
    QString charges, rate, nature, taxable, vat;
};

const SlotColumns kSlots[] = {
    {u"spese"_s, u"aliquota"_s, u"natura"_s, u"imponibile"_s, u"imposta"_s},
    {u"spese2"_s, u"aliquota2"_s, u"natura2"_s, u"imponibile2"_s, u"imposta2"_s},
};

// A summary amount the totals left empty counts as 0 beside an expense.
ExactDecimal storedAmount(const TableComponent &invoice, const QString &field)
{
    const QString text = StoredValue::text(invoice, field);
    return text.isEmpty() ? ExactDecimal() : ExactDecimal::fromText(text);
}

} // namespace

namespace AccessoryCharges {

QList<AccessoryCharge> read(const TableComponent &invoice)
{
    QList<AccessoryCharge> charges;
    for (int slot = 0; slot < 2; ++slot) {
        const SlotColumns &columns = kSlots[slot];
        const QString text = invoice.text(columns.charges);
        long double lenient = 0;
        if (!DecimalText::tryReadStrict(text, &lenient) || !(lenient > 0))
            continue;
        AccessoryCharge charge;
        charge.slot = slot;
        charge.amount = ExactDecimal::fromText(text);
        charge.rateText = StoredValue::text(invoice, columns.rate);
        if (ValueForm::trimmed(charge.rateText).isEmpty())
            throw AppError(u"Spese di %1 nel riepilogo IVA %2 senza aliquota: indicare l'aliquota IVA delle "
                           "spese o toglierle prima di creare il file XML"_s.arg(text)
                               .arg(slot + 1));
        charge.rate = ExactDecimal::fromText(charge.rateText);
        // NULL reads as empty here: the summary stops on it when it writes it.
        charge.nature = invoice.text(columns.nature);
        StoredValue::requireXmlCharacters(invoice, columns.nature, charge.nature);
        charge.taxable = (storedAmount(invoice, columns.taxable) + charge.amount).written(2);
        charge.vat = (storedAmount(invoice, columns.vat) + charge.amount.percent(charge.rate)).written(2);
        charges << charge;
    }
    return charges;
}

} // namespace AccessoryCharges
