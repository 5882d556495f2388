#include "articleamounts.h"

#include "apperror.h"
#include "decimaltext.h"
#include "tdiz.h"

namespace {
struct AmountColumns
{
    QString gross, percentage, type, amount, net;
};

const AmountColumns &columnsOf(ArticleSide side)
{
    static const AmountColumns sale{QStringLiteral("prezzo_unit"), QStringLiteral("sc_perc"), QStringLiteral("sc_tipo"),
                                    QStringLiteral("sc_importo"), QStringLiteral("prezzo_tot")};
    static const AmountColumns cost{QStringLiteral("costo_unit"), QStringLiteral("sc_costo_perc"),
                                    QStringLiteral("sc_costo_tipo"), QStringLiteral("sc_costo_importo"),
                                    QStringLiteral("costo_tot")};
    return side == ArticleSide::Sale ? sale : cost;
}

bool tryReadGrouped(const QString &text, long double *value)
{
    try {
        *value = DecimalText::readGrouped(text);
        return true;
    } catch (const AppError &) {
        return false;
    }
}
} // namespace

void calculateArticle(TDiz &diz, ArticleSide side)
{
    TableComponent &article = *diz.Articoli;
    const AmountColumns &c = columnsOf(side);
    long double gross = 0;
    long double percentage = 0;
    if (!tryReadGrouped(article.text(c.gross), &gross) || !tryReadGrouped(article.text(c.percentage), &percentage)) {
        article.setText(c.net, article.text(c.gross));
        return;
    }
    const Single amount = toSingle(percentage * gross / 100);
    article.setText(c.amount, DecimalText::format(amount, u"##,###0.00"));
    const QString type = article.text(c.type);
    Single net = 0;
    if (type == QLatin1String("SC")) {
        net = toSingle(gross - amount);
    } else if (type == QLatin1String("MG")) {
        net = toSingle(gross + amount);
    } else {
        net = toSingle(gross);
        article.setText(c.amount, QString());
        article.setText(c.percentage, QString());
    }
    article.setText(c.net, DecimalText::format(net, u"##,###0.000"));
}

void CalcolaPrezzoArticolo(TDiz &diz)
{
    calculateArticle(diz, ArticleSide::Sale);
}

void CalcolaCostoArticolo(TDiz &diz)
{
    calculateArticle(diz, ArticleSide::Cost);
}
