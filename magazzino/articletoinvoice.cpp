#include "articletoinvoice.h"

#include "apperror.h"
#include "decimaltext.h"
#include "fattura/invoicelines.h"
#include "tdiz.h"

namespace {
void appendArticleLine(TDiz &diz)
{
    static const char *const copied[] = {"descrizione", "codice_tipo", "codice_val", "um",         "prezzo_unit",
                                         "sc_tipo",     "sc_perc",     "sc_importo", "prezzo_tot", "aliquota"};
    TableComponent &detta = *diz.Detta;
    const int prog = nextLineNumber(detta);
    detta.append();
    detta.setValue(QStringLiteral("prog"), prog);
    for (const char *column : copied) {
        const QString field = QString::fromLatin1(column);
        detta.setText(field, diz.Articoli->text(field));
    }
    detta.setText(QStringLiteral("quantita"), QStringLiteral("1"));
    detta.post();
}

void setHeaderText(TableComponent &testata, const QString &field, const QString &text)
{
    testata.edit();
    testata.setText(field, text);
    testata.post();
}

// The taxable amount and the tax of one slot, or nothing for an empty sum.
void writeSlot(TableComponent &testata, Single sum, const QString &rateField, const QString &taxableField,
               const QString &taxField, QList<std::pair<QString, QString>> &values)
{
    if (!(sum > 0))
        return;
    const long double rate = DecimalText::readStrict(testata.text(rateField));
    values.append({taxableField, DecimalText::format(sum, u"##,###0.00")});
    values.append({taxField, DecimalText::format(rate * sum / 100, u"##,###0.00")});
}
} // namespace

void addArticleToInvoice(TDiz &diz)
{
    TableComponent &testata = *diz.Testata;
    TableComponent &detta = *diz.Detta;
    if (testata.isEmpty() || testata.currentIndex() < 0)
        throw AppError(QStringLiteral("Nessuna fattura corrente a cui aggiungere l'articolo"));
    if (!diz.Articoli->isEditing() && diz.Articoli->currentIndex() < 0)
        throw AppError(QStringLiteral("Nessun articolo selezionato"));
    appendArticleLine(diz);
    const TableComponent::Bookmark added = detta.bookmark();

    const QString rate1 = QStringLiteral("aliquota");
    const QString rate2 = QStringLiteral("aliquota2");
    testata.edit();
    for (const char *column : {"imponibile", "imposta", "aliquota", "imponibile2", "imposta2", "aliquota2"})
        testata.setText(QString::fromLatin1(column), QString());
    testata.post();

    Single sum1 = 0;
    Single sum2 = 0;
    for (detta.first(); !detta.eof(); detta.next()) {
        const QString rate = detta.text(QStringLiteral("aliquota"));
        if (testata.text(rate1).isEmpty())
            setHeaderText(testata, rate1, rate);
        else if (testata.text(rate2).isEmpty() && rate != testata.text(rate1))
            setHeaderText(testata, rate2, rate);
        // Line totals are written with grouping dots from 1.000 on.
        if (rate == testata.text(rate1))
            sum1 = toSingle(sum1 + DecimalText::readGrouped(detta.text(QStringLiteral("prezzo_tot"))));
        if (rate == testata.text(rate2))
            sum2 = toSingle(sum2 + DecimalText::readGrouped(detta.text(QStringLiteral("prezzo_tot"))));
    }

    detta.gotoBookmark(added);
    // Every value is read before the header goes into editing, so a
    // conversion error leaves no header half edited.
    QList<std::pair<QString, QString>> values;
    writeSlot(testata, sum1, rate1, QStringLiteral("imponibile"), QStringLiteral("imposta"), values);
    writeSlot(testata, sum2, rate2, QStringLiteral("imponibile2"), QStringLiteral("imposta2"), values);
    testata.edit();
    for (const auto &[field, text] : values)
        testata.setText(field, text);
    testata.post();
}
