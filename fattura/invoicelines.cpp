#include "fattura/invoicelines.h"

#include "apperror.h"
#include "tdiz.h"
#include "fattura/totali.h"

LineValues currentLineValues(const TableComponent &detta)
{
    auto t = [&](const char *field) { return detta.text(QString::fromLatin1(field)); };
    return {t("descrizione"), t("codice_tipo"), t("codice_val"), t("um"), t("prezzo_unit"),
            t("sc_tipo"), t("tipo_cessione"), t("ritenuta"), t("natura"),
            t("sc_perc"), t("sc_importo"), t("prezzo_tot"), t("rif_amm"), t("aliquota"), t("quantita")};
}

int nextLineNumber(TableComponent &detta)
{
    detta.last();
    if (detta.isEmpty() || detta.value(QStringLiteral("prog")).isNull())
        return 1;
    return detta.integer(QStringLiteral("prog")) + 1;
}

void storeLine(TDiz &diz, bool newLine, const LineValues &v)
{
    TableComponent &detta = *diz.Detta;
    if (newLine) {
        const int prog = nextLineNumber(detta);
        detta.append();
        detta.setValue(QStringLiteral("prog"), prog);
    } else {
        if (detta.isEmpty() || detta.currentIndex() < 0)
            throw AppError(QStringLiteral("Nessuna riga da modificare: la fattura non ha righe"));
        detta.edit();
    }
    const std::pair<const char *, const QString *> fields[] = {
        {"descrizione", &v.descrizione}, {"codice_tipo", &v.codice_tipo}, {"codice_val", &v.codice_val},
        {"um", &v.um}, {"prezzo_unit", &v.prezzo_unit}, {"sc_tipo", &v.sc_tipo},
        {"tipo_cessione", &v.tipo_cessione}, {"ritenuta", &v.ritenuta}, {"natura", &v.natura},
        {"sc_perc", &v.sc_perc}, {"sc_importo", &v.sc_importo}, {"prezzo_tot", &v.prezzo_tot},
        {"rif_amm", &v.rif_amm}, {"aliquota", &v.aliquota}, {"quantita", &v.quantita},
    };
    for (const auto &[field, value] : fields)
        detta.setText(QString::fromLatin1(field), *value);
    detta.post();
    RicalcolaTotali(diz);
}
