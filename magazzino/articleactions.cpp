#include "articleactions.h"

#include "apperror.h"
#include "decimaltext.h"
#include "registrysearch.h"
#include "tdiz.h"

namespace {
struct AmountField
{
    QString column;
    QStringView pattern;
    QString fallback;
    ArticleSide side;
};

AmountField amountField(ArticleAmount field)
{
    switch (field) {
    case ArticleAmount::SalePrice:
        return {QStringLiteral("prezzo_unit"), u"##,###0.000", QStringLiteral("0,000"), ArticleSide::Sale};
    case ArticleAmount::SalePercentage:
        return {QStringLiteral("sc_perc"), u"##,###0.00", QString(), ArticleSide::Sale};
    case ArticleAmount::CostPrice:
        return {QStringLiteral("costo_unit"), u"##,###0.000", QStringLiteral("0,000"), ArticleSide::Cost};
    case ArticleAmount::CostPercentage:
        return {QStringLiteral("sc_costo_perc"), u"##,###0.00", QStringLiteral("0,00"), ArticleSide::Cost};
    }
    throw AppError(QStringLiteral("Campo importo sconosciuto"));
}

// Puts the current article into editing; false when there is none (an
// empty or closed list), so leaving a field creates nothing.
bool editCurrentArticle(TableComponent &articoli)
{
    if (!articoli.isOpen() || (!articoli.isEditing() && articoli.currentIndex() < 0))
        return false;
    articoli.edit();
    return true;
}
} // namespace

void searchArticles(TDiz &diz, ArticleSearch search, const QString &typed)
{
    const QString column =
        search == ArticleSearch::ByCode ? QStringLiteral("codice_val") : QStringLiteral("descrizione");
    // Reopening the list would drop an article being typed in.
    saveArticle(diz);
    // The rows keep the order the user asked for by choosing the field.
    diz.Articoli->setSortField(column);
    diz.Articoli->setSql(containsSearchStatement(diz.xml_conn, QStringLiteral("magazzino"), column, typed));
}

void newArticle(TDiz &diz)
{
    static const std::pair<const char *, const char *> defaults[] = {
        {"esistenza", "0"},     {"um", "PZ"},
        {"aliquota", "22"},     {"prezzo_unit", "0,000"},
        {"sc_perc", "0"},       {"sc_importo", "0"},
        {"prezzo_tot", "0"},    {"costo_unit", "0,000"},
        {"sc_costo_perc", "0"}, {"sc_costo_importo", "0"},
        {"costo_tot", "0"},
    };
    TableComponent &articoli = *diz.Articoli;
    articoli.append();
    for (const auto &[column, value] : defaults)
        articoli.setText(QString::fromLatin1(column), QString::fromLatin1(value));
}

void saveArticle(TDiz &diz)
{
    if (diz.Articoli->isEditing())
        diz.Articoli->post();
}

void leaveArticleAmount(TDiz &diz, ArticleAmount which)
{
    TableComponent &articoli = *diz.Articoli;
    if (!editCurrentArticle(articoli))
        return;
    const AmountField field = amountField(which);
    QString text = field.fallback;
    try {
        text = DecimalText::format(DecimalText::readGrouped(articoli.text(field.column)), field.pattern);
    } catch (const AppError &) {
        // Not a number (an empty field too): the fallback stands.
    }
    articoli.setText(field.column, text);
    calculateArticle(diz, field.side);
}

void leaveArticleChoice(TDiz &diz, ArticleSide side)
{
    if (editCurrentArticle(*diz.Articoli))
        calculateArticle(diz, side);
}
